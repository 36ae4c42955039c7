// What `parlix-cli dump` prints: every list of the data model, as the two
// lists of the main window show them, as text or as JSON.
#pragma once

#include "app/ModelSnapshot.h"

#include <nlohmann/json.hpp>

#include <string>

namespace parlix::cli {

// The group list, then each list's entries, one line per row.
std::string FormatDump(const ModelSnapshot& snapshot);
// The same content: groups, commands, sound table, messages, wordsets, grammars.
nlohmann::json DumpJson(const ModelSnapshot& snapshot);

}  // namespace parlix::cli
