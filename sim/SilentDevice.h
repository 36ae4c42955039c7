// A line with nothing at the far end that answers: it takes every byte and
// sends none, as a port with no device or a powered-off module does.
#pragma once

#include "sim/Device.h"

namespace parlix::sim {

class SilentDevice : public Device {
  public:
    void Serve(DeviceIo& io) override {
        while (!io.Stopping()) io.Read(std::chrono::milliseconds(100));
    }
};

}  // namespace parlix::sim
