// parlix-cli data build and data header on copies of the sample projects.
#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

namespace parlix::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DataCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(fs::path(PARLIX_SOURCE_DIR) / "res/data/samples", samples.Path(),
                 fs::copy_options::recursive);
        // As the samples' README says: outputs newer than their projects after a copy.
        for (const auto& entry : fs::recursive_directory_iterator(samples.Path()))
            if (entry.path().extension() == ".mco" || entry.path().extension() == ".h")
                fs::last_write_time(entry.path(),
                                    fs::file_time_type::clock::now() + std::chrono::seconds(2));
    }
    ProgramResult Cli(const std::vector<std::string>& args) {
        return RunProgram("parlix-cli", args, {}, {{"XDG_CONFIG_HOME", home.Path().string()}});
    }
    TempDir home;
    TempDir samples;
    TempDir out;
};

TEST_F(DataCliTest, BuildsWritesTheImageAndExportsItsHeader) {
    const auto r = Cli({"data", "build", samples.File("sounds/Demo.qxp"),
                        samples.File("robot/Robot.rsc"), "-o", out.File("demo")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out,
                HasSubstr("Processing project \"DEMO\"...\nRunning sound table builder...\n"));
    EXPECT_THAT(r.out, HasSubstr("Image: 745 bytes at 0x30000 (new layout)\n"));
    EXPECT_THAT(r.out, HasSubstr("Custom data built successfully.\n#\tSound table DEMO_SOUNDS (4 "
                                 "sounds)\n0\tSND_Beep\n"));
    EXPECT_THAT(ReadAll(out.File("demo.hex")), StartsWith(":020000040003F7\n"));

    const auto h = Cli({"data", "header", out.File("demo.hex"), out.File("export.h")});
    ASSERT_EQ(h.exitCode, 0) << h.err;
    EXPECT_EQ(ReadAll(out.File("export.h")),
              "// Sound table DEMO_SOUNDS (4 sounds)\n"
              "#define SND_Beep          0\n"
              "#define SND_Hello         1\n"
              "#define SND_Goodbye       2\n"
              "#define SND_Ready         3\n"
              "// Grammar 4 ROBOT_TRIGGER (trigger, 1 word)\n"
              "#define WS_ROBOT_TRIGGER  4\n"
              "// Grammar 5 ROBOT_COMMANDS (command, 5 words)\n"
              "#define WS_ROBOT_COMMANDS 5\n");
}

TEST_F(DataCliTest, AChangedProjectBuildsOnlyWithYes) {
    fs::last_write_time(samples.File("robot/Robot.rsc"),
                        fs::file_time_type::clock::now() + std::chrono::seconds(10));
    const auto refused =
        Cli({"data", "build", samples.File("robot/Robot.rsc"), "-o", out.File("r")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_THAT(
        refused.err,
        HasSubstr(
            "Warning: Project file has changed after build.\n\nDo you want to continue anyway?\n"));
    EXPECT_FALSE(fs::exists(out.File("r.hex")));

    const auto built = Cli({"--yes", "data", "build", samples.File("robot/Robot.rsc"),
                            "--old-format", "-o", out.File("r")});
    EXPECT_EQ(built.exitCode, 0) << built.err;
    EXPECT_THAT(ReadAll(out.File("r.hex")), StartsWith(":020000040002F8\n"))
        << "the old layout's address";
}

TEST_F(DataCliTest, FailuresExitWithOne) {
    const auto missing = Cli({"data", "build", samples.File("nowhere/None.qxp")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(
        missing.err,
        HasSubstr("Error: Build failed, see status text on the top for a possible reason.\n"));
    EXPECT_THAT(missing.out, HasSubstr("Could not find the project file.\n"));

    const auto other = Cli({"data", "build", samples.File("README.md")});
    EXPECT_EQ(other.exitCode, 1);
    EXPECT_THAT(other.err, HasSubstr("no project to build"));

    const auto header = Cli({"data", "header", out.File("none"), out.File("x.h")});
    EXPECT_EQ(header.exitCode, 1);
    EXPECT_THAT(header.err, HasSubstr("cannot read"));

    // The loader refuses a bad image before it opens the port: the file is at fault.
    std::ofstream(out.File("bad.hex")) << ":10000000ZZ\n";
    const auto bad = Cli({"--port", "sim:none", "data", "download", out.File("bad.hex")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_THAT(bad.err, HasSubstr("\nThe file is not a valid image: build it again or choose "
                                   "another file.\n"));
    EXPECT_THAT(bad.err, Not(HasSubstr("check connection")));

    const auto unwritable =
        Cli({"data", "header", samples.File("sounds/Demo"), out.File("no/such/x.h")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_THAT(unwritable.err,
                HasSubstr("Error: Could not export to the specified file.\n\nThe following system "
                          "error occurred:\nNo such file or directory"));
    // A full disk fails only when the buffered text is flushed at the close.
    const auto full = Cli({"data", "header", samples.File("sounds/Demo"), "/dev/full"});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_THAT(full.err, HasSubstr("No space left on device"));
}

// The whole flow a user runs: build the samples, download the image through
// the loader, and read the module again: its sound table and grammars are new.
TEST_F(DataCliTest, DownloadedImageIsWhatTheModuleReportsNext) {
    const auto built = Cli({"data", "build", samples.File("sounds/Demo.qxp"),
                            samples.File("home/Home.amc"), "-o", out.File("demo")});
    ASSERT_EQ(built.exitCode, 0) << built.err;
    auto module = sim::ModuleDevice::FromJson(nlohmann::json::object());
    std::error_code error;
    auto pty = sim::PtyTransport::Open(module, {}, error);
    ASSERT_TRUE(pty) << error.message();

    const auto download =
        Cli({"--port", std::string(pty->SlavePath()), "data", "download", out.File("demo.hex")});
    ASSERT_EQ(download.exitCode, 0) << download.out << download.err;
    EXPECT_THAT(download.out, HasSubstr("Verifying 100%"));
    const auto memory = module->Memory();
    EXPECT_EQ(memory.soundTableName, "DEMO_SOUNDS");
    EXPECT_EQ(memory.soundCount, 4);

    const auto dump = Cli({"--port", std::string(pty->SlavePath()), "dump"});
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_THAT(dump.out, HasSubstr("SoundTable"));
    EXPECT_THAT(dump.out, HasSubstr("Grammar"));
    for (const auto& grammar : memory.grammars)
        for (const auto& word : grammar.words) EXPECT_THAT(dump.out, HasSubstr(word));
    EXPECT_FALSE(memory.grammars.empty());
}

}  // namespace
}  // namespace parlix::test
