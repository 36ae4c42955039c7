// One run of a tool executable: started with its standard output and standard
// error in one pipe, whose text an output reader thread turns into lines for
// the listener, followed by the outcome. The reader also ends the tool when
// asked (SIGTERM, then SIGKILL after a grace period) and always reaps it.
#pragma once

#include "external/ToolCommandLine.h"
#include "external/ToolListener.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <system_error>

namespace parlix {

class FrontEnd;
class ToolRun;

// How long a cancelled tool may take to end on SIGTERM before it gets SIGKILL.
inline constexpr std::chrono::milliseconds kToolKillGrace{2000};
// How long a cancelled run waits for the output reader to end.
inline constexpr std::chrono::milliseconds kToolCancelWait{15000};
// The outcome of a run that was cancelled.
inline constexpr std::uint32_t kToolCancelled = 1223;
// Set in a run's result when the tool ended; the exit code is in the low bits.
inline constexpr std::uint32_t kToolEnded = 0x80000000u;

// A request to cancel the tool that a wait is running; set from the waiting
// thread's own event handling (a Cancel button), read by the wait.
class ToolCancel {
  public:
    void Cancel() noexcept { requested_.store(true); }
    bool Requested() const noexcept { return requested_.load(); }
    void Reset() noexcept { requested_.store(false); }

  private:
    std::atomic<bool> requested_{false};
};

// What a run came to: the system error of a tool that could not be started,
// or, once `started`, kToolEnded | the exit code, or kToolCancelled.
struct ToolOutcome {
    bool started = false;
    std::error_code code;

    // The tool ran to its end and exited with code 0.
    bool Succeeded() const;
};

class ToolProcess {
  public:
    // `folder` is the tool's working folder; empty means the caller's.
    // The listener must outlive the run's reader.
    ToolProcess(ToolCommand command, std::string folder, ToolListener& listener,
                std::uint32_t userValue = 0);
    ~ToolProcess();
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    // Starts the tool and its reader; the system error when that failed, and
    // when the tool itself could not start the listener also got OnFinished
    // with it. Once started the reader goes on alone.
    std::error_code StartTool();
    // Starts the tool, then waits through frontEnd.InteractiveWait until it
    // has finished (exit code | 0x80000000) or `cancel` was requested (the
    // tool is ended, the reader waited for up to 15 s; 1223). `cancel` is
    // reset first.
    ToolOutcome StartAndWait(FrontEnd& frontEnd, ToolCancel& cancel);

    // Ends the running tool (thread-safe; nothing once the run has finished).
    void Cancel();

    // True once the listener's OnFinished has returned.
    bool Finished() const;

  private:
    ToolCommand command_;
    std::string folder_;
    ToolListener& listener_;
    std::uint32_t userValue_;
    std::shared_ptr<ToolRun> run_;
};

// Runs a command line (program and arguments, see SplitToolCommand) in
// `folder` and waits for it as ToolProcess::StartAndWait does.
ToolOutcome RunTool(const std::string& command, const std::string& folder, ToolListener& listener,
                    FrontEnd& frontEnd, ToolCancel& cancel);

}  // namespace parlix
