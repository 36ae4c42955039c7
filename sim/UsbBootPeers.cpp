#include "sim/UsbBootPeers.h"

#include <cstdio>

namespace parlix::sim {

BootLoaderStep Avr109Peer::OnByte(std::uint8_t byte) {
    switch (byte) {
        case 'S':
            return {{'C', 'A', 'T', 'E', 'R', 'I', 'N'}};
        case 'V':
            return {{'1', '0'}};
        case 'p':
            return {{'S'}};
        case 'E':
            return {{0x0D}, BootLoaderStep::Then::StartSketch};
        case 0x1B:  // sync byte: ignored
            return {};
        default:
            return {{'?'}};
    }
}

BootLoaderStep SambaPeer::OnFramingError() {
    command_.clear();
    return {};
}

BootLoaderStep SambaPeer::OnByte(std::uint8_t byte) {
    if (byte != '#') {
        if (command_.size() < 64) command_ += static_cast<char>(byte);
        return {};
    }
    BootLoaderStep step = Execute();
    command_.clear();
    return step;
}

BootLoaderStep SambaPeer::Execute() {
    if (command_ == "N") return {{'\n', '\r'}};
    if (command_ == "V") {
        const std::string version = "v1.1 Dec 15 2010 19:25:04\n\r";
        return {std::vector<std::uint8_t>(version.begin(), version.end())};
    }
    unsigned address = 0;
    unsigned value = 0;
    if (command_.size() == 18 && command_[0] == 'W' &&
        std::sscanf(command_.c_str() + 1, "%8X,%8X", &address, &value) == 2) {
        if (address == 0x400E0A04 && value == 0x5A00010B) bootFromFlash_ = true;
        if (address == 0x400E1A00 && (value >> 24) == 0xA5 && (value & 1)) {
            return {
                {},
                bootFromFlash_ ? BootLoaderStep::Then::StartSketch : BootLoaderStep::Then::Restart};
        }
    }
    return {};
}

}  // namespace parlix::sim
