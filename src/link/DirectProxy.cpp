#include "link/DirectProxy.h"

#include "link/ModuleFraming.h"

#include <fmt/format.h>

namespace parlix {

LinkResult DirectProxy::DoOpenLink(const std::string& port) {
    if (const LinkResult r = OpenLine(port); !r) return r;
    // Some boards power the module from the modem lines; a pseudo-terminal has none.
    port_.EscapeFunction(SETRTS);
    port_.EscapeFunction(SETDTR);
    if (const auto ec = port_.SetEventMask(EV_BREAK)) return LinkResult::Fail(ec);
    if (const auto ec = port_.SetReadMode(1)) return LinkResult::Fail(ec);
    SleepMs(500);
    return {true, port_.Purge()};
}

LinkResult DirectProxy::DoDetect() {
    ClearTexts();
    port_.SetReadTimeout(250);
    const LinkResult found = [&] {
        std::uint8_t reply = 0;
        LinkResult r = port_.Query('b', reply);
        if (!r) {
            SleepMs(200);
            // A late answer to the first request must not pass for the next one's.
            port_.Purge();
            if (!(r = port_.Query('b', reply))) return r;
        }
        if (!(r = port_.Expect('b', 'o')) || !(r = port_.Expect('b', 'o'))) return r;
        if (!(r = port_.Expect('x', 'x'))) {
            SleepMs(200);
            port_.Purge();
            if (!(r = port_.Expect('x', 'x'))) return r;
        }
        port_.Purge();
        std::uint8_t identity = 0;
        if (!(r = port_.Query(kArgRequest, identity))) return r;
        // A late answer to 'b' or 'x' still on its way after the purge is no
        // identity and must not name the module.
        if (identity == 'o' || identity == 'x') return r.Refused();
        deviceName_ = ModelName(identity);
        deviceDetail_ = fmt::format("Rev {}", Revision(identity));
        return r;
    }();
    port_.SetReadTimeout(1000);
    return found && deviceName_.empty() ? found.Refused() : found;
}

}  // namespace parlix
