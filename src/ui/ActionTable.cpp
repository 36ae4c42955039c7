#include "ui/ActionTable.h"

#include <QtCore/QtGlobal>

namespace parlix::ui {
namespace {

// The texts are collected for translation under the "MainFrame" context.
constexpr ActionSpec kSpecs[] = {
    {CommandId::Connect, QT_TRANSLATE_NOOP("MainFrame", "&Connect"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Connect to the module on the selected port\nConnect"),
     "network-connect"},
    {CommandId::Disconnect, QT_TRANSLATE_NOOP("MainFrame", "&Disconnect"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Disconnect from the module\nDisconnect"),
     "network-disconnect"},
    {CommandId::Port, QT_TRANSLATE_NOOP("MainFrame", "&Port"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Choose the serial port of the module\nPort"), ""},
    {CommandId::InterfaceLanguage, QT_TRANSLATE_NOOP("MainFrame", "&Language"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Choose the language of the program\nLanguage"), ""},
    {CommandId::GenerateCode, QT_TRANSLATE_NOOP("MainFrame", "&Generate Code..."), "",
     QT_TRANSLATE_NOOP("MainFrame", "Generate source code for the host board\nGenerate Code"),
     "text-x-script"},
    {CommandId::UpdateCustomData, QT_TRANSLATE_NOOP("MainFrame", "&Update Custom Data..."), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Build and download custom sounds and grammars\nUpdate Custom Data"),
     "document-send"},
    {CommandId::ExportCommands, QT_TRANSLATE_NOOP("MainFrame", "&Export Commands..."), "",
     QT_TRANSLATE_NOOP("MainFrame", "Save every command to a command file\nExport Commands"),
     "document-save-as"},
    {CommandId::ImportCommands, QT_TRANSLATE_NOOP("MainFrame", "&Import Commands..."), "",
     QT_TRANSLATE_NOOP("MainFrame", "Load the commands of a command file\nImport Commands"),
     "document-open"},
    {CommandId::Exit, QT_TRANSLATE_NOOP("MainFrame", "E&xit"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Quit the application\nExit"), "application-exit"},
    {CommandId::InsertCommand, QT_TRANSLATE_NOOP("MainFrame", "&Insert Command"), "Ins",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Insert a new command before the selected one\nInsert Command (INS)"),
     ":/icons/insert-command.svg"},
    {CommandId::AddCommand, QT_TRANSLATE_NOOP("MainFrame", "&Add Command"), "Shift+Ins",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Add a new command at the end of the group\nAdd Command (SHIFT+INS)"),
     "list-add"},
    {CommandId::RemoveCommand, QT_TRANSLATE_NOOP("MainFrame", "&Remove Command"), "Shift+Del",
     QT_TRANSLATE_NOOP("MainFrame", "Remove the selected command\nRemove Command (SHIFT+DEL)"),
     "list-remove"},
    {CommandId::RenameCommand, QT_TRANSLATE_NOOP("MainFrame", "Re&name Command"), "Shift+Space",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Change the label of the selected command\nRename Command (SHIFT+SPACE)"),
     "edit-rename"},
    {CommandId::TrainCommand, QT_TRANSLATE_NOOP("MainFrame", "&Train Command"), "Return",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Train recognition of the selected command or add more training\nTrain "
                       "Command (ENTER)"),
     "audio-input-microphone"},
    {CommandId::EraseTraining, QT_TRANSLATE_NOOP("MainFrame", "&Erase Training"), "Del",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Erase the training of the selected command\nErase Training (DEL)"),
     "edit-clear"},
    {CommandId::RecordMessage, QT_TRANSLATE_NOOP("MainFrame", "Record &Message"), "Ctrl+R",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Record a message in the selected slot, or stop the recording\nRecord "
                       "Message (CTRL+R)"),
     "media-record"},
    {CommandId::PlayMessage, QT_TRANSLATE_NOOP("MainFrame", "&Play Message"), "Ctrl+P",
     QT_TRANSLATE_NOOP("MainFrame", "Play the selected message\nPlay Message (CTRL+P)"),
     "media-playback-start"},
    {CommandId::EraseMessage, QT_TRANSLATE_NOOP("MainFrame", "Era&se Message"), "Ctrl+E",
     QT_TRANSLATE_NOOP("MainFrame", "Erase the selected message\nErase Message (CTRL+E)"),
     "edit-delete"},
    {CommandId::TestGroup, QT_TRANSLATE_NOOP("MainFrame", "&Test Group"), "Shift+Return",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Test recognition of the commands of the selected group\nTest Group "
                       "(SHIFT+ENTER)"),
     "system-search"},
    {CommandId::RecognitionSettings, QT_TRANSLATE_NOOP("MainFrame", "Reco&gnition Settings..."), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Show the recognition settings of the module\nRecognition Settings"),
     "preferences-system"},
    {CommandId::SetLanguage, QT_TRANSLATE_NOOP("MainFrame", "Set &Language"), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Set the language of the module's built-in words\nSet Language"),
     "preferences-desktop-locale"},
    {CommandId::ResetCommands, QT_TRANSLATE_NOOP("MainFrame", "Reset &Commands"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Delete every command of the module\nReset Commands"),
     ":/icons/reset-commands.svg"},
    {CommandId::ResetMessages, QT_TRANSLATE_NOOP("MainFrame", "Reset &Messages"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Delete every recorded message\nReset Messages"),
     ":/icons/reset-messages.svg"},
    {CommandId::ResetAll, QT_TRANSLATE_NOOP("MainFrame", "&Reset All"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Delete every command and message\nReset All"),
     "edit-clear-all"},
    {CommandId::ConfigurePins, QT_TRANSLATE_NOOP("MainFrame", "Configure &I/O Pins"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Read and set the module's I/O pins\nConfigure I/O Pins"),
     ":/icons/pins.svg"},
    {CommandId::PlaySound, QT_TRANSLATE_NOOP("MainFrame", "&Play Sound"), "Space",
     QT_TRANSLATE_NOOP("MainFrame", "Play the selected sound\nPlay Sound (SPACE)"),
     "audio-volume-high"},
    {CommandId::DialTones, QT_TRANSLATE_NOOP("MainFrame", "&Dial Tones"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Dial a phone number with tones\nDial Tones"), "call-start"},
    {CommandId::Tokenwave, QT_TRANSLATE_NOOP("MainFrame", "&Tokenwave"), "",
     QT_TRANSLATE_NOOP("MainFrame", "Send and receive audio tokens\nTokenwave"),
     ":/icons/tokenwave.svg"},
    {CommandId::LipSync, QT_TRANSLATE_NOOP("MainFrame", "Real-time Lip-S&ync"), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Show the module's lip-sync output in real time\nReal-time Lip-Sync"),
     ":/icons/lipsync.svg"},
    {CommandId::UpdateFirmware, QT_TRANSLATE_NOOP("MainFrame", "&Update Firmware..."), "",
     QT_TRANSLATE_NOOP("MainFrame", "Download new firmware to the module\nUpdate Firmware"),
     "system-software-update"},
    {CommandId::About, QT_TRANSLATE_NOOP("MainFrame", "&About Parlix Desk..."), "",
     QT_TRANSLATE_NOOP("MainFrame",
                       "Display program information, version number and copyright\nAbout"),
     "help-about"},
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
