// Hot-plug of serial ports: a libudev monitor on the tty subsystem. Any event
// only means "scan again"; the caller polls Fd() (or calls Wait) and then
// Drain()s the events.
#pragma once

#include <cstdint>
#include <system_error>

struct udev;
struct udev_monitor;

namespace parlix {

class PortMonitor {
  public:
    PortMonitor() = default;
    PortMonitor(const PortMonitor&) = delete;
    PortMonitor& operator=(const PortMonitor&) = delete;
    ~PortMonitor();

    // Listens to the udev daemon where it runs, else to the kernel directly.
    std::error_code Start();
    void Stop();
    bool IsRunning() const { return monitor_ != nullptr; }

    // Readable when events wait; -1 while stopped.
    int Fd() const;
    // Waits up to `timeoutMs` for an event; true when one waits.
    bool Wait(int timeoutMs) const;
    // Takes every waiting event; true when any of them concerned a tty.
    bool Drain();

  private:
    udev* context_ = nullptr;
    udev_monitor* monitor_ = nullptr;
};

}  // namespace parlix
