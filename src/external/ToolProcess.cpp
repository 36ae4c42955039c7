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

// A run's outcome in the project's category, as the tools' callers know it.
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

bool ToolOutcome::Succeeded() const {
    return started && (static_cast<std::uint32_t>(code.value()) & 0x7FFFFFFFu) == 0;
}

std::error_code ToolProcess::StartTool() {
    const int wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake < 0) return ErrnoCode(errno);
    SpawnedTool tool;
    bool pipeFailed = false;
    if (const int err = SpawnTool(command_, folder_, tool, pipeFailed); err != 0) {
        close(wake);
        if (!pipeFailed) listener_.OnFinished(static_cast<std::uint32_t>(err), userValue_);
        return ErrnoCode(err);
    }
    auto run = std::make_shared<ToolRun>(tool, wake, listener_, userValue_);
    try {
        // The reader holds the run until it ends, whether or not anyone waits.
        std::thread([run] { ToolRun::ReadOutput(run); }).detach();
    } catch (const std::system_error& e) {
        AbandonTool(tool);
        listener_.OnFinished(static_cast<std::uint32_t>(e.code().value()), userValue_);
        return e.code();
    }
    run_ = std::move(run);
    return {};
}

ToolOutcome ToolProcess::StartAndWait(FrontEnd& frontEnd, ToolCancel& cancel) {
    cancel.Reset();
    if (const std::error_code error = StartTool()) return {false, error};

    frontEnd.InteractiveWait([&] { return run_->Finished() || cancel.Requested(); });
    if (run_->Finished()) return {true, RunResult(kToolEnded | run_->ExitCode())};
    run_->Cancel();
    const auto giveUp = std::chrono::steady_clock::now() + kToolCancelWait;
    frontEnd.InteractiveWait(
        [&] { return run_->Finished() || std::chrono::steady_clock::now() >= giveUp; });
    return {true, RunResult(kToolCancelled)};
}

void ToolProcess::Cancel() {
    if (run_) run_->Cancel();
}

bool ToolProcess::Finished() const {
    return run_ && run_->Finished();
}

ToolOutcome RunTool(const std::string& command, const std::string& folder, ToolListener& listener,
                    FrontEnd& frontEnd, ToolCancel& cancel) {
    ToolProcess process(SplitToolCommand(command), folder, listener);
    return process.StartAndWait(frontEnd, cancel);
}

}  // namespace parlix
