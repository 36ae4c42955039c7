// CZorinProxy: the module wired straight to the PC's serial port.
#pragma once

#include "link/PortProxy.h"

namespace parlix {

class CZorinProxy : public CPortProxy {
  public:
    using CPortProxy::CPortProxy;

    bool OpenLink(const std::string& port) override;
    bool Detect() override;
    bool ConnectModule() override { return true; }
    bool EnterControlMode() override { return ControlModeExchange(); }
    bool LeaveControlMode() override { return ControlModeExchange(); }
};

}  // namespace parlix
