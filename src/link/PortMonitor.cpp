#include "link/PortMonitor.h"

#include "base/Status.h"

#include <libudev.h>
#include <poll.h>
#include <unistd.h>
#include <cerrno>

namespace parlix {

PortMonitor::~PortMonitor() {
    Stop();
}

std::error_code PortMonitor::Start() {
    if (monitor_) return {};
    context_ = udev_new();
    if (!context_) return ErrnoCode(errno ? errno : ENOMEM);
    // The daemon's events come after its rules ran, so the device node and
    // its names are there; without a daemon the kernel's own events serve.
    const char* source = ::access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
    monitor_ = udev_monitor_new_from_netlink(context_, source);
    std::error_code ec;
    if (!monitor_) {
        ec = ErrnoCode(errno ? errno : EPROTONOSUPPORT);
    } else if (const int rc =
                   udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr);
               rc < 0) {
        ec = ErrnoCode(-rc);
    } else if (const int rc2 = udev_monitor_enable_receiving(monitor_); rc2 < 0) {
        ec = ErrnoCode(-rc2);
    }
    if (ec) Stop();
    return ec;
}

void PortMonitor::Stop() {
    if (monitor_) udev_monitor_unref(monitor_);
    if (context_) udev_unref(context_);
    monitor_ = nullptr;
    context_ = nullptr;
}

int PortMonitor::Fd() const {
    return monitor_ ? udev_monitor_get_fd(monitor_) : -1;
}

bool PortMonitor::Wait(int timeoutMs) const {
    if (!monitor_) return false;
    pollfd p{Fd(), POLLIN, 0};
    int n;
    do {
        n = ::poll(&p, 1, timeoutMs);
    } while (n < 0 && errno == EINTR);
    return n > 0 && (p.revents & POLLIN);
}

bool PortMonitor::Drain() {
    bool any = false;
    while (monitor_ && Wait(0)) {
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (!device) break;  // a message that the filter dropped, or none after all
        any = true;
        udev_device_unref(device);
    }
    return any;
}

}  // namespace parlix
