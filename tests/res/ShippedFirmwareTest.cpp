// The firmware files shipped in data/firmware: each passes the firmware check,
// and fwgen writes the same bytes again.
#include "external/FirmwareFile.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace parlix::test {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ShippedFirmwareTest, EachFileChecksAndRegeneratesIdentically) {
    const fs::path shipped = fs::path(PARLIX_SOURCE_DIR) / "res" / "data" / "firmware";
    TempDir dir;
    const ProgramResult r = RunProgram("fwgen", {"--all", dir.Path().string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        ++files;
        const fs::path name = entry.path().filename();
        SCOPED_TRACE(name.string());
        const FirmwareCheck check = CheckFirmwareFile((shipped / name).string());
        EXPECT_TRUE(check.valid) << check.status;
        EXPECT_EQ(Bytes(shipped / name), Bytes(entry.path()));
    }
    EXPECT_GT(files, 0);
    // Nothing shipped that fwgen no longer writes.
    for (const auto& entry : fs::directory_iterator(shipped))
        EXPECT_TRUE(fs::exists(dir.Path() / entry.path().filename())) << entry.path();
}

}  // namespace
}  // namespace parlix::test
