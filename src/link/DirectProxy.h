// DirectProxy: the module wired straight to the PC's serial port.
#pragma once

#include "link/PortProxy.h"

namespace parlix {

class DirectProxy : public PortProxy {
  public:
    using PortProxy::PortProxy;

  protected:
    bool DoOpenLink(const std::string& port) override;
    bool DoDetect() override;
    bool DoConnectModule() override { return true; }
    bool DoEnterControlMode() override { return ControlModeExchange(); }
    bool DoLeaveControlMode() override { return ControlModeExchange(); }
};

}  // namespace parlix
