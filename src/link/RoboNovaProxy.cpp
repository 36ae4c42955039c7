#include "link/RoboNovaProxy.h"

#include "base/ProgressSection.h"
#include "base/SettingsStore.h"
#include "link/ModuleFraming.h"
#include "link/ProgramFile.h"

#include <fmt/format.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace parlix {

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

constexpr std::uint16_t kMailbox = 320;
constexpr std::uint16_t kLanguageAddress = 20;
constexpr std::uint8_t kMailboxAttention = 2;
constexpr std::uint8_t kMailboxReply = 3;
constexpr std::uint8_t kMailboxTaken = 1;
constexpr char kSignature[] = "$Zorin.1";
constexpr const char* kName = "MRC3024";
constexpr int kPage = 128;

std::uint8_t Low(std::uint16_t address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

std::uint8_t High(std::uint16_t address) {
    return static_cast<std::uint8_t>(address >> 8);
}

bool ReadWord(std::FILE* file, std::uint16_t& word) {
    std::uint8_t b[2];
    if (std::fread(b, 1, 2, file) != 2) return false;
    word = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
}

}  // namespace

RoboNovaProxy::RoboNovaProxy(SettingsStore& settings) : PortProxy(settings) {
    port_.SetReadTimeout(1000);
}

LinkResult RoboNovaProxy::DoOpenLink(const std::string& port) {
    Lock lock(portLock_);
    if (const LinkResult r = OpenLine(port); !r) return r;
    if (const auto ec = port_.SetReadMode(1)) return LinkResult::Fail(ec);
    return {true, port_.Purge()};
}

LinkResult RoboNovaProxy::DoCloseLink() {
    Lock lock(portLock_);
    return PortProxy::DoCloseLink();
}

void RoboNovaProxy::PurgeLine() {
    Lock lock(portLock_);
    PortProxy::PurgeLine();
}

LinkResult RoboNovaProxy::ControllerByte(std::uint8_t byte, std::uint8_t& answer) {
    std::uint32_t written = 0;
    if (const auto ec = port_.Write(&byte, 1, &written, nullptr, 1000)) return LinkResult::Fail(ec);
    port_.FlushOutput();
    return port_.ReadByte(answer);
}

LinkResult RoboNovaProxy::CheckedByte(std::uint8_t byte) {
    std::uint8_t answer = 0;
    const LinkResult r = ControllerByte(byte, answer);
    if (r && answer != byte) return LinkResult::Fail(Status::BadReply);
    return r;
}

// Sends one controller operation, every byte answered and checked; with
// `value`, the last byte's answer is the value read. After a byte that went
// wrong the rest of the operation still goes out, answers unchecked, so that
// the controller ends it where the desk does and takes the next operation's
// first byte as a new request rather than as an address or a value.
LinkResult RoboNovaProxy::Operation(std::initializer_list<std::uint8_t> bytes,
                                    std::uint8_t* value) {
    Lock lock(portLock_);
    LinkResult r = LinkResult::WithoutLine(true);
    const std::uint8_t* last = bytes.end() - 1;
    for (const std::uint8_t* b = bytes.begin(); b != bytes.end(); ++b) {
        std::uint8_t answer = 0;
        if (!r) {
            // Nothing more when the line has stopped answering altogether.
            if (!ControllerByte(*b, answer)) break;
            continue;
        }
        r = ControllerByte(*b, answer);
        if (r && value && b == last)
            *value = answer;
        else if (r && answer != *b)
            r = LinkResult::Fail(Status::BadReply);
    }
    return r;
}

LinkResult RoboNovaProxy::WriteRam(std::uint16_t address, std::uint8_t value) {
    return Operation({0xF8, Low(address), High(address), value});
}

LinkResult RoboNovaProxy::ReadRam(std::uint16_t address, std::uint8_t& value) {
    return Operation({0xF7, Low(address), High(address), 0x00}, &value);
}

LinkResult RoboNovaProxy::ReadMemory(std::uint8_t op, std::uint16_t address, std::uint8_t& value) {
    return Operation({op, Low(address), High(address), 0x00}, &value);
}

LinkResult RoboNovaProxy::WriteMemory(std::uint16_t address, std::uint8_t value) {
    return Operation({0xF4, 0x0B, Low(address), High(address), value, value});
}

LinkResult RoboNovaProxy::OutputCommand(std::uint8_t p, std::uint8_t q) {
    return Operation({0xE3, p, q});
}

LinkResult RoboNovaProxy::AcknowledgedWrite(std::uint8_t value) {
    if (const LinkResult r = WriteRam(kMailbox, value); !r) return r;
    for (int i = 0; i < 2 * replyWaits_; ++i) {
        SleepMs(50);
        std::uint8_t seen = 0;
        const LinkResult r = ReadRam(kMailbox, seen);
        if (!r || seen == kMailboxTaken) return r;
    }
    return LinkResult::Fail(Status::WaitTimeout);
}

LinkResult RoboNovaProxy::DoDetect() {
    Lock lock(portLock_);
    ClearTexts();
    templateName_.clear();
    std::uint8_t answers[6] = {};
    LinkResult r = CheckedByte(0xF0);
    if (!r) return r;
    std::uint8_t request = 0x00;
    for (std::uint8_t& answer : answers) {
        if (!(r = ControllerByte(request, answer))) return r;
        request = answer;
    }
    if (answers[0] != 2 || answers[1] != 2 || answers[2] == 0) return r.Refused();
    deviceName_ = kName;
    deviceDetail_ = fmt::format("Ver {}.{} - Rom({}K) Ram({}) Stack({})", answers[1], answers[2],
                                answers[3], answers[4], answers[5]);
    bridgeFile_ = settings_.Bridge(deviceName_);
    templateName_ = settings_.Template(deviceName_);
    return r;
}

