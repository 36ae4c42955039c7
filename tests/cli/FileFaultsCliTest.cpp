// Files that cannot be written or are no files at all, as the command line
// meets them: each ends with exit status 1 and a message that names the cause.
#include "cli/SimModuleCli.h"

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace parlix::test {
namespace {

using ::testing::HasSubstr;

class FileFaultsCliTest : public SimModuleCli {
  protected:
    void SetUp() override { Serve(sim::ModuleDevice::FromJson(nlohmann::json{{"identity", "M"}})); }
};

TEST_F(FileFaultsCliTest, ExportToATargetThatTakesNoFileFails) {
    std::filesystem::create_directory(dir.File("folder"));
    const struct {
        std::string target;
        const char* reason;
    } cases[] = {{"/dev/full", "No space left on device"}, {dir.File("folder"), "Is a directory"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const auto r = Cli({"--port", "sim:module", "export", c.target});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_THAT(r.err, HasSubstr("Could not write the command file \"" + c.target + "\"."));
        EXPECT_THAT(r.err, HasSubstr(c.reason));
    }
}

// The work goes on without its trace, which says once that it stopped.
TEST_F(FileFaultsCliTest, TraceOntoAFullDeviceStopsAndInfoGoesOn) {
    const auto r = Cli({"--port", "sim:module", "--trace", "/dev/full", "info"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Firmware ID: 12"));
    EXPECT_THAT(r.err, HasSubstr("parlix-cli: tracing stopped, the trace \"/dev/full\" cannot be "
                                 "written: No space left on device\n"));
    EXPECT_EQ(r.err.find("tracing stopped"), r.err.rfind("tracing stopped"));
}

TEST_F(FileFaultsCliTest, FirmwareOfAnEndlessDeviceOrAFolderIsRefused) {
    std::filesystem::create_directory(dir.File("fw"));
    const struct {
        std::vector<std::string> args;
        const char* cause;
    } cases[] = {
        {{"firmware", "check", "/dev/zero"}, "not a regular file"},
        {{"firmware", "check", dir.File("fw")}, "The firmware file is a folder."},
        {{"--port", "sim:module", "firmware", "download", "/dev/zero"}, "not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const auto r = Cli(c.args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_THAT(r.out + r.err, HasSubstr(c.cause));
    }
}

}  // namespace
}  // namespace parlix::test
