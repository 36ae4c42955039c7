#include "jobs/ProgramThread.h"

#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <cstring>

namespace parlix::detail {

std::uint64_t CurrentThreadId() {
    return static_cast<std::uint64_t>(::syscall(SYS_gettid));
}

void PrepareWorkerThread(const char* name) {
    char shortName[16] = {};  // the kernel keeps 15 characters
    std::strncpy(shortName, name, sizeof shortName - 1);
    ::pthread_setname_np(::pthread_self(), shortName);
    // Below normal: the user interface stays responsive while jobs read.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(CurrentThreadId()), 5);
}

}  // namespace parlix::detail
