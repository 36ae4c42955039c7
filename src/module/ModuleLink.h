// The link to the module: owns the four proxies, tries them in order to
// connect, knows which one is current, enters and leaves control mode, and
// serialises every exchange with the module under one recursive lock. It
// also remembers the failure that a report appends the system text of.
#pragma once

#include "link/BridgeProxies.h"
#include "link/DirectProxy.h"

#include <array>
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

namespace parlix {

class SettingsStore;
class ProgressSink;
class FrontEnd;
class ModuleReporter;

class ModuleLink {
  public:
    ModuleLink(SettingsStore& settings, ProgressSink& owner, FrontEnd& frontEnd,
               ModuleReporter& reporter);
    ModuleLink(const ModuleLink&) = delete;
    ModuleLink& operator=(const ModuleLink&) = delete;

    // Connection and control mode.
    bool Connect();
    void Disconnect();
    bool EnterControlMode();
    bool LeaveControlMode();
    bool SetReplyDelay(int ms);
    bool OfferBridgeUpdate();

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
    // Why; read under the lock.
    std::error_code LostReason() const { return lostReason_; }
    // An exchange found the link lost and has shown its one message.
    void MarkLinkLost(std::error_code reason);
    // A reply argument never came; the next status the module owes decides
    // whether it is still there. Under the lock.
    bool ReplyMissing() const { return replyMissing_; }
    void SetReplyMissing(bool missing) { replyMissing_ = missing; }
    VoiceProxy* CurrentProxy() const { return current_; }

    // The failure whose system text a report appends: the outcome of the last
    // proxy operation under the lock that used the line, or a reason set for
    // a refusal.
    // Read and written under the lock.
    std::error_code Failure() const { return failure_; }
    void SetFailure(std::error_code reason) { failure_ = reason; }
    // Keeps the reason of a proxy operation as the failure; whether it worked.
    bool Track(const LinkResult& result);
    // Refuses an operation whose values it does not allow: nothing is sent,
    // and `failure` is reported with the system text of an invalid parameter.
    bool Refuse(const std::string& failure);

    // Shows (text given) or removes (none) the prompt of a module that waits for the user.
    void SetBusyPrompt(const std::optional<std::string>& text, bool notifyProxy);

    DirectProxy& Direct() { return direct_; }
    ShieldProxy& Shield() { return shield_; }
    BasicStampProxy& BasicStamp() { return basicStamp_; }
    RoboNovaProxy& RoboNova() { return roboNova_; }
    const std::array<VoiceProxy*, 4>& TryOrder() const { return tryOrder_; }
    // Replaces the links that Connect tries (diagnostics and tests).
    void SetTryOrder(const std::array<VoiceProxy*, 4>& order) { tryOrder_ = order; }

  private:
    bool SendReplyDelay(int code);

    SettingsStore& settings_;
    ProgressSink& owner_;
    FrontEnd& frontEnd_;
    ModuleReporter& reporter_;
    std::recursive_mutex lock_;
    std::thread::id uiThread_;
    VoiceProxy* current_ = nullptr;
    bool established_ = false;  // from a successful Connect until Disconnect
    // The reply delay argument that entering control mode set, and the one in
    // force: leaving restores the first, so that the next detection works.
    int connectionDelayCode_ = -1;
    int replyDelayCode_ = -1;
    std::atomic<bool> linkLost_ = false;
    std::error_code lostReason_;
    bool replyMissing_ = false;
    std::error_code failure_;
    RoboNovaProxy roboNova_;
    BasicStampProxy basicStamp_;
    ShieldProxy shield_;
    DirectProxy direct_;
    std::array<VoiceProxy*, 4> tryOrder_;
};

// Holds the link lock for a scope.
class LinkLock {
  public:
    explicit LinkLock(ModuleLink& link) : link_(link) { link_.Lock(); }
    ~LinkLock() { link_.Unlock(); }
    LinkLock(const LinkLock&) = delete;
    LinkLock& operator=(const LinkLock&) = delete;

  private:
    ModuleLink& link_;
};

}  // namespace parlix
