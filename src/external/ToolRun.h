// What a tool process and its output reader thread share. The reader alone
// signals and reaps the tool, so a signal never reaches a reused process id.
#pragma once

#include "external/ToolListener.h"
#include "external/ToolSpawn.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

namespace parlix {

class ToolRun {
  public:
    // Takes over the tool's pipe; `wake` is an eventfd that Cancel signals.
    ToolRun(SpawnedTool tool, int wake, ToolListener& listener, std::uint32_t userValue);
    ~ToolRun();
    ToolRun(const ToolRun&) = delete;
    ToolRun& operator=(const ToolRun&) = delete;

    // The body of the output reader thread.
    static void ReadOutput(const std::shared_ptr<ToolRun>& run);

    void Cancel();
    // True once the listener's OnFinished has returned; then ExitCode holds what it got.
    bool Finished() const;
    std::uint32_t ExitCode() const;

  private:
    // Sends SIGTERM on a new cancel request and SIGKILL once the grace is over;
    // returns how long poll may sleep before this must look again (-1: no limit).
    int HandleCancel();
    // Reads the pipe up to its end; 0, or the errno value of a failed read.
    int ReadLines();
    // Waits for the tool's end, still handling cancel requests; its outcome.
    std::uint32_t Reap();
    void Signal(int signal) const;
    void WaitForWake(int fd, int timeout) const;

    SpawnedTool tool_;
    int wake_;
    ToolListener& listener_;
    std::uint32_t userValue_;

    std::atomic<bool> cancelRequested_{false};
    bool terminated_ = false;  // reader thread only, like the two below
    bool killed_ = false;
    std::chrono::steady_clock::time_point killAt_{};

    mutable std::mutex mutex_;
    bool finished_ = false;
    std::uint32_t exitCode_ = 0;
};

}  // namespace parlix
