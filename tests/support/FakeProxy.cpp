#include "support/FakeProxy.h"

#include "support/StatusCodes.h"

namespace parlix::test {

void FakeProxy::Log(const std::string& entry) {
    calls.push_back(entry);
    if (sharedLog) sharedLog->push_back(tag_ + ":" + entry);
}

LinkResult FakeProxy::DoOpenLink(const std::string& port) {
    Log("open:" + port);
    return openResult ? LinkResult::WithoutLine(true) : LinkResult::Fail(openError);
}

LinkResult FakeProxy::DoCloseLink() {
    Log("close");
    return {closeResult, closeError};
}

LinkResult FakeProxy::DoDetect() {
    Log("detect");
    return LinkResult::WithoutLine(detectResult);
}

LinkResult FakeProxy::DoConnectModule() {
    Log("connect");
    if (!connectResult) return LinkResult::Fail(ParlixCode(258));  // wait time-out
    return LinkResult::WithoutLine(true);
}

LinkResult FakeProxy::DoUpdateBridge(const std::string& programFile, ProgressSink*) {
    Log("update:" + programFile);
    return LinkResult::WithoutLine(updateResult);
}

LinkResult FakeProxy::DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) {
    std::string entry = "send:";
    entry += static_cast<char>(command);
    entry += "[";
    for (std::size_t i = 0; i < args.size(); ++i) entry += (i ? "," : "") + std::to_string(args[i]);
    entry += "]";
    Log(entry);
    return LinkResult::WithoutLine(true);
}

LinkResult FakeProxy::DoReceiveStatus(std::uint8_t& status, int tenths) {
    statusTimeouts.push_back(tenths);
    if (statuses.empty() || !statuses.front()) {
        if (!statuses.empty()) statuses.pop_front();
        return LinkResult::Fail(ParlixCode(258));  // wait time-out
    }
    status = *statuses.front();
    statuses.pop_front();
    return LinkResult::WithoutLine(true);
}

LinkResult FakeProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    Log("fetch:" + std::to_string(values.size()));
    for (auto& value : values) {
        if (arguments.empty() || !arguments.front()) {
            if (!arguments.empty()) arguments.pop_front();
            return LinkResult::Fail(ParlixCode(1460));  // transfer time-out
        }
        value = *arguments.front();
        arguments.pop_front();
    }
    return LinkResult::WithoutLine(true);
}

LinkResult FakeProxy::DoSetBusy(bool busy) {
    Log(busy ? "busy:on" : "busy:off");
    return LinkResult::WithoutLine(true);
}

LinkResult FakeProxy::DoEnterControlMode() {
    Log("enter");
    if (!controlModeResult) return LinkResult::Fail(ParlixCode(1460));  // transfer time-out
    return LinkResult::WithoutLine(true);
}

LinkResult FakeProxy::DoLeaveControlMode() {
    Log("leave");
    if (!controlModeResult) return LinkResult::Fail(ParlixCode(1460));  // transfer time-out
    return LinkResult::WithoutLine(true);
}

LinkResult FakeProxy::DoSaveLanguage(int lang) {
    Log("save-language:" + std::to_string(lang));
    language = static_cast<std::uint8_t>(lang);
    return LinkResult::WithoutLine(true);
}

LinkResult FakeProxy::DoLoadLanguage(std::uint8_t& lang) {
    Log("load-language");
    lang = language;
    return LinkResult::WithoutLine(true);
}

}  // namespace parlix::test
