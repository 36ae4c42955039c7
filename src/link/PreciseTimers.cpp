#include "link/PreciseTimers.h"

#include <sys/prctl.h>

namespace parlix {

void UsePreciseTimers() {
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

}  // namespace parlix
