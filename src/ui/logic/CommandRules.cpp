#include "ui/logic/CommandRules.h"

#include "app/ListRows.h"

namespace parlix::ui {
namespace {

bool CommandRow(int row) {
    return row >= kTriggerList && row <= kPasswordList;
}

bool Live(const WindowState& s) {
    return s.connected && !s.Recording();
}

// Insert and Add: the trigger holds one user command at most, the password
// group five, and every other group shares the 32 commands of the module.
bool CanCreate(const WindowState& s) {
    if (!s.connected || s.Recording() || !CommandRow(s.row)) return false;
    if (s.row == kPasswordList) return s.count >= 0 && s.count < 5;
    return s.room && (s.row != kTriggerList || s.triggerCount == 0);
}

bool CanTrainOrErase(const WindowState& s) {
    return s.connected && !s.Recording() && CommandRow(s.row) && s.count > 0 && s.sel >= 0 &&
           s.selRead;
}

bool CanPlayMessage(const WindowState& s) {
    return s.connected && !s.Busy() && !s.Recording() && s.moduleId >= 9 && s.row == kMessageList &&
           s.sel >= 0 && s.selRecorded;
}

bool CanReset(const WindowState& s) {
    return s.connected && !s.Busy() && !s.Recording();
}

bool CanUseFiles(const WindowState& s) {
    return s.connected && !s.Recording() && s.allRead && s.moduleId >= 12;
}

}  // namespace

namespace rule {

// The connection and the choices only made while disconnected.
bool Connect(const WindowState& s) {
    return !s.connected;
}
bool Disconnect(const WindowState& s) {
    return s.connected;
}
bool Port(const WindowState& s) {
    return s.Idle();
}
bool InterfaceLanguage(const WindowState& s) {
    return s.Idle();
}
bool UpdateCustomData(const WindowState& s) {
    return s.Idle();
}
bool UpdateFirmware(const WindowState& s) {
    return s.Idle();
}

bool GenerateCode(const WindowState& s) {
    return Live(s) && s.allRead;
}
bool ExportCommands(const WindowState& s) {
    return CanUseFiles(s);
}
bool ImportCommands(const WindowState& s) {
    return CanUseFiles(s);
}
bool Exit(const WindowState&) {
    return true;
}
bool RecognitionSettings(const WindowState&) {
    return true;
}
bool About(const WindowState&) {
    return true;
}

bool InsertCommand(const WindowState& s) {
    return CanCreate(s) && s.sel >= 0;
}
bool AddCommand(const WindowState& s) {
    return CanCreate(s);
}
bool RemoveCommand(const WindowState& s) {
    return Live(s) && CommandRow(s.row) && s.sel >= 0;
}
bool RenameCommand(const WindowState& s) {
    return Live(s) && CommandRow(s.row) && s.sel >= 0 && s.selRead && s.count > 0 && s.wholeRowRead;
}
bool TrainCommand(const WindowState& s) {
    return CanTrainOrErase(s) && !s.selTrained;
}
bool EraseTraining(const WindowState& s) {
    return CanTrainOrErase(s) && s.selTrained;
}

bool RecordMessage(const WindowState& s) {
    // A slot being recorded still reads as empty, so pressing again stops it.
    return s.connected && !s.Busy() && s.moduleId >= 9 && s.row == kMessageList && s.sel >= 0 &&
           s.selEmptySlot;
}
bool PlayMessage(const WindowState& s) {
    return CanPlayMessage(s);
}
bool EraseMessage(const WindowState& s) {
    return CanPlayMessage(s);
}

bool TestGroup(const WindowState& s) {
    if (!s.connected || s.Recording()) return false;
    if (s.row == kTriggerList) return true;
    if (s.row >= kFirstWordsetList) return s.count > 0;
    return s.row >= 1 && s.row <= kPasswordList && s.count > 0 && s.rowHasTrained;
}
bool SetLanguage(const WindowState& s) {
    return Live(s) && s.moduleId >= 0;
}

bool ResetCommands(const WindowState& s) {
    return CanReset(s);
}
bool ResetMessages(const WindowState& s) {
    return CanReset(s);
}
bool ResetAll(const WindowState& s) {
    return CanReset(s);
}

bool ConfigurePins(const WindowState& s) {
    return Live(s) && s.moduleId >= 1;
}
bool PlaySound(const WindowState& s) {
    return Live(s) && s.moduleId >= 1 && s.row == kSoundList && s.sel >= 0;
}
bool DialTones(const WindowState& s) {
    return Live(s) && s.moduleId >= 2;
}
bool Tokenwave(const WindowState& s) {
    return s.Idle() || (s.connected && s.moduleId >= 2 && !s.Busy() && !s.Recording());
}
bool LipSync(const WindowState& s) {
    return Live(s) && s.moduleId >= 12 && s.allRead;
}

}  // namespace rule

bool IsEnabled(CommandId id, const WindowState& s) {
    switch (id) {
        case CommandId::Connect:
            return rule::Connect(s);
        case CommandId::Disconnect:
            return rule::Disconnect(s);
        case CommandId::Port:
            return rule::Port(s);
        case CommandId::InterfaceLanguage:
            return rule::InterfaceLanguage(s);
        case CommandId::GenerateCode:
            return rule::GenerateCode(s);
        case CommandId::UpdateCustomData:
            return rule::UpdateCustomData(s);
        case CommandId::ExportCommands:
            return rule::ExportCommands(s);
        case CommandId::ImportCommands:
            return rule::ImportCommands(s);
        case CommandId::Exit:
            return rule::Exit(s);
        case CommandId::InsertCommand:
            return rule::InsertCommand(s);
        case CommandId::AddCommand:
            return rule::AddCommand(s);
        case CommandId::RemoveCommand:
            return rule::RemoveCommand(s);
        case CommandId::RenameCommand:
            return rule::RenameCommand(s);
        case CommandId::TrainCommand:
            return rule::TrainCommand(s);
        case CommandId::EraseTraining:
            return rule::EraseTraining(s);
        case CommandId::RecordMessage:
            return rule::RecordMessage(s);
        case CommandId::PlayMessage:
            return rule::PlayMessage(s);
        case CommandId::EraseMessage:
            return rule::EraseMessage(s);
        case CommandId::TestGroup:
            return rule::TestGroup(s);
        case CommandId::RecognitionSettings:
            return rule::RecognitionSettings(s);
        case CommandId::SetLanguage:
            return rule::SetLanguage(s);
        case CommandId::ResetCommands:
            return rule::ResetCommands(s);
        case CommandId::ResetMessages:
            return rule::ResetMessages(s);
        case CommandId::ResetAll:
            return rule::ResetAll(s);
        case CommandId::ConfigurePins:
            return rule::ConfigurePins(s);
        case CommandId::PlaySound:
            return rule::PlaySound(s);
        case CommandId::DialTones:
            return rule::DialTones(s);
        case CommandId::Tokenwave:
            return rule::Tokenwave(s);
        case CommandId::LipSync:
            return rule::LipSync(s);
        case CommandId::UpdateFirmware:
            return rule::UpdateFirmware(s);
        case CommandId::About:
            return rule::About(s);
    }
    return false;
}

bool IsChecked(CommandId id, const WindowState& s) {
    return id == CommandId::RecordMessage && s.Recording();
}

}  // namespace parlix::ui
