// The command file: the lines it is made of and the pass that accepts or
// rejects a whole file before anything on the module changes.
#include "jobs/CommandFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace parlix {
namespace {

const std::string kDigits(kCommandDigits, 'A');

std::string Cmd(int index, const std::string& digits = kDigits) {
    return "Command " + std::to_string(index) + " : " + digits + "\r\n";
}

std::string Head(int group, int count) {
    return "Group " + std::to_string(group) + " : " + std::to_string(count) + "\r\n";
}

struct ValidationCase {
    const char* name;
    std::string content;
    std::optional<int> total;  // none: the file is invalid
};

void PrintTo(const ValidationCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandFileValidationTest : public ::testing::TestWithParam<ValidationCase> {
  protected:
    static std::optional<int> Validate(const std::string& content) {
        const auto contents = ParseCommandFile(content);
        if (!contents) return std::nullopt;
        return contents->total;
    }
};

TEST_P(CommandFileValidationTest, AcceptsOnlyCompleteFiles) {
    EXPECT_EQ(Validate(GetParam().content), GetParam().total);
}

const ValidationCase kValidationCases[] = {
    {"Empty", "", std::nullopt},
    {"OnlyBlankAndForeignLines", "\r\nhello\r\n", std::nullopt},
    {"AllCountsZero", Head(0, 0) + Head(1, 0) + Head(16, 0), std::nullopt},
    {"OneCommand", Head(0, 0) + Head(1, 1) + Cmd(0) + Head(2, 0), 1},
    {"Group16IsTheLast", Head(16, 1) + Cmd(0), 1},
    {"Group17", Head(17, 1) + Cmd(0), std::nullopt},
    {"NegativeGroup", Head(-1, 1) + Cmd(0), std::nullopt},
    {"Count31",
     [] {
         std::string s = Head(3, 31);
         for (int i = 0; i < 31; ++i) s += Cmd(i);
         return s;
     }(),
     31},
    {"Count32",
     [] {
         std::string s = Head(3, 32);
         for (int i = 0; i < 32; ++i) s += Cmd(i);
         return s;
     }(),
     std::nullopt},
    {"NegativeCount", Head(3, -1), std::nullopt},
    {"CommandBeforeAnyHeader", Cmd(0) + Head(1, 1) + Cmd(0), std::nullopt},
    {"Index32", Head(1, 1) + Cmd(0) + Cmd(32), std::nullopt},
    {"NegativeIndex", Head(1, 1) + Cmd(0) + Cmd(-1), std::nullopt},
    {"IndexNotBelowCount", Head(1, 2) + Cmd(0) + Cmd(1) + Cmd(2), std::nullopt},
    {"MissingCommandBeforeNextHeader", Head(2, 3) + Cmd(0) + Cmd(2) + Head(3, 0), std::nullopt},
    {"MissingCommandAtEnd", Head(2, 3) + Cmd(0) + Cmd(2), std::nullopt},
    {"CommandsInAnyOrderAndRepeated",
     Head(2, 3) + Cmd(2) + Cmd(0) + Cmd(2) + Cmd(1) + Head(4, 1) + Cmd(0), 4},
    {"SameGroupTwiceCountsTwice", Head(2, 1) + Cmd(0) + Head(2, 1) + Cmd(0), 2},
    {"LowerCaseDigits", Head(1, 1) + Cmd(0, std::string(kCommandDigits, 'f')), 1},
    // Data that the module would refuse rejects the file before the import.
    {"ShortData", Head(1, 1) + Cmd(0, "0123"), std::nullopt},
    {"OneDigitShort", Head(1, 1) + Cmd(0, kDigits.substr(1)), std::nullopt},
    {"BadDigit", Head(1, 1) + Cmd(0, kDigits.substr(1) + "g"), std::nullopt},
    {"NoData", Head(1, 1) + "Command 0 :\r\n", std::nullopt},  // not a command line
    // The first 516 characters are the data; more are ignored, as on import.
    {"LongerData", Head(1, 1) + Cmd(0, kDigits + "XYZ"), 1},
    // Numbers out of the range of int never wrap into a valid field.
    {"GroupOverflowsToZero", Head(1, 1) + Cmd(0) + "Group 4294967296 : 0\r\n", std::nullopt},
    {"GroupOverflowsToOne", "Group 4294967297 : 1\r\n" + Cmd(0), std::nullopt},
    {"GroupOverflowsBelow", "Group -4294967295 : 1\r\n" + Cmd(0), std::nullopt},
    {"GroupIntMax", "Group 2147483647 : 1\r\n" + Cmd(0), std::nullopt},
    {"GroupIntMin", "Group -2147483648 : 1\r\n" + Cmd(0), std::nullopt},
    {"CountOverflows", "Group 1 : 4294967297\r\n" + Cmd(0), std::nullopt},
    {"CountFarBeyond", "Group 1 : 99999999999999999999999999\r\n" + Cmd(0), std::nullopt},
    {"IndexOverflows", Head(1, 1) + "Command 4294967296 : " + kDigits + "\r\n", std::nullopt},
    {"IndexOverflowsBelow", Head(1, 1) + Cmd(0) + "Command -4294967295 : " + kDigits + "\r\n",
     std::nullopt},
    // Leading zeros and signs are still numbers that fit.
    {"LeadingZeros", "Group 000000000000000000001 : +01\r\nCommand -0 : " + kDigits + "\r\n", 1},
    {"NoBlanksAroundTheColon", "Group 1:1\r\nCommand 0:" + kDigits + "\r\n", 1},
    {"ManyBlanksAroundTheColon", "Group 1  :   1\r\nCommand 0 \t: " + kDigits + "\r\n", 1},
    {"LfLineEnds", "Group 1 : 1\nCommand 0 : " + kDigits + "\n", 1},
    {"NoLineEndAtAll", "Group 1 : 1\r\nCommand 0 : " + kDigits, 1},
    // Wrong case or a leading blank: not a header, so the command has none.
    {"LowerCaseWord", "group 1 : 1\r\n" + Cmd(0), std::nullopt},
    {"LeadingBlank", " Group 1 : 1\r\n" + Cmd(0), std::nullopt},
    // A partial export ends with an error line; its missing commands reject it.
    {"ExportErrorLine", Head(1, 2) + Cmd(0) + "Error at group 1 command 1\r\n", std::nullopt},
    // A line is read in pieces of 615 characters; a piece may be a header.
    {"PieceOfALongLine", std::string(615, 'x') + Head(1, 1) + Cmd(0), 1},
    {"ForeignLinesIgnored", "; saved\r\n" + Head(1, 1) + "\r\n" + Cmd(0) + "Error x\r\n", 1},
};

INSTANTIATE_TEST_SUITE_P(Files, CommandFileValidationTest, ::testing::ValuesIn(kValidationCases),
                         [](const auto& c) { return std::string(c.param.name); });

// The import acts on the headers and command lines in file order.
TEST(CommandFileParseTest, KeepsTheLinesToActOnInFileOrder) {
    const std::string lower(kCommandDigits, 'b');
    const auto contents =
        ParseCommandFile("; saved\r\n" + Head(2, 2) + Cmd(1, lower) + "\r\n" + Cmd(0) + Head(5, 0));
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->total, 2);
    const std::vector<CommandFileLine> lines = {GroupHeaderLine{2, 2}, CommandLine{1, lower},
                                                CommandLine{0, kDigits}, GroupHeaderLine{5, 0}};
    EXPECT_EQ(contents->lines, lines);
}

// Padding that makes a valid file longer than any command file can be.
TEST(CommandFileParseTest, RefusesTextOverTheCap) {
    std::string text = Head(1, 1) + Cmd(0);
    text.resize(kCommandFileMaxBytes, ' ');
    EXPECT_TRUE(ParseCommandFile(text));
    text += ' ';
    EXPECT_FALSE(ParseCommandFile(text));
}

struct ReadCase {
    const char* name;
    std::string content;
    std::size_t limit;
    CommandFileRead result;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandFileReadTest : public ::testing::TestWithParam<ReadCase> {
  protected:
    test::TempDir dir;
};

// The bytes come back as they are, in one piece however many reads it takes.
TEST_P(CommandFileReadTest, ReadsUpToTheLimit) {
    const ReadCase& c = GetParam();
    const std::string path = dir.File("in.vrcmd");
    std::ofstream(path, std::ios::binary) << c.content;
    std::string text = "left over";
    EXPECT_EQ(ReadCommandFile(path, text, c.limit), c.result);
    EXPECT_EQ(text, c.result == CommandFileRead::kRead ? c.content : "");
}

std::string Pattern(std::size_t size) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>(i * 7 + i / 251);
    return s;
}

const ReadCase kReadCases[] = {
    {"Empty", "", 4, CommandFileRead::kRead},
    {"AtTheLimit", "abcd", 4, CommandFileRead::kRead},
    {"OverTheLimit", "abcde", 4, CommandFileRead::kTooLarge},
    {"BytesAsTheyAre", std::string("G\r\n\0\xff\x1a", 6), 6, CommandFileRead::kRead},
    {"ManyReads", Pattern(300001), 300001, CommandFileRead::kRead},
    {"ManyReadsOverTheLimit", Pattern(300001), 300000, CommandFileRead::kTooLarge},
};

INSTANTIATE_TEST_SUITE_P(Files, CommandFileReadTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& c) { return std::string(c.param.name); });

