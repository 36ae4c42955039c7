// The module controller: owns the four links, knows which one is current,
// serialises every exchange with the module under one recursive lock, and
// reports every failure once, in one format.
#pragma once

#include "link/BridgeProxies.h"
#include "link/ZorinProxy.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>

namespace parlix {

class CAppSettings;
class CStatusProgress;
class FrontEnd;

class CModuleController {
public:
    CModuleController(CAppSettings& settings, CStatusProgress& owner, FrontEnd& frontEnd);
    CModuleController(const CModuleController&) = delete;
    CModuleController& operator=(const CModuleController&) = delete;

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

    // Module commands: reading the module.
    bool ReadVersionId(int& id);

    // The recursive lock. On the user interface thread the wait keeps serving
    // other threads' requests, since a worker may hold the lock while it
    // waits for a message box.
    void Lock();
    void Unlock();
    void SetUiThread(std::thread::id id) { uiThread_ = id; }

    bool IsConnected() const { return current_ != nullptr; }
    CVoiceProxy* CurrentProxy() const { return current_; }
    const std::string& ErrorText() const { return errorText_; }
    void SetErrorText(std::string text) { errorText_ = std::move(text); }
    const std::string& MessageTitle() const { return messageTitle_; }
    int RecognitionWait() const { return recognitionWait_; }
    void SetRecognitionWait(int tenths) { recognitionWait_ = tenths; }

    CAppSettings& Settings() { return settings_; }
    CStatusProgress& Owner() { return owner_; }
    FrontEnd& Front() { return frontEnd_; }
    CZorinProxy& DirectProxy() { return zorin_; }
    CShieldProxy& ShieldProxy() { return shield_; }
    CBasicStampProxy& BasicStampProxy() { return basicStamp_; }
    CRoboNovaProxy& RoboNovaProxy() { return roboNova_; }
    const std::array<CVoiceProxy*, 4>& TryOrder() const { return tryOrder_; }
    // Replaces the links that Connect tries (diagnostics and tests).
    void SetTryOrder(const std::array<CVoiceProxy*, 4>& order) { tryOrder_ = order; }

private:
    CAppSettings& settings_;
    CStatusProgress& owner_;
    FrontEnd& frontEnd_;
    std::recursive_mutex lock_;
    std::thread::id uiThread_;
    std::string errorText_;
    std::string messageTitle_;
    int recognitionWait_ = 30;
    CVoiceProxy* current_ = nullptr;
    CRoboNovaProxy roboNova_;
    CBasicStampProxy basicStamp_;
    CShieldProxy shield_;
    CZorinProxy zorin_;
    std::array<CVoiceProxy*, 4> tryOrder_;
};

// Holds the controller lock for a scope.
class CControllerLock {
public:
    explicit CControllerLock(CModuleController& controller) : controller_(controller) {
        controller_.Lock();
    }
    ~CControllerLock() { controller_.Unlock(); }
    CControllerLock(const CControllerLock&) = delete;
    CControllerLock& operator=(const CControllerLock&) = delete;

private:
    CModuleController& controller_;
};

}  // namespace parlix
