#include "cli/Session.h"

#include "app/PortList.h"
#include "app/SimulatorLauncher.h"

#include <fmt/format.h>

namespace parlix::cli {

Session::Session(const GlobalOptions& options, std::FILE* out, std::FILE* err)
    : options_(options), err_(err), frontEnd_(out, err), module_(settings_, frontEnd_) {
    frontEnd_.SetAnswer(options.answer);
    frontEnd_.SetQuiet(options.quiet);
}

int Session::Prepare(bool needsPort) {
    RefreshPortList(settings_);
    if (options_.simulate) {
        std::string error;
        if (!OfferSimulatedPorts(settings_, error)) {
            fmt::print(err_, "parlix-cli: {}\n", error);
            return 1;
        }
    }
    std::string port = options_.port;
    if (port.empty() && options_.simulate) port = SimulatedModulePort();
    if (port.empty()) port = settings_.RememberedPort();
    if (port.empty() && needsPort) {
        // Detection bytes sent to a guessed port could reach anything, the console included.
        fmt::print(err_,
                   "parlix-cli: no port given and none remembered; choose one with --port:\n");
        for (const std::string& name : settings_.Ports()) fmt::print(err_, "  {}\n", name);
        return 2;
    }
    settings_.UseCurrentPort(port);
    return 0;
}

bool Session::Open() {
    ModuleController& controller = Controller();
    if (!controller.Link().Connect()) return false;
    if (controller.Link().EnterControlMode()) return true;
    controller.Link().Disconnect();
    return false;
}

void Session::Close() {
    Controller().Link().LeaveControlMode();
    Controller().Link().Disconnect();
}

bool Session::ConnectAndRead() {
    module_.SelectGroupRow(0);  // as the window does after connecting: row 0 first
    // A bridge download comes before the connection, the group reader after it.
    frontEnd_.SetProgressLabel("Connecting");
    module_.SetStateChangedHandler([this, reading = false]() mutable {
        if (reading || !module_.IsConnected()) return;
        reading = true;
        frontEnd_.SetProgressLabel("Reading groups");
    });
    if (!module_.Connect()) return false;
    WaitForJobs();
    return true;
}

void Session::WaitForJobs() {
    while (module_.BusyJobs() > 0) {
        const auto [thread, served] = frontEnd_.WaitJobFinished();
        // The command reader starts when the group reader ends: a pass of its own.
        if (thread == module_.GroupReader().ThreadId())
            frontEnd_.SetProgressLabel("Reading commands");
        module_.OnJobFinished(thread, served);
    }
    frontEnd_.FinishProgress();
}

}  // namespace parlix::cli
