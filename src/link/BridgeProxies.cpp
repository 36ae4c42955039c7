#include "link/BridgeProxies.h"

namespace parlix {

bool BridgeProxyBase::DoDetect() {
    ClearTexts();
    return false;
}

}  // namespace parlix
