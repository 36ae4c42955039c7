// parlix-cli generate against the demo module, directly and behind a BASIC
// Stamp, from a program folder of its own whose Config.ini names templates.
#include "link/StampIdentification.h"
#include "sim/SimServer.h"
#include "sim/StampHost.h"
#include "support/ReadFile.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <future>

namespace parlix::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* kDemo = PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json";
constexpr const char* kTemplates = PARLIX_SOURCE_DIR "/tests/external/templates/";

class GenerateCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        server.AddDevice("module", sim::ModuleDevice::FromFile(kDemo));
        server.AddDevice("module-2", sim::ModuleDevice::FromFile(kDemo));
        auto stamp =
            std::make_shared<sim::StampHost>(StampKind::BS2, sim::ModuleDevice::FromFile(kDemo));
        server.AddDevice(stamp->PortName(), stamp);
        ASSERT_FALSE(server.Start());
        // The program folder is the executable's: a copy of it reads this Config.ini.
        fs::create_directories(bin / "data" / "templates");
        fs::copy_file(ProgramPath("parlix-cli"), bin / "parlix-cli");
        fs::copy_file(std::string(kTemplates) + "demo.tpl", bin / "data/templates/demo.tpl");
        std::ofstream(bin / "data" / "Config.ini")
            << "[BASIC Stamp 2]\n"
               "Template=templates/demo.tpl|bs2|BASIC Stamp (*.bs2)^*.bs2^|//%c%c\n"
               "[Plain]\n"
               "Bridge=none\n"
               "[Other Board]\n"
               "Template=templates/missing.tpl|c|C^*.c^|//%c%c\n";
    }

    ProgramResult Cli(const std::vector<std::string>& args) {
        return RunProgram(
            (bin / "parlix-cli").string(), args, {},
            {{"XDG_CONFIG_HOME", dir.File("config")}, {"PARLIX_SIM_SOCKET", server.SocketPath()}});
    }

    TempDir dir;
    fs::path bin = dir.Path() / "bin";
    std::string out = dir.File("out.h");
    std::string expected = ReadFileBytes(std::string(kTemplates) + "demo.expected");
    sim::SimServer server{"/tmp/parlix-generate-cli-" + std::to_string(::getpid()) + ".sock"};
};

TEST_F(GenerateCliTest, EachWayOfNamingTheTemplateWritesTheSameFile) {
    const std::vector<std::vector<std::string>> runs = {
        {"--port", "sim:module", "generate", "--template-file",
         std::string(kTemplates) + "demo.tpl", "--pattern", "//%c%c", out},
        {"--port", "sim:module-2", "generate", "--template", "BASIC Stamp 2", out},
        {"--port", "sim:bs2", "generate", out},  // the host's own template
    };
    // At once, each into a file of its own: most of a run is waiting on the line.
    std::vector<std::future<void>> done;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        done.push_back(std::async(std::launch::async, [&, i] {
            std::vector<std::string> args = runs[i];
            args.back() += std::to_string(i);
            const ProgramResult run = Cli(args);
            EXPECT_EQ(run.exitCode, 0) << args[1] << args[3] << run.err;
            EXPECT_EQ(ReadFileBytes(args.back()), expected) << args[1] << args[3];
        }));
    }
    for (auto& run : done) run.get();
}

TEST_F(GenerateCliTest, ADirectLinkWithoutATemplateListsTheSections) {
    const ProgramResult run = Cli({"--port", "sim:module", "generate", out});
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_THAT(run.err, HasSubstr("--template SECTION:\n  BASIC Stamp 2\n  Other Board\n"));
    EXPECT_THAT(run.err, Not(HasSubstr("Plain")));
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(GenerateCliTest, UsageErrorsCostNoConnection) {
    const std::string tpl = std::string(kTemplates) + "demo.tpl";
    const std::vector<std::vector<std::string>> usages = {
        {"--port", "sim:module", "generate", "--template", "Plain", out},
        {"--port", "sim:module", "generate", "--template-file", tpl, "--pattern", "//%c", out},
        {"--port", "sim:module", "generate", "--template-file", tpl, out},
        {"--port", "sim:module", "generate", "--pattern", "//%c%c", out},
        {"--port", "sim:module", "generate", "--template", "BASIC Stamp 2", "--template-file", tpl,
         "--pattern", "//%c%c", out},
        {"--port", "sim:module", "generate"},
    };
    for (const auto& args : usages) {
        const ProgramResult run = Cli(args);
        EXPECT_EQ(run.exitCode, 2) << args.size() << run.err;
        EXPECT_THAT(run.out, Not(HasSubstr("Connected"))) << args.size();
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(GenerateCliTest, FilesThatDoNotOpenFail) {
    const ProgramResult missing =
        Cli({"--port", "sim:module", "generate", "--template", "Other Board", out});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_THAT(missing.err, HasSubstr("cannot read the template"));
    EXPECT_THAT(missing.out, Not(HasSubstr("Connected")));
    EXPECT_FALSE(fs::exists(out));

    const ProgramResult unwritable = Cli({"--port", "sim:module", "generate", "--template",
                                          "BASIC Stamp 2", dir.File("no/such/folder/out.h")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_THAT(unwritable.err, HasSubstr("cannot write"));
}

}  // namespace
}  // namespace parlix::test
