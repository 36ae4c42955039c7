// Every command's enable rule against the window states that decide it.
#include "ui/logic/CommandRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace parlix::ui {
namespace {

// Connected to a module with every capability, all read, room left, group 1
// selected with three commands, the first of them read and untrained.
WindowState Idle() {
    WindowState s;
    s.connected = true;
    s.moduleId = 12;
    s.row = 1;
    s.sel = 0;
    s.count = 3;
    s.wholeRowRead = true;
    s.selRead = true;
    s.allRead = true;
    s.room = true;
    s.triggerCount = 1;
    return s;
}

struct RuleCase {
    const char* name;
    CommandId id;
    std::function<void(WindowState&)> state;
    bool enabled;
};

void Disconnected(WindowState& s) {
    s = WindowState{};
}
void Recording(WindowState& s) {
    s.row = 18;
    s.sel = 4;
    s.selEmptySlot = true;
    s.recordingSlot = 4;
}
void Busy(WindowState& s) {
    s.busyJobs = 1;
}
void Connecting(WindowState& s) {
    s = WindowState{};
    s.connecting = true;
}

const std::vector<RuleCase> kCases = {
    // The connection and the choices only made while disconnected.
    {"ConnectWhileDisconnected", CommandId::Connect, Disconnected, true},
    {"ConnectWhileConnected", CommandId::Connect, [](WindowState&) {}, false},
    {"DisconnectWhileConnected", CommandId::Disconnect, [](WindowState&) {}, true},
    {"DisconnectWhileDisconnected", CommandId::Disconnect, Disconnected, false},
    {"PortWhileConnected", CommandId::Port, [](WindowState&) {}, false},
    {"LanguageWhileDisconnected", CommandId::InterfaceLanguage, Disconnected, true},
    {"CustomDataWhileConnected", CommandId::UpdateCustomData, [](WindowState&) {}, false},
    {"FirmwareWhileDisconnected", CommandId::UpdateFirmware, Disconnected, true},
    // While a connect runs, Connect cancels it and the choices made before
    // connecting wait for its end.
    {"ConnectWhileConnecting", CommandId::Connect, Connecting, true},
    {"DisconnectWhileConnecting", CommandId::Disconnect, Connecting, false},
    {"PortWhileConnecting", CommandId::Port, Connecting, false},
    {"LanguageWhileConnecting", CommandId::InterfaceLanguage, Connecting, false},
    {"CustomDataWhileConnecting", CommandId::UpdateCustomData, Connecting, false},
    {"FirmwareWhileConnecting", CommandId::UpdateFirmware, Connecting, false},
    {"TokenwaveWhileConnecting", CommandId::Tokenwave, Connecting, false},
    {"ExitWhileConnecting", CommandId::Exit, Connecting, true},
    {"ExitAlways", CommandId::Exit, Recording, true},
    {"AboutAlways", CommandId::About, Disconnected, true},
    {"RecognitionSettingsAlways", CommandId::RecognitionSettings, Disconnected, true},
    // Files need everything read and a module of ID 12 or later.
    {"GenerateCode", CommandId::GenerateCode, [](WindowState&) {}, true},
    {"GenerateCodeUnread", CommandId::GenerateCode, [](WindowState& s) { s.allRead = false; },
     false},
    {"GenerateCodeOldModule", CommandId::GenerateCode, [](WindowState& s) { s.moduleId = 0; },
     true},
    {"ExportModule12", CommandId::ExportCommands, [](WindowState&) {}, true},
    {"ExportModule11", CommandId::ExportCommands, [](WindowState& s) { s.moduleId = 11; }, false},
    {"ExportWhileUnread", CommandId::ExportCommands, [](WindowState& s) { s.allRead = false; },
     false},
    {"ImportWhileBusy", CommandId::ImportCommands, Busy, true},
    {"ImportWhileRecording", CommandId::ImportCommands, Recording, false},
    // Creating commands: the trigger holds one, the password group five.
    {"AddToGroup", CommandId::AddCommand, [](WindowState&) {}, true},
    {"AddWithoutRoom", CommandId::AddCommand, [](WindowState& s) { s.room = false; }, false},
    {"AddToTriggerWithOne", CommandId::AddCommand, [](WindowState& s) { s.row = 0; }, false},
    {"AddToEmptyTrigger", CommandId::AddCommand,
     [](WindowState& s) {
         s.row = 0;
         s.triggerCount = 0;
     },
     true},
    {"InsertIntoEmptyTriggerWithoutRoom", CommandId::InsertCommand,
     [](WindowState& s) {
         s.row = 0;
         s.triggerCount = 0;
         s.room = false;
     },
     false},
    {"AddToPasswordWithFive", CommandId::AddCommand,
     [](WindowState& s) {
         s.row = 16;
         s.count = 5;
     },
     false},
    {"AddToPasswordWithFourWhenFull", CommandId::AddCommand,
     [](WindowState& s) {
         s.row = 16;
         s.count = 4;
         s.room = false;
     },
     true},
    {"AddToPasswordUnknownCount", CommandId::AddCommand,
     [](WindowState& s) {
         s.row = 16;
         s.count = -1;
     },
     false},
    {"InsertNeedsSelection", CommandId::InsertCommand, [](WindowState& s) { s.sel = -1; }, false},
    {"AddWithoutSelection", CommandId::AddCommand, [](WindowState& s) { s.sel = -1; }, true},
    {"AddToSoundTable", CommandId::AddCommand, [](WindowState& s) { s.row = 17; }, false},
    {"AddWhileBusy", CommandId::AddCommand, Busy, true},
    // Remove, rename, train and erase.
    {"Remove", CommandId::RemoveCommand, [](WindowState&) {}, true},
    {"RemoveWordsetWord", CommandId::RemoveCommand, [](WindowState& s) { s.row = 19; }, false},
    {"Rename", CommandId::RenameCommand, [](WindowState&) {}, true},
    {"RenameRowUnread", CommandId::RenameCommand, [](WindowState& s) { s.wholeRowRead = false; },
     false},
    {"RenameSelectionUnread", CommandId::RenameCommand, [](WindowState& s) { s.selRead = false; },
     false},
    {"TrainUntrained", CommandId::TrainCommand, [](WindowState&) {}, true},
    {"TrainTrained", CommandId::TrainCommand, [](WindowState& s) { s.selTrained = true; }, false},
    {"TrainSoundTable", CommandId::TrainCommand, [](WindowState& s) { s.row = 17; }, false},
    {"TrainUnknownCount", CommandId::TrainCommand, [](WindowState& s) { s.count = -1; }, false},
    {"EraseTrained", CommandId::EraseTraining, [](WindowState& s) { s.selTrained = true; }, true},
    {"EraseUntrained", CommandId::EraseTraining, [](WindowState&) {}, false},
    {"EraseWhileRecording", CommandId::EraseTraining,
     [](WindowState& s) {
         s.selTrained = true;
         s.recordingSlot = 0;
     },
     false},
    // Messages: an empty slot records, a recorded one plays and erases.
    {"RecordEmptySlot", CommandId::RecordMessage,
     [](WindowState& s) {
         s.row = 18;
         s.selEmptySlot = true;
     },
     true},
    {"RecordWhileRecording", CommandId::RecordMessage, Recording, true},
    {"RecordRecordedSlot", CommandId::RecordMessage,
     [](WindowState& s) {
         s.row = 18;
         s.selRecorded = true;
     },
     false},
    {"RecordModule8", CommandId::RecordMessage,
     [](WindowState& s) {
         s.row = 18;
         s.selEmptySlot = true;
         s.moduleId = 8;
     },
     false},
    {"RecordModule9", CommandId::RecordMessage,
     [](WindowState& s) {
         s.row = 18;
         s.selEmptySlot = true;
         s.moduleId = 9;
     },
     true},
    {"RecordWhileBusy", CommandId::RecordMessage,
     [](WindowState& s) {
         s.row = 18;
         s.selEmptySlot = true;
         s.busyJobs = 2;
     },
     false},
    {"PlayRecorded", CommandId::PlayMessage,
     [](WindowState& s) {
         s.row = 18;
         s.selRecorded = true;
     },
     true},
    {"PlayEmpty", CommandId::PlayMessage,
     [](WindowState& s) {
         s.row = 18;
         s.selEmptySlot = true;
     },
     false},
    {"PlayWhileRecording", CommandId::PlayMessage,
     [](WindowState& s) {
         Recording(s);
         s.selRecorded = true;
     },
     false},
    {"EraseMessageRecorded", CommandId::EraseMessage,
     [](WindowState& s) {
         s.row = 18;
         s.selRecorded = true;
     },
     true},
    // Test Group: the trigger always, groups with something trained, words with any.
    {"TestTriggerUntrained", CommandId::TestGroup,
     [](WindowState& s) {
         s.row = 0;
         s.count = 0;
     },
     true},
    {"TestGroupUntrained", CommandId::TestGroup, [](WindowState&) {}, false},
    {"TestGroupTrained", CommandId::TestGroup, [](WindowState& s) { s.rowHasTrained = true; },
     true},
    {"TestWordset", CommandId::TestGroup, [](WindowState& s) { s.row = 19; }, true},
    {"TestEmptyGrammar", CommandId::TestGroup,
     [](WindowState& s) {
         s.row = 23;
         s.count = 0;
     },
     false},
    {"TestMessages", CommandId::TestGroup, [](WindowState& s) { s.row = 18; }, false},
    {"TestWhileRecording", CommandId::TestGroup,
     [](WindowState& s) {
         Recording(s);
         s.row = 0;
     },
     false},
    // Module-wide commands.
    {"SetLanguageUnknownModule", CommandId::SetLanguage, [](WindowState& s) { s.moduleId = -1; },
     false},
    {"SetLanguageModule0", CommandId::SetLanguage, [](WindowState& s) { s.moduleId = 0; }, true},
    {"ResetAll", CommandId::ResetAll, [](WindowState&) {}, true},
    {"ResetCommandsWhileBusy", CommandId::ResetCommands, Busy, false},
    {"ResetMessagesWhileRecording", CommandId::ResetMessages, Recording, false},
    {"PinsModule0", CommandId::ConfigurePins, [](WindowState& s) { s.moduleId = 0; }, false},
    {"PinsModule1", CommandId::ConfigurePins, [](WindowState& s) { s.moduleId = 1; }, true},
    {"PlaySoundRow17", CommandId::PlaySound, [](WindowState& s) { s.row = 17; }, true},
    {"PlaySoundOtherRow", CommandId::PlaySound, [](WindowState&) {}, false},
    {"PlaySoundNoSelection", CommandId::PlaySound,
     [](WindowState& s) {
         s.row = 17;
         s.sel = -1;
     },
     false},
    {"DialModule1", CommandId::DialTones, [](WindowState& s) { s.moduleId = 1; }, false},
    {"DialModule2", CommandId::DialTones, [](WindowState& s) { s.moduleId = 2; }, true},
    {"TokenwaveDisconnected", CommandId::Tokenwave, Disconnected, true},
    {"TokenwaveModule1", CommandId::Tokenwave, [](WindowState& s) { s.moduleId = 1; }, false},
    {"TokenwaveWhileBusy", CommandId::Tokenwave, Busy, false},
    {"LipSync", CommandId::LipSync, [](WindowState&) {}, true},
    {"LipSyncModule11", CommandId::LipSync, [](WindowState& s) { s.moduleId = 11; }, false},
    {"LipSyncUnread", CommandId::LipSync, [](WindowState& s) { s.allRead = false; }, false},
};

class CommandRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(CommandRuleTest, EnabledExactlyWhenTheRuleHolds) {
    const RuleCase& c = GetParam();
    WindowState state = Idle();
    c.state(state);
    EXPECT_EQ(IsEnabled(c.id, state), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(Rules, CommandRuleTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(CommandRules, RecordIsTickedOnlyWhileRecording) {
    WindowState state = Idle();
    EXPECT_FALSE(IsChecked(CommandId::RecordMessage, state));
    Recording(state);
    EXPECT_TRUE(IsChecked(CommandId::RecordMessage, state));
    EXPECT_FALSE(IsChecked(CommandId::PlayMessage, state));
}

// Thirty-two commands in rows 0-16 leave room only in a password group below five.
TEST(CommandRules, FullModuleLeavesOnlyThePasswordGroup) {
    WindowState state = Idle();
    state.room = false;
    for (int row = 0; row <= 16; ++row) {
        state.row = row;
        state.count = row == 16 ? 4 : 2;
        EXPECT_EQ(IsEnabled(CommandId::AddCommand, state), row == 16) << "row " << row;
        EXPECT_EQ(IsEnabled(CommandId::InsertCommand, state), row == 16) << "row " << row;
    }
}

}  // namespace
}  // namespace parlix::ui
