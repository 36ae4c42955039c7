#include "module/ModuleController.h"

#include "base/FrontEnd.h"
#include "base/ProgressSink.h"
#include "base/SettingsStore.h"
#include "base/Status.h"
#include "base/Text.h"
#include "module/Exchange.h"

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

ModuleController::ModuleController(SettingsStore& settings, ProgressSink& owner, FrontEnd& frontEnd)
    : settings_(settings),
      owner_(owner),
      frontEnd_(frontEnd),
      uiThread_(std::this_thread::get_id()),
      roboNova_(settings),
      basicStamp_(settings),
      shield_(settings),
      direct_(settings),
      tryOrder_{&roboNova_, &direct_, &shield_, &basicStamp_} {}

void ModuleController::Lock() {
    if (std::this_thread::get_id() != uiThread_) {
        lock_.lock();
        return;
    }
    if (!lock_.try_lock()) frontEnd_.DispatchingWait([this] { return lock_.try_lock(); });
}

void ModuleController::Unlock() {
    lock_.unlock();
}

bool ModuleController::Connect() {
    ControllerLock lock(*this);
    WaitCursor cursor(frontEnd_);
    established_ = false;
    linkLost_ = false;
    lostReason_.clear();
    replyMissing_ = false;
    const std::string port = settings_.CurrentPort();
    VoiceProxy* found = nullptr;
    for (VoiceProxy* proxy : tryOrder_) {
        current_ = proxy;
        if (!proxy->OpenLink(port)) {
            // A link that failed half-way may hold the port; the reason must survive closing it.
            const std::error_code reason = GetLastError();
            proxy->CloseLink();
            SetLastError(reason);
            current_ = nullptr;
            errorText_ = TrFormat(PX_TR("Controller", "Could not open the port \"%s\".\n"), port);
            ReportError(true, MB_ICONERROR);
            return false;
        }
        if (proxy->Detect()) {
            found = proxy;
            break;
        }
        proxy->CloseLink();
    }
    if (!found) {
        current_ = nullptr;
        errorText_ = TrFormat(
            PX_TR("Controller", "Could not detect device connected to port \"%s\".\n"), port);
        ReportError(false, MB_ICONERROR);
        return false;
    }
    current_ = found;
    owner_.SetStatusText(
        TrFormat(PX_TR("Controller", "Detected %s on %s..."), found->GetDeviceName(), port));
    if (!found->ConnectModule() && !OfferBridgeUpdate()) {
        errorText_ =
            TrFormat(PX_TR("Controller", "Could not connect to device at port \"%s\".\n"), port);
        ReportError(true, MB_ICONERROR);
        found->CloseLink();
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

bool ModuleController::OfferBridgeUpdate() {
    ControllerLock lock(*this);
    const std::string name = current_ ? current_->GetDeviceName() : std::string();
    const auto bridgeFile = current_ ? current_->GetBridgeFile() : std::nullopt;
    if (!bridgeFile) {
        errorText_ = TrFormatInserts(
            PX_TR(
                "Controller",
                "A '%1' device has been found, but the \"bridge\" software is not responding or it "
                "is "
                "outdated.\n\nYou need to manually download the updated \"bridge\" software to the "
                "device (see instructions).\n"),
            name);
        ReportError(false, MB_ICONWARNING);
        return false;
    }
    errorText_ = TrFormatInserts(
        PX_TR(
            "Controller",
            "A '%1' device has been found, but the \"bridge\" software is not responding or it is "
            "outdated.\n\nDo you want to download the updated \"bridge\" software to the device?"),
        name);
    messageTitle_ = Tr(PX_TR("Controller", "Confirmation"));
    const int answer = ReportError(false, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    if (answer == IDNO) return true;
    return current_->UpdateBridge(settings_.ProgramFolder() + "/data/" + *bridgeFile, &owner_);
}

void ModuleController::Disconnect() {
    ControllerLock lock(*this);
    established_ = false;
    owner_.SetStatusText(Tr(PX_TR("Controller", "Disconnected")));
    if (current_ && !current_->CloseLink()) {
        errorText_ = TrFormat(PX_TR("Controller", "Error while closing the port \"%s\".\n"),
                              settings_.CurrentPort());
        ReportError(true, MB_ICONWARNING);
    }
    current_ = nullptr;
}

bool ModuleController::EnterControlMode() {
    ControllerLock lock(*this);
    if (!current_) {
        SetLastError(Status::InvalidHandle);
    } else {
        current_->PurgeLine();
        if (current_->EnterControlMode()) {
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
    errorText_ = Tr(PX_TR("Controller", "Could not enter control mode.\n"));
    ReportError(true, MB_ICONERROR);
    return false;
}

bool ModuleController::LeaveControlMode() {
    ControllerLock lock(*this);
    if (linkLost_) return false;
    if (!current_) {
        SetLastError(Status::InvalidHandle);
    } else {
        // A long reply delay left in the module would defeat the next detection.
        if (connectionDelayCode_ >= 0 && replyDelayCode_ != connectionDelayCode_)
            SendReplyDelay(connectionDelayCode_);
        connectionDelayCode_ = replyDelayCode_ = -1;
        if (linkLost_) return false;
        current_->PurgeLine();
        if (current_->LeaveControlMode()) return true;
    }
    errorText_ = Tr(PX_TR("Controller", "Could not leave control mode.\n"));
    ReportError(true, MB_ICONWARNING);
    return false;
}

// The delay is sent in steps that widen with it: 1 ms up to 10 ms, 10 ms up
// to 100 ms, 100 ms beyond, as far as 1399 ms (the argument 31).
bool ModuleController::SetReplyDelay(int ms) {
    const std::string failure = Tr(PX_TR("Controller", "Could not set reply delay.\n"));
    const int value = ms > 100 ? ms / 100 + 18 : ms > 10 ? ms / 10 + 9 : ms;
    if (ms < 0 || !IsArgumentValue(value)) return RefuseValues(failure);
    return SendReplyDelay(value);
}

bool ModuleController::SendReplyDelay(int code) {
    Exchange x(*this);
    if (!x.ExpectDone(kCmdReplyDelay, {code}, 30,
                      {Tr(PX_TR("Controller", "Could not set reply delay.\n"))}))
        return false;
    replyDelayCode_ = code;
    return true;
}

bool ModuleController::RefuseValues(const std::string& failure) {
    ControllerLock lock(*this);
    SetLastError(Status::InvalidParameter);
    errorText_ = failure;
    ReportError(true, MB_ICONERROR);
    return false;
}

int ModuleController::ReportError(bool appendSystemText, unsigned style) {
    // The failure that lost the link was the one to show.
    if (linkLost_) return (style & 0x0F) == MB_OK ? IDOK : IDCANCEL;
    switch (style & 0xF0) {
        case MB_ICONERROR:
            messageTitle_ = Tr(PX_TR("Controller", "Error"));
            break;
        case MB_ICONWARNING:
            messageTitle_ = Tr(PX_TR("Controller", "Warning"));
            break;
        case MB_ICONINFORMATION:
            messageTitle_ = Tr(PX_TR("Controller", "Information"));
            break;
        default:
            break;
    }
    if (appendSystemText) {
        const std::error_code last = GetLastError();
        errorText_ += "\n\n";
        if (last) errorText_ += last.message();
    }
    return frontEnd_.MessageBox(errorText_, messageTitle_, style);
}

void ModuleController::MarkLinkLost(std::error_code reason) {
    ControllerLock lock(*this);
    if (!established_ || linkLost_) return;
    lostReason_ = reason;
    linkLost_ = true;
    frontEnd_.PostLinkLost();
}

void ModuleController::SetBusyPrompt(const std::optional<std::string>& text, bool notifyProxy) {
    if (notifyProxy && current_) current_->SetBusy(text.has_value());
    if (text) {
        frontEnd_.ShowBusyPrompt(*text);
        frontEnd_.BeginWaitCursor();
    } else {
        frontEnd_.EndWaitCursor();
        frontEnd_.RemoveBusyPrompt();
    }
}

}  // namespace parlix
