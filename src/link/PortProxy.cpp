#include "link/PortProxy.h"

#include "base/SettingsStore.h"
#include "link/ModuleFraming.h"

#include <vector>

namespace parlix {

bool PortProxy::OpenLine(const std::string& port) {
    return !port_.Open(port, 0, 0, true) && !port_.Configure(9600, 8, 0, 0) &&
           !port_.SetHandshaking(0);
}

bool PortProxy::DoCloseLink() {
    return !port_.Close();
}

void PortProxy::PurgeLine() {
    port_.Purge();
}

bool PortProxy::DoUpdateBridge(const std::string&, ProgressSink*) {
    SetLastError(Status::Unsupported);
    return false;
}

std::optional<std::string> PortProxy::GetBridgeFile() const {
    if (bridgeFile_.empty()) return std::nullopt;
    return bridgeFile_;
}

// A command with a value the framing cannot carry is refused whole, before
// any of its bytes goes out.
bool PortProxy::DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) {
    std::vector<std::uint8_t> bytes(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!EncodeArgument(args[i], bytes[i])) {
            SetLastError(Status::InvalidParameter);
            return false;
        }
    }
    port_.Purge();  // drop what an earlier exchange left behind
    if (!port_.WriteByte(command)) return false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!port_.WriteByte(bytes[i])) return false;
        if (NeedsPauseAfterArgument(command, i, args)) port_.Pause(50);
    }
    return true;
}

bool PortProxy::DoReceiveStatus(std::uint8_t& status, int tenths) {
    if (port_.ReadByteWithin(status, tenths < 0 ? -1 : tenths * 100)) return true;
    if (port_.LastError() == Status::Timeout) SetLastError(Status::WaitTimeout);
    return false;
}

bool PortProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    const int pacing = port_.WritePacing();
    port_.SetWritePacing(-1);  // argument requests go out back to back
    const bool ok = FetchArguments(values);
    port_.SetWritePacing(pacing);
    return ok;
}

bool PortProxy::FetchArguments(std::span<std::int32_t> values) {
    for (auto& value : values) {
        std::uint8_t reply = 0;
        if (!port_.Query(kArgRequest, reply)) return false;
        if (!DecodeArgument(reply, value)) {
            // The byte stays in the value: a stream that ends answers with a status.
            value = reply;
            return false;
        }
    }
    return true;
}

bool PortProxy::DoSetBusy(bool) {
    return true;
}

bool PortProxy::DoSaveLanguage(int language) {
    settings_.SetLangVR(language);
    return true;
}

bool PortProxy::DoLoadLanguage(std::uint8_t& language) {
    language = static_cast<std::uint8_t>(settings_.GetLangVR());
    return true;
}

bool PortProxy::ControlModeExchange() {
    std::uint8_t reply = 0;
    return port_.Query('b', reply) && port_.Expect('b', 'o');
}

void PortProxy::ClearTexts() {
    deviceName_.clear();
    deviceDetail_.clear();
    bridgeFile_.clear();
}

}  // namespace parlix
