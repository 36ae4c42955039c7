#include "link/BridgeProxies.h"

namespace parlix {

bool CBridgeProxyBase::Detect() {
    ClearTexts();
    return false;
}

bool CBasicStampProxy::OpenLink(const std::string& port) {
    return OpenLine(port) && !port_.SetEventMask(EV_BREAK) && !port_.SetReadMode(1);
}

bool CRoboNovaProxy::OpenLink(const std::string& port) {
    std::lock_guard lock(portLock_);
    if (!OpenLine(port) || port_.SetReadMode(1)) return false;
    port_.Purge();
    return true;
}

bool CRoboNovaProxy::CloseLink() {
    std::lock_guard lock(portLock_);
    return CPortProxy::CloseLink();
}

void CRoboNovaProxy::PurgeLine() {
    std::lock_guard lock(portLock_);
    CPortProxy::PurgeLine();
}

}  // namespace parlix
