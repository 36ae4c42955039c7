// Runs shell operations read line by line on one connection in control mode.
#pragma once

#include <cstdio>
#include <istream>

namespace parlix {
class ModuleController;
}

namespace parlix::cli {

// Prints one line per operation on `out` ("ok" or "failed" and name=value
// outputs); usage errors go to `err`. Returns true when every operation succeeded.
bool RunShell(ModuleController& controller, std::istream& in, std::FILE* out, std::FILE* err);

}  // namespace parlix::cli
