// The shipped code templates, expanded by parlix-cli over simulated modules:
// the BASIC Stamp and RoboNova programs match reviewed golden files byte for
// byte, and the Arduino sketch compiles for the Uno and the Mega with
// Debian's Arduino tool chain, for modules with awkward labels or none.
#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace parlix::test {
namespace {

using ::testing::HasSubstr;

constexpr const char* kDemo = PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json";
constexpr const char* kGoldenDir = PARLIX_SOURCE_DIR "/tests/res/golden/templates/";

// Labels that only fit a language through the template's prefixes: empty
// ones, one of digits, C keywords, one in two groups, the longest there is.
const char* const kAwkward = R"({"groups": {
    "0": [{}],
    "1": [{"label": "STOP"}, {}, {"label": "12"}, {"label": "CASE"}, {"label": "DEFAULT"}],
    "3": [{"label": "STOP"}, {"label": "_INT"}, {"label": "ABCDEFGHIJKLMNOPQRSTUVWXYZ_ABCD"}],
    "16": [{"label": "INT"}]}})";

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class TemplateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        server.AddDevice("module", sim::ModuleDevice::FromFile(kDemo));
        server.AddDevice("empty", sim::ModuleDevice::FromJson(nlohmann::json::parse(R"({})")));
        server.AddDevice("awkward", sim::ModuleDevice::FromJson(nlohmann::json::parse(kAwkward)));
        ASSERT_FALSE(server.Start());
    }

    // Expands the template of Config.ini section `section` over `device` into `out`.
    void Generate(const std::string& device, const std::string& section,
                  const std::filesystem::path& out) {
        const auto run = RunProgram(
            "parlix-cli",
            {"--port", "sim:" + device, "generate", "--template", section, out.string()}, {},
            {{"XDG_CONFIG_HOME", home.Path().string()},
             {"PARLIX_SIM_SOCKET", server.SocketPath()}});
        ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
        ASSERT_TRUE(std::filesystem::exists(out)) << run.out << run.err;
    }

    TempDir home;
    sim::SimServer server{"/tmp/parlix-templates-" + std::to_string(::getpid()) + ".sock"};
};

struct GoldenCase {
    const char* section;
    const char* golden;
    // The Stamp templates differ only in their first line, which names the kind.
    const char* firstLine;
};

class GoldenTemplateTest : public TemplateTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenTemplateTest, ExpandsOverTheDemoModuleAsReviewed) {
    const auto& param = GetParam();
    const auto out = home.Path() / "program.txt";
    ASSERT_NO_FATAL_FAILURE(Generate("module", param.section, out));

    std::string expected = ReadFile(std::string(kGoldenDir) + param.golden);
    ASSERT_FALSE(expected.empty()) << param.golden;
    if (param.firstLine) expected.replace(0, expected.find('\n'), param.firstLine);
    EXPECT_EQ(ReadFile(out), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, GoldenTemplateTest,
    ::testing::Values(GoldenCase{"BASIC Stamp 2", "stamp.bs2", nullptr},
                      GoldenCase{"BASIC Stamp 2e", "stamp.bs2", "' {$STAMP BS2e}"},
                      GoldenCase{"BASIC Stamp 2sx", "stamp.bs2", "' {$STAMP BS2sx}"},
                      GoldenCase{"BASIC Stamp 2p", "stamp.bs2", "' {$STAMP BS2p}"},
                      GoldenCase{"BASIC Stamp 2pe", "stamp.bs2", "' {$STAMP BS2pe}"},
                      GoldenCase{"BASIC Stamp 2px", "stamp.bs2", "' {$STAMP BS2px}"},
                      GoldenCase{"MRC3024", "robonova.bas", nullptr}),
    [](const auto& param) {
        std::string name = param.param.section;
        std::erase(name, ' ');
        return name;
    });

#ifdef PARLIX_ARDUINO_MK

struct SketchCase {
    const char* device;
    const char* boardTag;
    const char* boardSub;  // or empty
    const char* someCase;  // a line the module's labels must have given the sketch
};

class SketchTemplateTest : public TemplateTest, public ::testing::WithParamInterface<SketchCase> {};

// Compiled the way a user builds it with arduino-mk, in a folder of its own;
// -fpermissive turns some errors into warnings, so a warning in the sketch
// fails too.
TEST_P(SketchTemplateTest, CompilesForTheBoard) {
    const auto& param = GetParam();
    const auto dir = home.Path() / "sketch";
    std::filesystem::create_directories(dir);
    ASSERT_NO_FATAL_FAILURE(Generate(param.device, "Arduino", dir / "sketch.ino"));
    if (*param.someCase) {
        EXPECT_THAT(ReadFile(dir / "sketch.ino"), HasSubstr(param.someCase));
    }

    const std::filesystem::path mk = PARLIX_ARDUINO_MK;
    std::ofstream(dir / "Makefile")
        << "ARDUINO_DIR = " << mk.parent_path().string() << "\n"
        << "ARDMK_DIR = " << mk.parent_path().string() << "\n"
        << "AVR_TOOLS_DIR = " << PARLIX_AVR_TOOLS_DIR
        << "\n"
        // Debian's avr-g++ lacks DECIMAL_DIG in C++, which the core's String needs.
        << "CXXFLAGS += -DDECIMAL_DIG=__DECIMAL_DIG__ -Wextra\n"
        << "include " << mk.string() << "\n";
    std::vector<std::string> args = {"-C", dir.string(),
                                     std::string("BOARD_TAG=") + param.boardTag};
    if (*param.boardSub) args.push_back(std::string("BOARD_SUB=") + param.boardSub);
    const auto run = RunProgram(PARLIX_MAKE, args, {}, {{"HOME", home.Path().string()}});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const std::regex sketchWarning(R"(sketch\.ino:\d+:\d+: warning)");
    EXPECT_FALSE(std::regex_search(run.out + run.err, sketchWarning)) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Boards, SketchTemplateTest,
    ::testing::Values(SketchCase{"module", "uno", "", "case group1::CMD_ROOM2:"},
                      SketchCase{"module", "mega", "atmega2560", ""},
                      SketchCase{"empty", "uno", "", ""},
                      SketchCase{"awkward", "uno", "", "case group1::CMD_12:"}),
    [](const auto& param) { return std::string(param.param.device) + "_" + param.param.boardTag; });

#endif

}  // namespace
}  // namespace parlix::test
