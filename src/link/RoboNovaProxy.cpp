#include "link/RoboNovaProxy.h"

#include "base/ProgressSection.h"
#include "base/SettingsStore.h"
#include "link/ModuleFraming.h"

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

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

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

bool RoboNovaProxy::DoOpenLink(const std::string& port) {
    Lock lock(portLock_);
    if (!OpenLine(port) || port_.SetReadMode(1)) return false;
    port_.Purge();
    return true;
}

bool RoboNovaProxy::DoCloseLink() {
    Lock lock(portLock_);
    return PortProxy::DoCloseLink();
}

void RoboNovaProxy::PurgeLine() {
    Lock lock(portLock_);
    PortProxy::PurgeLine();
}

bool RoboNovaProxy::ControllerByte(std::uint8_t byte, std::uint8_t& answer) {
    std::uint32_t written = 0;
    if (port_.Write(&byte, 1, &written, nullptr, 1000)) return false;
    port_.FlushOutput();
    return port_.ReadByte(answer);
}

bool RoboNovaProxy::CheckedByte(std::uint8_t byte) {
    std::uint8_t answer = 0;
    if (!ControllerByte(byte, answer)) return false;
    if (answer != byte) {
        SetLastError(Status::BadReply);
        return false;
    }
    return true;
}

bool RoboNovaProxy::CheckedAddress(std::uint16_t address) {
    return CheckedByte(static_cast<std::uint8_t>(address & 0xFF)) &&
           CheckedByte(static_cast<std::uint8_t>(address >> 8));
}

bool RoboNovaProxy::WriteRam(std::uint16_t address, std::uint8_t value) {
    Lock lock(portLock_);
    return CheckedByte(0xF8) && CheckedAddress(address) && CheckedByte(value);
}

bool RoboNovaProxy::ReadRam(std::uint16_t address, std::uint8_t& value) {
    Lock lock(portLock_);
    return CheckedByte(0xF7) && CheckedAddress(address) && ControllerByte(0x00, value);
}

bool RoboNovaProxy::ReadMemory(std::uint8_t op, std::uint16_t address, std::uint8_t& value) {
    Lock lock(portLock_);
    return CheckedByte(op) && CheckedAddress(address) && ControllerByte(0x00, value);
}

bool RoboNovaProxy::WriteMemory(std::uint16_t address, std::uint8_t value) {
    Lock lock(portLock_);
    return CheckedByte(0xF4) && CheckedByte(0x0B) && CheckedAddress(address) &&
           CheckedByte(value) && CheckedByte(value);
}

bool RoboNovaProxy::OutputCommand(std::uint8_t p, std::uint8_t q) {
    Lock lock(portLock_);
    return CheckedByte(0xE3) && CheckedByte(p) && CheckedByte(q);
}

bool RoboNovaProxy::AcknowledgedWrite(std::uint8_t value) {
    if (!WriteRam(kMailbox, value)) return false;
    for (int i = 0; i < 2 * replyWaits_; ++i) {
        SleepMs(50);
        std::uint8_t seen = 0;
        if (!ReadRam(kMailbox, seen)) return false;
        if (seen == kMailboxTaken) return true;
    }
    SetLastError(Status::WaitTimeout);
    return false;
}

bool RoboNovaProxy::DoDetect() {
    Lock lock(portLock_);
    ClearTexts();
    templateName_.clear();
    std::uint8_t answers[6] = {};
    if (!CheckedByte(0xF0)) return false;
    std::uint8_t request = 0x00;
    for (std::uint8_t& answer : answers) {
        if (!ControllerByte(request, answer)) return false;
        request = answer;
    }
    if (answers[0] != 2 || answers[1] != 2 || answers[2] == 0) return false;
    deviceName_ = kName;
    deviceDetail_ = fmt::format("Ver {}.{} - Rom({}K) Ram({}) Stack({})", answers[1], answers[2],
                                answers[3], answers[4], answers[5]);
    bridgeFile_ = settings_.Bridge(deviceName_);
    templateName_ = settings_.Template(deviceName_);
    return true;
}

bool RoboNovaProxy::DoConnectModule() {
    Lock lock(portLock_);
    std::uint8_t memory[16] = {};
    for (std::uint16_t a = 0; a < 16; ++a) {
        if (!ReadMemory(0xF2, a, memory[a])) return false;
    }
    return std::memcmp(memory, kSignature, 8) == 0;
}

bool RoboNovaProxy::DoUpdateBridge(const std::string& programFile, ProgressSink* progress) {
    Lock lock(portLock_);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(programFile.c_str(), "rb"));
    if (!file) return false;
    return Download(file.get(), progress);
}

