// One transport under Serial: a real termios device or a simulated line.
// Both are peers behind this table of operations, so every layer above the
// port behaves the same whether a module, a pseudo-terminal or the simulator
// is at the other end.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <system_error>

namespace parlix {

struct LineSettings {
    std::uint32_t baud = 9600;
    int dataBits = 8;
    int parity = 0;       // 0 none, 1 odd, 2 even, 3 mark, 4 space
    int stopBits = 0;     // 0 one, 1 one and a half, 2 two
    int handshaking = 0;  // 0 off, 1 hardware, 2 software

    bool operator==(const LineSettings&) const = default;
};

class SerialBackend {
  public:
    using Clock = std::chrono::steady_clock;
    using Deadline = Clock::time_point;  // Deadline::max(): none

    virtual ~SerialBackend() = default;

    virtual std::error_code Close() = 0;
    // Settings arrive validated by Serial.
    virtual std::error_code SetLine(const LineSettings& settings) = 0;
    // The settings as the device reports them back.
    virtual std::error_code GetLine(LineSettings& settings) = 0;
    virtual std::error_code SetRts(bool on) = 0;
    virtual std::error_code SetDtr(bool on) = 0;
    virtual std::error_code SetBreak(bool on) = 0;
    // Discards received and unsent data.
    virtual std::error_code Purge() = 0;
    // Waits until everything written has left; `sentAt` tells when it had,
    // which may be before the wait ended.
    virtual std::error_code Drain(Clock::time_point& sentAt) = 0;

    // Waits until input is buffered or the deadline passes; `readable` tells
    // which. A backend that reports breaks also returns early, not readable,
    // when a break arrives during the wait.
    virtual std::error_code WaitReadable(Deadline deadline, bool& readable) = 0;
    // Takes at most `size` buffered bytes without waiting.
    virtual std::error_code ReadAvailable(std::uint8_t* data, std::size_t size,
                                          std::size_t& got) = 0;
    // Writes all bytes, waiting for room until the deadline; Status::Timeout
    // when the deadline passed first, with `written` telling how far it got.
    virtual std::error_code Write(const std::uint8_t* data, std::size_t size, Deadline deadline,
                                  std::size_t& written) = 0;
    // Break condition seen on the line since the last call (simulated lines only).
    virtual bool TakeBreakEvent() { return false; }
};

// Opens the device behind a mapped port path: "sim:NAME" is a simulated
// device, anything else a termios device path.
std::error_code OpenSerialBackend(const std::string& path, std::unique_ptr<SerialBackend>& out);

// poll() on one descriptor until an event or the deadline, retrying on EINTR.
// `revents` is 0 when the deadline passed.
std::error_code PollUntil(int fd, short events, SerialBackend::Deadline deadline, short& revents);

}  // namespace parlix
