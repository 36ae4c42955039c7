#include "ui/logic/CommandRules.h"

#include "app/ListRows.h"

namespace parlix::ui {
namespace {

bool CommandRow(int row) {
    return row >= kTriggerList && row <= kPasswordList;
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

bool CanTest(const WindowState& s) {
    if (!s.connected || s.Recording()) return false;
    if (s.row == kTriggerList) return true;
    if (s.row >= kFirstWordsetList) return s.count > 0;
    return s.row >= 1 && s.row <= kPasswordList && s.count > 0 && s.rowHasTrained;
}

}  // namespace

bool IsEnabled(CommandId id, const WindowState& s) {
    const bool live = s.connected && !s.Recording();
    switch (id) {
        case CommandId::Connect:
        case CommandId::Port:
        case CommandId::InterfaceLanguage:
        case CommandId::UpdateCustomData:
        case CommandId::UpdateFirmware:
            return !s.connected;
        case CommandId::Disconnect:
            return s.connected;
        case CommandId::GenerateCode:
            return live && s.allRead;
        case CommandId::ExportCommands:
        case CommandId::ImportCommands:
            return CanUseFiles(s);
        case CommandId::Exit:
        case CommandId::RecognitionSettings:
        case CommandId::About:
            return true;
        case CommandId::InsertCommand:
            return CanCreate(s) && s.sel >= 0;
        case CommandId::AddCommand:
            return CanCreate(s);
        case CommandId::RemoveCommand:
            return live && CommandRow(s.row) && s.sel >= 0;
        case CommandId::RenameCommand:
            return live && CommandRow(s.row) && s.sel >= 0 && s.selRead && s.count > 0 &&
                   s.wholeRowRead;
        case CommandId::TrainCommand:
            return CanTrainOrErase(s) && !s.selTrained;
        case CommandId::EraseTraining:
            return CanTrainOrErase(s) && s.selTrained;
        case CommandId::RecordMessage:
            // A slot being recorded still reads as empty, so pressing again stops it.
            return s.connected && !s.Busy() && s.moduleId >= 9 && s.row == kMessageList &&
                   s.sel >= 0 && s.selEmptySlot;
        case CommandId::PlayMessage:
        case CommandId::EraseMessage:
            return CanPlayMessage(s);
        case CommandId::TestGroup:
            return CanTest(s);
        case CommandId::SetLanguage:
            return live && s.moduleId >= 0;
        case CommandId::ResetCommands:
        case CommandId::ResetMessages:
        case CommandId::ResetAll:
            return CanReset(s);
        case CommandId::ConfigurePins:
            return live && s.moduleId >= 1;
        case CommandId::PlaySound:
            return live && s.moduleId >= 1 && s.row == kSoundList && s.sel >= 0;
        case CommandId::DialTones:
            return live && s.moduleId >= 2;
        case CommandId::Tokenwave:
            return !s.connected || (s.moduleId >= 2 && !s.Busy() && !s.Recording());
        case CommandId::LipSync:
            return live && s.moduleId >= 12 && s.allRead;
    }
    return false;
}

bool IsChecked(CommandId id, const WindowState& s) {
    return id == CommandId::RecordMessage && s.Recording();
}

}  // namespace parlix::ui
