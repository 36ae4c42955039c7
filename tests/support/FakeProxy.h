// A scripted link for controller tests: records every call and answers from
// queues, so that a test states exactly what the module says.
#pragma once

#include "base/Status.h"
#include "link/VoiceProxy.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace parlix::test {

class FakeProxy : public VoiceProxy {
  public:
    explicit FakeProxy(std::string tag = "fake") : tag_(std::move(tag)) {}

    // Script.
    bool openResult = true;
    std::error_code openError = ErrnoCode(2);
    bool detectResult = false;
    bool connectResult = true;
    bool closeResult = true;
    bool controlModeResult = true;
    std::string deviceName = "Parlix";
    std::string deviceDetail = "Rev 2";
    std::optional<std::string> bridgeFile;
    bool updateResult = true;
    std::deque<std::optional<std::uint8_t>> statuses;   // nullopt: time-out
    std::deque<std::optional<std::int32_t>> arguments;  // nullopt: missing reply
    std::uint8_t language = 0;

    // What happened, in order, e.g. "open:COM3", "detect", "send:y[0]".
    std::vector<std::string> calls;
    std::vector<std::string>* sharedLog = nullptr;  // several fakes logging into one list

    bool DoOpenLink(const std::string& port) override;
    bool DoCloseLink() override;
    void PurgeLine() override { Log("purge"); }
    bool DoDetect() override;
    bool DoConnectModule() override;
    bool DoUpdateBridge(const std::string& programFile, ProgressSink* progress) override;
    std::string GetDeviceName() const override { return deviceName; }
    std::string GetDeviceDetail() const override { return deviceDetail; }
    std::optional<std::string> GetBridgeFile() const override { return bridgeFile; }
    std::string GetTemplateName() const override { return {}; }
    bool DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) override;
    bool DoReceiveStatus(std::uint8_t& status, int tenths) override;
    bool DoReceiveArguments(std::span<std::int32_t> values) override;
    bool DoSetBusy(bool busy) override;
    bool DoEnterControlMode() override;
    bool DoLeaveControlMode() override;
    bool DoSaveLanguage(int lang) override;
    bool DoLoadLanguage(std::uint8_t& lang) override;

    std::vector<int> statusTimeouts;  // tenths asked of each ReceiveStatus

  private:
    void Log(const std::string& entry);
    std::string tag_;
};

}  // namespace parlix::test
