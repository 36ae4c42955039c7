#include "link/DirectProxy.h"

#include "link/ModuleFraming.h"

#include <fmt/format.h>

namespace parlix {

bool DirectProxy::DoOpenLink(const std::string& port) {
    if (!OpenLine(port)) return false;
    // Some boards power the module from the modem lines; a pseudo-terminal has none.
    port_.EscapeFunction(SETRTS);
    port_.EscapeFunction(SETDTR);
    if (port_.SetEventMask(EV_BREAK) || port_.SetReadMode(1)) return false;
    SleepMs(500);
    port_.Purge();
    return true;
}

bool DirectProxy::DoDetect() {
    ClearTexts();
    port_.SetReadTimeout(250);
    const bool found = [&] {
        std::uint8_t reply = 0;
        if (!port_.Query('b', reply)) {
            SleepMs(200);
            if (!port_.Query('b', reply)) return false;
        }
        if (!port_.Expect('b', 'o') || !port_.Expect('b', 'o')) return false;
        if (!port_.Expect('x', 'x')) {
            SleepMs(200);
            if (!port_.Expect('x', 'x')) return false;
        }
        std::uint8_t identity = 0;
        if (!port_.Query(kArgRequest, identity)) return false;
        deviceName_ = ModelName(identity);
        deviceDetail_ = fmt::format("Rev {}", Revision(identity));
        return true;
    }();
    port_.SetReadTimeout(1000);
    return found && !deviceName_.empty();
}

}  // namespace parlix
