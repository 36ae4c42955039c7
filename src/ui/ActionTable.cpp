#include "ui/ActionTable.h"

#include "ui/AudioCommands.h"
#include "ui/GenerateCodeFlow.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowDevices.h"
#include "ui/SoundTableDialog.h"

#include <QtCore/QtGlobal>

namespace parlix::ui {
namespace {

// Its items are the choices; the command itself does nothing.
void OpensSubmenu(MainWindow&, CommandId) {}

// The texts are collected for translation under the "MainFrame" context.
// The first key of a row is the one that menus show: the one its tool tip
// names ("Enter", not "Return", as the key is labelled on most keyboards).
constexpr ActionSpec kSpecs[] = {
    {CommandId::Connect, QT_TRANSLATE_NOOP("MainFrame", "&Connect"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Connect to the module on the selected port\nConnect"),
     "network-connect", rule::Connect,
     [](MainWindow& w, CommandId) {
         w.TakeTypedPort();
         w.Flows().Connect();
     }},
    {CommandId::Disconnect, QT_TRANSLATE_NOOP("MainFrame", "&Disconnect"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Disconnect from the module\nDisconnect"), "network-disconnect",
     rule::Disconnect, [](MainWindow& w, CommandId) { w.Flows().Disconnect(); }},
    {CommandId::Port, QT_TRANSLATE_NOOP("MainFrame", "&Port"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Choose the serial port of the module\nPort"), "", rule::Port,
     OpensSubmenu},
    {CommandId::InterfaceLanguage, QT_TRANSLATE_NOOP("MainFrame", "&Language"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Choose the language of the program\nLanguage"), "",
     rule::InterfaceLanguage, OpensSubmenu},
    {CommandId::GenerateCode, QT_TRANSLATE_NOOP("MainFrame", "&Generate Code..."), "",
     QT_TRANSLATE_NOOP("MainFrame", "Generate source code for the host board\nGenerate Code"),
     "text-x-script", rule::GenerateCode, GenerateCode},
    {CommandId::UpdateCustomData, QT_TRANSLATE_NOOP("MainFrame", "&Update Custom Data..."), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Build and download custom sounds and grammars\nUpdate Custom Data"),
     "document-send", rule::UpdateCustomData,
     [](MainWindow& w, CommandId) {
         w.Front().EnableMainWindow(false);
         w.SoundTable()->Flow().ShowCustomData();
     }},
    {CommandId::ExportCommands, QT_TRANSLATE_NOOP("MainFrame", "&Export Commands..."), "",
     QT_TRANSLATE_NOOP("MainFrame", "Save every command to a command file\nExport Commands"),
     "document-save", rule::ExportCommands,
     [](MainWindow& w, CommandId) { w.Flows().ExportCommands(); }},
    {CommandId::ImportCommands, QT_TRANSLATE_NOOP("MainFrame", "&Import Commands..."), "",
     QT_TRANSLATE_NOOP("MainFrame", "Load the commands of a command file\nImport Commands"),
     "document-open", rule::ImportCommands,
     [](MainWindow& w, CommandId) { w.Flows().ImportCommands(); }},
    {CommandId::Exit, QT_TRANSLATE_NOOP("MainFrame", "E&xit"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Quit the application\nExit"), "application-exit", rule::Exit,
     [](MainWindow& w, CommandId) { w.close(); }},
    {CommandId::InsertCommand, QT_TRANSLATE_NOOP("MainFrame", "&Insert Command"), "Ins",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Insert a new command before the selected one\nInsert Command (INS)"),
     ":/icons/insert-command.svg", rule::InsertCommand,
     [](MainWindow& w, CommandId) { w.Flows().InsertCommand(); }},
    {CommandId::AddCommand, QT_TRANSLATE_NOOP("MainFrame", "&Add Command"), "Shift+Ins",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Add a new command at the end of the group\nAdd Command (SHIFT+INS)"),
     "list-add", rule::AddCommand, [](MainWindow& w, CommandId) { w.Flows().AddCommand(); }},
    {CommandId::RemoveCommand, QT_TRANSLATE_NOOP("MainFrame", "&Remove Command"), "Shift+Del",
     QT_TRANSLATE_NOOP("MainFrame", "Remove the selected command\nRemove Command (SHIFT+DEL)"),
     "list-remove", rule::RemoveCommand,
     [](MainWindow& w, CommandId) { w.Flows().RemoveCommand(); }},
    {CommandId::RenameCommand, QT_TRANSLATE_NOOP("MainFrame", "Re&name Command"), "Shift+Space",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Change the label of the selected command\nRename Command (SHIFT+SPACE)"),
     "edit-rename", rule::RenameCommand,
     [](MainWindow& w, CommandId) { w.StartLabelEdit(w.Flows().SelectedCommand()); }},
    {CommandId::TrainCommand, QT_TRANSLATE_NOOP("MainFrame", "&Train Command"), "Enter; Return",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Train recognition of the selected command or add more training\nTrain "
                       "Command (ENTER)"),
     "audio-input-microphone", rule::TrainCommand,
     [](MainWindow& w, CommandId) { w.Flows().TrainCommand(); }},
    {CommandId::EraseTraining, QT_TRANSLATE_NOOP("MainFrame", "&Erase Training"), "Del",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Erase the training of the selected command\nErase Training (DEL)"),
     "edit-clear", rule::EraseTraining,
     [](MainWindow& w, CommandId) { w.Flows().EraseTraining(); }},
    {CommandId::RecordMessage, QT_TRANSLATE_NOOP("MainFrame", "Record &Message"), "Ctrl+R",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Record a message in the selected slot, or stop the recording\nRecord "
                       "Message (CTRL+R)"),
     "media-record", rule::RecordMessage,
     [](MainWindow& w, CommandId) { w.Flows().RecordMessage(); }},
    {CommandId::PlayMessage, QT_TRANSLATE_NOOP("MainFrame", "&Play Message"), "Ctrl+P",
     QT_TRANSLATE_NOOP("MainFrame", "Play the selected message\nPlay Message (CTRL+P)"),
     "media-playback-start", rule::PlayMessage,
     [](MainWindow& w, CommandId) { w.Flows().PlayMessage(); }},
    {CommandId::EraseMessage, QT_TRANSLATE_NOOP("MainFrame", "Era&se Message"), "Ctrl+E",
     QT_TRANSLATE_NOOP("MainFrame", "Erase the selected message\nErase Message (CTRL+E)"),
     "edit-delete", rule::EraseMessage, [](MainWindow& w, CommandId) { w.Flows().EraseMessage(); }},
    {CommandId::TestGroup, QT_TRANSLATE_NOOP("MainFrame", "&Test Group"),
     "Shift+Enter; Shift+Return",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Test recognition of the commands of the selected group\nTest Group "
                       "(SHIFT+ENTER)"),
     "system-search", rule::TestGroup, [](MainWindow& w, CommandId) { w.Flows().TestGroup(); }},
    {CommandId::RecognitionSettings, QT_TRANSLATE_NOOP("MainFrame", "Reco&gnition Settings..."), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Show the recognition settings of the module\nRecognition Settings"),
     "preferences-system", rule::RecognitionSettings, OpenRecognitionSettings},
    {CommandId::SetLanguage, QT_TRANSLATE_NOOP("MainFrame", "Set &Language"), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Set the language of the module's built-in words\nSet Language"),
     "preferences-desktop-locale", rule::SetLanguage, OpensSubmenu},
    {CommandId::ResetCommands, QT_TRANSLATE_NOOP("MainFrame", "Reset &Commands"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Delete every command of the module\nReset Commands"),
     ":/icons/reset-commands.svg", rule::ResetCommands,
     [](MainWindow& w, CommandId) { w.Flows().Reset(ResetScope::Commands); }},
    {CommandId::ResetMessages, QT_TRANSLATE_NOOP("MainFrame", "Reset &Messages"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Delete every recorded message\nReset Messages"),
     ":/icons/reset-messages.svg", rule::ResetMessages,
     [](MainWindow& w, CommandId) { w.Flows().Reset(ResetScope::Messages); }},
    {CommandId::ResetAll, QT_TRANSLATE_NOOP("MainFrame", "&Reset All"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Delete every command and message\nReset All"),
     "edit-clear-all", rule::ResetAll,
     [](MainWindow& w, CommandId) { w.Flows().Reset(ResetScope::All); }},
    {CommandId::ConfigurePins, QT_TRANSLATE_NOOP("MainFrame", "Configure &I/O Pins"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Read and set the module's I/O pins\nConfigure I/O Pins"),
     ":/icons/pins.svg", rule::ConfigurePins, OpenPinControl},
    {CommandId::PlaySound, QT_TRANSLATE_NOOP("MainFrame", "&Play Sound"), "Space",
     QT_TRANSLATE_NOOP("MainFrame", "Play the selected sound\nPlay Sound (SPACE)"),
     "audio-volume-high", rule::PlaySound, [](MainWindow& w, CommandId) { w.Flows().PlaySound(); }},
    {CommandId::DialTones, QT_TRANSLATE_NOOP("MainFrame", "&Dial Tones"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Dial a phone number with tones\nDial Tones"), "call-start",
     rule::DialTones, OpenToneDialer},
    {CommandId::Tokenwave, QT_TRANSLATE_NOOP("MainFrame", "&Tokenwave"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Send and receive audio tokens\nTokenwave"),
     ":/icons/tokenwave.svg", rule::Tokenwave, OpenTokenwave},
    {CommandId::LipSync, QT_TRANSLATE_NOOP("MainFrame", "Real-time Lip-S&ync"), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Show the module's lip-sync output in real time\nReal-time Lip-Sync"),
     ":/icons/lipsync.svg", rule::LipSync, OpenLipsync},
    {CommandId::UpdateFirmware, QT_TRANSLATE_NOOP("MainFrame", "&Update Firmware..."), "",
     QT_TRANSLATE_NOOP("MainFrame", "Download new firmware to the module\nUpdate Firmware"),
     "system-software-update", rule::UpdateFirmware,
     [](MainWindow& w, CommandId) { w.UpdateFirmware(); }},
    {CommandId::About, QT_TRANSLATE_NOOP("MainFrame", "&About Parlix Desk..."), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Display program information, version number and copyright\nAbout"),
     "help-about", rule::About, OpenAbout},
};

}  // namespace

std::span<const ActionSpec> ActionSpecs() {
    return kSpecs;
}

const ActionSpec& SpecOf(CommandId id) {
    for (const ActionSpec& spec : kSpecs)
        if (spec.id == id) return spec;
    return kSpecs[0];
}

}  // namespace parlix::ui
