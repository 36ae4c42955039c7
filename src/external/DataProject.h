// One custom-data project as the outside design tools write it: a sound table
// (.qxp), a single grammar (.rsc) or several grammars sharing one combined
// acoustic model (.amc).
#pragma once

#include <string>
#include <string_view>

namespace parlix {

enum class DataProjectType { SoundTable, SingleGrammar, CombinedGrammar, Other };

// By the path's last extension, in any letter case.
DataProjectType DataProjectTypeOf(std::string_view path);

// The file name without its folder and last extension, as it is on disk:
// the inputs built from the project are named with it.
std::string DataProjectName(std::string_view path);

// The name as the project list shows it: upper case.
std::string DataProjectDisplayName(std::string_view path);

// The project list's icon: 4 sound table, 6 single grammar, 0 combined grammar.
int DataProjectIcon(DataProjectType type);

// The project's folder with a trailing separator, or empty for a bare name.
std::string DataProjectFolder(std::string_view path);

// ASCII letter case folded, as file names are compared where case does not count.
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace parlix
