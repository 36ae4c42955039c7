// The build outputs of the design tools that a custom-data build reads: for
// each project its model files (.mco) and header files (.h), named after the
// project beside it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlix {

struct GrammarInputs {
    std::string model;   // .mco
    std::string header;  // .h
};

// A sound table: the project path with its extension replaced.
std::string SoundTableModel(std::string_view projectPath);
std::string SoundTableHeader(std::string_view projectPath);

// `folder` ends with a separator (or is empty); `name` is as on disk.
GrammarInputs TriggerGrammarInputs(std::string_view folder, std::string_view name);
GrammarInputs CommandGrammarInputs(std::string_view folder, std::string_view name);
std::string AcousticModelInput(std::string_view folder, std::string_view name);

// The grammars an .amc project combines: one per non-empty line (blanks
// trimmed), the file name after the last backslash, or else the last slash,
// without its last extension.
std::vector<std::string> ParseCombinedGrammarNames(std::string_view text);

}  // namespace parlix
