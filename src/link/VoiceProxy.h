// VoiceProxy: the link to the module, whichever way it is wired. The
// controller talks to the current proxy only through these operations.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace parlix {

class ProgressSink;

class VoiceProxy {
  public:
    virtual ~VoiceProxy() = default;

    virtual bool OpenLink(const std::string& port) = 0;
    virtual bool CloseLink() = 0;
    virtual void PurgeLine() = 0;
    virtual bool Detect() = 0;
    virtual bool ConnectModule() = 0;
    virtual bool UpdateBridge(const std::string& programFile, ProgressSink* progress) = 0;
    virtual std::string GetDeviceName() const = 0;
    virtual std::string GetDeviceDetail() const = 0;
    virtual std::optional<std::string> GetBridgeFile() const = 0;
    virtual std::string GetTemplateName() const = 0;
    virtual bool SendCommand(std::uint8_t command, std::span<const std::int32_t> args) = 0;
    // A negative time-out waits without limit.
    virtual bool ReceiveStatus(std::uint8_t& status, int tenths) = 0;
    virtual bool ReceiveArguments(std::span<std::int32_t> values) = 0;
    virtual bool SetBusy(bool busy) = 0;
    virtual bool EnterControlMode() = 0;
    virtual bool LeaveControlMode() = 0;
    virtual bool SaveLanguage(int language) = 0;
    virtual bool LoadLanguage(std::uint8_t& language) = 0;
};

}  // namespace parlix
