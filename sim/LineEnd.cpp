#include "sim/LineEnd.h"

#include <fmt/format.h>

#include <algorithm>
#include <utility>

namespace parlix::sim {

LineEnd::LineEnd(TransportOptions options, Emitter emit, Unplugger unplug)
    : options_(options),
      emit_([emit = std::move(emit)](std::uint8_t byte, Clock::time_point) { emit(byte); }),
      unplug_(std::move(unplug)) {}

LineEnd::LineEnd(TransportOptions options, AheadEmitter emit, Unplugger unplug)
    : options_(options), emit_(std::move(emit)), unplug_(std::move(unplug)) {}

void LineEnd::SetLineSource(LineSource source) {
    std::lock_guard lock(mutex_);
    lineSource_ = std::move(source);
}

LineSettings LineEnd::Line() const {
    std::lock_guard lock(mutex_);
    LineSettings settings = line_;
    if (lineSource_) lineSource_(settings);
    return settings;
}

LineEnd::Clock::duration LineEnd::ByteTime() const {
    const auto baud = Line().baud;
    if (!options_.timing || baud == 0) return Clock::duration::zero();
    // Start bit, 8 data bits, stop bit.
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000LL) /
                                                       baud);
}

void LineEnd::Deliver(const std::uint8_t* data, std::size_t size,
                      std::optional<Clock::time_point> startsAt) {
    const auto byteTime = ByteTime();
    const auto start = startsAt.value_or(Clock::now());
    const LineSettings line = Line();
    {
        std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < size; ++i) {
            // A byte cannot arrive before the previous one has left the wire.
            const auto at = std::max(start, inboundFree_) + byteTime;
            inboundFree_ = at;
            incoming_.push_back({at, data[i], line});
            if (options_.log) options_.log->RecordByteAt(Direction::HostToDevice, data[i], at);
        }
    }
    wake_.notify_all();
}

std::optional<std::uint8_t> LineEnd::Read(std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    std::unique_lock lock(mutex_);
    for (;;) {
        const auto now = Clock::now();
        if (Drained(now)) return std::nullopt;
        if (!incoming_.empty() && incoming_.front().at <= now) {
            lastArrival_ = incoming_.front().at;
            lastReadLine_ = incoming_.front().line;
            const auto value = incoming_.front().value;
            incoming_.pop_front();
            return value;
        }
        if (now >= deadline) return std::nullopt;
        auto until = deadline;
        if (!incoming_.empty()) until = std::min(until, incoming_.front().at);
        if (stopping_) until = std::min(until, drainUntil_);
        wake_.wait_until(lock, until);
    }
}

void LineEnd::Write(std::uint8_t byte) {
    if (stopping_) return;
    const auto byteTime = ByteTime();
    if (byteTime != Clock::duration::zero()) {
        // The module answers as soon as a request is in: the simulator's own
        // wake-up after the request is no time of the module's, so a prompt
        // answer starts when the request arrived. Deliberate delays are longer.
        auto start = Clock::now();
        {
            std::lock_guard lock(mutex_);
            if (start - lastArrival_ < std::chrono::microseconds(500)) start = lastArrival_;
        }
        const auto arrival = std::max(start, outboundFree_) + byteTime;
        outboundFree_ = arrival;
        // Sent ahead, a byte goes once it starts on the wire, and no earlier,
        // so the device never runs ahead of the line by more than a byte.
        const auto sendAt = ahead_ ? arrival - byteTime : arrival;
        std::unique_lock lock(mutex_);
        wake_.wait_until(lock, sendAt, [this] { return stopping_.load(); });
        if (stopping_) return;
        lock.unlock();
        if (options_.log) options_.log->RecordByteAt(Direction::DeviceToHost, byte, arrival);
        emit_(byte, arrival);
        return;
    }
    if (options_.log) options_.log->RecordByte(Direction::DeviceToHost, byte);
    emit_(byte, Clock::now());
}

void LineEnd::SetLine(const LineSettings& settings) {
    {
        std::lock_guard lock(mutex_);
        line_ = settings;
    }
    static const char kParity[] = "NOEMS";
    Event(fmt::format("line {} {}{}{}", settings.baud, settings.dataBits,
                      settings.parity >= 0 && settings.parity <= 4 ? kParity[settings.parity] : '?',
                      settings.stopBits == 0   ? "1"
                      : settings.stopBits == 1 ? "1.5"
                                               : "2"));
}

void LineEnd::SetRts(bool on) {
    {
        std::lock_guard lock(mutex_);
        rts_ = on;
    }
    Event(on ? "RTS on" : "RTS off");
}

void LineEnd::SetDtr(bool on) {
    {
        std::lock_guard lock(mutex_);
        if (dtr_ && !on) dtrReleased_ = breakOn_;
        dtr_ = on;
    }
    Event(on ? "DTR on" : "DTR off");
}

void LineEnd::SetBreak(bool on) {
    {
        std::lock_guard lock(mutex_);
        if (on) breakSeen_ = true;
        breakOn_ = on;
    }
    Event(on ? "break on" : "break off");
    wake_.notify_all();
}

void LineEnd::NotePurge() {
    Event("purge");
}

LineSettings LineEnd::LineOfLastRead() const {
    std::lock_guard lock(mutex_);
    return lastReadLine_;
}

LineEnd::Clock::time_point LineEnd::ArrivalOfLastRead() const {
    std::lock_guard lock(mutex_);
    return lastArrival_;
}

bool LineEnd::Rts() const {
    std::lock_guard lock(mutex_);
    return rts_;
}

bool LineEnd::Dtr() const {
    std::lock_guard lock(mutex_);
    return dtr_;
}

bool LineEnd::TakeBreak() {
    std::lock_guard lock(mutex_);
    return std::exchange(breakSeen_, false);
}

std::optional<bool> LineEnd::TakeDtrRelease() {
    std::lock_guard lock(mutex_);
    return std::exchange(dtrReleased_, std::nullopt);
}

void LineEnd::Stop() {
    {
        std::lock_guard lock(mutex_);
        if (!stopping_) drainUntil_ = Clock::now() + kDrainLimit;
        stopping_ = true;
    }
    wake_.notify_all();
}

bool LineEnd::Stopping() const {
    if (!stopping_) return false;
    std::lock_guard lock(mutex_);
    return Drained(Clock::now());
}

bool LineEnd::Drained(Clock::time_point now) const {
    return stopping_ && (incoming_.empty() || now >= drainUntil_);
}

void LineEnd::Unplug() {
    if (unplugged_.exchange(true)) return;
    if (ahead_) {
        // Bytes sent ahead are still on the wire; the line goes after them.
        std::unique_lock lock(mutex_);
        wake_.wait_until(lock, outboundFree_, [this] { return stopping_.load(); });
    }
    Event("unplug");
    {
        // The device has gone: nothing reaches it any more.
        std::lock_guard lock(mutex_);
        incoming_.clear();
    }
    Stop();
    if (unplug_) unplug_();
}

void LineEnd::Event(const std::string& text) {
    if (options_.log) options_.log->RecordEvent(text);
}

}  // namespace parlix::sim
