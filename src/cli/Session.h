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
    std::optional<bool> answer;
};

class Session {
  public:
    Session(const GlobalOptions& options, std::FILE* out, std::FILE* err);

    // Refreshes the port list and picks the port; false (with a message) when
    // the simulator was asked for and could not be started.
    bool Prepare();

    // Connect and enter control mode; on failure the link is closed again.
    bool Open();
    // Leave control mode and disconnect.
    void Close();

    // The main window's connection: start-up reads, settings and the
    // background readers; then wait until every job request is served.
    bool ConnectAndRead();
    void WaitForJobs();

    CAppSettings& Settings() { return settings_; }
    CModuleSession& Module() { return module_; }
    CModuleController& Controller() { return module_.Controller(); }
    CliFrontEnd& Front() { return frontEnd_; }

  private:
    GlobalOptions options_;
    std::FILE* err_;
    CliFrontEnd frontEnd_;
    CAppSettings settings_;
    CModuleSession module_;
};

}  // namespace parlix::cli
