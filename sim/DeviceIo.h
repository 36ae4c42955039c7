// The device's end of a serial line: what a simulated device reads, writes
// and sees of the line, whichever transport carries it.
#pragma once

#include "link/SerialBackend.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace parlix::sim {

class DeviceIo {
  public:
    virtual ~DeviceIo() = default;

    // A byte from the host, or nothing when the time-out passed or the line is stopping.
    virtual std::optional<std::uint8_t> Read(std::chrono::milliseconds timeout) = 0;
    // A byte to the host.
    virtual void Write(std::uint8_t byte) = 0;

    // The line settings as the device sees them (the host sets them).
    virtual LineSettings Line() const = 0;
    // The line settings in force when the byte read last came in: a UART
    // judges each byte at the speed it had on the wire.
    virtual LineSettings LineOfLastRead() const { return Line(); }
    // When the byte read last had arrived; a transport without wire times says now.
    virtual std::chrono::steady_clock::time_point ArrivalOfLastRead() const {
        return std::chrono::steady_clock::now();
    }
    // Modem lines and break; transports that do not carry them report false.
    virtual bool Rts() const { return false; }
    virtual bool Dtr() const { return false; }
    // True once for each break the host started since the last call.
    virtual bool TakeBreak() { return false; }
    // Once for each time the host let DTR fall since the last call (the last
    // one counts): whether a break was held at that moment.
    virtual std::optional<bool> TakeDtrRelease() { return std::nullopt; }

    // The transport wants the device to return from Serve.
    virtual bool Stopping() const = 0;
    // The device goes away: the transport closes the line.
    virtual void Unplug() = 0;
};

}  // namespace parlix::sim
