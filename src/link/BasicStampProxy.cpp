#include "link/BasicStampProxy.h"

#include "base/ProgressSection.h"
#include "base/SettingsStore.h"
#include "link/ModuleFraming.h"
#include "link/ProgramFile.h"

#include <fmt/format.h>

#include <cstdio>
#include <memory>
#include <optional>
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

}  // namespace

LinkResult BasicStampProxy::DoOpenLink(const std::string& port) {
    LinkResult r = OpenLine(port);
    if (r) r = LinkResult::Line(port_.SetEventMask(EV_BREAK));
    if (r) r = LinkResult::Line(port_.SetReadMode(1));
    return r;
}

// A Stamp left relaying would take the next connection's probes for module
// bytes: as leaving control mode does, reset it and start its program afresh.
LinkResult BasicStampProxy::DoCloseLink() {
    if (bridged_) {
        Found found{};
        if (IdentifyAny(found)) EchoedByte(0);
    }
    bridged_ = resync_ = false;
    return PortProxy::DoCloseLink();
}

LinkResult BasicStampProxy::Resynchronise() {
    if (!resync_ || !bridged_) return LinkResult::WithoutLine(true);
    return DoEnterControlMode();
}

LinkResult BasicStampProxy::EchoedByte(std::uint8_t byte) {
    SleepMs(10);
    std::uint32_t written = 0;
    if (const auto ec = port_.Write(&byte, 1, &written, nullptr, 1000)) return LinkResult::Fail(ec);
    port_.FlushOutput();
    std::uint8_t echo = 0;
    LinkResult r = port_.ReadByte(echo);
    if (r && echo != byte) r = LinkResult::Fail(Status::BadReply);
    if (!r) resync_ = true;
    return r;
}

LinkResult BasicStampProxy::AcknowledgedByte(std::uint8_t byte) {
    if (const LinkResult r = EchoedByte(byte); !r) return r;
    std::uint8_t ack = 0;
    LinkResult r = port_.ReadByte(ack);
    if (r && ack != byte) r = LinkResult::Fail(Status::BadReply);
    if (!r) resync_ = true;
    return r;
}

// Break held while DTR pulses puts the Stamp into its monitor. The port keeps
// no sticky line errors to clear before and after: a failed read reports its
// own status and the purge drops whatever the reset garbled.
LinkResult BasicStampProxy::ResetStamp() {
    if (const auto ec = port_.EscapeFunction(SETBREAK)) return LinkResult::Fail(ec);
    bridged_ = resync_ = false;
    port_.EscapeFunction(SETDTR);
    SleepMs(10);
    port_.EscapeFunction(CLRDTR);
    SleepMs(50);
    port_.EscapeFunction(CLRBREAK);
    SleepMs(20);
    return {true, port_.Purge()};
}

LinkResult BasicStampProxy::Identify(StampKind kind, std::uint8_t& version) {
    std::uint8_t reply = 0;
    LinkResult r;
    if (kind == StampKind::BS2) {
        for (const std::uint8_t letter : {'B', 'S', '2'}) {
            r = EchoedByte(letter);
            if (r) r = port_.ReadByte(reply);
            if (!r) return r;
            if (static_cast<std::uint8_t>(reply + letter) != 0) return r.Refused();
        }
        r = EchoedByte(0);
        if (r) r = port_.ReadByte(version);
        return r;
    }
    r = EchoedByte(InfoOf(kind).letter);
    if (r) r = port_.ReadByte(reply);
    if (!r) return r;
    const auto v = VersionFromReply(kind, reply);
    if (!v) return r.Refused();
    version = *v;
    return r;
}

LinkResult BasicStampProxy::IdentifyAny(Found& found) {
    port_.SetReadTimeout(100);
    LinkResult r;
    for (const StampKindInfo& info : StampKinds()) {
        if (info.kind == StampKind::BS2px) port_.Configure(19200, 8, 0, 0);
        std::uint8_t version = 0;
        r = ResetStamp();
        if (r) r = Identify(info.kind, version);
        // Every kind but the BS2 gets a closing 0, whose status is the one left.
        if (info.kind != StampKind::BS2) r.reason = EchoedByte(0).reason;
        if (r) {
            found = Found{info.kind, version};
            break;
        }
    }
    port_.SetReadTimeout(1000);
    return r;
}

LinkResult BasicStampProxy::DoDetect() {
    ClearTexts();
    templateName_.clear();
    Found found{};
    const LinkResult r = IdentifyAny(found);
    if (!r) return r;
    deviceName_ = InfoOf(found.kind).name;
    deviceDetail_ = fmt::format("Ver {}.{}", found.version >> 4, found.version & 0x0F);
    bridgeFile_ = settings_.Bridge(deviceName_);
    templateName_ = settings_.Template(deviceName_);
    return r;
}

LinkResult BasicStampProxy::DoConnectModule() {
    if (const LinkResult r = EchoedByte(0); !r) return r;
    port_.Configure(9600, 8, 0, 0);
    SleepMs(50);
    port_.Purge();
    std::uint8_t sign = 0;
    const LinkResult r = port_.ReadByteWithin(sign, 3000);
    return r && sign != kProgramSign ? r.Refused() : r;
}

