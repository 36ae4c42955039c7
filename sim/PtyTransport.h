// Serves one device on a pseudo-terminal. The host opens SlavePath() like any
// serial port and goes through the real termios code. We keep our own slave
// descriptor open, so the host closing and reopening the port (it does, while
// it tries one proxy after another) does not end the line.
#pragma once

#include "sim/Device.h"
#include "sim/LineEnd.h"

#include <termios.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <system_error>
#include <thread>

namespace parlix::sim {

class PtyTransport {
  public:
    // Opens the pseudo-terminal and starts serving; null with `error` set on failure.
    static std::unique_ptr<PtyTransport> Open(std::shared_ptr<Device> device,
                                              TransportOptions options, std::error_code& error);
    ~PtyTransport();
    PtyTransport(const PtyTransport&) = delete;
    PtyTransport& operator=(const PtyTransport&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    // The device unplugged itself: the pseudo-terminal is gone.
    bool Unplugged() const { return line_ && line_->Unplugged(); }
    void Stop();

  private:
    PtyTransport(std::shared_ptr<Device> device, TransportOptions options);
    void Pump();
    void Emit(std::uint8_t byte);
    void HangUp();

    std::shared_ptr<Device> device_;
    TransportOptions options_;
    int master_ = -1;
    int slave_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::string slavePath_;
    std::unique_ptr<LineEnd> line_;
    std::thread pump_;
    std::thread serve_;
    bool stopped_ = false;
    std::atomic<bool> hangUp_{false};
};

// The baud rate a termios speed stands for; 0 for a speed no device here uses.
std::uint32_t BaudOf(speed_t speed);

}  // namespace parlix::sim
