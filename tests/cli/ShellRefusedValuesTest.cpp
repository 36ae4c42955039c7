// Shell lines whose values the module cannot take: each fails with one
// message and leaves the line untouched, where it used to reach the module as
// another command.
#include "support/ModuleAnswers.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace parlix::test {
namespace {

// What the session printed after the line that announces the connection.
std::string AfterConnecting(const std::string& err) {
    const auto connected = err.find("Connected to ");
    if (connected == std::string::npos) return err;
    return err.substr(err.find('\n', connected) + 1);
}

class ShellRefusedValuesTest : public ::testing::Test {
  protected:
    // The session's output and everything the module received in it.
    std::pair<ProgramResult, std::string> Shell(const std::string& input) {
        PtyResponder module(ModuleAnswers('C'));
        auto r = RunProgram("parlix-cli", {"--port", module.Path(), "shell"}, input,
                            {{"XDG_CONFIG_HOME", home.Path().string()}});
        return {std::move(r), module.ReceivedText()};
    }
    TempDir home;
};

TEST_F(ShellRefusedValuesTest, LinesWithValuesOutOfRangeFailAndSendNothing) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        // Group 52 travels as the remove letter.
        {"rename-command 52 1 AB",
         "Error: Could not rename command 1 of group 52.\n\n\nThe parameter is incorrect.\n"},
        // 1665 / 32 = 52 again.
        {"send-token 8 1665 0",
         "Error: Could not send token 1665 with 8 bits, delayed by 0 ms.\n\n\n"
         "The parameter is incorrect.\n"},
        // -1 first turns these into erasing a message and setting the trailing silence.
        {"erase-command -1 0",
         "Error: Could not erase command 0 of group -1.\n\n\nThe parameter is incorrect.\n"},
        {"train-command -1 5",
         "Error: Could not train command 5 of group -1.\n\n\nThe parameter is incorrect.\n"},
    };
    // What connecting and disconnecting alone put on the line.
    const auto [idle, idleWire] = Shell("");
    ASSERT_EQ(idle.exitCode, 0) << idle.err;
    ASSERT_EQ(AfterConnecting(idle.err), "Disconnected\n");

    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto [r, wire] = Shell(std::string(c.line) + "\n");
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, "failed\n");
        EXPECT_EQ(AfterConnecting(r.err), std::string(c.message) + "Disconnected\n");
        EXPECT_EQ(wire, idleWire);
    }
}

}  // namespace
}  // namespace parlix::test
