// The module's reply faults applied to the bytes a bridge host sends to the
// PC, so that a test can break a host's answer at a chosen byte. Faults tied
// to a phase wait until the host reaches it (the host names its phases) and
// count the spared bytes from there.
#pragma once

#include "sim/DeviceIo.h"
#include "sim/ModuleDevice.h"

#include <mutex>

namespace parlix::sim {

class HostFaults {
  public:
    void Set(const ModuleFaults& faults, int phase = 0) {
        std::lock_guard lock(mutex_);
        faults_ = faults;
        phase_ = phase;
        reached_ = phase == 0;
    }
    void Reach(int phase) {
        std::lock_guard lock(mutex_);
        if (phase == phase_) reached_ = true;
    }
    // Sends `byte` through the faults; false when the host was unplugged.
    bool Send(DeviceIo& io, std::uint8_t byte) {
        std::unique_lock lock(mutex_);
        if (!reached_) {
            // not yet: the byte goes out as it is
        } else if (faults_.afterReplyBytes > 0) {
            --faults_.afterReplyBytes;
        } else {
            if (faults_.unplug) {
                faults_.unplug = false;
                lock.unlock();
                io.Unplug();
                return false;
            }
            if (faults_.silent) return true;
            if (faults_.dropReplyBytes > 0) {
                --faults_.dropReplyBytes;
                return true;
            }
            if (faults_.garbleReplyBytes > 0) {
                --faults_.garbleReplyBytes;
                byte = faults_.garbage;
            }
        }
        lock.unlock();
        io.Write(byte);
        return true;
    }

  private:
    std::mutex mutex_;
    ModuleFaults faults_;
    int phase_ = 0;
    bool reached_ = true;
};

}  // namespace parlix::sim
