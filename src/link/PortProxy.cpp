#include "link/PortProxy.h"

#include "base/SettingsStore.h"
#include "link/ModuleFraming.h"

#include <vector>

namespace parlix {

LinkResult PortProxy::OpenLine(const std::string& port) {
    LinkResult r = LinkResult::Line(port_.Open(port, 0, 0, true));
    if (r) r = LinkResult::Line(port_.Configure(9600, 8, 0, 0));
    if (r) r = LinkResult::Line(port_.SetHandshaking(0));
    return r;
}

LinkResult PortProxy::DoCloseLink() {
    return LinkResult::Line(port_.Close());
}

void PortProxy::PurgeLine() {
    port_.Purge();
}

LinkResult PortProxy::DoUpdateBridge(const std::string&, ProgressSink*) {
    return LinkResult::Fail(Status::Unsupported);
}

std::optional<std::string> PortProxy::GetBridgeFile() const {
    if (bridgeFile_.empty()) return std::nullopt;
    return bridgeFile_;
}

// A command with a value the framing cannot carry is refused whole, before
// any of its bytes goes out.
LinkResult PortProxy::DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) {
    std::vector<std::uint8_t> bytes(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!EncodeArgument(args[i], bytes[i])) return LinkResult::Fail(Status::InvalidParameter);
    }
    port_.Purge();  // drop what an earlier exchange left behind
    LinkResult r = port_.WriteByte(command);
    for (std::size_t i = 0; r && i < args.size(); ++i) {
        r = port_.WriteByte(bytes[i]);
        if (r && NeedsPauseAfterArgument(command, i, args)) port_.Pause(50);
    }
    return r;
}

LinkResult PortProxy::DoReceiveStatus(std::uint8_t& status, int tenths) {
    const LinkResult r = port_.ReadByteWithin(status, tenths < 0 ? -1 : tenths * 100);
    if (!r && r.reason == Status::Timeout) return LinkResult::Fail(Status::WaitTimeout);
    return r;
}

LinkResult PortProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    const int pacing = port_.WritePacing();
    port_.SetWritePacing(-1);  // argument requests go out back to back
    const LinkResult r = FetchArguments(values);
    port_.SetWritePacing(pacing);
    return r;
}

LinkResult PortProxy::FetchArguments(std::span<std::int32_t> values) {
    LinkResult r = LinkResult::WithoutLine(true);
    for (auto& value : values) {
        std::uint8_t reply = 0;
        if (!(r = port_.Query(kArgRequest, reply))) return r;
        if (!DecodeArgument(reply, value)) {
            // The byte stays in the value: a stream that ends answers with a status.
            value = reply;
            return r.Refused();
        }
    }
    return r;
}

LinkResult PortProxy::DoSetBusy(bool) {
    return LinkResult::WithoutLine(true);
}

LinkResult PortProxy::DoSaveLanguage(int language) {
    settings_.SetLangVR(language);
    return LinkResult::WithoutLine(true);
}

LinkResult PortProxy::DoLoadLanguage(std::uint8_t& language) {
    language = static_cast<std::uint8_t>(settings_.GetLangVR());
    return LinkResult::WithoutLine(true);
}

LinkResult PortProxy::ControlModeExchange() {
    std::uint8_t reply = 0;
    LinkResult r = port_.Query('b', reply);
    if (r) r = port_.Expect('b', 'o');
    return r;
}

void PortProxy::ClearTexts() {
    deviceName_.clear();
    deviceDetail_.clear();
    bridgeFile_.clear();
}

}  // namespace parlix
