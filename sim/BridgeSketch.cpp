#include "sim/BridgeSketch.h"

namespace parlix::sim {

void BridgeSketch::Begin(EepromMarker& eeprom, std::uint32_t bootLoaderBaud) {
    const bool afterExchange = eeprom[0] == 'B' && eeprom[1] == 'b';
    baud_ = afterExchange ? bootLoaderBaud : kBaud;
    relaying_ = afterExchange;
    lastByteAt_ = {};
    eeprom = {'B', 'B'};
}

BridgeSketch::Step BridgeSketch::OnByte(std::uint8_t byte, Clock::time_point arrivedAt) {
    const bool afterQuiet = arrivedAt - lastByteAt_ >= kQuietBeforeEnd;
    lastByteAt_ = arrivedAt;
    if (byte == 0xBB) return {0xCC, false};
    if (byte == 0xDD) {
        relaying_ = true;
        return {0xEE, false};
    }
    if (!relaying_) return {};
    if (byte == '?' && afterQuiet) {
        relaying_ = false;
        return {};
    }
    return {std::nullopt, true};
}

}  // namespace parlix::sim