bool RoboNovaProxy::Download(std::FILE* file, ProgressSink* progress) {
    std::uint16_t count = 0;
    std::uint16_t length = 0;
    if (std::fseek(file, 125, SEEK_SET) || !ReadWord(file, count) || !ReadWord(file, length) ||
        std::fseek(file, static_cast<long>(count) * 35, SEEK_CUR))
        return false;
    std::uint8_t page[kPage] = {};
    std::size_t got = std::fread(page, 1, 16, file);
    std::memcpy(page, kSignature, 8);
    got += std::fread(page + 16, 1, kPage - 16, file);

    std::optional<ProgressSection> section;
    if (progress) section.emplace(*progress, (length + 127u) / 128u);
    if (!CheckedByte(0xEC) || port_.Configure(115200, 8, 0, 0) ||
        !CheckedByte(static_cast<std::uint8_t>(length & 0xFF)) ||
        !CheckedByte(static_cast<std::uint8_t>(length >> 8)))
        return false;
    for (;;) {
        std::uint8_t answer = 0;
        if (!ControllerByte('?', answer)) return false;
        if (answer != '!') {
            SetLastError(Status::BadReply);
            return false;
        }
        std::uint8_t sum = 0;
        for (const std::uint8_t b : page) sum = static_cast<std::uint8_t>(sum + b);
        std::uint32_t written = 0;
        if (port_.Write(page, kPage, &written, nullptr, 1000) ||
            port_.Write(&sum, 1, &written, nullptr, 1000))
            return false;
        port_.FlushOutput();
        if (section) section->Step();
        if (got < kPage || std::feof(file)) break;
        std::memset(page, 0, sizeof page);
        got = std::fread(page, 1, kPage, file);
        if (got == 0) break;
    }
    std::uint8_t end = 0;
    if (!port_.ReadByte(end)) return false;
    if (end != 'E') {
        SetLastError(Status::BadReply);
        return false;
    }
    SleepMs(1000);
    return !port_.Configure(9600, 8, 0, 0) && CheckedByte(0xFC);
}

bool RoboNovaProxy::DoSendCommand(std::uint8_t command, std::span<const std::int32_t> args) {
    std::vector<std::uint8_t> bytes(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!EncodeArgument(args[i], bytes[i])) {
            SetLastError(Status::InvalidParameter);
            return false;
        }
    }
    SleepMs(50);
    if (!AcknowledgedWrite(kMailboxAttention) || !AcknowledgedWrite(command)) return false;
    if (busy_ && !OutputCommand(52, 0)) return false;
    for (const std::uint8_t b : bytes) {
        if (!AcknowledgedWrite(b)) return false;
    }
    if (!WriteRam(kMailbox, kMailboxReply)) return false;
    SleepMs(50);
    return true;
}

bool RoboNovaProxy::DoReceiveStatus(std::uint8_t& status, int tenths) {
    const long tries = tenths < 0 ? -1 : 2L * tenths + 1;
    for (long i = 0; tries < 0 || i < tries; ++i) {
        std::uint8_t value = 0;
        if (!ReadRam(kMailbox, value)) return false;
        if (value != kMailboxReply) {
            status = value;
            return true;
        }
        SleepMs(50);
    }
    SetLastError(Status::WaitTimeout);
    return false;
}

bool RoboNovaProxy::DoReceiveArguments(std::span<std::int32_t> values) {
    for (auto& value : values) {
        std::uint8_t reply = 0;
        if (!WriteRam(kMailbox, kMailboxReply) || !ReceiveStatus(reply, replyWaits_)) return false;
        if (!DecodeArgument(reply, value)) {
            value = reply;
            return false;
        }
    }
    return true;
}

bool RoboNovaProxy::DoSetBusy(bool busy) {
    busy_ = busy;
    return busy || OutputCommand(52, 1);
}

bool RoboNovaProxy::DoEnterControlMode() {
    SleepMs(1500);
    return AcknowledgedWrite(kMailboxAttention);
}

bool RoboNovaProxy::DoLeaveControlMode() {
    return AcknowledgedWrite(kMailboxAttention) && WriteRam(kMailbox, 0);
}

bool RoboNovaProxy::DoSaveLanguage(int language) {
    return WriteMemory(kLanguageAddress, static_cast<std::uint8_t>(language));
}

bool RoboNovaProxy::DoLoadLanguage(std::uint8_t& language) {
    return ReadMemory(0xF2, kLanguageAddress, language);
}

}  // namespace parlix
