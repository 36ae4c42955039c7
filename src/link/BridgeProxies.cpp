#include "link/BridgeProxies.h"

namespace parlix {

bool BridgeProxyBase::Detect() {
    ClearTexts();
    return false;
}

}  // namespace parlix
