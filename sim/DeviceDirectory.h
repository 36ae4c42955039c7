// Where a simulated device is listed under its port name. A board with a
// native USB port leaves the list when it restarts and comes back, after the
// time a USB device takes to enumerate, under another name.
#pragma once

#include <chrono>
#include <string>

namespace parlix::sim {

class DeviceDirectory {
  public:
    virtual ~DeviceDirectory() = default;
    // Takes the device listed as `from` off the list now and lists it as `to`
    // once `gap` has passed.
    virtual void MoveDevice(const std::string& from, const std::string& to,
                            std::chrono::milliseconds gap) = 0;
};

}  // namespace parlix::sim
