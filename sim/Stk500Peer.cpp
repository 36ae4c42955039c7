#include "sim/Stk500Peer.h"

namespace parlix::sim {

namespace {
constexpr std::uint8_t kInSync = 0x14;
constexpr std::uint8_t kOk = 0x10;
constexpr std::uint8_t kEndOfRequest = 0x20;
}  // namespace

void Stk500Peer::Reset() {
    request_.clear();
}

std::size_t Stk500Peer::ArgumentCount() const {
    switch (request_[0]) {
        case 'A':  // get parameter
            return 1;
        case 'B':  // set device
            return 20;
        case 'E':  // set extended device
            return 5;
        case 'U':  // load address, low byte first
            return 2;
        case 'V':  // universal
            return 4;
        case 't':  // read page: length high, low, memory
            return 3;
        case 'd':  // program page: length high, low, memory, data
            return request_.size() >= 3 ? 3 + ((request_[1] << 8) | request_[2]) : 3;
        default:
            return 0;
    }
}

BootLoaderStep Stk500Peer::OnByte(std::uint8_t byte) {
    request_.push_back(byte);
    // The command byte and its arguments, then the closing space.
    if (request_.size() < ArgumentCount() + 2) return {};
    if (byte != kEndOfRequest) return OutOfSync();
    BootLoaderStep step = Answer();
    request_.clear();
    return step;
}

BootLoaderStep Stk500Peer::OnFramingError() {
    return OutOfSync();
}

BootLoaderStep Stk500Peer::OutOfSync() {
    request_.clear();
    if (signOn_) return {};  // ATmegaBOOT waits for a request it understands
    return {{}, BootLoaderStep::Then::StartSketch};
}

BootLoaderStep Stk500Peer::Answer() {
    BootLoaderStep step;
    step.reply.push_back(kInSync);
    switch (request_[0]) {
        case '1':
            if (signOn_) step.reply.insert(step.reply.end(), {'A', 'V', 'R', ' ', 'I', 'S', 'P'});
            break;
        case 'A':
            step.reply.push_back(request_[1] == 0x81 ? 0x04 : 0x03);
            break;
        case 'U':
            address_ = static_cast<std::uint16_t>(request_[1] | (request_[2] << 8));
            break;
        case 'u':
            step.reply.insert(step.reply.end(), {0x1E, 0x95, 0x0F});
            break;
        case 't': {
            const int length = (request_[1] << 8) | request_[2];
            for (int i = 0; i < length; ++i) {
                const std::size_t at = address_ + static_cast<std::size_t>(i);
                const bool eeprom = request_[3] == 'E';
                step.reply.push_back(eeprom && at < eeprom_.size() ? eeprom_[at] : 0xFF);
            }
            break;
        }
        case 'd':
            if (request_[3] == 'E' && eepromTakes_) {
                for (std::size_t i = 4; i < request_.size() - 1; ++i) {
                    const std::size_t at = address_ + (i - 4);
                    if (at < eeprom_.size()) eeprom_[at] = request_[i];
                }
            }
            break;
        case 'Q':
            if (!signOn_) step.then = BootLoaderStep::Then::StartSketch;
            break;
        default:
            break;
    }
    step.reply.push_back(kOk);
    return step;
}

}  // namespace parlix::sim
