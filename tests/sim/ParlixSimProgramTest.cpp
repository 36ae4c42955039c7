// The parlix-sim program: start-up line, one server per socket, a clean exit
// on SIGTERM and after the idle time, and the pseudo-terminal option.
#include "sim/HostLine.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace parlix::sim::test {
namespace {

namespace fs = std::filesystem;

fs::path ProgramPath() {
    if (const char* bin = std::getenv("PARLIX_BIN_DIR")) return fs::path(bin) / "parlix-sim";
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin" / "parlix-sim";
}

std::string DemoPath() {
    return PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json";
}

bool Exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// A running parlix-sim with its standard output and error on a pipe.
class Program {
  public:
    explicit Program(std::vector<std::string> args) {
        int out[2];
        if (::pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, out[1], 2);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const std::string program = ProgramPath().string();
        args.insert(args.begin(), program);
        std::vector<char*> argv;
        for (auto& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        output_ = ::fdopen(out[0], "r");
    }
    ~Program() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (output_) std::fclose(output_);
    }
    std::string Line() {
        char buffer[512];
        if (!output_ || !std::fgets(buffer, sizeof buffer, output_)) return {};
        std::string line(buffer);
        if (!line.empty() && line.back() == '\n') line.pop_back();
        return line;
    }
    void Signal(int signal) { ::kill(pid_, signal); }
    // The exit status, or -1 when it has not ended within the time-out.
    int Wait(std::chrono::milliseconds timeout) {
        int status = 0;
        if (!parlix::test::WaitUntil([&] { return ::waitpid(pid_, &status, WNOHANG) == pid_; },
                                     timeout))
            return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

  private:
    pid_t pid_ = -1;
    std::FILE* output_ = nullptr;
};

class ParlixSimProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!fs::exists(ProgramPath())) GTEST_SKIP() << "parlix-sim is not built";
        socket = TempSocketPath("program");
    }
    std::string socket;
};

TEST_F(ParlixSimProgramTest, ServesTheModuleUntilSigterm) {
    Program sim({"--socket", socket, "--module", DemoPath()});
    EXPECT_EQ(sim.Line(), "parlix-sim: serving sim:module on " + socket);
    {
        SocketHost host(socket);
        ASSERT_EQ(host.Open("module"), static_cast<std::uint8_t>(simline::Frame::Accept));
        EXPECT_EQ(host.Query("x"), 'x');
        EXPECT_EQ(host.Query(" "), 'M');
    }

    Program second({"--socket", socket});
    EXPECT_NE(second.Line().find("another parlix-sim"), std::string::npos);
    EXPECT_EQ(second.Wait(5000ms), 1);
    EXPECT_TRUE(Exists(socket)) << "the running server's socket stays";

    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.Wait(5000ms), 0);
    EXPECT_FALSE(Exists(socket));
}

TEST_F(ParlixSimProgramTest, ExitsWhenIdle) {
    Program sim({"--socket", socket, "--module", DemoPath(), "--idle-exit", "1"});
    EXPECT_FALSE(sim.Line().empty());
    EXPECT_EQ(sim.Wait(5000ms), 0);
    EXPECT_FALSE(Exists(socket));
}

TEST_F(ParlixSimProgramTest, PtyOptionPrintsTheTerminalPath) {
    Program sim({"--socket", socket, "--module", DemoPath(), "--pty"});
    const std::string path = sim.Line();
    ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;
    EXPECT_EQ(sim.Line(), "parlix-sim: serving sim:module on " + socket);
    PtyHost host(path);
    ASSERT_TRUE(host.IsOpen());
    EXPECT_EQ(host.Query("b"), 'o');
    EXPECT_EQ(host.Query("x"), 'x');
    EXPECT_EQ(host.Query(" "), 'M');
}

TEST_F(ParlixSimProgramTest, BadContentIsReported) {
    const std::string bad = "/tmp/parlix-sim-test-bad-" + std::to_string(::getpid()) + ".json";
    {
        std::FILE* file = std::fopen(bad.c_str(), "w");
        std::fputs(R"({"identity": "CC"})", file);
        std::fclose(file);
    }
    Program sim({"--socket", socket, "--module", bad});
    EXPECT_NE(sim.Line().find("identity"), std::string::npos);
    EXPECT_EQ(sim.Wait(5000ms), 1);
    std::remove(bad.c_str());
}

}  // namespace
}  // namespace parlix::sim::test
