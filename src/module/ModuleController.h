// The module controller: the catalogue of module commands, each one exchange
// or a few over the link it owns, and the one format in which every failure
// is reported.
#pragma once

#include "module/ModuleLink.h"
#include "module/ModuleReporter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace parlix {

class SettingsStore;
class ProgressSink;
class FrontEnd;

// Conflict values beyond a command index or a trigger word.
inline constexpr std::int32_t kConflictNone = static_cast<std::int32_t>(0xEBAD0000u);
inline constexpr std::int32_t kConflictUnnamed = static_cast<std::int32_t>(0xEBAD0001u);
inline constexpr std::int32_t kConflictTimedOut = static_cast<std::int32_t>(0xEBAD0002u);
inline constexpr std::int32_t kConflictIncomplete = static_cast<std::int32_t>(0xEBAD0003u);

// Reset kinds of ResetMemory.
inline constexpr int kResetAll = 17;
inline constexpr int kResetCommands = 3;
inline constexpr int kResetMessages = 12;

// The text of a module error code; empty for codes without one.
std::string ErrorText(int code);

class ModuleController : private ModuleReporter {
  public:
    ModuleController(SettingsStore& settings, ProgressSink& owner, FrontEnd& frontEnd);
    ModuleController(const ModuleController&) = delete;
    ModuleController& operator=(const ModuleController&) = delete;

    // The link: connection, control mode, the lock and the lost-link state.
    ModuleLink& Link() { return link_; }

    // Reporting: shows the error text with the title that the style names,
    // optionally followed by the system text of the link's last failure.
    BoxAnswer ReportError(SystemText systemText, BoxStyle style);

    // Module commands: reading the module. Outputs keep their values on
    // failure except where a command says otherwise.
    bool ReadVersionId(int& id);
    bool ReadActiveGroupMask(std::uint32_t& mask);
    bool ReadCommandCount(int group, int& count);
    // `conflict` is written only when the command has one.
    bool ReadCommand(int group, int index, std::string& label, int& trained, bool& hasConflict,
                     std::int32_t& conflict);
    bool ReadGrammarCount(int& count);
    bool ReadGrammarWordCount(int grammar, int& count);
    bool ReadGrammarWords(int grammar, int& flags, int& count, std::vector<std::string>& labels);
    bool ReadSoundTable(std::string& name, int& count);
    bool ReadMessage(int slot, int& bits, int& length);
    bool CheckMessageMemory(bool fix, int& result);
    bool ExportCommandData(int group, int index, std::string& data);
    bool ReadStoredLanguage(int& language);

    // Module commands: training, recognition and command editing.
    bool CreateCommand(int group, int index);
    bool RemoveCommand(int group, int index);
    bool EraseCommand(int group, int index);
    // The label is upper-cased and cut where the module cannot store it, in place.
    bool RenameCommand(int group, int index, std::string& label);
    bool ImportCommandData(int group, int index, const std::string& data);
    bool TrainCommand(int group, int index, std::int32_t& conflict, int& error);
    bool VerifyCommand(int group, int index, std::int32_t& conflict, int& error);
    bool RecognizeCommand(int group, std::int32_t& result);
    bool RecognizeWord(int wordset, std::int32_t& result);
    // Stops a listening or streaming module; takes no lock and reports nothing.
    bool Interrupt();

    // Module commands: messages, sounds, tokens, pins and settings.
    bool RecordMessage(int slot, int bits, int timeout, bool& completed);
    // Ends a running recording: the control byte alone, without the lock,
    // since the window's poll may hold it; the next poll sees the end.
    bool SendStopRecording();
    bool PlayMessage(int slot, int waitTenths, int speed = 0, int attenuation = 0);
    bool EraseMessage(int slot);
    bool PlaySound(int sound, int volume);
    bool PlayTone(int tone, int length);
    bool SendToken(int bits, int token, int delayMs);
    bool ReceiveToken(int bits, int rejection, int timeoutMs, int& token);
    bool SetPinOutput(int pin, int mode);
    bool QueryPinInput(int pin, int mode, int& level);
    // Returns with the controller lock held, whatever the outcome; the caller
    // reads values on the same thread, then calls Interrupt and EndLipsync.
    bool StartLipsync(int threshold, int timeout);
    bool ReadLipsyncValue(int& value);
    // Releases the lock that StartLipsync kept.
    void EndLipsync() { link_.Unlock(); }
    bool SetKnob(int value);
    bool SetMicDistance(int value);
    bool SetLevel(int value);
    bool SetTrailingSilence(int value);
    bool SetFastRecognition(int value);
    bool SetLanguage(int language);
    bool SetTimeout(int seconds);
    bool ResetMemory(int kind);

    const std::string& ErrorMessage() const { return errorText_; }
    void SetErrorText(std::string text) { errorText_ = std::move(text); }
    const std::string& MessageTitle() const { return messageTitle_; }
    int RecognitionWait() const { return recognitionWait_; }
    void SetRecognitionWait(int tenths) { recognitionWait_ = tenths; }

    SettingsStore& Settings() { return settings_; }
    ProgressSink& Owner() { return owner_; }
    FrontEnd& Front() { return frontEnd_; }

  private:
    BoxAnswer Report(const std::string& text, SystemText systemText, BoxStyle style) override;
    BoxAnswer Ask(const std::string& text, const std::string& title, BoxStyle style) override;
    bool RefuseValues(const std::string& failure) { return link_.Refuse(failure); }

    SettingsStore& settings_;
    ProgressSink& owner_;
    FrontEnd& frontEnd_;
    std::string errorText_;
    std::string messageTitle_;
    int recognitionWait_ = 30;
    ModuleLink link_;
};

}  // namespace parlix
