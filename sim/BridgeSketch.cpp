#include "sim/BridgeSketch.h"

namespace parlix::sim {

void BridgeSketch::Begin(EepromMarker& eeprom, std::uint32_t bootLoaderBaud) {
    const bool afterExchange = eeprom[0] == 'B' && eeprom[1] == 'b';
    baud_ = afterExchange ? bootLoaderBaud : kBaud;
    relaying_ = afterExchange;
    eeprom = {'B', 'B'};
}

BridgeSketch::Step BridgeSketch::OnByte(std::uint8_t byte) {
    if (byte == 0xBB) return {0xCC, false};
    if (byte == 0xDD) {
        relaying_ = true;
        return {0xEE, false};
    }
    if (!relaying_) return {};
    if (byte == '?') {
        relaying_ = false;
        return {};
    }
    return {std::nullopt, true};
}

}  // namespace parlix::sim
