#include "avr/ModuleLine.h"

namespace parlix::test {

void ModuleLine::FromAvr(std::uint8_t byte, bool speedMatches) {
    {
        std::lock_guard lock(mutex_);
        toModule_.push_back(speedMatches ? byte : 0x00);
    }
    arrived_.notify_all();
}

std::optional<std::uint8_t> ModuleLine::TakeToAvr() {
    std::lock_guard lock(mutex_);
    if (toAvr_.empty()) return std::nullopt;
    const std::uint8_t byte = toAvr_.front();
    toAvr_.pop_front();
    return byte;
}

void ModuleLine::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    arrived_.notify_all();
}

std::optional<std::uint8_t> ModuleLine::Read(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, timeout, [this] { return stopping_ || !toModule_.empty(); });
    if (stopping_ || toModule_.empty()) return std::nullopt;
    const std::uint8_t byte = toModule_.front();
    toModule_.pop_front();
    return byte;
}

void ModuleLine::Write(std::uint8_t byte) {
    std::lock_guard lock(mutex_);
    toAvr_.push_back(byte);
}

bool ModuleLine::Stopping() const {
    std::lock_guard lock(mutex_);
    return stopping_;
}

}  // namespace parlix::test
