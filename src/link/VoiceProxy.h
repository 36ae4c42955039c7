// VoiceProxy: the link to the module, whichever way it is wired. The
// controller talks to the current proxy only through these operations; each
// returns whether it worked together with the reason the line gave.
#pragma once

#include "link/LinkResult.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace parlix {

class ProgressSink;

class VoiceProxy {
  public:
    virtual ~VoiceProxy() = default;

    LinkResult OpenLink(const std::string& port) { return DoOpenLink(port); }
    LinkResult CloseLink() { return DoCloseLink(); }
    virtual void PurgeLine() = 0;
    LinkResult Detect() { return DoDetect(); }
    LinkResult ConnectModule() { return DoConnectModule(); }
    LinkResult UpdateBridge(const std::string& programFile, ProgressSink* progress) {
        return DoUpdateBridge(programFile, progress);
    }
    virtual std::string GetDeviceName() const = 0;
    virtual std::string GetDeviceDetail() const = 0;
    virtual std::optional<std::string> GetBridgeFile() const = 0;
    virtual std::string GetTemplateName() const = 0;
    LinkResult SendCommand(std::uint8_t command, std::span<const std::int32_t> args) {
        return DoSendCommand(command, args);
    }
    // A negative time-out waits without limit.
    LinkResult ReceiveStatus(std::uint8_t& status, int tenths) {
        return DoReceiveStatus(status, tenths);
    }
    LinkResult ReceiveArguments(std::span<std::int32_t> values) {
        return DoReceiveArguments(values);
    }
    LinkResult SetBusy(bool busy) { return DoSetBusy(busy); }
    LinkResult EnterControlMode() { return DoEnterControlMode(); }
    LinkResult LeaveControlMode() { return DoLeaveControlMode(); }
    LinkResult SaveLanguage(int language) { return DoSaveLanguage(language); }
    LinkResult LoadLanguage(std::uint8_t& language) { return DoLoadLanguage(language); }

  protected:
    // The operations of each link.
    virtual LinkResult DoOpenLink(const std::string& port) = 0;
    virtual LinkResult DoCloseLink() = 0;
    virtual LinkResult DoDetect() = 0;
    virtual LinkResult DoConnectModule() = 0;
    virtual LinkResult DoUpdateBridge(const std::string& programFile, ProgressSink* progress) = 0;
    virtual LinkResult DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) = 0;
    virtual LinkResult DoReceiveStatus(std::uint8_t& status, int tenths) = 0;
    virtual LinkResult DoReceiveArguments(std::span<std::int32_t> values) = 0;
    virtual LinkResult DoSetBusy(bool busy) = 0;
    virtual LinkResult DoEnterControlMode() = 0;
    virtual LinkResult DoLeaveControlMode() = 0;
    virtual LinkResult DoSaveLanguage(int language) = 0;
    virtual LinkResult DoLoadLanguage(std::uint8_t& language) = 0;
};

}  // namespace parlix
