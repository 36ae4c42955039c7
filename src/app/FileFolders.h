// Where the file dialogs start: command files in the folder last used for
// them, firmware files in the firmware folder beside the program.
#pragma once

#include <string>

namespace parlix {

class AppSettings;

// The folder of the last command file chosen (CommandFolder in Settings.ini)
// while it exists, else `documents`.
std::string CommandFileFolder(const AppSettings& settings, const std::string& documents);
// Remembers the folder of a command file the user chose.
void RememberCommandFileFolder(AppSettings& settings, const std::string& chosenFile);

// data/firmware in the program folder where it exists, else the program folder.
std::string FirmwareFolder(const AppSettings& settings);

}  // namespace parlix
