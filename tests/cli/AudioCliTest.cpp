// `tokens listen` and `lipsync` against the simulated module, ended by their
// count, by the module, or by Ctrl+C.
#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "sim/WireLog.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace parlix::test {
namespace {

using sim::Activity;
using sim::Outcome;

class AudioCliTest : public ::testing::Test {
  protected:
    AudioCliTest() {
        module->SetSpeechMs(30);
        std::error_code error;
        pty = sim::PtyTransport::Open(module, {&log, false}, error);
        EXPECT_TRUE(pty) << error.message();
        setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
    }
    ~AudioCliTest() override { unsetenv("XDG_CONFIG_HOME"); }

    std::vector<std::string> Args(std::vector<std::string> command) {
        std::vector<std::string> args{"--port", pty->SlavePath()};
        args.insert(args.end(), command.begin(), command.end());
        return args;
    }

    // Starts parlix-cli, waits for its first line on standard output, sends
    // `signal`, and returns the exit code with everything it printed.
    ProgramResult InterruptAfterFirstLine(const std::vector<std::string>& command, int signal) {
        int out[2];
        EXPECT_EQ(pipe(out), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const std::string path = ProgramPath("parlix-cli");
        std::vector<std::string> args{path};
        for (const std::string& a : Args(command)) args.push_back(a);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        ProgramResult result;
        bool signalled = false;
        char buffer[256];
        for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) {
            result.out.append(buffer, static_cast<std::size_t>(got));
            if (!signalled && result.out.find('\n') != std::string::npos) {
                kill(pid, signal);
                signalled = true;
            }
        }
        close(out[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        EXPECT_TRUE(signalled);
        return result;
    }

    // The bytes the module got since the last call.
    std::string Sent() {
        std::string text;
        for (std::uint8_t b : log.Bytes(sim::Direction::HostToDevice)) text += static_cast<char>(b);
        log.Clear();
        return text;
    }

    TempDir home;
    sim::WireLog log;
    std::shared_ptr<sim::ModuleDevice> module = std::make_shared<sim::ModuleDevice>();
    std::unique_ptr<sim::PtyTransport> pty;
};

TEST_F(AudioCliTest, ListenPrintsTokensUntilTheCount) {
    module->Script(Activity::ReceiveToken, Outcome::Of(Outcome::Kind::Token, 7));
    module->Script(Activity::ReceiveToken, Outcome::Of(Outcome::Kind::Token, 201));
    const auto r =
        RunProgram("parlix-cli", Args({"tokens", "listen", "--bits", "8", "--count", "2"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "7\n201\n");
    // Listening started twice with 8 bits and rejection 1, nothing interrupted.
    const std::string sent = Sent();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), 'f'), 2) << sent;
    EXPECT_THAT(sent, ::testing::HasSubstr("fIB"));
}

TEST_F(AudioCliTest, CtrlCInterruptsTheModuleAndTheNextCommandWorks) {
    struct Case {
        const char* name;
        std::vector<std::string> command;
        int signal;
    };
    const Case cases[] = {
        {"tokens", {"tokens", "listen"}, SIGINT},
        {"lipsync", {"lipsync"}, SIGINT},
        {"lipsync, terminated", {"lipsync", "--seconds", "0"}, SIGTERM},
    };
    for (const Case& c : cases) {
        module->Script(Activity::ReceiveToken, Outcome::Of(Outcome::Kind::Token, 5));
        Outcome levels = Outcome::Of(Outcome::Kind::Levels);
        levels.levels = {12, 20};
        module->Script(Activity::Lipsync, levels);
        Sent();
        const auto r = InterruptAfterFirstLine(c.command, c.signal);
        EXPECT_EQ(r.exitCode, 0) << c.name;
        EXPECT_THAT(r.out, ::testing::StartsWith(c.command[0] == "tokens" ? "5\n" : "12\n"))
            << c.name;
        // Interrupted (b b), then out of control mode as after any command.
        const std::string sent = Sent();
        EXPECT_THAT(sent, ::testing::EndsWith("bbbb")) << c.name << ": " << sent;
        const auto info = RunProgram("parlix-cli", Args({"info"}));
        EXPECT_EQ(info.exitCode, 0) << c.name << ": " << info.err;
        EXPECT_THAT(info.out, ::testing::HasSubstr("Firmware ID:")) << c.name;
    }
}

TEST_F(AudioCliTest, LipsyncEndsWithTheModule) {
    Outcome levels = Outcome::Of(Outcome::Kind::Levels);
    levels.levels = {3, 31};
    module->Script(Activity::Lipsync, levels);
    const auto r =
        RunProgram("parlix-cli", Args({"lipsync", "--threshold", "100", "--seconds", "1"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, ::testing::StartsWith("3\n31\n0\n"));
    EXPECT_THAT(Sent(), ::testing::HasSubstr("l@DEAB"));
}

TEST_F(AudioCliTest, OutOfRangeOptionsAreUsageErrors) {
    const std::vector<std::vector<std::string>> commands = {
        {"tokens", "listen", "--bits", "5"},   {"tokens", "listen", "--rejection", "3"},
        {"tokens", "listen", "--count", "-1"}, {"lipsync", "--threshold", "1024"},
        {"lipsync", "--seconds", "256"},
    };
    for (const auto& command : commands) {
        const auto r = RunProgram("parlix-cli", Args(command));
        EXPECT_EQ(r.exitCode, 2) << command[1] << " " << command.back();
    }
    EXPECT_EQ(Sent(), "");
}

}  // namespace
}  // namespace parlix::test
