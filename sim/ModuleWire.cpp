#include "sim/ModuleWire.h"

namespace parlix::sim {

void ModuleWire::ToModule(std::uint8_t byte) {
    {
        std::lock_guard lock(mutex_);
        toModule_.push_back(byte);
    }
    arrived_.notify_all();
}

std::optional<std::uint8_t> ModuleWire::FromModule() {
    std::lock_guard lock(mutex_);
    if (fromModule_.empty()) return std::nullopt;
    const std::uint8_t byte = fromModule_.front();
    fromModule_.pop_front();
    return byte;
}

void ModuleWire::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    arrived_.notify_all();
}

std::optional<std::uint8_t> ModuleWire::Read(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, timeout, [this] { return stopping_ || !toModule_.empty(); });
    if (stopping_ || toModule_.empty()) return std::nullopt;
    const std::uint8_t byte = toModule_.front();
    toModule_.pop_front();
    return byte;
}

void ModuleWire::Write(std::uint8_t byte) {
    std::lock_guard lock(mutex_);
    if (!stopping_) fromModule_.push_back(byte);
}

}  // namespace parlix::sim
