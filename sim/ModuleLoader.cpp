#include "sim/ModuleLoader.h"

#include "sim/ModuleDevice.h"

#include <thread>

namespace parlix::sim {
namespace {

constexpr std::uint8_t kReady = 0xB7;
constexpr std::uint8_t kVersion = 0x01;
constexpr std::uint8_t kStart = 0x01;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kRefused = 0x18;
constexpr std::size_t kMaxWrite = 256;
constexpr std::uint32_t kMaxVerify = 1024;
constexpr std::chrono::milliseconds kPoll{50};

std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

bool LoaderWake::Feed(std::uint8_t byte) {
    if (byte != kSequence[matched_]) matched_ = 0;
    if (byte == kSequence[matched_]) ++matched_;
    if (matched_ < std::size(kSequence)) return false;
    matched_ = 0;
    return true;
}

std::uint16_t LoaderCrc16(const std::uint8_t* data, std::size_t size, std::uint16_t crc) {
    for (std::size_t i = 0; i < size; ++i) {
        crc = static_cast<std::uint16_t>(crc ^ (data[i] << 8));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

bool ApplyFirmwareImage(const FlashBytes& flash, std::uint8_t& identity) {
    std::uint8_t header[kFirmwareHeaderSize];
    for (std::uint32_t i = 0; i < kFirmwareHeaderSize; ++i) {
        const auto it = flash.find(i);
        if (it == flash.end()) return false;
        header[i] = it->second;
    }
    if (header[0] != 'P' || header[1] != 'X' || header[2] != 'F' || header[3] != 'W') return false;
    if (header[4] < 'A' || header[4] > 'Z') return false;
    const std::uint32_t length = Le32(header + 8);
    if (length > ModuleLoader::kFlashEnd - kFirmwareHeaderSize) return false;
    // The whole code must have arrived: no hole may run as erased flash.
    const auto first = flash.lower_bound(kFirmwareHeaderSize);
    const auto last = flash.lower_bound(kFirmwareHeaderSize + length);
    if (static_cast<std::uint32_t>(std::distance(first, last)) != length) return false;
    identity = header[4];
    return true;
}

bool ModuleLoader::Run(bool greet) {
    if (greet) Greet();
    while (!io_.Stopping()) {
        if (device_.TakeUnplug()) {
            io_.Unplug();
            return false;
        }
        if (handedOver_) return true;
        io_.TakeBreak();
        const auto now = Clock::now();
        if (!frame_.empty() && now - lastByte_ > kFrameGap) {
            frame_.clear();
            Send(kNak);
        }
        if (rate_ != kSlowBaud && now - lastFrame_ > kRateFallback) rate_ = kSlowBaud;
        if (const auto byte = io_.Read(kPoll)) OnByte(*byte);
    }
    return false;
}

void ModuleLoader::Greet() {
    Send(kReady);
    Send(kVersion);
}

void ModuleLoader::OnByte(std::uint8_t byte) {
    // At another rate than the loader's, a byte is noise.
    if (io_.Line().baud != rate_) {
        frame_.clear();
        return;
    }
    lastByte_ = Clock::now();
    if (frame_.empty()) {
        if (wake_.Feed(byte)) {
            Greet();
            return;
        }
        if (byte != kStart) return;
    }
    frame_.push_back(byte);
    if (frame_.size() == 4 && PayloadSize() > kMaxPayload) {
        frame_.clear();
        Send(kNak);
        return;
    }
    if (frame_.size() >= 4 && frame_.size() == 6u + PayloadSize()) {
        OnFrame();
        frame_.clear();
    }
}

std::size_t ModuleLoader::PayloadSize() const {
    return frame_[2] | (static_cast<std::size_t>(frame_[3]) << 8);
}

void ModuleLoader::Send(std::uint8_t byte) {
    // The reply faults strike the loader's answers as they do the firmware's.
    const bool spared = device_.SpareReplyByte();
    // A late answer: the loader takes nothing from the line meanwhile, as
    // one busy in its flash would not.
    const auto until = Clock::now() + std::chrono::milliseconds(device_.SlowReplyMs(spared));
    while (!io_.Stopping() && Clock::now() < until)
        std::this_thread::sleep_for(std::min<Clock::duration>(until - Clock::now(), kPoll));
    const auto out = device_.ApplyFaults(byte, spared);
    if (out) io_.Write(io_.Line().baud == rate_ ? *out : 0xFF);
}

std::uint8_t ModuleLoader::Verify(std::uint32_t address, std::uint32_t size,
                                  std::uint16_t& crc) const {
    crc = 0xFFFF;
    device_.WithLoader([&](LoaderState& state, ModuleMemory&) {
        for (std::uint32_t a = address; a < address + size; ++a) {
            const auto it = state.flash.find(a);
            const std::uint8_t value = it == state.flash.end() ? 0xFF : it->second;
            crc = LoaderCrc16(&value, 1, crc);
        }
    });
    return kAck;
}

void ModuleLoader::OnFrame() {
    const std::size_t n = PayloadSize();
    const std::uint16_t crc = LoaderCrc16(frame_.data() + 1, n + 3);
    if (crc != ((frame_[4 + n] << 8) | frame_[5 + n])) {
        Send(kNak);
        return;
    }
    lastFrame_ = Clock::now();
    const std::uint8_t* p = frame_.data() + 4;
    switch (frame_[1]) {
        case 'B':
            if (n != 1 || (p[0] != 'F' && p[0] != 'D')) break;
            device_.WithLoader([&](LoaderState& state, ModuleMemory&) {
                state.kind = static_cast<char>(p[0]);
                state.flash.clear();
            });
            Send(kAck);
            return;
        case 'S': {
            if (n != 4) break;
            const std::uint32_t baud = Le32(p);
            if (baud != kSlowBaud && baud != kFastBaud) break;
            Send(kAck);
            rate_ = baud;
            return;
        }
        case 'P':
            if (n != 0) break;
            Send(kAck);
            return;
        case 'E': {
            if (n != 4) break;
            const std::uint32_t address = Le32(p);
            if (address % kSector != 0 || address >= kFlashEnd) break;
            std::this_thread::sleep_for(kEraseTime);
            device_.WithLoader([&](LoaderState& state, ModuleMemory&) {
                state.flash.erase(state.flash.lower_bound(address),
                                  state.flash.lower_bound(address + kSector));
            });
            Send(kAck);
            return;
        }
        case 'W': {
            if (n < 5 || n > 4 + kMaxWrite) break;
            const std::uint32_t address = Le32(p);
            if (address >= kFlashEnd || kFlashEnd - address < n - 4) break;
            device_.WithLoader([&](LoaderState& state, ModuleMemory&) {
                for (std::size_t i = 4; i < n; ++i)
                    state.flash[address + static_cast<std::uint32_t>(i - 4)] = p[i];
            });
            Send(kAck);
            return;
        }
        case 'V': {
            if (n != 6) break;
            const std::uint32_t address = Le32(p);
            const std::uint32_t size = p[4] | (static_cast<std::uint32_t>(p[5]) << 8);
            if (size == 0 || size > kMaxVerify || address >= kFlashEnd ||
                kFlashEnd - address < size)
                break;
            std::uint16_t sum = 0;
            Send(Verify(address, size, sum));
            Send(static_cast<std::uint8_t>(sum >> 8));
            Send(static_cast<std::uint8_t>(sum & 0xFF));
            return;
        }
        case 'G': {
            if (n != 0) break;
            bool applied = false;
            device_.WithLoader([&](LoaderState& state, ModuleMemory& memory) {
                if (state.kind == 'F') {
                    std::uint8_t identity = 0;
                    applied = ApplyFirmwareImage(state.flash, identity);
                    if (applied) memory.identity = identity;
                } else {
                    applied = ApplyCustomDataImage(state.flash, memory);
                }
                if (!applied) return;
                state.active = false;
                state.flash.clear();
            });
            if (!applied) break;
            Send(kAck);
            handedOver_ = true;
            return;
        }
        default:
            break;
    }
    Send(kRefused);
}

}  // namespace parlix::sim
