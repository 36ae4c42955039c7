// The device end of one connection, shared by both transports: a queue of
// bytes from the host, the line state the host set, optional wire timing and
// the wire log. The transport thread feeds it; the device thread reads it.
#pragma once

#include "sim/DeviceIo.h"
#include "sim/WireLog.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace parlix::sim {

struct TransportOptions {
    WireLog* log = nullptr;  // not owned; may be null
    bool timing = false;     // pace bytes at 10 bits a byte at the line's baud
};

class LineEnd : public DeviceIo {
  public:
    using Clock = std::chrono::steady_clock;
    using Emitter = std::function<void(std::uint8_t)>;  // hands a device byte to the host
    // Hands a device byte to the host ahead of time, with the time it arrives.
    using AheadEmitter = std::function<void(std::uint8_t, Clock::time_point)>;
    using Unplugger = std::function<void()>;  // closes the line from the device side
    using LineSource = std::function<bool(LineSettings&)>;

    // The host gets each byte once it has arrived.
    LineEnd(TransportOptions options, Emitter emit, Unplugger unplug);
    // The same, until SendAhead().
    LineEnd(TransportOptions options, AheadEmitter emit, Unplugger unplug);

    // Where the line settings come from when the transport reads them itself (a pty's termios).
    void SetLineSource(LineSource source);

    // Transport side.
    // Bytes from the host; `startsAt` is when the first one started on the
    // wire, if the host said so, else it starts now.
    void Deliver(const std::uint8_t* data, std::size_t size,
                 std::optional<Clock::time_point> startsAt = std::nullopt);
    void SetLine(const LineSettings& settings);
    void SetRts(bool on);
    void SetDtr(bool on);
    void SetBreak(bool on);
    void NotePurge();
    // The host holds each byte until it arrives: from now on it gets each
    // as the byte starts on the wire. Only for an AheadEmitter.
    void SendAhead() { ahead_ = true; }
    bool SendsAhead() const { return ahead_; }
    // The host has gone. Bytes it sent before still reach the device, as a
    // port drains its output before it closes, unless the device stops reading.
    void Stop();
    bool Unplugged() const { return unplugged_; }

    // DeviceIo.
    std::optional<std::uint8_t> Read(std::chrono::milliseconds timeout) override;
    void Write(std::uint8_t byte) override;
    LineSettings Line() const override;
    LineSettings LineOfLastRead() const override;
    Clock::time_point ArrivalOfLastRead() const override;
    bool Rts() const override;
    bool Dtr() const override;
    bool TakeBreak() override;
    std::optional<bool> TakeDtrRelease() override;
    bool Stopping() const override;
    void Unplug() override;

  private:
    // How long a stopped line waits for the device to read what had been sent.
    static constexpr std::chrono::seconds kDrainLimit{1};

    Clock::duration ByteTime() const;
    // Under the lock: the line has stopped and has nothing more for the device.
    bool Drained(Clock::time_point now) const;
    void Event(const std::string& text);

    const TransportOptions options_;
    const AheadEmitter emit_;
    std::atomic<bool> ahead_{false};
    const Unplugger unplug_;
    LineSource lineSource_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    struct Arriving {
        Clock::time_point at;
        std::uint8_t value;
        LineSettings line;  // as the host had set it when it sent the byte
    };
    std::deque<Arriving> incoming_;
    LineSettings lastReadLine_;
    Clock::time_point inboundFree_{};   // when the host->device wire is free again
    Clock::time_point outboundFree_{};  // only the device thread touches it
    Clock::time_point lastArrival_{};   // when the byte the device read last had arrived
    LineSettings line_;
    bool rts_ = false;
    bool dtr_ = false;
    bool breakSeen_ = false;
    bool breakOn_ = false;
    std::optional<bool> dtrReleased_;  // with the break held then
    std::atomic<bool> stopping_{false};
    Clock::time_point drainUntil_{};
    std::atomic<bool> unplugged_{false};
};

}  // namespace parlix::sim
