// `parlix-cli firmware check FILE` and `parlix-cli firmware download FILE`:
// the firmware file check and the loader run of the Update Firmware dialog,
// on the terminal.
#pragma once

#include "cli/Session.h"

#include <cstdio>
#include <string>

namespace parlix::cli {

// Prints the project, the description and OK/ERR (when the file was signed)
// and the status text; 0 only for a valid file, else 1.
int CheckFirmware(const std::string& path, std::FILE* out);

// Checks the file, then runs the loader on the session's port: its lines as
// they arrive (a progress bar instead of the progress lines on a terminal),
// then the success text or the failure message. 0 on success, else 1.
int DownloadFirmware(Session& session, const std::string& path, bool slow);

}  // namespace parlix::cli
