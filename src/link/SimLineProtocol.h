// The virtual serial line between a port opened as "sim:NAME" and parlix-sim.
//
// A Unix-domain stream socket carries frames: one type byte, a 16-bit
// little-endian payload length, then the payload. Data frames carry line bytes;
// the other frames carry what a real line carries besides data, so that a
// simulated device sees line settings, RTS, DTR and break like real hardware.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace parlix::simline {

enum class Frame : std::uint8_t {
    Open = 1,     // host -> server: payload is the device name; first frame on a connection
    Accept = 2,   // server -> host: the device is attached; payload kTimedLine or none
    Refuse = 3,   // server -> host: payload is the reason; the server closes
    Data = 4,     // both ways: line bytes
    Line = 5,     // host -> server: baud (4 bytes LE), data bits, parity, stop bits
    Rts = 6,      // host -> server: one byte, 0 or 1
    Dtr = 7,      // host -> server: one byte, 0 or 1
    Break = 8,    // both ways: one byte, 1 set, 0 cleared
    Purge = 9,    // host -> server: the host discarded its buffers; no payload
    Unplug = 10,  // server -> host: the device went away; the server closes
    // Both ways: line bytes after an 8-byte little-endian steady-clock time in
    // nanoseconds. From the host it is when the first byte starts on the wire,
    // so the wire timing does not depend on how soon the server reads it; from
    // the server it is when the bytes have arrived, so that a byte can be sent
    // ahead and the host hands it out on time without a wake-up of the server.
    TimedData = 11,
    List = 12,   // host -> server instead of Open: which devices are served now
    Names = 13,  // server -> host: the names, one per line; the server closes
};

inline constexpr std::size_t kHeaderSize = 3;
// A server that takes TimedData says so in its Accept frame; with a server
// that does not, the host sends plain Data, and a server sends TimedData only
// to a host that has sent it.
inline constexpr std::string_view kTimedLine = "timed";
inline constexpr std::size_t kMaxPayload = 0xFFFF;

// The reason of a Refuse frame for a device that another host holds; the
// host reports it as a busy port rather than a missing simulator.
std::string InUseRefusal(const std::string& device);
bool IsInUseRefusal(const std::vector<std::uint8_t>& payload);

// Socket of the running parlix-sim: $PARLIX_SIM_SOCKET, else
// $XDG_RUNTIME_DIR/parlix-sim.sock, else /tmp/parlix-sim-UID.sock.
std::string DefaultSocketPath();

std::vector<std::uint8_t> EncodeFrame(Frame type, const std::uint8_t* payload, std::size_t size);
inline std::vector<std::uint8_t> EncodeFrame(Frame type, const std::string& payload) {
    return EncodeFrame(type, reinterpret_cast<const std::uint8_t*>(payload.data()), payload.size());
}

using Clock = std::chrono::steady_clock;

// The payload of a TimedData frame, and the whole frame.
std::vector<std::uint8_t> TimedPayload(Clock::time_point at, const std::uint8_t* data,
                                       std::size_t size);
std::vector<std::uint8_t> EncodeTimedData(Clock::time_point at, const std::uint8_t* data,
                                          std::size_t size);
// False when the payload is too short to hold the time. A time more than a
// second away from now comes from a clock this process does not share, and
// reads as now.
bool DecodeTimedData(const std::vector<std::uint8_t>& payload, Clock::time_point& at,
                     std::span<const std::uint8_t>& bytes);

// Incremental decoder: feed bytes as they arrive, take whole frames out.
class FrameDecoder {
  public:
    struct Decoded {
        Frame type;
        std::vector<std::uint8_t> payload;
    };
    void Feed(const std::uint8_t* data, std::size_t size);
    bool Next(Decoded& out);

  private:
    std::vector<std::uint8_t> buffer_;
};

}  // namespace parlix::simline
