// parlix-cli update-bridge: finds the bridge host on the port and downloads
// its bridge program, as the connection's offer does, without a module.
#pragma once

#include "cli/Session.h"

namespace parlix::cli {

int UpdateBridge(Session& session);

}  // namespace parlix::cli
