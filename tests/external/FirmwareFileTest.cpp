#include "external/FirmwareFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace parlix {
namespace {

// Lines 2..n as a file whose signature line carries their checksum.
std::string Signed(const std::string& head, const std::vector<std::string>& rest) {
    std::uint32_t sum = 0;
    std::string body;
    for (const auto& line : rest) {
        sum += FirmwareLineValue(line);
        body += line + "\n";
    }
    return head + std::to_string(FirmwareChecksumOf(sum)) + "\n" + body;
}

struct FileCase {
    const char* name;
    std::string content;
    bool valid;
    bool hasDataRow;
    std::string status;
    std::string description;
};

class FirmwareFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(FirmwareFileTest, ChecksTheFile) {
    const FileCase& c = GetParam();
    std::istringstream in(c.content);
    const FirmwareCheck check = CheckFirmwareStream(in, "FW");
    EXPECT_EQ(check.valid, c.valid);
    EXPECT_EQ(check.hasDataRow, c.hasDataRow);
    EXPECT_EQ(check.status, c.status);
    EXPECT_EQ(check.description, c.description);
    EXPECT_STREQ(check.Result(), c.valid ? "OK" : "ERR");
}

const std::string kHead = "# Parlix FW @";
const char* const kBadSignature = "Invalid signature in update file.";
const char* const kBadFormat = "Invalid format in firmware file.";
const char* const kBadSum = "Checksum verification failed.";

INSTANTIATE_TEST_SUITE_P(
    Cases, FirmwareFileTest,
    testing::Values(
        FileCase{"Valid", Signed(kHead, {"; Firmware 12", ":00000001FF"}), true, true, "",
                 "Firmware 12"},
        FileCase{"HeaderLinesOnly", Signed(kHead, {"; Only"}), true, true, "", "Only"},
        FileCase{"EmptyLinesAmongRecords", Signed(kHead, {"; D", "", ":00", "", ""}), true, true,
                 "", "D"},
        FileCase{"CrLfLines",
                 "# Parlix FW @" +
                     std::to_string(FirmwareChecksumOf(FirmwareLineValue("; D") +
                                                       FirmwareLineValue(":00"))) +
                     "\r\n; D\r\n:00\r\n",
                 true, true, "", "D"},
        FileCase{"BlanksBeforeTheNumberAndTextAfterIt",
                 "# Parlix x FW @  " +
                     std::to_string(FirmwareChecksumOf(FirmwareLineValue("; D"))) + " (v2)\n; D\n",
                 true, true, "", "D"},
        FileCase{"ShortDescriptionLineIsEmpty", Signed(kHead, {";"}), true, true, "", ""},
        FileCase{"MissingDescriptionLineCountsAsEmpty", Signed(kHead, {}), false, true, kBadSum,
                 ""},
        FileCase{"MarkerBeforePosition8", "# Parli FW @1\n; D\n", false, false, kBadSignature, ""},
        FileCase{"SignatureInOtherCase", "# PARLIX FW @1\n; D\n", false, false, kBadSignature, ""},
        FileCase{"NoMarker", "# Parlix firmware 1\n; D\n", false, false, kBadSignature, ""},
        FileCase{"ShortFirstLine", "# Par\n", false, false, kBadSignature, ""},
        FileCase{"EmptyFile", "", false, false, kBadSignature, ""},
        FileCase{"LineWithoutColon", Signed(kHead, {"; D", ":00", "00"}), false, true, kBadFormat,
                 "D"},
        FileCase{"WrongChecksum", "# Parlix FW @123\n; D\n:00\n", false, true, kBadSum, "D"},
        FileCase{"HugeChecksumSaturates", "# Parlix FW @99999999999999999999\n; D\n", false, true,
                 kBadSum, "D"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(FirmwareFileSumTest, MarkerRightAfterTheSignatureGivesTheNumber) {
    std::istringstream in("# Parlix FW @123\n; D\n");
    EXPECT_EQ(CheckFirmwareStream(in, "X").expected, 123u);
}

TEST(FirmwareFileSumTest, LineValuesOfKnownLines) {
    // An empty line adds the seed; each character steps the reflected CRC-32 table.
    EXPECT_EQ(FirmwareLineValue(""), 0x12345678u);
    EXPECT_EQ(FirmwareLineValue("a"), 0x64799C96u);  // worked out by hand from T[0x19]
    std::istringstream in("# Parlix FW @0\nAB\n\n");
    EXPECT_EQ(CheckFirmwareStream(in, "X").sum, FirmwareLineValue("AB") + 0x12345678u);
}

TEST(FirmwareFileOpenTest, NamesTheProjectAndReportsAnUnreadableFile) {
    test::TempDir dir;
    const FirmwareCheck missing = CheckFirmwareFile(dir.File("fw12.v2.plxfw"));
    EXPECT_EQ(missing.project, "FW12.V2");
    EXPECT_EQ(missing.status, "Could not open firmware file.");
    EXPECT_FALSE(missing.hasDataRow);

    std::ofstream(dir.File("Good.PLXFW")) << Signed(kHead, {"; G"});
    const FirmwareCheck good = CheckFirmwareFile(dir.File("Good.PLXFW"));
    EXPECT_EQ(good.project, "GOOD");
    EXPECT_TRUE(good.valid);
}

}  // namespace
}  // namespace parlix
