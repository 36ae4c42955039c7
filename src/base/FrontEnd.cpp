#include "base/FrontEnd.h"

#include <chrono>
#include <thread>

namespace parlix {

// Front ends without their own event loop serve nothing, so a short poll does.
void FrontEnd::DispatchingWait(const std::function<bool()>& done) {
    while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace parlix
