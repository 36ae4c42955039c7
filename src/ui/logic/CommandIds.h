// The main window's commands by their numbers: the same number names a
// command's menu item, tool bar button, accelerator and help text.
#pragma once

namespace parlix::ui {

enum class CommandId : int {
    Connect = 32780,
    Disconnect = 32781,
    Port = 32789,
    InterfaceLanguage = 33052,
    GenerateCode = 57604,
    UpdateCustomData = 33134,
    ExportCommands = 33158,
    ImportCommands = 33159,
    Exit = 57665,
    InsertCommand = 33047,
    AddCommand = 32782,
    RemoveCommand = 32785,
    RenameCommand = 32786,
    TrainCommand = 32787,
    EraseTraining = 32788,
    RecordMessage = 33144,
    PlayMessage = 33145,
    EraseMessage = 33152,
    TestGroup = 33048,
    RecognitionSettings = 33138,
    SetLanguage = 33051,
    ResetCommands = 33150,
    ResetMessages = 33151,
    ResetAll = 33049,
    ConfigurePins = 33133,
    PlaySound = 33050,
    DialTones = 33135,
    Tokenwave = 33136,
    LipSync = 33157,
    UpdateFirmware = 33137,
    About = 57664,
};

// Items of the submenus: port i is PortFirst + i, and so on.
inline constexpr int kPortFirst = 32790;
inline constexpr int kMaxPorts = 256;
inline constexpr int kInterfaceLanguageFirst = 33053;
inline constexpr int kMaxInterfaceLanguages = 48;
inline constexpr int kBuiltinLanguageFirst = 33101;
// The message loop's exit code that asks for interface language i.
inline constexpr int kLanguageExitBase = 32868;

}  // namespace parlix::ui
