// parlix-cli as a user runs it, against devices on pseudo-terminals.
#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "support/ModuleAnswers.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"
#include "support/TraceRecords.h"

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class CliTest : public ::testing::Test {
  protected:
    ProgramResult Cli(const std::vector<std::string>& args, const std::string& input = {}) {
        // A private settings folder, so that the user's remembered port plays no part.
        return RunProgram("parlix-cli", args, input, {{"XDG_CONFIG_HOME", home.Path().string()}});
    }
    TempDir home;
};

TEST_F(CliTest, InfoShowsTheConnectedModuleAndItsFirmwareId) {
    PtyResponder module(ModuleAnswers('C'));
    const auto r = Cli({"--port", module.Path(), "info"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Detected Parlix on " + module.Path() +
                         "...\nConnected to Parlix (Rev 2) on " + module.Path() +
                         "\nFirmware ID: 2\n");
    EXPECT_EQ(r.err, "Disconnected\n");
    // The robot controller's probe, detection, control mode with reply delay 0,
    // the firmware ID, control mode again.
    EXPECT_EQ(module.ReceivedText(),
              "\xF0"
              "bbbx bbyAx bb");
}

// Every byte with its direction, in order, and the status texts between them.
TEST_F(CliTest, TraceHoldsTheExchangeAndTheStatusTexts) {
    PtyResponder module(ModuleAnswers('C'));
    const std::string trace = home.File("trace.txt");
    const auto r = Cli({"--port", module.Path(), "--trace", trace, "info"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(ReadTraceLines(trace).front(),
                StartsWith("Parlix Desk " PARLIX_VERSION "; no Qt; "));
    const auto records = ReadTraceRecords(trace);
    EXPECT_EQ(WireText(records), ">\xF0>b<o>b<o>b<o>x<x> <C>b<o>b<o>y>A<o>x<x> <C>b<o>b<o");
    EXPECT_THAT(Payloads(records, "STATUS"),
                ElementsAre("Detected Parlix on " + module.Path() + "...",
                            "Connected to Parlix (Rev 2) on " + module.Path(), "Disconnected"));
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().tag, "END");
}

// A trace that cannot be written stops the command before any byte goes out.
TEST_F(CliTest, UnwritableTraceFileFailsBeforeThePortIsTouched) {
    PtyResponder module(ModuleAnswers('C'));
    const std::string trace = home.File("missing/trace.txt");
    const auto r = Cli({"--port", module.Path(), "--trace", trace, "info"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "parlix-cli: cannot write the trace \"" + trace + "\": No such file or directory\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(module.ReceivedText(), "");
}

TEST_F(CliTest, SilentPortIsReportedWithoutSystemText) {
    PtyResponder silent;
    const auto r = Cli({"--port", silent.Path(), "info"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "Error: Could not detect device connected to port \"" + silent.Path() + "\".\n");
    EXPECT_EQ(r.out, "");
}

TEST_F(CliTest, MissingPortIsReportedWithTheSystemReason) {
    const std::string port = home.File("ttyNONE");
    const auto r = Cli({"--port", port, "info"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "Error: Could not open the port \"" + port + "\".\n\n\nNo such file or directory\n");
}

TEST_F(CliTest, ShellPrintsOneLinePerOperation) {
    PtyResponder module(ModuleAnswers('J'));
    const auto r = Cli({"--port", module.Path(), "shell"},
                       "read-version-id\n\nset-reply-delay 20\nno-such-thing\nset-reply-delay x\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "ok id=9\nok\nfailed\nfailed\n");
    EXPECT_THAT(r.err, HasSubstr("unknown operation \"no-such-thing\""));
    EXPECT_THAT(r.err, HasSubstr("not a number: \"x\""));
    // 20 ms is argument 11; leaving puts the connection's delay back, so that
    // the next detection gets its replies in time.
    EXPECT_THAT(module.ReceivedText(), HasSubstr("yLyAbb"));
}

TEST_F(CliTest, ShellHelpListsTheOperations) {
    PtyResponder module(ModuleAnswers('C'));
    const auto r = Cli({"--port", module.Path(), "shell"}, "help\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_THAT(r.out, HasSubstr("read-version-id"));
    EXPECT_THAT(r.out, HasSubstr("set-reply-delay MS"));
}

TEST_F(CliTest, FailedOperationIsReportedAndExitsWithOne) {
    auto answers = ModuleAnswers('C');
    int versionQueries = 0;
    PtyResponder module([&](std::uint8_t b) -> std::vector<std::uint8_t> {
        if (b == 'x' && versionQueries++ > 0) return {'e'};  // detection's 'x' is answered
        return answers(b);
    });
    const auto r = Cli({"--port", module.Path(), "shell"}, "read-version-id\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "failed\n");
    EXPECT_THAT(r.err, HasSubstr("Error: Unexpected reply (0x65) or invalid arguments.\n"));
}

// Scripts tell a usage error (2) from a failed operation (1).
TEST_F(CliTest, UsageErrorsExitTwoWithTheUsageOnStandardError) {
    const std::vector<std::vector<std::string>> cases = {
        {}, {"--no-such-option", "info"}, {"export"}, {"no-such-command"}};
    for (const auto& args : cases) {
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_THAT(r.err, HasSubstr("Usage: ")) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
    }
    const auto help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("--port"));
}

// Detection bytes sent to a guessed port could reach anything, the console
// included: without a port given or remembered, the ports are listed instead.
TEST_F(CliTest, WithoutAPortGivenOrRememberedNothingIsOpened) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"info"}, {"--port", "", "info"}, {"dump"}}) {
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_THAT(r.err, HasSubstr("no port given and none remembered"));
        EXPECT_EQ(r.out, "");
    }
}

// A module that falls silent during the whole-module read: one message, no
// dump, and a failure status.
TEST_F(CliTest, DumpOfAModuleThatFallsSilentFails) {
    auto module = sim::ModuleDevice::FromJson(
        nlohmann::json{{"identity", "M"}, {"faults", {{"afterCommands", 30}, {"silent", true}}}});
    std::error_code error;
    auto pty = sim::PtyTransport::Open(module, {}, error);
    ASSERT_TRUE(pty) << error.message();
    const auto r = Cli({"--port", pty->SlavePath(), "dump"});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(CountBoxes(r.err, "Error"), 1) << r.err;
}

}  // namespace
}  // namespace parlix::test
