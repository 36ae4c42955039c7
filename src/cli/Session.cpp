#include "cli/Session.h"

#include "app/PortList.h"
#include "cli/SimulatorLauncher.h"
#include "link/SimLineProtocol.h"

#include <fmt/format.h>

namespace parlix::cli {

Session::Session(const GlobalOptions& options, std::FILE* out, std::FILE* err)
    : options_(options),
      err_(err),
      frontEnd_(out, err),
      progress_(frontEnd_),
      controller_(settings_, progress_, frontEnd_) {
    frontEnd_.SetAnswer(options.answer);
}

bool Session::Prepare() {
    RefreshPortList(settings_);
    if (options_.simulate) {
        std::string error;
        if (!EnsureSimulator(settings_.ProgramFolder(), simline::DefaultSocketPath(), error)) {
            fmt::print(err_, "parlix-cli: {}\n", error);
            return false;
        }
        settings_.SetExtraPorts(SimulatedPorts());
    }
    if (!options_.port.empty())
        settings_.UseCurrentPort(options_.port);
    else if (options_.simulate)
        settings_.UseCurrentPort(SimulatedPorts().front());
    else
        settings_.LoadPortFromSettings();
    return true;
}

bool Session::Open() {
    if (!controller_.Connect()) return false;
    if (controller_.EnterControlMode()) return true;
    controller_.Disconnect();
    return false;
}

void Session::Close() {
    controller_.LeaveControlMode();
    controller_.Disconnect();
}

}  // namespace parlix::cli
