// The bridge links to the module behind a BASIC Stamp or a RoboNova
// controller (the Arduino's is in ShieldProxy.h). They open the line as their
// hosts need; recognising a host and relaying through its bridge program comes
// later, so until then each one finds no device and leaves the line untouched.
#pragma once

#include "link/PortProxy.h"
#include "link/ShieldProxy.h"

#include <mutex>

namespace parlix {

class CBridgeProxyBase : public CPortProxy {
  public:
    using CPortProxy::CPortProxy;
    bool Detect() override;
    bool ConnectModule() override { return false; }
    bool EnterControlMode() override { return false; }
    bool LeaveControlMode() override { return false; }
};

class CBasicStampProxy : public CBridgeProxyBase {
  public:
    using CBridgeProxyBase::CBridgeProxyBase;
    bool OpenLink(const std::string& port) override;
};

class CRoboNovaProxy : public CBridgeProxyBase {
  public:
    using CBridgeProxyBase::CBridgeProxyBase;
    bool OpenLink(const std::string& port) override;
    bool CloseLink() override;
    void PurgeLine() override;

  private:
    std::recursive_mutex portLock_;  // taken inside the controller's lock, never around it
};

}  // namespace parlix
