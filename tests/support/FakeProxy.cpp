#include "support/FakeProxy.h"

#include "support/StatusCodes.h"

namespace parlix::test {

void FakeProxy::Log(const std::string& entry) {
    calls.push_back(entry);
    if (sharedLog) sharedLog->push_back(tag_ + ":" + entry);
}

bool FakeProxy::DoOpenLink(const std::string& port) {
    Log("open:" + port);
    if (!openResult) SetLastError(openError);
    return openResult;
}

bool FakeProxy::DoCloseLink() {
    Log("close");
    return closeResult;
}

bool FakeProxy::DoDetect() {
    Log("detect");
    return detectResult;
}

bool FakeProxy::DoConnectModule() {
    Log("connect");
    if (!connectResult) SetLastError(ParlixCode(258));  // wait time-out
    return connectResult;
}

bool FakeProxy::DoUpdateBridge(const std::string& programFile, ProgressSink*) {
    Log("update:" + programFile);
    return updateResult;
}

bool FakeProxy::DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) {
    std::string entry = "send:";
    entry += static_cast<char>(command);
    entry += "[";
    for (std::size_t i = 0; i < args.size(); ++i) entry += (i ? "," : "") + std::to_string(args[i]);
    entry += "]";
    Log(entry);
    return true;
}

bool FakeProxy::DoReceiveStatus(std::uint8_t& status, int tenths) {
    statusTimeouts.push_back(tenths);
    if (statuses.empty() || !statuses.front()) {
        if (!statuses.empty()) statuses.pop_front();
        SetLastError(ParlixCode(258));  // wait time-out
        return false;
    }
    status = *statuses.front();
    statuses.pop_front();
    return true;
}

bool FakeProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    Log("fetch:" + std::to_string(values.size()));
    for (auto& value : values) {
        if (arguments.empty() || !arguments.front()) {
            if (!arguments.empty()) arguments.pop_front();
            SetLastError(ParlixCode(1460));  // transfer time-out
            return false;
        }
        value = *arguments.front();
        arguments.pop_front();
    }
    return true;
}

bool FakeProxy::DoSetBusy(bool busy) {
    Log(busy ? "busy:on" : "busy:off");
    return true;
}

bool FakeProxy::DoEnterControlMode() {
    Log("enter");
    if (!controlModeResult) SetLastError(ParlixCode(1460));  // transfer time-out
    return controlModeResult;
}

bool FakeProxy::DoLeaveControlMode() {
    Log("leave");
    if (!controlModeResult) SetLastError(ParlixCode(1460));  // transfer time-out
    return controlModeResult;
}

bool FakeProxy::DoSaveLanguage(int lang) {
    Log("save-language:" + std::to_string(lang));
    language = static_cast<std::uint8_t>(lang);
    return true;
}

bool FakeProxy::DoLoadLanguage(std::uint8_t& lang) {
    Log("load-language");
    lang = language;
    return true;
}

}  // namespace parlix::test
