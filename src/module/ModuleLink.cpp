#include "module/ModuleLink.h"

#include "base/FrontEnd.h"
#include "base/ProgressSink.h"
#include "base/SettingsStore.h"
#include "base/Status.h"
#include "base/Text.h"
#include "link/LoaderProbe.h"
#include "module/ArgumentRanges.h"
#include "module/Exchange.h"
#include "module/ModuleReporter.h"

namespace parlix {
namespace {

// Restores the cursor on every way out of Connect.
class WaitCursor {
  public:
    explicit WaitCursor(FrontEnd& frontEnd) : frontEnd_(frontEnd) { frontEnd_.BeginWaitCursor(); }
    ~WaitCursor() { frontEnd_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    FrontEnd& frontEnd_;
};

}  // namespace

ModuleLink::ModuleLink(SettingsStore& settings, ProgressSink& owner, FrontEnd& frontEnd,
                       ModuleReporter& reporter)
    : settings_(settings),
      owner_(owner),
      frontEnd_(frontEnd),
      reporter_(reporter),
      uiThread_(std::this_thread::get_id()),
      roboNova_(settings),
      basicStamp_(settings),
      shield_(settings),
      direct_(settings),
      tryOrder_{&roboNova_, &direct_, &shield_, &basicStamp_} {}

void ModuleLink::Lock() {
    if (std::this_thread::get_id() != uiThread_) {
        lock_.lock();
        return;
    }
    if (!lock_.try_lock()) frontEnd_.DispatchingWait([this] { return lock_.try_lock(); });
}

void ModuleLink::Unlock() {
    lock_.unlock();
}

bool ModuleLink::Track(const LinkResult& result) {
    if (result.reason) failure_ = *result.reason;
    return result.ok;
}

bool ModuleLink::Connect() {
    LinkLock lock(*this);
    WaitCursor cursor(frontEnd_);
    established_ = false;
    linkLost_ = false;
    lostReason_.clear();
    replyMissing_ = false;
    const std::string port = settings_.CurrentPort();
    VoiceProxy* found = nullptr;
    for (VoiceProxy* proxy : tryOrder_) {
        current_ = proxy;
        if (!Track(proxy->OpenLink(port))) {
            // A link that failed half-way may hold the port; closing it keeps the reason.
            proxy->CloseLink();
            current_ = nullptr;
            reporter_.Report(
                TrFormat(PX_TR("Controller", "Could not open the port \"%s\".\n"), port),
                SystemText::Append, BoxIcon::Error);
            return false;
        }
        if (Track(proxy->Detect())) {
            found = proxy;
            break;
        }
        Track(proxy->CloseLink());
    }
    if (!found) {
        current_ = nullptr;
        if (AnswersAsLoader(port)) {
            reporter_.Report(
                TrFormat(PX_TR("Controller",
                               "The module on port \"%s\" answers as its firmware loader: a "
                               "firmware download did not finish.\n\nDownload the firmware "
                               "again to bring the module back.\n"),
                         port),
                SystemText::Omit, BoxIcon::Error);
            return false;
        }
        reporter_.Report(
            TrFormat(PX_TR("Controller", "Could not detect device connected to port \"%s\".\n"),
                     port),
            SystemText::Omit, BoxIcon::Error);
        return false;
    }
    current_ = found;
    owner_.SetStatusText(
        TrFormat(PX_TR("Controller", "Detected %s on %s..."), found->GetDeviceName(), port));
    if (!Track(found->ConnectModule()) && !OfferBridgeUpdate()) {
        reporter_.Report(
            TrFormat(PX_TR("Controller", "Could not connect to device at port \"%s\".\n"), port),
            SystemText::Append, BoxIcon::Error);
        Track(found->CloseLink());
        current_ = nullptr;
        return false;
    }
    const std::string detail = found->GetDeviceDetail();
    const std::string display =
        detail.empty() ? found->GetDeviceName() : found->GetDeviceName() + " (" + detail + ")";
    owner_.SetStatusText(TrFormat(PX_TR("Controller", "Connected to %s on %s"), display, port));
    established_ = true;
    return true;
}

bool ModuleLink::OfferBridgeUpdate() {
    LinkLock lock(*this);
    const std::string name = current_ ? current_->GetDeviceName() : std::string();
    const auto bridgeFile = current_ ? current_->GetBridgeFile() : std::nullopt;
    if (!bridgeFile) {
        reporter_.Report(
            TrFormatInserts(
                PX_TR("Controller",
                      "A '%1' device has been found, but the \"bridge\" software is not responding "
                      "or it "
                      "is "
                      "outdated.\n\nYou need to manually download the updated \"bridge\" software "
                      "to the "
                      "device (see instructions).\n"),
                name),
            SystemText::Omit, BoxIcon::Warning);
        return false;
    }
    const BoxAnswer answer = reporter_.Ask(
        TrFormatInserts(
            PX_TR("Controller",
                  "A '%1' device has been found, but the \"bridge\" software is not responding or "
                  "it is "
                  "outdated.\n\nDo you want to download the updated \"bridge\" software to the "
                  "device?"),
            name),
        Tr(PX_TR("Controller", "Confirmation")), Buttons::YesNoCancel | BoxIcon::Question);
    if (answer == BoxAnswer::Cancel) return false;
    if (answer == BoxAnswer::No) return true;
    owner_.SetStatusText(
        TrFormat(PX_TR("Controller", "Downloading the \"bridge\" software to %s..."), name));
    return Track(
        current_->UpdateBridge(settings_.ProgramFolder() + "/data/" + *bridgeFile, &owner_));
}

void ModuleLink::Disconnect() {
    LinkLock lock(*this);
    established_ = false;
    owner_.SetStatusText(Tr(PX_TR("Controller", "Disconnected")));
    if (current_ && !Track(current_->CloseLink())) {
        reporter_.Report(TrFormat(PX_TR("Controller", "Error while closing the port \"%s\".\n"),
                                  settings_.CurrentPort()),
                         SystemText::Append, BoxIcon::Warning);
    }
    current_ = nullptr;
}

bool ModuleLink::EnterControlMode() {
    LinkLock lock(*this);
    if (!current_) {
        SetFailure(Status::InvalidHandle);
    } else {
        current_->PurgeLine();
        if (Track(current_->EnterControlMode())) {
            connectionDelayCode_ = replyDelayCode_ = -1;
            int delay = -1;
            if (current_ == &direct_) delay = 0;
            if (current_ == &shield_) delay = 1;
            if (delay < 0) return true;
            if (!SetReplyDelay(delay)) return false;
            connectionDelayCode_ = replyDelayCode_;
            return true;
        }
    }
    reporter_.Report(Tr(PX_TR("Controller", "Could not enter control mode.\n")), SystemText::Append,
                     BoxIcon::Error);
    return false;
}

bool ModuleLink::LeaveControlMode() {
    LinkLock lock(*this);
    if (linkLost_) return false;
    if (!current_) {
        SetFailure(Status::InvalidHandle);
    } else {
        // A long reply delay left in the module would defeat the next detection.
        if (connectionDelayCode_ >= 0 && replyDelayCode_ != connectionDelayCode_)
            SendReplyDelay(connectionDelayCode_);
        connectionDelayCode_ = replyDelayCode_ = -1;
        if (linkLost_) return false;
        current_->PurgeLine();
        if (Track(current_->LeaveControlMode())) return true;
    }
    reporter_.Report(Tr(PX_TR("Controller", "Could not leave control mode.\n")), SystemText::Append,
                     BoxIcon::Warning);
    return false;
}

// The delay is sent in steps that widen with it: 1 ms up to 10 ms, 10 ms up
// to 100 ms, 100 ms beyond, as far as 1399 ms (the argument 31).
bool ModuleLink::SetReplyDelay(int ms) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set reply delay.\n"));
    const int value = ms > 100 ? ms / 100 + 18 : ms > 10 ? ms / 10 + 9 : ms;
    if (ms < 0 || !IsArgumentValue(value)) return Refuse(failure);
    return SendReplyDelay(value);
}

bool ModuleLink::SendReplyDelay(int code) {
    Exchange x(*this, reporter_);
    if (!x.ExpectDone(kCmdReplyDelay, {code}, kReplyWait,
                      {Tr(PX_TR("Controller", "Could not set reply delay.\n"))}))
        return false;
    replyDelayCode_ = code;
    return true;
}

bool ModuleLink::Refuse(const std::string& failure) {
    LinkLock lock(*this);
    SetFailure(Status::InvalidParameter);
    reporter_.Report(failure, SystemText::Append, BoxIcon::Error);
    return false;
}

void ModuleLink::MarkLinkLost(std::error_code reason) {
    LinkLock lock(*this);
    if (!established_ || linkLost_) return;
    lostReason_ = reason;
    linkLost_ = true;
    frontEnd_.PostLinkLost();
}

void ModuleLink::SetBusyPrompt(const std::optional<std::string>& text, bool notifyProxy) {
    if (notifyProxy && current_) Track(current_->SetBusy(text.has_value()));
    if (text) {
        frontEnd_.ShowBusyPrompt(*text);
        frontEnd_.BeginWaitCursor();
    } else {
        frontEnd_.EndWaitCursor();
        frontEnd_.RemoveBusyPrompt();
    }
}

}  // namespace parlix
