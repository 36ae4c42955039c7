// DirectProxy: the module wired straight to the PC's serial port.
#pragma once

#include "link/PortProxy.h"

namespace parlix {

class DirectProxy : public PortProxy {
  public:
    using PortProxy::PortProxy;

    bool OpenLink(const std::string& port) override;
    bool Detect() override;
    bool ConnectModule() override { return true; }
    bool EnterControlMode() override { return ControlModeExchange(); }
    bool LeaveControlMode() override { return ControlModeExchange(); }
};

}  // namespace parlix
