// parlix-cli data build|download|header: custom data from the command line,
// through the same core as the Update Custom Data dialog.
#pragma once

#include "cli/Session.h"

#include <string>
#include <vector>

namespace parlix::cli {

struct DataBuildOptions {
    std::vector<std::string> projects;
    bool oldFormat = false;
    std::string outputBase;  // where BASE.hex and BASE.h go; empty: only build and list
    bool yes = false;        // build anyway when a project changed after its build
};

// Builds the projects with kandata, printing its lines as they arrive, then
// the data list. The temporary files go when it returns.
int DataBuild(Session& session, const DataBuildOptions& options);

// Downloads a built image with kanloader on the session's port.
int DataDownload(Session& session, const std::string& image, bool slow);

// Writes the export of the data header BASE.h (BASE may name the .hex or .h).
int DataHeader(Session& session, const std::string& base, const std::string& out);

}  // namespace parlix::cli
