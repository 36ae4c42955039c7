#include "link/SerialBackend.h"

#include "base/Cancellation.h"
#include "base/Status.h"
#include "link/SimDeviceList.h"
#include "link/SimLineBackend.h"
#include "link/SimLineProtocol.h"
#include "link/TermiosBackend.h"

#include <poll.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>

namespace parlix {

std::error_code OpenSerialBackend(const std::string& path, std::unique_ptr<SerialBackend>& out) {
    if (path.starts_with(kSimPortPrefix))
        return SimLineBackend::Connect(simline::DefaultSocketPath(),
                                       path.substr(kSimPortPrefix.size()), out);
    return TermiosBackend::Open(path, out);
}

std::error_code PollUntil(int fd, short events, SerialBackend::Deadline deadline, short& revents) {
    using namespace std::chrono;
    revents = 0;
    const CancelToken* token = CurrentCancelToken();
    for (;;) {
        if (token && token->Cancelled()) return Status::Cancelled;
        // A run that can be cancelled looks at its token between short waits.
        const SerialBackend::Deadline until =
            token ? std::min(deadline, SerialBackend::Clock::now() + kCancelCheckInterval)
                  : deadline;
        // To the nanosecond: the line's own timing is finer than a millisecond.
        timespec left{};
        timespec* timeout = nullptr;
        if (until != SerialBackend::Deadline::max()) {
            const auto rest =
                std::max(until - SerialBackend::Clock::now(), SerialBackend::Clock::duration{});
            const auto secs = duration_cast<seconds>(rest);
            left.tv_sec = static_cast<time_t>(secs.count());
            left.tv_nsec = static_cast<long>(duration_cast<nanoseconds>(rest - secs).count());
            timeout = &left;
        }
        pollfd p{fd, events, 0};
        const int n = ::ppoll(&p, 1, timeout, nullptr);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ErrnoCode(errno);
        }
        if (n > 0) {
            revents = p.revents;
            return {};
        }
        if (SerialBackend::Clock::now() >= deadline) return {};
    }
}

}  // namespace parlix
