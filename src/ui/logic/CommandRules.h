// The enable rule of every main window command, from the window state alone,
// so that menus, tool bar, accelerators and handlers agree. Each command has
// its own rule, named after it; the action table names it on the command's row.
#pragma once

#include "ui/logic/CommandIds.h"
#include "ui/logic/WindowState.h"

namespace parlix::ui {

using CommandRule = bool (*)(const WindowState& state);

namespace rule {

bool Connect(const WindowState& s);
bool Disconnect(const WindowState& s);
bool Port(const WindowState& s);
bool InterfaceLanguage(const WindowState& s);
bool GenerateCode(const WindowState& s);
bool UpdateCustomData(const WindowState& s);
bool ExportCommands(const WindowState& s);
bool ImportCommands(const WindowState& s);
bool Exit(const WindowState& s);
bool InsertCommand(const WindowState& s);
bool AddCommand(const WindowState& s);
bool RemoveCommand(const WindowState& s);
bool RenameCommand(const WindowState& s);
bool TrainCommand(const WindowState& s);
bool EraseTraining(const WindowState& s);
bool RecordMessage(const WindowState& s);
bool PlayMessage(const WindowState& s);
bool EraseMessage(const WindowState& s);
bool TestGroup(const WindowState& s);
bool RecognitionSettings(const WindowState& s);
bool SetLanguage(const WindowState& s);
bool ResetCommands(const WindowState& s);
bool ResetMessages(const WindowState& s);
bool ResetAll(const WindowState& s);
bool ConfigurePins(const WindowState& s);
bool PlaySound(const WindowState& s);
bool DialTones(const WindowState& s);
bool Tokenwave(const WindowState& s);
bool LipSync(const WindowState& s);
bool UpdateFirmware(const WindowState& s);
bool About(const WindowState& s);

}  // namespace rule

// The rule of command `id`, for the flows that know a command by its number.
bool IsEnabled(CommandId id, const WindowState& state);
// Record Message is shown ticked while a recording runs.
bool IsChecked(CommandId id, const WindowState& state);

}  // namespace parlix::ui
