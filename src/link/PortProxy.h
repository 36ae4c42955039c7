// The part every proxy shares: its own module port, the four texts that
// detection fills, and the direct framing that most links reuse.
#pragma once

#include "link/ModulePort.h"
#include "link/VoiceProxy.h"

#include <string>

namespace parlix {

class SettingsStore;

class PortProxy : public VoiceProxy {
  public:
    explicit PortProxy(SettingsStore& settings) : settings_(settings) {}

    void PurgeLine() override;
    std::string GetDeviceName() const override { return deviceName_; }
    std::string GetDeviceDetail() const override { return deviceDetail_; }
    std::optional<std::string> GetBridgeFile() const override;
    std::string GetTemplateName() const override { return templateName_; }

    ModulePort& Port() { return port_; }

  protected:
    bool DoCloseLink() override;
    bool DoUpdateBridge(const std::string& programFile, ProgressSink* progress) override;
    bool DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) override;
    bool DoReceiveStatus(std::uint8_t& status, int tenths) override;
    bool DoReceiveArguments(std::span<std::int32_t> values) override;
    bool DoSetBusy(bool busy) override;
    bool DoSaveLanguage(int language) override;
    bool DoLoadLanguage(std::uint8_t& language) override;

    // Opens the port for bounded transfers at 9600 8N1 without flow control.
    bool OpenLine(const std::string& port);
    // 'b' with any reply, then 'b' answered 'o'.
    bool ControlModeExchange();
    // One space per value, each answered with an argument byte, at the current pacing.
    bool FetchArguments(std::span<std::int32_t> values);
    void ClearTexts();

    SettingsStore& settings_;
    ModulePort port_;
    std::string deviceName_;
    std::string deviceDetail_;
    std::string bridgeFile_;
    std::string templateName_;
};

}  // namespace parlix
