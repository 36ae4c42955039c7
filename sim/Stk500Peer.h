// The STK500 boot loaders of the AVR boards: optiboot (115200 baud) and the
// older ATmegaBOOT (57600 and 19200), which answers the sign-on with "AVR ISP"
// and reads and writes its EEPROM.
//
// How they behave where the desk's side leaves it open:
// - optiboot answers a request that does not end with a space, or a byte at
//   the wrong speed, by starting the sketch, as its watchdog does.
// - ATmegaBOOT ignores such bytes; on 'Q' it answers and stays, as the real
//   one does: the sketch starts only after its boot window of quiet.
// - An EEPROM that is worn out (or write-protected by its fuses) acknowledges
//   a write and keeps its old bytes.
#pragma once

#include "sim/BootLoaderPeer.h"

namespace parlix::sim {

class Stk500Peer : public BootLoaderPeer {
  public:
    // `signOn`: answers '1' with "AVR ISP" (ATmegaBOOT); optiboot does not.
    // `eepromTakes`: whether EEPROM writes change the bytes (read at each write).
    Stk500Peer(bool signOn, EepromMarker& eeprom, const bool& eepromTakes)
        : signOn_(signOn), eeprom_(eeprom), eepromTakes_(eepromTakes) {}
    void Reset() override;
    BootLoaderStep OnByte(std::uint8_t byte) override;
    BootLoaderStep OnFramingError() override;

  private:
    // Bytes that follow the command byte before the closing space.
    std::size_t ArgumentCount() const;
    BootLoaderStep Answer();
    BootLoaderStep OutOfSync();

    const bool signOn_;
    EepromMarker& eeprom_;
    const bool& eepromTakes_;
    std::vector<std::uint8_t> request_;
    std::uint16_t address_ = 0;
};

}  // namespace parlix::sim
