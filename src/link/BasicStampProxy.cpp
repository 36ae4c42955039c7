#include "link/BasicStampProxy.h"

#include "base/ProgressSection.h"
#include "base/SettingsStore.h"
#include "link/ModuleFraming.h"

#include <fmt/format.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace parlix {

namespace {

constexpr std::uint8_t kMoreFollow = 1;
constexpr std::uint8_t kLastByte = 2;
constexpr std::uint8_t kArgumentRequest = 3;
constexpr std::uint8_t kBusy = 4;
constexpr std::uint8_t kSaveLanguage = 5;
constexpr std::uint8_t kLoadLanguage = 6;
constexpr std::uint8_t kProgramSign = '"';
constexpr long kPacketCountOffset = 943;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool BasicStampProxy::DoOpenLink(const std::string& port) {
    return OpenLine(port) && !port_.SetEventMask(EV_BREAK) && !port_.SetReadMode(1);
}

bool BasicStampProxy::EchoedByte(std::uint8_t byte) {
    SleepMs(10);
    std::uint32_t written = 0;
    if (port_.Write(&byte, 1, &written, nullptr, 1000)) return false;
    port_.FlushOutput();
    std::uint8_t echo = 0;
    if (!port_.ReadByte(echo)) return false;
    if (echo != byte) {
        SetLastError(Status::BadReply);
        return false;
    }
    return true;
}

bool BasicStampProxy::AcknowledgedByte(std::uint8_t byte) {
    if (!EchoedByte(byte)) return false;
    std::uint8_t ack = 0;
    if (!port_.ReadByte(ack)) return false;
    if (ack != byte) {
        SetLastError(Status::BadReply);
        return false;
    }
    return true;
}

// Break held while DTR pulses puts the Stamp into its monitor. The port keeps
// no sticky line errors to clear before and after: a failed read reports its
// own status and the purge drops whatever the reset garbled.
bool BasicStampProxy::ResetStamp() {
    if (port_.EscapeFunction(SETBREAK)) return false;
    port_.EscapeFunction(SETDTR);
    SleepMs(10);
    port_.EscapeFunction(CLRDTR);
    SleepMs(50);
    port_.EscapeFunction(CLRBREAK);
    SleepMs(20);
    port_.Purge();
    return true;
}

bool BasicStampProxy::Identify(StampKind kind, std::uint8_t& version) {
    std::uint8_t reply = 0;
    if (kind == StampKind::BS2) {
        for (const std::uint8_t letter : {'B', 'S', '2'}) {
            if (!EchoedByte(letter) || !port_.ReadByte(reply)) return false;
            if (static_cast<std::uint8_t>(reply + letter) != 0) return false;
        }
        return EchoedByte(0) && port_.ReadByte(version);
    }
    if (!EchoedByte(InfoOf(kind).letter) || !port_.ReadByte(reply)) return false;
    const auto v = VersionFromReply(kind, reply);
    if (!v) return false;
    version = *v;
    return true;
}

std::optional<BasicStampProxy::Found> BasicStampProxy::IdentifyAny() {
    port_.SetReadTimeout(100);
    std::optional<Found> found;
    for (const StampKindInfo& info : StampKinds()) {
        if (info.kind == StampKind::BS2px) port_.Configure(19200, 8, 0, 0);
        std::uint8_t version = 0;
        const bool ok = ResetStamp() && Identify(info.kind, version);
        if (info.kind != StampKind::BS2) EchoedByte(0);
        if (ok) {
            found = Found{info.kind, version};
            break;
        }
    }
    port_.SetReadTimeout(1000);
    return found;
}

bool BasicStampProxy::DoDetect() {
    ClearTexts();
    templateName_.clear();
    const auto found = IdentifyAny();
    if (!found) return false;
    deviceName_ = InfoOf(found->kind).name;
    deviceDetail_ = fmt::format("Ver {}.{}", found->version >> 4, found->version & 0x0F);
    bridgeFile_ = settings_.Bridge(deviceName_);
    templateName_ = settings_.Template(deviceName_);
    return true;
}

bool BasicStampProxy::DoConnectModule() {
    if (!EchoedByte(0)) return false;
    port_.Configure(9600, 8, 0, 0);
    SleepMs(50);
    port_.Purge();
    std::uint8_t sign = 0;
    return port_.ReadByteWithin(sign, 3000) && sign == kProgramSign;
}

bool BasicStampProxy::SendPacket(const std::uint8_t (&packet)[18]) {
    std::uint8_t sum = 0;
    for (const std::uint8_t b : packet) sum = static_cast<std::uint8_t>(sum + b);
    if (sum != 0) {
        SetLastError(Status::BadPacketSum);
        return false;
    }
    std::uint32_t written = 0;
    if (port_.Write(packet, 18, &written, nullptr, 1000)) return false;
    port_.FlushOutput();
    std::uint8_t reply[19] = {};
    std::uint32_t got = 0;
    port_.Read(reply, 19, &got, nullptr, static_cast<std::uint32_t>(port_.ReadTimeout()));
    if (got < 19) {
        SetLastError(Status::ShortReply);
        return false;
    }
    for (int i = 0; i < 18; ++i) {
        if (reply[i] != packet[i]) {
            SetLastError(Status::BadReply);
            return false;
        }
    }
    if (reply[18] != 0) {
        SetLastError(Status::PacketRejected);
        return false;
    }
    return true;
}

bool BasicStampProxy::DoUpdateBridge(const std::string& programFile, ProgressSink* progress) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(programFile.c_str(), "rb"));
    if (!file) return false;
    if (std::fseek(file.get(), kPacketCountOffset, SEEK_SET)) return false;
    const int count = std::fgetc(file.get());
    if (count == EOF) return false;
    if (!IdentifyAny()) {
        SetLastError(Status::Unsupported);
        return false;
    }
    std::optional<ProgressSection> section;
    if (progress) section.emplace(*progress, static_cast<std::uint32_t>(count));
    for (;;) {
        const int first = std::fgetc(file.get());
        if (first == EOF || first == 0) break;
        std::uint8_t packet[18] = {static_cast<std::uint8_t>(first)};
        if (std::fread(packet + 1, 1, 17, file.get()) != 17) {
            SetLastError(Status::ShortReply);
            return false;
        }
        if (section) section->Step();
        if (!SendPacket(packet)) return false;
    }
    return !port_.Configure(9600, 8, 0, 0);
}

