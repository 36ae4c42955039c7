#include "external/ToolProcess.h"

#include "base/FrontEnd.h"
#include "base/Status.h"
#include "external/ToolRun.h"
#include "external/ToolSpawn.h"

#include <signal.h>
#include <sys/eventfd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

namespace parlix {
namespace {

// A run's outcome as the thread's last error.
std::error_code RunResult(std::uint32_t value) {
    return {static_cast<int>(value), status_category()};
}

// Ends and reaps a tool whose reader could not be started.
void AbandonTool(const SpawnedTool& tool) {
    kill(-tool.pid, SIGKILL);
    int status = 0;
    while (waitpid(tool.pid, &status, 0) < 0 && errno == EINTR) {
    }
    close(tool.output);
}

}  // namespace

ToolProcess::ToolProcess(ToolCommand command, std::string folder, ToolListener& listener,
                         std::uint32_t userValue)
    : command_(std::move(command)),
      folder_(std::move(folder)),
      listener_(listener),
      userValue_(userValue) {}

ToolProcess::~ToolProcess() = default;

bool ToolProcess::StartTool() {
    const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake < 0) {
        SetLastError(ErrnoCode(errno));
        return false;
    }
    SpawnedTool tool;
    bool pipeFailed = false;
    if (const int err = SpawnTool(command_, folder_, tool, pipeFailed); err != 0) {
        close(wake);
        SetLastError(ErrnoCode(err));
        if (!pipeFailed) listener_.OnFinished(static_cast<std::uint32_t>(err), userValue_);
        return false;
    }
    auto run = std::make_shared<ToolRun>(tool, wake, listener_, userValue_);
    try {
        // The reader holds the run until it ends, whether or not anyone waits.
        std::thread([run] { ToolRun::ReadOutput(run); }).detach();
    } catch (const std::system_error& e) {
        AbandonTool(tool);
        SetLastError(e.code());
        listener_.OnFinished(static_cast<std::uint32_t>(e.code().value()), userValue_);
        return false;
    }
    run_ = std::move(run);
    return true;
}

bool ToolProcess::StartTool(bool wait, FrontEnd& frontEnd, ToolCancel& cancel) {
    cancel.Reset();
    if (!StartTool()) return false;
    if (!wait) return true;

    frontEnd.InteractiveWait([&] { return run_->Finished() || cancel.Requested(); });
    if (run_->Finished()) {
        SetLastError(RunResult(kToolEnded | run_->ExitCode()));
        return true;
    }
    run_->Cancel();
    const auto giveUp = std::chrono::steady_clock::now() + kToolCancelWait;
    frontEnd.InteractiveWait(
        [&] { return run_->Finished() || std::chrono::steady_clock::now() >= giveUp; });
    SetLastError(RunResult(kToolCancelled));
    return true;
}

void ToolProcess::Cancel() {
    if (run_) run_->Cancel();
}

bool ToolProcess::Finished() const {
    return run_ && run_->Finished();
}

bool RunTool(const std::string& command, const std::string& folder, ToolListener& listener,
             FrontEnd& frontEnd, ToolCancel& cancel) {
    ToolProcess process(SplitToolCommand(command), folder, listener);
    return process.StartTool(true, frontEnd, cancel);
}

}  // namespace parlix
