#include "sim/WireLog.h"

#include <fmt/format.h>

#include <iterator>

namespace parlix::sim {

WireLog::WireLog() : start_(std::chrono::steady_clock::now()) {}

WireLog::~WireLog() {
    if (stream_) std::fclose(stream_);
}

void WireLog::RecordByte(Direction direction, std::uint8_t value) {
    RecordByteAt(direction, value, Clock::now());
}

void WireLog::RecordByteAt(Direction direction, std::uint8_t value, Clock::time_point when) {
    WireEntry entry;
    entry.direction = direction;
    entry.value = value;
    Append(std::move(entry), when);
}

void WireLog::RecordEvent(const std::string& text) {
    WireEntry entry;
    entry.isEvent = true;
    entry.event = text;
    Append(std::move(entry), Clock::now());
}

void WireLog::Append(WireEntry entry, Clock::time_point when) {
    entry.micros = std::chrono::duration_cast<std::chrono::microseconds>(when - start_).count();
    std::lock_guard lock(mutex_);
    if (stream_) {
        const std::string line = Format(entry) + "\n";
        std::fputs(line.c_str(), stream_);
        std::fflush(stream_);
    }
    // Keep the entries in time order: a paced byte is logged ahead of its arrival.
    auto at = entries_.end();
    while (at != entries_.begin() && std::prev(at)->micros > entry.micros) --at;
    entries_.insert(at, std::move(entry));
}

std::vector<WireEntry> WireLog::Entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

std::vector<std::uint8_t> WireLog::Bytes(Direction direction) const {
    std::lock_guard lock(mutex_);
    std::vector<std::uint8_t> out;
    for (const auto& entry : entries_)
        if (!entry.isEvent && entry.direction == direction) out.push_back(entry.value);
    return out;
}

void WireLog::Clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

std::string WireLog::Format(const WireEntry& entry) {
    const std::string time =
        fmt::format("{:7}.{:06}", entry.micros / 1000000, entry.micros % 1000000);
    if (entry.isEvent) return fmt::format("{} --- {}", time, entry.event);
    const char* arrow = entry.direction == Direction::HostToDevice ? "H>D" : "D>H";
    const bool printable = entry.value >= 0x20 && entry.value < 0x7F;
    return printable ? fmt::format("{} {} 0x{:02X} '{}'", time, arrow, entry.value,
                                   static_cast<char>(entry.value))
                     : fmt::format("{} {} 0x{:02X}", time, arrow, entry.value);
}

std::string WireLog::Dump() const {
    std::string out;
    for (const auto& entry : Entries()) out += Format(entry) + "\n";
    return out;
}

bool WireLog::StreamTo(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) return false;
    std::lock_guard lock(mutex_);
    if (stream_) std::fclose(stream_);
    stream_ = file;
    return true;
}

}  // namespace parlix::sim
