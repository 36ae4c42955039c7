// The bridge links to the module behind an Arduino board, a BASIC Stamp or a
// RoboNova controller, each in its own file, and the base of a link that
// finds no device.
#pragma once

#include "link/BasicStampProxy.h"
#include "link/PortProxy.h"
#include "link/RoboNovaProxy.h"
#include "link/ShieldProxy.h"

namespace parlix {

class BridgeProxyBase : public PortProxy {
  public:
    using PortProxy::PortProxy;

  protected:
    bool DoDetect() override;
    bool DoConnectModule() override { return false; }
    bool DoEnterControlMode() override { return false; }
    bool DoLeaveControlMode() override { return false; }
};

}  // namespace parlix
