// VoiceProxy: the link to the module, whichever way it is wired. The
// controller talks to the current proxy only through these operations; each
// returns whether it worked together with the reason the line gave.
#pragma once

#include "base/Status.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace parlix {

class ProgressSink;

// The outcome of one link operation: whether it worked, and the status the
// line or the protocol left when it ended, which names the reason of a
// failure (a failure the line did not see has none).
struct LinkResult {
    bool ok = false;
    std::error_code reason;
    explicit operator bool() const { return ok; }
};

class VoiceProxy {
  public:
    virtual ~VoiceProxy() = default;

    LinkResult OpenLink(const std::string& port) { return Outcome(DoOpenLink(port)); }
    LinkResult CloseLink() { return Outcome(DoCloseLink()); }
    virtual void PurgeLine() = 0;
    LinkResult Detect() { return Outcome(DoDetect()); }
    LinkResult ConnectModule() { return Outcome(DoConnectModule()); }
    LinkResult UpdateBridge(const std::string& programFile, ProgressSink* progress) {
        return Outcome(DoUpdateBridge(programFile, progress));
    }
    virtual std::string GetDeviceName() const = 0;
    virtual std::string GetDeviceDetail() const = 0;
    virtual std::optional<std::string> GetBridgeFile() const = 0;
    virtual std::string GetTemplateName() const = 0;
    LinkResult SendCommand(std::uint8_t command, std::span<const std::int32_t> args) {
        return Outcome(DoSendCommand(command, args));
    }
    // A negative time-out waits without limit.
    LinkResult ReceiveStatus(std::uint8_t& status, int tenths) {
        return Outcome(DoReceiveStatus(status, tenths));
    }
    LinkResult ReceiveArguments(std::span<std::int32_t> values) {
        return Outcome(DoReceiveArguments(values));
    }
    LinkResult SetBusy(bool busy) { return Outcome(DoSetBusy(busy)); }
    LinkResult EnterControlMode() { return Outcome(DoEnterControlMode()); }
    LinkResult LeaveControlMode() { return Outcome(DoLeaveControlMode()); }
    LinkResult SaveLanguage(int language) { return Outcome(DoSaveLanguage(language)); }
    LinkResult LoadLanguage(std::uint8_t& language) { return Outcome(DoLoadLanguage(language)); }

  protected:
    // The operations of each link. They leave their status as the thread's
    // last error, as the serial port does, and the public operations above
    // hand it on as a value.
    virtual bool DoOpenLink(const std::string& port) = 0;
    virtual bool DoCloseLink() = 0;
    virtual bool DoDetect() = 0;
    virtual bool DoConnectModule() = 0;
    virtual bool DoUpdateBridge(const std::string& programFile, ProgressSink* progress) = 0;
    virtual bool DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) = 0;
    virtual bool DoReceiveStatus(std::uint8_t& status, int tenths) = 0;
    virtual bool DoReceiveArguments(std::span<std::int32_t> values) = 0;
    virtual bool DoSetBusy(bool busy) = 0;
    virtual bool DoEnterControlMode() = 0;
    virtual bool DoLeaveControlMode() = 0;
    virtual bool DoSaveLanguage(int language) = 0;
    virtual bool DoLoadLanguage(std::uint8_t& language) = 0;

  private:
    static LinkResult Outcome(bool ok) { return {ok, GetLastError()}; }
};

}  // namespace parlix
