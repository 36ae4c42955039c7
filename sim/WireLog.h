// Every byte that crossed a simulated line, with its time and direction, and
// the line events between them. Shared by the transport threads and read by
// tests, so every call is thread-safe.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace parlix::sim {

enum class Direction : std::uint8_t { HostToDevice, DeviceToHost };

struct WireEntry {
    std::int64_t micros = 0;  // since the log started
    bool isEvent = false;
    Direction direction = Direction::HostToDevice;  // bytes only
    std::uint8_t value = 0;                         // bytes only
    std::string event;                              // events only
};

class WireLog {
  public:
    WireLog();
    ~WireLog();
    WireLog(const WireLog&) = delete;
    WireLog& operator=(const WireLog&) = delete;

    using Clock = std::chrono::steady_clock;

    void RecordByte(Direction direction, std::uint8_t value);
    // A byte that reaches the other end at `when` (wire timing puts it ahead of now).
    void RecordByteAt(Direction direction, std::uint8_t value, Clock::time_point when);
    void RecordEvent(const std::string& text);

    std::vector<WireEntry> Entries() const;
    // The bytes of one direction, in order.
    std::vector<std::uint8_t> Bytes(Direction direction) const;
    void Clear();

    // One line per entry, e.g. "      1.002345 H>D 0x62 'b'".
    std::string Dump() const;
    static std::string Format(const WireEntry& entry);

    // Also appends each new entry to a file as it is recorded, so that a log
    // survives a killed process. False when the file cannot be opened.
    bool StreamTo(const std::string& path);

  private:
    void Append(WireEntry entry, Clock::time_point when);

    const Clock::time_point start_;
    mutable std::mutex mutex_;
    std::vector<WireEntry> entries_;
    std::FILE* stream_ = nullptr;
};

}  // namespace parlix::sim
