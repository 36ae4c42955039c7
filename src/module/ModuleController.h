// The module controller: owns the four links, knows which one is current,
// serialises every exchange with the module under one recursive lock, and
// reports every failure once, in one format.
#pragma once

#include "link/BridgeProxies.h"
#include "link/DirectProxy.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <thread>
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

class ModuleController {
  public:
    ModuleController(SettingsStore& settings, ProgressSink& owner, FrontEnd& frontEnd);
    ModuleController(const ModuleController&) = delete;
    ModuleController& operator=(const ModuleController&) = delete;

    // Connection and control mode.
    bool Connect();
    void Disconnect();
    bool EnterControlMode();
    bool LeaveControlMode();
    bool SetReplyDelay(int ms);
    bool OfferBridgeUpdate();

    // Reporting: shows the error text with the title that the style names,
    // optionally followed by the system text of the thread's last error.
    int ReportError(bool appendSystemText, unsigned style);
    // Shows (text given) or removes (none) the prompt of a module that waits for the user.
    void SetBusyPrompt(const std::optional<std::string>& text, bool notifyProxy);

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
    void EndLipsync() { Unlock(); }
    bool SetKnob(int value);
    bool SetMicDistance(int value);
    bool SetLevel(int value);
    bool SetTrailingSilence(int value);
    bool SetFastRecognition(int value);
    bool SetLanguage(int language);
    bool SetTimeout(int seconds);
    bool ResetMemory(int kind);

    // The recursive lock. On the user interface thread the wait keeps serving
    // other threads' requests, since a worker may hold the lock while it
    // waits for a message box.
    void Lock();
    void Unlock();
    void SetUiThread(std::thread::id id) { uiThread_ = id; }

    bool IsConnected() const { return current_ != nullptr; }
    // The module stopped answering, or its device went away, while connected.
    // The failure that found it was reported; until the next Connect every
    // exchange fails at once, without touching the line or reporting again.
    bool LinkLost() const { return linkLost_; }
    // Why; read under the controller lock.
    std::error_code LostReason() const { return lostReason_; }
    // An exchange found the link lost and has shown its one message.
    void MarkLinkLost(std::error_code reason);
    // A reply argument never came; the next status the module owes decides
    // whether it is still there. Under the controller lock.
    bool ReplyMissing() const { return replyMissing_; }
    void SetReplyMissing(bool missing) { replyMissing_ = missing; }
    VoiceProxy* CurrentProxy() const { return current_; }
    const std::string& ErrorMessage() const { return errorText_; }
    void SetErrorText(std::string text) { errorText_ = std::move(text); }
    const std::string& MessageTitle() const { return messageTitle_; }
    int RecognitionWait() const { return recognitionWait_; }
    void SetRecognitionWait(int tenths) { recognitionWait_ = tenths; }

    SettingsStore& Settings() { return settings_; }
    ProgressSink& Owner() { return owner_; }
    FrontEnd& Front() { return frontEnd_; }
    DirectProxy& Direct() { return direct_; }
    ShieldProxy& Shield() { return shield_; }
    BasicStampProxy& BasicStamp() { return basicStamp_; }
    RoboNovaProxy& RoboNova() { return roboNova_; }
    const std::array<VoiceProxy*, 4>& TryOrder() const { return tryOrder_; }
    // Replaces the links that Connect tries (diagnostics and tests).
    void SetTryOrder(const std::array<VoiceProxy*, 4>& order) { tryOrder_ = order; }

  private:
    bool SendReplyDelay(int code);
    // Refuses an operation whose values it does not allow: nothing is sent,
    // and `failure` is reported with the system text of an invalid parameter.
    bool RefuseValues(const std::string& failure);

    SettingsStore& settings_;
    ProgressSink& owner_;
    FrontEnd& frontEnd_;
    std::recursive_mutex lock_;
    std::thread::id uiThread_;
    std::string errorText_;
    std::string messageTitle_;
    int recognitionWait_ = 30;
    VoiceProxy* current_ = nullptr;
    bool established_ = false;  // from a successful Connect until Disconnect
    // The reply delay argument that entering control mode set, and the one in
    // force: leaving restores the first, so that the next detection works.
    int connectionDelayCode_ = -1;
    int replyDelayCode_ = -1;
    std::atomic<bool> linkLost_ = false;
    std::error_code lostReason_;
    bool replyMissing_ = false;
    RoboNovaProxy roboNova_;
    BasicStampProxy basicStamp_;
    ShieldProxy shield_;
    DirectProxy direct_;
    std::array<VoiceProxy*, 4> tryOrder_;
};

// Holds the controller lock for a scope.
class ControllerLock {
  public:
    explicit ControllerLock(ModuleController& controller) : controller_(controller) {
        controller_.Lock();
    }
    ~ControllerLock() { controller_.Unlock(); }
    ControllerLock(const ControllerLock&) = delete;
    ControllerLock& operator=(const ControllerLock&) = delete;

  private:
    ModuleController& controller_;
};

}  // namespace parlix