LinkResult RoboNovaProxy::DoConnectModule() {
    Lock lock(portLock_);
    std::uint8_t memory[16] = {};
    LinkResult r;
    for (std::uint16_t a = 0; a < 16; ++a) {
        if (!(r = ReadMemory(0xF2, a, memory[a]))) return r;
    }
    return std::memcmp(memory, kSignature, 8) == 0 ? r : r.Refused();
}

// A program file that cannot be read fails before the line is used, with no reason of its own.
LinkResult RoboNovaProxy::DoUpdateBridge(const std::string& programFile, ProgressSink* progress) {
    Lock lock(portLock_);
    const ProgramFile file = OpenProgramFile(programFile);
    if (!file) return LinkResult::WithoutLine(false);
    return Download(file.get(), progress);
}

LinkResult RoboNovaProxy::Download(std::FILE* file, ProgressSink* progress) {
    std::uint16_t count = 0;
    std::uint16_t length = 0;
    if (std::fseek(file, 125, SEEK_SET) || !ReadWord(file, count) || !ReadWord(file, length) ||
        std::fseek(file, static_cast<long>(count) * 35, SEEK_CUR))
        return LinkResult::WithoutLine(false);
    std::uint8_t page[kPage] = {};
    std::size_t got = std::fread(page, 1, 16, file);
    std::memcpy(page, kSignature, 8);
    got += std::fread(page + 16, 1, kPage - 16, file);

    std::optional<ProgressSection> section;
    if (progress) section.emplace(*progress, (length + 127u) / 128u);
    LinkResult r = CheckedByte(0xEC);
    if (r) r = LinkResult::Line(port_.Configure(115200, 8, 0, 0));
    if (r) r = CheckedByte(static_cast<std::uint8_t>(length & 0xFF));
    if (r) r = CheckedByte(static_cast<std::uint8_t>(length >> 8));
    if (!r) return r;
    for (;;) {
        std::uint8_t answer = 0;
        if (!(r = ControllerByte('?', answer))) return r;
        if (answer != '!') return LinkResult::Fail(Status::BadReply);
        std::uint8_t sum = 0;
        for (const std::uint8_t b : page) sum = static_cast<std::uint8_t>(sum + b);
        std::uint32_t written = 0;
        if (const auto ec = port_.Write(page, kPage, &written, nullptr, 1000))
            return LinkResult::Fail(ec);
        if (const auto ec = port_.Write(&sum, 1, &written, nullptr, 1000))
            return LinkResult::Fail(ec);
        port_.FlushOutput();
        if (section) section->Step();
        if (got < kPage || std::feof(file)) break;
        std::memset(page, 0, sizeof page);
        got = std::fread(page, 1, kPage, file);
        if (got == 0) break;
    }
    std::uint8_t end = 0;
    if (!(r = port_.ReadByte(end))) return r;
    if (end != 'E') return LinkResult::Fail(Status::BadReply);
    SleepMs(1000);
    r = LinkResult::Line(port_.Configure(9600, 8, 0, 0));
    if (r) r = CheckedByte(0xFC);
    return r;
}

LinkResult RoboNovaProxy::DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) {
    std::vector<std::uint8_t> bytes(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!EncodeArgument(args[i], bytes[i])) return LinkResult::Fail(Status::InvalidParameter);
    }
    SleepMs(50);
    LinkResult r = AcknowledgedWrite(kMailboxAttention);
    if (r) r = AcknowledgedWrite(command);
    if (r && busy_) r = OutputCommand(52, 0);
    for (const std::uint8_t b : bytes) {
        if (!r) break;
        r = AcknowledgedWrite(b);
    }
    if (r) r = WriteRam(kMailbox, kMailboxReply);
    if (!r) return r;
    SleepMs(50);
    return r;
}

LinkResult RoboNovaProxy::DoReceiveStatus(std::uint8_t& status, int tenths) {
    const long tries = tenths < 0 ? -1 : 2L * tenths + 1;
    for (long i = 0; tries < 0 || i < tries; ++i) {
        std::uint8_t value = 0;
        const LinkResult r = ReadRam(kMailbox, value);
        if (!r) return r;
        if (value != kMailboxReply) {
            status = value;
            return r;
        }
        SleepMs(50);
    }
    return LinkResult::Fail(Status::WaitTimeout);
}

LinkResult RoboNovaProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    LinkResult r = LinkResult::WithoutLine(true);
    for (auto& value : values) {
        std::uint8_t reply = 0;
        r = WriteRam(kMailbox, kMailboxReply);
        if (r) r = ReceiveStatus(reply, replyWaits_);
        if (!r) return r;
        if (!DecodeArgument(reply, value)) {
            value = reply;
            return r.Refused();
        }
    }
    return r;
}

LinkResult RoboNovaProxy::DoSetBusy(bool busy) {
    busy_ = busy;
    return busy ? LinkResult::WithoutLine(true) : OutputCommand(52, 1);
}

LinkResult RoboNovaProxy::DoEnterControlMode() {
    SleepMs(1500);
    return AcknowledgedWrite(kMailboxAttention);
}

LinkResult RoboNovaProxy::DoLeaveControlMode() {
    LinkResult r = AcknowledgedWrite(kMailboxAttention);
    if (r) r = WriteRam(kMailbox, 0);
    return r;
}

LinkResult RoboNovaProxy::DoSaveLanguage(int language) {
    return WriteMemory(kLanguageAddress, static_cast<std::uint8_t>(language));
}

LinkResult RoboNovaProxy::DoLoadLanguage(std::uint8_t& language) {
    return ReadMemory(0xF2, kLanguageAddress, language);
}

}  // namespace parlix