bool BasicStampProxy::DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) {
    std::vector<std::uint8_t> bytes{command};
    for (const std::int32_t value : args) {
        std::uint8_t b = 0;
        if (!EncodeArgument(value, b)) {
            SetLastError(Status::InvalidParameter);
            return false;
        }
        bytes.push_back(b);
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t marker = i + 1 < bytes.size() ? kMoreFollow : kLastByte;
        if (!AcknowledgedByte(marker) || !AcknowledgedByte(bytes[i])) return false;
    }
    return true;
}

bool BasicStampProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    for (auto& value : values) {
        std::uint8_t reply = 0;
        if (!AcknowledgedByte(kArgumentRequest) || !port_.ReadByte(reply)) return false;
        if (!DecodeArgument(reply, value)) {
            value = reply;
            return false;
        }
    }
    return true;
}

bool BasicStampProxy::DoSetBusy(bool busy) {
    return AcknowledgedByte(kBusy) && AcknowledgedByte(busy ? '1' : '0');
}

bool BasicStampProxy::DoEnterControlMode() {
    if (!Detect() || !ConnectModule()) return false;
    SleepMs(100);
    if (!AcknowledgedByte('U')) return false;
    SleepMs(100);
    return true;
}

bool BasicStampProxy::DoLeaveControlMode() {
    return Detect() && EchoedByte(0);
}

bool BasicStampProxy::DoSaveLanguage(int language) {
    return AcknowledgedByte(kSaveLanguage) && AcknowledgedByte(static_cast<std::uint8_t>(language));
}

bool BasicStampProxy::DoLoadLanguage(std::uint8_t& language) {
    return AcknowledgedByte(kLoadLanguage) && port_.ReadByte(language);
}

}  // namespace parlix
