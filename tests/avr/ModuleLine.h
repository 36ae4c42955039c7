// The wire between a simulated AVR's serial pins and a simulated module: the
// module's thread reads and writes here, the AVR side drains and fills it.
#pragma once

#include "sim/DeviceIo.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace parlix::test {

class ModuleLine : public sim::DeviceIo {
  public:
    // The AVR side. A byte sent at another speed than the module's arrives as 0x00.
    void FromAvr(std::uint8_t byte, bool speedMatches);
    std::optional<std::uint8_t> TakeToAvr();

    void Stop();

    std::optional<std::uint8_t> Read(std::chrono::milliseconds timeout) override;
    void Write(std::uint8_t byte) override;
    LineSettings Line() const override { return {}; }
    bool Stopping() const override;
    void Unplug() override {}

  private:
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::uint8_t> toModule_;
    std::deque<std::uint8_t> toAvr_;
    bool stopping_ = false;
};

}  // namespace parlix::test
