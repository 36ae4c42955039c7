#include "external/ToolRun.h"

#include "external/ToolLineSplitter.h"
#include "external/ToolProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace parlix {
namespace {

constexpr std::size_t kReadSize = 1024;
// How often the tool's end is checked when the system cannot tell it.
constexpr int kReapPollMs = 100;

void CloseFd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

}  // namespace

ToolRun::ToolRun(SpawnedTool tool, int wake, ToolListener& listener, std::uint32_t userValue)
    : tool_(tool), wake_(wake), listener_(listener), userValue_(userValue) {}

ToolRun::~ToolRun() {
    CloseFd(tool_.output);
    CloseFd(wake_);
}

void ToolRun::Cancel() {
    if (cancelRequested_.exchange(true)) return;
    const std::uint64_t one = 1;
    // The reader may already have ended; the eventfd lives as long as this object.
    [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
}

bool ToolRun::Finished() const {
    std::lock_guard lock(mutex_);
    return finished_;
}

std::uint32_t ToolRun::ExitCode() const {
    std::lock_guard lock(mutex_);
    return exitCode_;
}

void ToolRun::ReadOutput(const std::shared_ptr<ToolRun>& run) {
    const int readError = run->ReadLines();
    std::uint32_t code = 0;
    if (readError != 0) {
        // A tool whose output nobody reads any more is ended, then reaped.
        run->Signal(SIGKILL);
        run->Reap();
        code = static_cast<std::uint32_t>(readError);
    } else {
        code = run->Reap();
    }
    run->listener_.OnFinished(code, run->userValue_);
    {
        std::lock_guard lock(run->mutex_);
        run->finished_ = true;
        run->exitCode_ = code;
    }
}

int ToolRun::HandleCancel() {
    if (!cancelRequested_.load() || killed_) return -1;
    const auto now = std::chrono::steady_clock::now();
    if (!terminated_) {
        terminated_ = true;
        killAt_ = now + kToolKillGrace;
        Signal(SIGTERM);
    }
    if (now >= killAt_) {
        killed_ = true;
        Signal(SIGKILL);
        return -1;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(killAt_ - now);
    return static_cast<int>(left.count());
}

int ToolRun::ReadLines() {
    ToolLineSplitter splitter;
    const auto sink = [this](std::string line) { listener_.OnLine(std::move(line), userValue_); };
    char buffer[kReadSize];
    int error = 0;
    for (;;) {
        const int timeout = HandleCancel();
        pollfd fds[2] = {{tool_.output, POLLIN, 0}, {wake_, POLLIN, 0}};
        if (poll(fds, 2, timeout) < 0) {
            if (errno == EINTR) continue;
            error = errno;
            break;
        }
        if (fds[1].revents != 0) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t got = read(wake_, &count, sizeof count);
        }
        if (fds[0].revents == 0) continue;
        const ssize_t got = read(tool_.output, buffer, sizeof buffer);
        if (got > 0) {
            splitter.Feed(std::string_view(buffer, static_cast<std::size_t>(got)), sink);
        } else if (got == 0) {
            break;
        } else if (errno != EINTR && errno != EAGAIN) {
            error = errno;
            break;
        }
    }
    CloseFd(tool_.output);
    splitter.Finish(sink);
    return error;
}

std::uint32_t ToolRun::Reap() {
    // Readable once the tool has ended; close-on-exec by itself. Without it, polled.
    int pidfd = static_cast<int>(syscall(SYS_pidfd_open, tool_.pid, 0));
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(tool_.pid, &status, WNOHANG);
        if (done == tool_.pid) break;
        if (done < 0 && errno != EINTR) {
            const int error = errno;
            CloseFd(pidfd);
            return static_cast<std::uint32_t>(error);
        }
        const int timeout = HandleCancel();
        WaitForWake(pidfd, pidfd >= 0    ? timeout
                           : timeout < 0 ? kReapPollMs
                                         : std::min(timeout, kReapPollMs));
    }
    CloseFd(pidfd);
    // A cancelled tool ends with the code that the cancellation gives it.
    if (terminated_) return kToolCancelled;
    if (WIFEXITED(status)) return static_cast<std::uint32_t>(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return 128u + static_cast<std::uint32_t>(WTERMSIG(status));
    return static_cast<std::uint32_t>(status);
}

void ToolRun::WaitForWake(int fd, int timeout) const {
    pollfd fds[2] = {{wake_, POLLIN, 0}, {fd, POLLIN, 0}};
    if (poll(fds, fd >= 0 ? 2 : 1, timeout) > 0 && fds[0].revents != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t got = read(wake_, &count, sizeof count);
    }
}

void ToolRun::Signal(int signal) const {
    // The whole group: a shell's children must not keep the pipe open.
    kill(-tool_.pid, signal);
}

}  // namespace parlix
