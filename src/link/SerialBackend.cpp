#include "link/SerialBackend.h"

#include "link/SimLineBackend.h"
#include "link/SimLineProtocol.h"
#include "link/Status.h"
#include "link/TermiosBackend.h"

#include <poll.h>
#include <cerrno>
#include <climits>

namespace parlix {

namespace {
constexpr std::string_view kSimPrefix = "sim:";
}

std::error_code OpenSerialBackend(const std::string& path, std::unique_ptr<SerialBackend>& out) {
    if (path.starts_with(kSimPrefix))
        return SimLineBackend::Connect(simline::DefaultSocketPath(), path.substr(kSimPrefix.size()),
                                       out);
    return TermiosBackend::Open(path, out);
}

std::error_code PollUntil(int fd, short events, SerialBackend::Deadline deadline, short& revents) {
    using namespace std::chrono;
    revents = 0;
    for (;;) {
        int timeoutMs = -1;
        if (deadline != SerialBackend::Deadline::max()) {
            const auto left = deadline - SerialBackend::Clock::now();
            if (left <= SerialBackend::Clock::duration::zero()) {
                timeoutMs = 0;
            } else {
                // Round up so that the wait never ends just short of the deadline.
                const auto ms = ceil<milliseconds>(left).count();
                timeoutMs = ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
            }
        }
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, timeoutMs);
        if (n < 0) {
            if (errno == EINTR) continue;
            return ErrnoCode(errno);
        }
        if (n > 0) {
            revents = p.revents;
            return {};
        }
        if (timeoutMs == 0 || SerialBackend::Clock::now() >= deadline) return {};
    }
}

}  // namespace parlix