LinkResult BasicStampProxy::SendPacket(const std::uint8_t (&packet)[18]) {
    std::uint8_t sum = 0;
    for (const std::uint8_t b : packet) sum = static_cast<std::uint8_t>(sum + b);
    if (sum != 0) return LinkResult::Fail(Status::BadPacketSum);
    std::uint32_t written = 0;
    if (const auto ec = port_.Write(packet, 18, &written, nullptr, 1000))
        return LinkResult::Fail(ec);
    port_.FlushOutput();
    std::uint8_t reply[19] = {};
    std::uint32_t got = 0;
    const std::error_code read =
        port_.Read(reply, 19, &got, nullptr, static_cast<std::uint32_t>(port_.ReadTimeout()));
    if (got < 19) return LinkResult::Fail(Status::ShortReply);
    for (int i = 0; i < 18; ++i) {
        if (reply[i] != packet[i]) return LinkResult::Fail(Status::BadReply);
    }
    if (reply[18] != 0) return LinkResult::Fail(Status::PacketRejected);
    return {true, read};
}

// A program file that cannot be read fails before the line is used, with no reason of its own.
LinkResult BasicStampProxy::DoUpdateBridge(const std::string& programFile, ProgressSink* progress) {
    const ProgramFile file = OpenProgramFile(programFile);
    if (!file) return LinkResult::WithoutLine(false);
    if (std::fseek(file.get(), kPacketCountOffset, SEEK_SET)) return LinkResult::WithoutLine(false);
    const int count = std::fgetc(file.get());
    if (count == EOF) return LinkResult::WithoutLine(false);
    Found found{};
    if (!IdentifyAny(found)) return LinkResult::Fail(Status::Unsupported);
    std::optional<ProgressSection> section;
    if (progress) section.emplace(*progress, static_cast<std::uint32_t>(count));
    for (;;) {
        const int first = std::fgetc(file.get());
        if (first == EOF || first == 0) break;
        std::uint8_t packet[18] = {static_cast<std::uint8_t>(first)};
        if (std::fread(packet + 1, 1, 17, file.get()) != 17)
            return LinkResult::Fail(Status::ShortReply);
        if (section) section->Step();
        if (const LinkResult r = SendPacket(packet); !r) return r;
    }
    return LinkResult::Line(port_.Configure(9600, 8, 0, 0));
}

LinkResult BasicStampProxy::DoSendCommand(std::uint8_t command,
                                          std::span<const std::int32_t> args) {
    std::vector<std::uint8_t> bytes{command};
    for (const std::int32_t value : args) {
        std::uint8_t b = 0;
        if (!EncodeArgument(value, b)) return LinkResult::Fail(Status::InvalidParameter);
        bytes.push_back(b);
    }
    LinkResult r = Resynchronise();
    if (!r) return r;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint8_t marker = i + 1 < bytes.size() ? kMoreFollow : kLastByte;
        r = AcknowledgedByte(marker);
        if (r) r = AcknowledgedByte(bytes[i]);
        if (!r) return r;
    }
    return r;
}

LinkResult BasicStampProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    LinkResult r = LinkResult::WithoutLine(true);
    for (auto& value : values) {
        std::uint8_t reply = 0;
        r = AcknowledgedByte(kArgumentRequest);
        if (r) r = port_.ReadByte(reply);
        if (!r) return r;
        if (!DecodeArgument(reply, value)) {
            value = reply;
            resync_ = true;  // perhaps a bridge code that came late
            return r.Refused();
        }
    }
    return r;
}

LinkResult BasicStampProxy::DoSetBusy(bool busy) {
    LinkResult r = Resynchronise();
    if (r) r = AcknowledgedByte(kBusy);
    if (r) r = AcknowledgedByte(busy ? '1' : '0');
    return r;
}

LinkResult BasicStampProxy::DoEnterControlMode() {
    LinkResult r = Detect();
    if (r) r = ConnectModule();
    if (!r) return r;
    SleepMs(100);
    bridged_ = true;
    if (!(r = AcknowledgedByte('U'))) return r;
    SleepMs(100);
    return r;
}

LinkResult BasicStampProxy::DoLeaveControlMode() {
    LinkResult r = Detect();
    if (r) r = EchoedByte(0);
    return r;
}

LinkResult BasicStampProxy::DoSaveLanguage(int language) {
    LinkResult r = Resynchronise();
    if (r) r = AcknowledgedByte(kSaveLanguage);
    if (r) r = AcknowledgedByte(static_cast<std::uint8_t>(language));
    return r;
}

LinkResult BasicStampProxy::DoLoadLanguage(std::uint8_t& language) {
    LinkResult r = Resynchronise();
    if (r) r = AcknowledgedByte(kLoadLanguage);
    if (r) r = port_.ReadByte(language);
    return r;
}

}  // namespace parlix
