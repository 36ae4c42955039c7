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
    LinkResult DoCloseLink() override;
    LinkResult DoUpdateBridge(const std::string& programFile, ProgressSink* progress) override;
    LinkResult DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) override;
    LinkResult DoReceiveStatus(std::uint8_t& status, int tenths) override;
    LinkResult DoReceiveArguments(std::span<std::int32_t> values) override;
    LinkResult DoSetBusy(bool busy) override;
    LinkResult DoSaveLanguage(int language) override;
    LinkResult DoLoadLanguage(std::uint8_t& language) override;

    // Opens the port for bounded transfers at 9600 8N1 without flow control.
    LinkResult OpenLine(const std::string& port);
    // 'b' with any reply, then 'b' answered 'o'.
    LinkResult ControlModeExchange();
    // One space per value, each answered with an argument byte, at the current pacing.
    LinkResult FetchArguments(std::span<std::int32_t> values);
    void ClearTexts();

    SettingsStore& settings_;
    ModulePort port_;
    std::string deviceName_;
    std::string deviceDetail_;
    std::string bridgeFile_;
    std::string templateName_;
};

}  // namespace parlix
