#include "sim/Stk500v2Peer.h"

namespace parlix::sim {

namespace {
constexpr std::uint8_t kStart = 0x1B;
constexpr std::uint8_t kToken = 0x0E;
constexpr std::uint8_t kStatusOk = 0x00;
constexpr std::uint8_t kStatusFailed = 0xC0;
}  // namespace

void Stk500v2Peer::Reset() {
    frame_.clear();
}

BootLoaderStep Stk500v2Peer::OnFramingError() {
    frame_.clear();
    return {};
}

BootLoaderStep Stk500v2Peer::OnByte(std::uint8_t byte) {
    if (frame_.empty() && byte != kStart) return {};
    frame_.push_back(byte);
    if (frame_.size() == 5 && frame_[4] != kToken) {
        frame_.clear();
        return {};
    }
    if (frame_.size() < 5) return {};
    const std::size_t length = (frame_[2] << 8) | frame_[3];
    if (frame_.size() < 5 + length + 1) return {};
    std::uint8_t sum = 0;
    for (const std::uint8_t b : frame_) sum ^= b;
    BootLoaderStep step;
    if (sum == 0 && length > 0) step = Answer();
    frame_.clear();
    return step;
}

std::vector<std::uint8_t> Stk500v2Peer::Frame(std::uint8_t sequence, std::uint8_t command,
                                              const std::vector<std::uint8_t>& data) {
    const std::size_t length = data.size() + 1;
    std::vector<std::uint8_t> out;
    out.reserve(length + 6);
    for (const std::uint8_t b : {kStart, sequence, static_cast<std::uint8_t>(length >> 8),
                                 static_cast<std::uint8_t>(length & 0xFF), kToken, command})
        out.push_back(b);
    for (const std::uint8_t b : data) out.push_back(b);
    std::uint8_t sum = 0;
    for (const std::uint8_t b : out) sum ^= b;
    out.push_back(sum);
    return out;
}

BootLoaderStep Stk500v2Peer::Answer() {
    const std::uint8_t sequence = frame_[1];
    const std::uint8_t command = frame_[5];
    BootLoaderStep step;
    switch (command) {
        case 0x01:  // sign on
            step.reply =
                Frame(sequence, command, {kStatusOk, 8, 'A', 'V', 'R', 'I', 'S', 'P', '_', '2'});
            break;
        case 0x03: {  // get parameter
            const std::uint8_t parameter = frame_.size() > 7 ? frame_[6] : 0;
            std::uint8_t value = 0x00;
            if (parameter == 0x90)
                value = 0x0F;  // hardware version
            else if (parameter == 0x91)
                value = 0x02;  // software major
            else if (parameter == 0x92)
                value = 0x0A;  // software minor
            step.reply = Frame(sequence, command, {kStatusOk, value});
            break;
        }
        case 0x10:  // enter programming mode
            step.reply = Frame(sequence, command, {kStatusOk});
            break;
        case 0x11:  // leave programming mode: the sketch starts
            step.reply = Frame(sequence, command, {kStatusOk});
            step.then = BootLoaderStep::Then::StartSketch;
            break;
        default:
            step.reply = Frame(sequence, command, {kStatusFailed});
            break;
    }
    return step;
}

}  // namespace parlix::sim
