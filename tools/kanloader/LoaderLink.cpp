#include "LoaderLink.h"

#include "base/Status.h"

namespace kanloader {
namespace {

constexpr std::uint8_t kWake[] = {0xA5, 0xC3, 0x96, 0xE1};
constexpr std::uint8_t kReady = 0xB7;
constexpr std::uint8_t kStart = 0x01;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kRefused = 0x18;
constexpr int kWakeWaitMs = 300;
constexpr int kAnswerSlackMs = 200;

}  // namespace

std::uint16_t Crc16(const std::uint8_t* data, std::size_t size, std::uint16_t crc) {
    for (std::size_t i = 0; i < size; ++i) {
        crc = static_cast<std::uint16_t>(crc ^ (data[i] << 8));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

int LoaderLink::WireMs(std::size_t bytes) const {
    return static_cast<int>((bytes * 10 * 1000 + baud_ - 1) / baud_);
}

bool LoaderLink::SetLine(std::uint32_t baud) {
    if (port_.Configure(baud, 8, 0, 0)) return false;
    baud_ = baud;
    return true;
}

bool LoaderLink::ReadByte(std::uint8_t& byte, int timeoutMs, bool& lost) {
    std::uint32_t got = 0;
    const std::error_code ec =
        port_.Read(&byte, 1, &got, nullptr, static_cast<std::uint32_t>(timeoutMs));
    if (ec && ec != parlix::Status::Timeout) lost = true;
    return !ec && got == 1;
}

bool LoaderLink::DropLateAnswers(int quietMs) {
    port_.Purge();
    std::uint8_t byte = 0;
    bool lost = false;
    while (ReadByte(byte, quietMs, lost)) {
    }
    return lost;
}

Outcome LoaderLink::Wake(int& version) {
    for (int attempt = 0; attempt < kTries; ++attempt) {
        port_.Purge();
        std::uint32_t written = 0;
        if (port_.Write(kWake, sizeof kWake, &written, nullptr, 1000) || port_.FlushOutput())
            return Outcome::LineLost;
        const auto deadline = WireMs(2) + kWakeWaitMs;
        std::uint8_t byte = 0;
        bool lost = false;
        // Anything before the ready byte is what a running module still had to say.
        while (ReadByte(byte, deadline, lost)) {
            if (byte != kReady) continue;
            if (!ReadByte(byte, deadline, lost)) break;
            version = byte;
            return Outcome::Ok;
        }
        if (lost) return Outcome::LineLost;
    }
    return Outcome::NoAnswer;
}

Outcome LoaderLink::Exchange(char command, const std::vector<std::uint8_t>& payload,
                             std::vector<std::uint8_t>& reply, std::size_t replySize,
                             int extraWaitMs) {
    std::vector<std::uint8_t> frame{kStart, static_cast<std::uint8_t>(command),
                                    static_cast<std::uint8_t>(payload.size()),
                                    static_cast<std::uint8_t>(payload.size() >> 8)};
    frame.insert(frame.end(), payload.begin(), payload.end());
    const std::uint16_t crc = Crc16(frame.data() + 1, frame.size() - 1);
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));

    // The wait counts from when the frame has left: a line may hold written bytes for long.
    const int waitMs = WireMs(1 + replySize) + kAnswerSlackMs + extraWaitMs;
    const auto writeMs = static_cast<std::uint32_t>(WireMs(frame.size()) + kAnswerSlackMs);
    bool answered = false;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        // A late answer to the try before must not pass for the answer to
        // this one, nor this one's for the next frame's.
        if (attempt > 0 && DropLateAnswers(waitMs)) return Outcome::LineLost;
        std::uint32_t written = 0;
        if (port_.Write(frame.data(), static_cast<std::uint32_t>(frame.size()), &written, nullptr,
                        writeMs) ||
            port_.FlushOutput())
            return Outcome::LineLost;
        std::uint8_t status = 0;
        bool lost = false;
        if (!ReadByte(status, waitMs, lost)) {
            if (lost) return Outcome::LineLost;
            continue;
        }
        answered = true;
        if (status == kRefused) return Outcome::Refused;
        if (status != kAck) continue;  // a NAK (0x15), or noise: the frame goes again
        reply.assign(replySize, 0);
        std::uint32_t got = 0;
        if (replySize > 0) {
            const std::error_code ec =
                port_.Read(reply.data(), static_cast<std::uint32_t>(replySize), &got, nullptr,
                           static_cast<std::uint32_t>(waitMs));
            if (ec && ec != parlix::Status::Timeout) return Outcome::LineLost;
            if (got != replySize) continue;
        }
        return Outcome::Ok;
    }
    return answered ? Outcome::Rejected : Outcome::NoAnswer;
}

Outcome LoaderLink::SwitchRate(std::uint32_t baud) {
    std::vector<std::uint8_t> reply;
    const Outcome switched =
        Exchange('S',
                 {static_cast<std::uint8_t>(baud), static_cast<std::uint8_t>(baud >> 8),
                  static_cast<std::uint8_t>(baud >> 16), static_cast<std::uint8_t>(baud >> 24)},
                 reply);
    if (switched != Outcome::Ok) return switched;
    port_.FlushOutput();
    if (!SetLine(baud)) return Outcome::LineLost;
    port_.Pause(kRateSettleMs);
    return Exchange('P', {}, reply);
}

}  // namespace kanloader
