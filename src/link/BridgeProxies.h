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
    LinkResult DoDetect() override;
    LinkResult DoConnectModule() override { return LinkResult::WithoutLine(false); }
    LinkResult DoEnterControlMode() override { return LinkResult::WithoutLine(false); }
    LinkResult DoLeaveControlMode() override { return LinkResult::WithoutLine(false); }
};

}  // namespace parlix