TEST(CommandFileLinesTest, WrittenLinesEndWithCrLf) {
    EXPECT_EQ(FormatGroupHeader(3, 12), "Group 3 : 12\r\n");
    EXPECT_EQ(FormatCommandLine(7, "0A"), "Command 7 : 0A\r\n");
    EXPECT_EQ(FormatErrorLine(16, 4), "Error at group 16 command 4\r\n");
}

TEST(CommandFileLinesTest, WrittenLinesReadBack) {
    const auto header = ParseGroupHeader(FormatGroupHeader(16, 31).c_str());
    ASSERT_TRUE(header);
    EXPECT_EQ(header->group, 16);
    EXPECT_EQ(header->count, 31);
    const std::string digits = std::string(kCommandDigits - 2, '9') + "Fa";
    const auto command = ParseCommandLine(FormatCommandLine(30, digits).c_str());
    ASSERT_TRUE(command);
    EXPECT_EQ(command->index, 30);
    EXPECT_EQ(command->digits, digits);
    EXPECT_FALSE(ParseGroupHeader(FormatErrorLine(1, 2).c_str()));
    EXPECT_FALSE(ParseCommandLine(FormatErrorLine(1, 2).c_str()));
}

// At most 516 digits are taken from a command line; the rest is not data.
TEST(CommandFileLinesTest, CommandDataStopsAt516Digits) {
    const auto command = ParseCommandLine(("Command 0 : " + kDigits + "BBBB").c_str());
    ASSERT_TRUE(command);
    EXPECT_EQ(command->digits, kDigits);
}

}  // namespace
}  // namespace parlix
