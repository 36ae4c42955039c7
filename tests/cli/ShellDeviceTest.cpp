// The shell's operations for messages, sounds, tokens, pins, lip-sync and
// settings, run through parlix-cli against a device on a pseudo-terminal.
#include "support/ModuleAnswers.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <map>
#include <memory>

namespace parlix::test {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

// What the module says to one command: its status (none: silence) and the
// bytes it gives back for the argument requests that follow.
struct Reply {
    std::optional<std::uint8_t> status;
    std::string arguments;
};

// A module that connects as a direct one and answers the scripted commands;
// bytes that begin no scripted command go to the connection answers.
PtyResponder::Answer ScriptedModule(std::map<std::string, Reply> script) {
    struct State {
        std::string pending;
        std::string arguments;
        PtyResponder::Answer connection = ModuleAnswers('C');
    };
    auto state = std::make_shared<State>();
    return [state, script = std::move(script)](std::uint8_t b) -> std::vector<std::uint8_t> {
        if (b == ' ' && state->pending.empty() && !state->arguments.empty()) {
            const auto reply = static_cast<std::uint8_t>(state->arguments.front());
            state->arguments.erase(0, 1);
            return {reply};
        }
        state->pending += static_cast<char>(b);
        if (const auto it = script.find(state->pending); it != script.end()) {
            state->pending.clear();
            state->arguments = it->second.arguments;
            if (!it->second.status) return {};
            return {*it->second.status};
        }
        for (const auto& [command, reply] : script)
            if (command.starts_with(state->pending)) return {};
        state->pending.clear();
        state->arguments.clear();
        return state->connection(b);
    };
}

class ShellDeviceTest : public ::testing::Test {
  protected:
    ProgramResult Shell(PtyResponder& module, const std::string& input) {
        return RunProgram("parlix-cli", {"--port", module.Path(), "shell"}, input,
                          {{"XDG_CONFIG_HOME", home.Path().string()}});
    }
    TempDir home;
};

TEST_F(ShellDeviceTest, OperationsTakeTheirArgumentsInOrder) {
    PtyResponder module(ScriptedModule({
        {"wBFP", {'o', ""}},    // sound 37 at volume 256
        {"w@@C", {'o', ""}},    // the dial tone, length 3
        {"w@FE", {'o', ""}},    // tone 5 for 200 ms
        {"jIAFAE", {'o', ""}},  // token 5, 8 bits, 100 ms
        {"p@FA", {'o', ""}},    // message 5
        {"e@E", {'o', ""}},     // erase message 4
        {"qDB", {'o', ""}},     // pin 3 high
        {"kF", {'o', ""}},      // knob 5
        {"k@C", {'o', ""}},     // arm's length
        {"vC", {'o', ""}},      // level 2
        {"t@B", {'o', ""}},     // trailing silence 1
        {"f@B", {'o', ""}},     // fast recognition
        {"lD", {'o', ""}},      // German
        {"oF", {'o', ""}},      // 5 s
        {"rM", {'o', ""}},      // messages erased
    }));
    const auto r = Shell(module,
                         "play-sound 37 256\nplay-tone -1 3\nplay-tone 5 200\nsend-token 8 5 100\n"
                         "play-message 5 20 0 0\nerase-message 4\nset-pin-output 3 1\n"
                         "set-knob 5\nset-mic-distance 2\nset-level 2\nset-trailing-silence 1\n"
                         "set-fast-recognition 1\nset-language 3\nset-timeout 5\n"
                         "reset-memory 12\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "ok\nok\nok\nok\nok\nok\nok\nok\nok\nok\nok\nok\nok\nok\nok\n");
    EXPECT_THAT(module.ReceivedText(),
                HasSubstr("wBFPw@@Cw@FEjIAFAEp@FAe@EqDBkFk@CvCt@Bf@BlDoFrM"));
}

TEST_F(ShellDeviceTest, OutputsAreNamedValues) {
    PtyResponder module(ScriptedModule({
        {"qCD", {'p', "B"}},            // pin 2 with strong pull-up reads high
        {"fIABE", {'f', "BH"}},         // 1000 ms: token 39
        {"fEBAC", {'t', ""}},           // 50 ms: nothing heard
        {"fEAAA", {std::nullopt, ""}},  // continuous listening starts
        {"r@DIA", {std::nullopt, ""}},  // recording starts
    }));
    const auto r = Shell(module,
                         "query-pin-input 2 3\nreceive-token 8 0 1000\nreceive-token 4 1 50\n"
                         "receive-token 4 0 0\nrecord-message 3 8 0\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "ok level=1\nok token=39\nok token=-1\nok\nok completed=false\n");
    EXPECT_THAT(r.err, HasSubstr("Information: Timeout expired.\n"));
}

// Polls that find nothing yet fail quietly.
TEST_F(ShellDeviceTest, EmptyPollsFailWithoutAMessage) {
    PtyResponder module(ScriptedModule({}));
    const auto r = Shell(module, "record-message 3 8 -1\nreceive-token 8 0 -1\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "failed completed=false\nfailed\n");
    EXPECT_THAT(r.err, Not(HasSubstr("Error")));
    EXPECT_THAT(r.err, Not(HasSubstr("Warning")));
}

// The stream holds the controller until interrupt; afterwards the module is
// used as usual.
TEST_F(ShellDeviceTest, LipsyncStreamsValuesUntilInterrupted) {
    PtyResponder module(ScriptedModule({
        {"l@DEBE", {'l', "PA"}},
        {"kF", {'o', ""}},
    }));
    const auto r = Shell(module,
                         "start-lipsync 100 20\nread-lipsync-value\nread-lipsync-value\n"
                         "interrupt\nset-knob 5\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "ok\nok value=15\nok value=0\nok\nok\n");
    EXPECT_THAT(module.ReceivedText(), HasSubstr("l@DEBE  bbkF"));
}

TEST_F(ShellDeviceTest, LipsyncMisuseIsRefused) {
    PtyResponder module(ScriptedModule({{"l@DEBE", {'l', ""}}}));
    const auto r =
        Shell(module, "read-lipsync-value\nstart-lipsync 100 20\nstart-lipsync 100 20\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "failed\nok\nfailed\n");
    EXPECT_THAT(r.err, HasSubstr("read-lipsync-value: no lip-sync is running"));
    EXPECT_THAT(r.err, HasSubstr("start-lipsync: lip-sync is running"));
    // The session ends the running stream itself before leaving control mode.
    EXPECT_THAT(module.ReceivedText(), EndsWith("l@DEBEbbbb"));
}

// A failed start holds the controller too, so interrupt ends it the same way.
TEST_F(ShellDeviceTest, FailedLipsyncStartIsEndedByInterrupt) {
    PtyResponder module(ScriptedModule({{"l@ABAB", {'x', ""}}, {"kF", {'o', ""}}}));
    const auto r = Shell(module, "start-lipsync 1 1\ninterrupt\nset-knob 5\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "failed\nok\nok\n");
    EXPECT_THAT(r.err, HasSubstr("Error: Unexpected reply (0x78).\n"));
}

}  // namespace
}  // namespace parlix::test
