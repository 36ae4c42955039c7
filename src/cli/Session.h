// What every command of parlix-cli shares: the settings, the front end on the
// terminal, the controller, and the choice of the port.
#pragma once

#include "app/AppSettings.h"
#include "app/ModuleSession.h"
#include "cli/CliFrontEnd.h"

#include <optional>
#include <string>

namespace parlix::cli {

struct GlobalOptions {
    std::string port;       // empty: the remembered one
    bool simulate = false;  // offer the simulated devices, starting parlix-sim as needed
    bool quiet = false;     // no progress bar or lines
    std::optional<bool> answer;
};

class Session {
  public:
    Session(const GlobalOptions& options, std::FILE* out, std::FILE* err);

    // Refreshes the port list and picks the port: the one given, the simulated
    // module with --simulate, else the remembered one, never a guessed one.
    // Returns 0 to go on, else the exit status: 1 when the simulator could not
    // be started, 2 when a port is needed and none was given or remembered.
    int Prepare(bool needsPort);

    // Connect and enter control mode; on failure the link is closed again.
    bool Open();
    // Leave control mode and disconnect.
    void Close();

    // The main window's connection: start-up reads, settings and the
    // background readers; then wait until every job request is served.
    bool ConnectAndRead();
    void WaitForJobs();

    AppSettings& Settings() { return settings_; }
    ModuleSession& Module() { return module_; }
    ModuleController& Controller() { return module_.Controller(); }
    CliFrontEnd& Front() { return frontEnd_; }

    // 0 when `ok` and no operation reported a failure, else 1.
    int ExitStatus(bool ok) const { return ok && frontEnd_.Failures() == 0 ? 0 : 1; }

  private:
    GlobalOptions options_;
    std::FILE* err_;
    CliFrontEnd frontEnd_;
    AppSettings settings_;
    ModuleSession module_;
};

}  // namespace parlix::cli
