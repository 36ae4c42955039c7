// The serial wire between a simulated board's sketch and the module on its
// pins, at the module's 9600 baud. The board's thread relays through it; the
// module runs on a thread of its own, as on any line.
#pragma once

#include "sim/DeviceIo.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace parlix::sim {

class ModuleWire : public DeviceIo {
  public:
    // Board side.
    void ToModule(std::uint8_t byte);
    // A byte the module sent, if any is waiting.
    std::optional<std::uint8_t> FromModule();
    void Stop();
    // The module asked to be unplugged; true once.
    bool TakeUnplug() { return unplugRequested_.exchange(false); }

    // Module side.
    std::optional<std::uint8_t> Read(std::chrono::milliseconds timeout) override;
    void Write(std::uint8_t byte) override;
    LineSettings Line() const override { return {}; }
    bool Stopping() const override { return stopping_; }
    void Unplug() override { unplugRequested_ = true; }

  private:
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::uint8_t> toModule_;
    std::deque<std::uint8_t> fromModule_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> unplugRequested_{false};
};

}  // namespace parlix::sim
