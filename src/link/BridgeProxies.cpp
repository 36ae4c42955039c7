#include "link/BridgeProxies.h"

namespace parlix {

bool CBridgeProxyBase::Detect() {
    ClearTexts();
    return false;
}

}  // namespace parlix
