// Module commands that make the module listen, and the one that stops it.
#include "app/Text.h"
#include "module/Exchange.h"

namespace parlix {

// Runs on the thread that may already hold the lock for a stream, so it takes
// no lock and purges nothing.
bool CModuleController::Interrupt() {
    CVoiceProxy* proxy = current_;
    if (!proxy) return false;
    std::uint8_t status = 0;
    return proxy->SendCommand('b', {}) && proxy->ReceiveStatus(status, 50) &&
           proxy->SendCommand('b', {}) && proxy->ReceiveStatus(status, 50) && status == 'o';
}

}  // namespace parlix
