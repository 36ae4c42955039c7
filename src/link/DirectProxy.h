// DirectProxy: the module wired straight to the PC's serial port.
#pragma once

#include "link/PortProxy.h"

namespace parlix {

class DirectProxy : public PortProxy {
  public:
    using PortProxy::PortProxy;

  protected:
    LinkResult DoOpenLink(const std::string& port) override;
    LinkResult DoDetect() override;
    LinkResult DoConnectModule() override { return LinkResult::WithoutLine(true); }
    LinkResult DoEnterControlMode() override { return ControlModeExchange(); }
    LinkResult DoLeaveControlMode() override { return ControlModeExchange(); }
};

}  // namespace parlix
