// A scripted link for controller tests: records every call and answers from
// queues, so that a test states exactly what the module says. Only the
// failures it is told of carry a reason; the rest leave none.
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
    std::optional<std::error_code> closeError;  // none: the close leaves no status
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

    LinkResult DoOpenLink(const std::string& port) override;
    LinkResult DoCloseLink() override;
    void PurgeLine() override { Log("purge"); }
    LinkResult DoDetect() override;
    LinkResult DoConnectModule() override;
    LinkResult DoUpdateBridge(const std::string& programFile, ProgressSink* progress) override;
    std::string GetDeviceName() const override { return deviceName; }
    std::string GetDeviceDetail() const override { return deviceDetail; }
    std::optional<std::string> GetBridgeFile() const override { return bridgeFile; }
    std::string GetTemplateName() const override { return {}; }
    LinkResult DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) override;
    LinkResult DoReceiveStatus(std::uint8_t& status, int tenths) override;
    LinkResult DoReceiveArguments(std::span<std::int32_t> values) override;
    LinkResult DoSetBusy(bool busy) override;
    LinkResult DoEnterControlMode() override;
    LinkResult DoLeaveControlMode() override;
    LinkResult DoSaveLanguage(int lang) override;
    LinkResult DoLoadLanguage(std::uint8_t& lang) override;

    std::vector<int> statusTimeouts;  // tenths asked of each ReceiveStatus

  private:
    void Log(const std::string& entry);
    std::string tag_;
};

}  // namespace parlix::test
