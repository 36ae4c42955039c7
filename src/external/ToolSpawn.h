// Starting a tool process: its argument list as given (no shell), standard
// input from /dev/null, standard output and standard error into one pipe, no
// other descriptor, default signal handling, and a process group of its own so
// that ending it also ends what it started.
#pragma once

#include "external/ToolCommandLine.h"

#include <sys/types.h>

#include <string>

namespace parlix {

struct SpawnedTool {
    pid_t pid = -1;
    int output = -1;  // reading end of the pipe, close-on-exec
};

// 0 and the tool, or the errno value of the step that failed (nothing left open).
// `pipeFailed` tells whether the pipe itself could not be made.
int SpawnTool(const ToolCommand& command, const std::string& folder, SpawnedTool& tool,
              bool& pipeFailed);

}  // namespace parlix
