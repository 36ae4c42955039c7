// parlix-cli dial and --version, as a user runs them.
#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "sim/WireLog.h"
#include "support/ModuleAnswers.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"
#include "support/ToneCommands.h"

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include <regex>

namespace parlix::test {
namespace {

using ::testing::HasSubstr;
using Tones = std::vector<std::pair<int, int>>;

class DialCliTest : public ::testing::Test {
  protected:
    ProgramResult Cli(const std::vector<std::string>& args) {
        return RunProgram("parlix-cli", args, {}, {{"XDG_CONFIG_HOME", home.Path().string()}});
    }
    TempDir home;
};

// The tones in order with their length argument (ms / 40 - 1); a ',' waits
// between them, and what cannot be dialled is left out of the printed number.
TEST_F(DialCliTest, DialPlaysTheNumbersTonesAndPrintsWhatItDialled) {
    const struct {
        std::vector<std::string> args;
        const char* printed;
        Tones tones;
    } cases[] = {
        {{"dial", "12,3x"}, "12,3\n", {{1, 2}, {2, 2}, {3, 2}}},
        {{"dial", "--duration", "100", "*0#"}, "*0#\n", {{10, 2}, {0, 2}, {11, 2}}},
        {{"dial", "--duration", "5000", "D"}, "D\n", {{15, 31}}},
        {{"dial", "--duration", "0", "a(9)"}, "9\n", {{9, 0}}},
        {{"dial", "xyz"}, "\n", {}},
    };
    for (const auto& c : cases) {
        auto module = sim::ModuleDevice::FromJson(nlohmann::json{{"identity", "M"}});
        sim::WireLog wire;
        std::error_code error;
        auto pty = sim::PtyTransport::Open(module, {&wire, false}, error);
        ASSERT_TRUE(pty) << error.message();
        std::vector<std::string> args = {"--port", pty->SlavePath()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << c.args.back() << ": " << r.err;
        EXPECT_EQ(r.out, c.printed) << c.args.back();
        EXPECT_EQ(TonesSent(wire.Bytes(sim::Direction::HostToDevice)), c.tones) << c.args.back();
    }
}

// A module that refuses a tone: reported once, nothing more dialled, nothing printed.
TEST_F(DialCliTest, FailedToneStopsTheNumber) {
    auto connection = ModuleAnswers('M');
    int toneBytes = 0;
    PtyResponder module([&](std::uint8_t b) -> std::vector<std::uint8_t> {
        if (b == 'w' || toneBytes > 0) {
            if (++toneBytes < 4) return {};
            toneBytes = 0;
            return {'e'};
        }
        return connection(b);
    });
    const auto r = Cli({"--port", module.Path(), "dial", "123"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_THAT(r.err, HasSubstr("Error: Unexpected reply (0x65).\n"));
    EXPECT_EQ(TonesSent(module.ReceivedText()), (Tones{{1, 2}}));
}

TEST_F(DialCliTest, ModuleWithoutTonesIsRefused) {
    PtyResponder module(ModuleAnswers('B'));
    const auto r = Cli({"--port", module.Path(), "dial", "1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_THAT(r.err, HasSubstr("plays no tones (firmware ID 1)"));
    EXPECT_EQ(TonesSent(module.ReceivedText()), Tones{});
}

TEST_F(DialCliTest, VersionIsAboutsVersionLine) {
    const auto r = Cli({"--version"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::regex line("Parlix Desk Version " +
                          std::regex_replace(PARLIX_VERSION, std::regex("\\."), "\\.") +
                          " \\(Build [0-9]+\\)\n");
    EXPECT_TRUE(std::regex_match(r.out, line)) << r.out;
}

}  // namespace
}  // namespace parlix::test
