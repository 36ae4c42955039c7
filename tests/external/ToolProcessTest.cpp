#include "external/ToolProcess.h"

#include "base/FrontEnd.h"
#include "base/Status.h"
#include "support/StatusCodes.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace parlix {
namespace {

using namespace std::chrono_literals;
using test::ParlixCode;

class RecordingListener : public ToolListener {
  public:
    void OnLine(std::string line, std::uint32_t userValue) override {
        std::lock_guard lock(mutex_);
        EXPECT_EQ(finishedCalls_, 0) << "a line after the outcome";
        lines_.push_back(std::move(line));
        userValues_.push_back(userValue);
    }
    void OnFinished(std::uint32_t code, std::uint32_t userValue) override {
        std::lock_guard lock(mutex_);
        ++finishedCalls_;
        code_ = code;
        userValues_.push_back(userValue);
    }
    std::vector<std::string> Lines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    std::vector<std::uint32_t> UserValues() const {
        std::lock_guard lock(mutex_);
        return userValues_;
    }
    int FinishedCalls() const {
        std::lock_guard lock(mutex_);
        return finishedCalls_;
    }
    std::uint32_t Code() const {
        std::lock_guard lock(mutex_);
        return code_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    std::vector<std::uint32_t> userValues_;
    int finishedCalls_ = 0;
    std::uint32_t code_ = 0;
};

// The waiting thread's front end: runs `onWait` on every turn of the wait, as
// a window's event handling would (a Cancel button pressed meanwhile).
class WaitingFrontEnd : public FrontEnd {
  public:
    std::function<void()> onWait;
    void ShowBusyPrompt(const std::string&) override {}
    void RemoveBusyPrompt() override {}
    void DispatchingWait(const std::function<bool()>& done) override {
        while (!done()) {
            if (onWait) onWait();
            std::this_thread::sleep_for(1ms);
        }
    }

  protected:
    BoxAnswer ShowMessageBox(const std::string&, const std::string&, BoxStyle) override {
        return BoxAnswer::Ok;
    }
    void ShowStatusText(const std::string&) override {}
};

int CountOpenDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

// Every run must leave no child unreaped and no descriptor open behind it.
class ToolProcessTest : public testing::Test {
  protected:
    void SetUp() override { descriptorsBefore_ = CountOpenDescriptors(); }

    void TearDown() override {
        errno = 0;
        const pid_t child = waitpid(-1, nullptr, WNOHANG);
        EXPECT_TRUE(child == -1 && errno == ECHILD) << "an unreaped child: " << child;
        // The reader thread lets go of its last descriptor as it ends.
        EXPECT_TRUE(test::WaitUntil([&] { return CountOpenDescriptors() == descriptorsBefore_; }))
            << CountOpenDescriptors() << " descriptors open, " << descriptorsBefore_ << " before";
    }

    // Whether the tool started; its outcome goes to `outcome_`.
    bool Run(const std::string& command, const std::string& folder = {}) {
        outcome_ = RunTool(command, folder, listener_, frontEnd_, cancel_);
        return outcome_.started;
    }

