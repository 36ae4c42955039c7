#include "link/SimDeviceList.h"

#include "link/PortDiscovery.h"
#include "link/SimLineProtocol.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cstring>

namespace parlix {

namespace {
// A listing polls every 100 ms while a board restarts; a server that does not
// answer at once is as good as absent.
constexpr int kListTimeoutMs = 500;
}  // namespace

bool ListSimulatedDevices(const std::string& socketPath, std::vector<std::string>& names) {
    names.clear();
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (socketPath.empty() || socketPath.size() >= sizeof(addr.sun_path)) return false;
    std::memcpy(addr.sun_path, socketPath.data(), socketPath.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool ok = false;
    const auto request = simline::EncodeFrame(simline::Frame::List, nullptr, 0);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) == 0 &&
        ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
            static_cast<ssize_t>(request.size())) {
        simline::FrameDecoder decoder;
        simline::FrameDecoder::Decoded frame;
        for (;;) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, kListTimeoutMs) <= 0) break;
            std::uint8_t buffer[1024];
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            decoder.Feed(buffer, static_cast<std::size_t>(n));
            if (!decoder.Next(frame)) continue;
            if (frame.type == simline::Frame::Names) {
                std::string name;
                for (const std::uint8_t c : frame.payload) {
                    if (c != '\n') {
                        name += static_cast<char>(c);
                    } else if (!name.empty()) {
                        names.push_back(std::move(name));
                        name.clear();
                    }
                }
                if (!name.empty()) names.push_back(std::move(name));
                ok = true;
            }
            break;
        }
    }
    ::close(fd);
    return ok;
}

bool ListPortsWithSimulated(std::vector<std::string>& list) {
    DiscoveryOptions options;
    options.useUdev = false;  // names are enough here
    const bool ok = !ListPortNames(list, options);
    std::vector<std::string> simulated;
    if (ListSimulatedDevices(simline::DefaultSocketPath(), simulated)) {
        for (const std::string& name : simulated)
            InsertPortSorted(list, std::string(kSimPortPrefix) + name);
    }
    return ok;
}

}  // namespace parlix
