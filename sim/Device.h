// A simulated device. It keeps its state across connections, as hardware
// does, so one object outlives the transports and sessions that serve it.
#pragma once

#include "sim/DeviceIo.h"

namespace parlix::sim {

class Device {
  public:
    virtual ~Device() = default;
    // Runs the device on one line until the line says stop.
    virtual void Serve(DeviceIo& io) = 0;
};

}  // namespace parlix::sim
