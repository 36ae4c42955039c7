#include "link/BridgeProxies.h"

namespace parlix {

LinkResult BridgeProxyBase::DoDetect() {
    ClearTexts();
    return LinkResult::WithoutLine(false);
}

}  // namespace parlix
