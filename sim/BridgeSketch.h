// The bridge sketch of a simulated Arduino board: its handshake, and the
// relay between the PC and the module.
//
// Where the desk's side leaves the sketch open, it behaves so:
// - It relays only after the handshake (0xBB answered 0xCC, 0xDD answered
//   0xEE), so the direct link, which is tried before the Arduino link, finds
//   no module through a board.
// - 0xBB and 0xDD are answered in every state: they are never module bytes.
// - '?' (sent after leaving control mode) ends the relay until the next
//   handshake, and so does the host closing a native USB port. A '?' is told
//   from a module byte by the quiet before it: one that follows the PC's
//   previous byte within kQuietBeforeEnd is relayed to the module.
// - The EEPROM marker: the desk turns "BB" into "Bb" through the old boot
//   loaders and then, without a handshake and without going back to 9600,
//   looks for the module at the boot loader's speed. So a sketch that starts
//   with "Bb" talks at the boot loader's speed and relays at once; any other
//   marker means 9600 and the handshake. It writes "BB" back whenever it
//   finds something else, so the next connection's check passes.
#pragma once

#include "sim/BootLoaderPeer.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace parlix::sim {

class BridgeSketch {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::uint32_t kBaud = 9600;
    // The desk waits 200 ms before its '?'; the sketch's own clock is coarser.
    static constexpr std::chrono::milliseconds kQuietBeforeEnd{150};

    // Runs the sketch from its start.
    void Begin(EepromMarker& eeprom, std::uint32_t bootLoaderBaud);
    std::uint32_t Baud() const { return baud_; }
    bool Relaying() const { return relaying_; }

    struct Step {
        std::optional<std::uint8_t> reply;  // to the PC
        bool relay = false;                 // the byte goes on to the module
    };
    // `arrivedAt`: when the byte arrived, for the quiet before a '?'.
    Step OnByte(std::uint8_t byte, Clock::time_point arrivedAt);
    // The host closed the port: the relay ends until the next handshake.
    void HangUp() { relaying_ = false; }

  private:
    std::uint32_t baud_ = kBaud;
    bool relaying_ = false;
    Clock::time_point lastByteAt_{};
};

}  // namespace parlix::sim
