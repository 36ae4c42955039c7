// The bridge sketch of a simulated Arduino board: its handshake, and the
// relay between the PC and the module.
//
// Where the desk's side leaves the sketch open, it behaves so:
// - It relays only after the handshake (0xBB answered 0xCC, 0xDD answered
//   0xEE), so the direct link, which is tried before the Arduino link, finds
//   no module through a board.
// - 0xBB and 0xDD are answered in every state: they are never module bytes.
// - '?' (sent after leaving control mode) ends the relay until the next
//   handshake, and so does the host closing a native USB port.
// - The EEPROM marker: the desk turns "BB" into "Bb" through the old boot
//   loaders and then, without a handshake and without going back to 9600,
//   looks for the module at the boot loader's speed. So a sketch that starts
//   with "Bb" talks at the boot loader's speed and relays at once; any other
//   marker means 9600 and the handshake. It writes "BB" back whenever it
//   finds something else, so the next connection's check passes.
#pragma once

#include "sim/BootLoaderPeer.h"

#include <cstdint>
#include <optional>

namespace parlix::sim {

class BridgeSketch {
  public:
    static constexpr std::uint32_t kBaud = 9600;

    // Runs the sketch from its start.
    void Begin(EepromMarker& eeprom, std::uint32_t bootLoaderBaud);
    std::uint32_t Baud() const { return baud_; }
    bool Relaying() const { return relaying_; }

    struct Step {
        std::optional<std::uint8_t> reply;  // to the PC
        bool relay = false;                 // the byte goes on to the module
    };
    Step OnByte(std::uint8_t byte);
    // The host closed the port: the relay ends until the next handshake.
    void HangUp() { relaying_ = false; }

  private:
    std::uint32_t baud_ = kBaud;
    bool relaying_ = false;
};

}  // namespace parlix::sim
