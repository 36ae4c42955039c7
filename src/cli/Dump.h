// What `parlix-cli dump` prints: every list of the data model, as the two
// lists of the main window show them.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace parlix {
class CVoiceModel;
}

namespace parlix::cli {

// The whole model as JSON: groups, commands, sound table, messages, wordsets, grammars.
nlohmann::json DumpModel(CVoiceModel& model);
// The same as text, one line per row.
std::string FormatDump(const nlohmann::json& dump);

}  // namespace parlix::cli
