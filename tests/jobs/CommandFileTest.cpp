// The command file: the lines it is made of and the pass that accepts or
// rejects a whole file before anything on the module changes.
#include "jobs/CommandFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>

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

class CommandFileValidationTest : public ::testing::TestWithParam<ValidationCase> {
  protected:
    std::optional<int> Validate(const std::string& content) {
        const std::string path = dir.File("commands.vrcmd");
        std::ofstream(path, std::ios::binary) << content;
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
        EXPECT_TRUE(file);
        return ValidateCommandFile(file.get());
    }
    test::TempDir dir;
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
    // The validation does not look at the data; a short command fails on import.
    {"ShortData", Head(1, 1) + Cmd(0, "0123"), 1},
    {"NoBlanksAroundTheColon", "Group 1:1\r\nCommand 0:" + kDigits + "\r\n", 1},
    {"ManyBlanksAroundTheColon", "Group 1  :   1\r\nCommand 0 \t: " + kDigits + "\r\n", 1},
    {"LfLineEnds", "Group 1 : 1\nCommand 0 : " + kDigits + "\n", 1},
    {"NoLineEndAtAll", "Group 1 : 1\r\nCommand 0 : " + kDigits, 1},
    // Wrong case or a leading blank: not a header, so the command has none.
    {"LowerCaseWord", "group 1 : 1\r\n" + Cmd(0), std::nullopt},
    {"LeadingBlank", " Group 1 : 1\r\n" + Cmd(0), std::nullopt},
    // A partial export ends with an error line; its missing commands reject it.
    {"ExportErrorLine", Head(1, 2) + Cmd(0) + "Error at group 1 command 1\r\n", std::nullopt},
    {"ForeignLinesIgnored", "; saved\r\n" + Head(1, 1) + "\r\n" + Cmd(0) + "Error x\r\n", 1},
};

INSTANTIATE_TEST_SUITE_P(Files, CommandFileValidationTest, ::testing::ValuesIn(kValidationCases),
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