    RecordingListener listener_;
    WaitingFrontEnd frontEnd_;
    ToolCancel cancel_;
    ToolOutcome outcome_;
    int descriptorsBefore_ = 0;
};

TEST_F(ToolProcessTest, ExitCodeWithBit31) {
    EXPECT_TRUE(Run(R"(/bin/sh -c "exit 3")"));
    EXPECT_EQ(outcome_.code, ParlixCode(0x80000003u));
    EXPECT_EQ(listener_.FinishedCalls(), 1);
    EXPECT_EQ(listener_.Code(), 3u);
    EXPECT_TRUE(listener_.Lines().empty());
}

TEST_F(ToolProcessTest, SuccessIsBit31Alone) {
    EXPECT_TRUE(Run("/bin/true"));
    EXPECT_EQ(outcome_.code, ParlixCode(0x80000000u));
}

TEST_F(ToolProcessTest, OutputAndErrorShareOneStreamOfLines) {
    EXPECT_TRUE(Run(R"(/bin/sh -c "echo out; echo err >&2; printf '10%%\r20%%\r\r\n'; )"
                    R"(printf 'Verifying 99%%\rVerifying 100%%\r'")"));
    EXPECT_EQ(listener_.Lines(), (std::vector<std::string>{"out", "err", "10%", "\r20%", "\r",
                                                           "Verifying 99%", "\rVerifying 100%"}));
    EXPECT_EQ(outcome_.code, ParlixCode(0x80000000u));
}

TEST_F(ToolProcessTest, LongLineArrivesWhole) {
    EXPECT_TRUE(Run(R"(/bin/sh -c "printf '%5000s' '' | tr ' ' x")"));
    EXPECT_EQ(listener_.Lines(), std::vector<std::string>{std::string(5000, 'x')});
}

TEST_F(ToolProcessTest, MissingToolFailsWithTheSystemError) {
    EXPECT_FALSE(Run("/nonexistent/kanloader -p ttyUSB0"));
    EXPECT_EQ(outcome_.code, ErrnoCode(ENOENT));
    EXPECT_EQ(listener_.FinishedCalls(), 1);
    EXPECT_EQ(listener_.Code(), static_cast<std::uint32_t>(ENOENT));
    EXPECT_TRUE(listener_.Lines().empty());
}

TEST_F(ToolProcessTest, CancelEndsAToolThatIgnoresSigterm) {
    // The shell's child inherits the ignored signal and holds the pipe too.
    frontEnd_.onWait = [&] {
        if (!listener_.Lines().empty()) cancel_.Cancel();
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(Run(R"(/bin/sh -c "trap '' TERM; echo ready; sleep 30; echo late")"));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(outcome_.code, make_error_code(Status::Cancelled));
    EXPECT_GE(took, kToolKillGrace);
    EXPECT_LT(took, 10s);
    EXPECT_EQ(listener_.Lines(), std::vector<std::string>{"ready"});
    EXPECT_EQ(listener_.FinishedCalls(), 1);
    EXPECT_EQ(listener_.Code(), kToolCancelled);
}

TEST_F(ToolProcessTest, CancelEndsAToolThatObeysSigtermAtOnce) {
    frontEnd_.onWait = [&] {
        if (!listener_.Lines().empty()) cancel_.Cancel();
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(Run(R"(/bin/sh -c "echo ready; exec sleep 30")"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, kToolKillGrace);
    EXPECT_EQ(outcome_.code, make_error_code(Status::Cancelled));
}

TEST_F(ToolProcessTest, ACancelLeftFromBeforeDoesNotStopTheNextRun) {
    cancel_.Cancel();
    EXPECT_TRUE(Run(R"(/bin/sh -c "exit 5")"));
    EXPECT_EQ(outcome_.code, ParlixCode(0x80000005u));
}

TEST_F(ToolProcessTest, QuotedProgramPathArgumentsAndFolder) {
    test::TempDir dir;
    const std::filesystem::path folder = dir.Path() / "program folder";
    std::filesystem::create_directory(folder);
    const std::string tool = (folder / "kandata").string();
    std::ofstream(tool) << "#!/bin/sh\npwd\nfor a in \"$@\"; do echo \"[$a]\"; done\n";
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);

    EXPECT_TRUE(Run("\"" + tool + "\" @\"/tmp/a b.rsp\" -x", folder.string()));
    EXPECT_EQ(listener_.Lines(),
              (std::vector<std::string>{folder.string(), "[@/tmp/a b.rsp]", "[-x]"}));
}

TEST_F(ToolProcessTest, ChildGetsOnlyItsStandardDescriptors) {
    // A descriptor that some library opened without close-on-exec.
    const int stray = open("/dev/null", O_RDONLY);
    ASSERT_GE(stray, 0);
    // A child of the shell lists the shell's descriptors; "; true" keeps the
    // shell from handing its process over to ls.
    const bool ran = Run(R"(/bin/sh -c "ls /proc/$$/fd; true")");
    close(stray);
    EXPECT_TRUE(ran);
    EXPECT_EQ(listener_.Lines(), (std::vector<std::string>{"0", "1", "2"}));
}

TEST_F(ToolProcessTest, WithoutWaitTheReaderGoesOnAlone) {
    ToolProcess process(SplitToolCommand(R"(/bin/sh -c "echo one; exit 7")"), {}, listener_, 42);
    ASSERT_EQ(process.StartTool(), std::error_code{});
    EXPECT_TRUE(test::WaitUntil([&] { return process.Finished(); }));
    EXPECT_EQ(listener_.Lines(), std::vector<std::string>{"one"});
    EXPECT_EQ(listener_.Code(), 7u);
    EXPECT_EQ(listener_.UserValues(), (std::vector<std::uint32_t>{42, 42}));
}

}  // namespace
}  // namespace parlix
