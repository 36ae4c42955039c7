// A download through the loader tool on the session's port, for firmware
// files and custom-data images alike: the loader's lines as they come (a
// progress bar in place of its progress lines on a terminal), then the
// outcome as the window shows it.
#pragma once

#include "cli/Session.h"

#include <string>

namespace parlix::cli {

// 0 when the loader succeeded; 1 after the failure message.
int RunDownload(Session& session, const std::string& path, bool slow, bool firmware);

}  // namespace parlix::cli
