#include "external/FirmwareFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>

namespace parlix {
namespace {

// The checksums of the valid files were worked out once, apart from this
// code, by a bitwise model in Python: per line from line 2 on, the reflected
// CRC-32 step (0xEDB88320) from 0x12345678 without a final inversion; the
// values added mod 2^32 and XORed with 0xEA51C0DE. A fault in the checksum
// code then fails these files instead of signing them anew.

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

const char* const kBadSignature = "Invalid signature in update file.";
const char* const kBadFormat = "Invalid format in firmware file.";
const char* const kBadSum = "Checksum verification failed.";

INSTANTIATE_TEST_SUITE_P(
    Cases, FirmwareFileTest,
    testing::Values(
        FileCase{"Valid", "# Parlix FW @272287156\n; Firmware 12\n:00000001FF\n", true, true, "",
                 "Firmware 12"},
        FileCase{"HeaderLinesOnly", "# Parlix FW @340522729\n; Only\n", true, true, "", "Only"},
        FileCase{"EmptyLinesAmongRecords", "# Parlix FW @813445485\n; D\n\n:00\n\n\n", true, true,
                 "", "D"},
        FileCase{"CrLfLines", "# Parlix FW @1237397141\r\n; D\r\n:00\r\n", true, true, "", "D"},
        FileCase{"BlanksBeforeTheNumberAndTextAfterIt", "# Parlix x FW @  2985122841 (v2)\n; D\n",
                 true, true, "", "D"},
        FileCase{"ShortDescriptionLineIsEmpty", "# Parlix FW @93775010\n;\n", true, true, "", ""},
        // Signed for no lines at all: the missing line still adds an empty line's value.
        FileCase{"MissingDescriptionLineCountsAsEmpty", "# Parlix FW @3931226334\n", false, true,
                 kBadSum, ""},
        FileCase{"MarkerBeforePosition8", "# Parli FW @1\n; D\n", false, false, kBadSignature, ""},
        FileCase{"SignatureInOtherCase", "# PARLIX FW @1\n; D\n", false, false, kBadSignature, ""},
        FileCase{"NoMarker", "# Parlix firmware 1\n; D\n", false, false, kBadSignature, ""},
        FileCase{"ShortFirstLine", "# Par\n", false, false, kBadSignature, ""},
        FileCase{"EmptyFile", "", false, false, kBadSignature, ""},
        FileCase{"LineWithoutColon", "# Parlix FW @2857615681\n; D\n:00\n00\n", false, true,
                 kBadFormat, "D"},
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

    std::ofstream(dir.File("Good.PLXFW")) << "# Parlix FW @686034339\n; G\n";
    const FirmwareCheck good = CheckFirmwareFile(dir.File("Good.PLXFW"));
    EXPECT_EQ(good.project, "GOOD");
    EXPECT_TRUE(good.valid);
}

// Only a regular file is read: an endless device, a pipe without a writer and
// a file far larger than any firmware each end the check with their cause.
TEST(FirmwareFileOpenTest, RefusesWhatIsNoFirmwareFileAndSaysWhy) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe.PLXFW").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.File("folder.PLXFW"));
    { std::ofstream(dir.File("huge.PLXFW")) << "# Parlix FW @1\n"; }
    std::filesystem::resize_file(dir.File("huge.PLXFW"), kFirmwareFileMaxBytes + 1);
    const struct {
        std::string path;
        const char* status;
    } cases[] = {
        {"/dev/zero", "The firmware file is not a regular file (a device or pipe)."},
        {dir.File("pipe.PLXFW"), "The firmware file is not a regular file (a device or pipe)."},
        {dir.File("folder.PLXFW"), "The firmware file is a folder."},
        {dir.File("huge.PLXFW"),
         "The firmware file is larger than 64 MB; no firmware is that large."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const FirmwareCheck check = CheckFirmwareFile(c.path);
        EXPECT_EQ(check.status, c.status);
        EXPECT_FALSE(check.valid);
        EXPECT_FALSE(check.hasDataRow);
    }
}

}  // namespace
}  // namespace parlix
