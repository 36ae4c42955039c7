#include "sim/SimServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <span>
#include <utility>

namespace parlix::sim {

using simline::Frame;

struct SimServer::Connection {
    int fd = -1;
    std::mutex writeMutex;  // frames from the device thread and the reader interleave whole
    std::thread thread;
    std::atomic<bool> finished{false};
};

namespace {

std::error_code LastErrno() {
    return {errno, std::system_category()};
}

bool FillAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Reads at most `size` bytes, waiting up to `timeoutMs` (-1: no limit): 0 at the
// time-out, -1 when the peer closed or the socket failed.
ssize_t ReadSome(int fd, std::uint8_t* data, std::size_t size, int timeoutMs) {
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, timeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return -1;
        if (ready == 0) return 0;
        const ssize_t n = ::recv(fd, data, size, 0);
        if (n < 0 && errno == EINTR) continue;
        return n <= 0 ? -1 : n;
    }
}

// Applies one frame from the host; false when the host ends the connection.
bool Handle(LineEnd& line, const simline::FrameDecoder::Decoded& frame) {
    const auto& p = frame.payload;
    switch (frame.type) {
        case Frame::Data:
            line.Deliver(p.data(), p.size());
            break;
        case Frame::TimedData: {
            line.SendAhead();  // a host that sends stamps reads them
            LineEnd::Clock::time_point start;
            std::span<const std::uint8_t> bytes;
            if (simline::DecodeTimedData(p, start, bytes))
                line.Deliver(bytes.data(), bytes.size(), start);
            break;
        }
        case Frame::Line:
            if (p.size() >= 7) {
                LineSettings settings;
                settings.baud =
                    p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
                settings.dataBits = p[4];
                settings.parity = p[5];
                settings.stopBits = p[6];
                line.SetLine(settings);
            }
            break;
        case Frame::Rts:
            line.SetRts(!p.empty() && p[0]);
            break;
        case Frame::Dtr:
            line.SetDtr(!p.empty() && p[0]);
            break;
        case Frame::Break:
            line.SetBreak(!p.empty() && p[0]);
            break;
        case Frame::Purge:
            line.NotePurge();
            break;
        case Frame::Unplug:
            return false;
        default:
            break;  // frames a host does not send are ignored
    }
    return true;
}

}  // namespace

SimServer::SimServer(std::string socketPath, TransportOptions options)
    : socketPath_(std::move(socketPath)),
      options_(options),
      lastActivity_(std::chrono::steady_clock::now()) {}

SimServer::~SimServer() {
    Stop();
}

void SimServer::AddDevice(const std::string& name, std::shared_ptr<Device> device) {
    std::lock_guard lock(mutex_);
    devices_[name] = std::move(device);
}

void SimServer::MoveDevice(const std::string& from, const std::string& to,
                           std::chrono::milliseconds gap) {
    {
        std::lock_guard lock(mutex_);
        const auto it = devices_.find(from);
        if (it == devices_.end()) return;
        arrivals_.push_back({std::chrono::steady_clock::now() + gap, to, it->second});
        devices_.erase(it);
    }
    if (options_.log) options_.log->RecordEvent("move " + from + " to " + to);
    Wake();
}

std::vector<std::string> SimServer::DeviceNames() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> names;
    for (const auto& [name, device] : devices_) names.push_back(name);
    return names;
}

std::chrono::milliseconds SimServer::ListArrivals() {
    using namespace std::chrono;
    const auto now = steady_clock::now();
    auto next = milliseconds(1000);
    std::lock_guard lock(mutex_);
    for (auto it = arrivals_.begin(); it != arrivals_.end();) {
        if (it->at <= now) {
            devices_[it->name] = std::move(it->device);
            it = arrivals_.erase(it);
        } else {
            next = std::min(next, duration_cast<milliseconds>(it->at - now) + milliseconds(1));
            ++it;
        }
    }
    return next;
}

void SimServer::Wake() {
    const char wake = 1;
    if (wakeWrite_ >= 0) {
        [[maybe_unused]] auto n = ::write(wakeWrite_, &wake, 1);
    }
}

std::error_code SimServer::Start() {
    sockaddr_un address;
    if (!FillAddress(socketPath_, address)) return {ENAMETOOLONG, std::system_category()};

    if (::access(socketPath_.c_str(), F_OK) == 0) {
        const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool answered =
            probe >= 0 &&
            ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        if (probe >= 0) ::close(probe);
        if (answered) return {EADDRINUSE, std::system_category()};
        ::unlink(socketPath_.c_str());  // stale, left by a server that died
    }

    listen_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listen_ < 0) return LastErrno();
    if (::bind(listen_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listen_, 16) != 0) {
        const auto error = LastErrno();
        ::close(std::exchange(listen_, -1));
        return error;
    }
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        const auto error = LastErrno();
        ::close(std::exchange(listen_, -1));
        ::unlink(socketPath_.c_str());
        return error;
    }
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    {
        std::lock_guard lock(mutex_);
        lastActivity_ = std::chrono::steady_clock::now();
    }
    acceptThread_ = std::thread([this] { AcceptLoop(); });
    return {};
}

void SimServer::Stop() {
    if (listen_ < 0) return;
    stopping_ = true;
    Wake();
    if (acceptThread_.joinable()) acceptThread_.join();
    {
        // Shutting the sockets down ends each connection's reader, which stops its device.
        std::lock_guard lock(mutex_);
        for (auto& connection : connections_) ::shutdown(connection->fd, SHUT_RDWR);
    }
    ReapFinished(true);
    ::close(std::exchange(listen_, -1));
    ::close(std::exchange(wakeRead_, -1));
    ::close(std::exchange(wakeWrite_, -1));
    ::unlink(socketPath_.c_str());
}

int SimServer::ActiveConnections() const {
    std::lock_guard lock(mutex_);
    return active_;
}

std::chrono::steady_clock::time_point SimServer::LastActivity() const {
    std::lock_guard lock(mutex_);
    return lastActivity_;
}

void SimServer::AcceptLoop() {
    while (!stopping_) {
        const auto next = ListArrivals();
        pollfd fds[2] = {{listen_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (::poll(fds, 2, static_cast<int>(next.count())) < 0 && errno != EINTR) break;
        if (fds[1].revents) {
            char drained[16];
            while (::read(wakeRead_, drained, sizeof drained) > 0) {
            }
            if (stopping_) break;
        }
        ReapFinished(false);
        if (!(fds[0].revents & POLLIN)) continue;
        const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        auto connection = std::make_unique<Connection>();
        connection->fd = fd;
        Connection* raw = connection.get();
        std::lock_guard lock(mutex_);
        ++active_;
        connections_.push_back(std::move(connection));
        raw->thread = std::thread([this, raw] {
            Serve(*raw);
            std::lock_guard done(mutex_);
            --active_;
            lastActivity_ = std::chrono::steady_clock::now();
            raw->finished = true;
        });
    }
}

void SimServer::ReapFinished(bool all) {
    std::list<std::unique_ptr<Connection>> done;
    {
        std::lock_guard lock(mutex_);
        for (auto it = connections_.begin(); it != connections_.end();) {
            if (all || (*it)->finished) {
                done.push_back(std::move(*it));
                it = connections_.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto& connection : done) {
        if (connection->thread.joinable()) connection->thread.join();
        ::close(connection->fd);
    }
}

bool SimServer::SendFrame(Connection& connection, Frame type, const std::uint8_t* data,
                          std::size_t size) {
    return SendEncoded(connection, simline::EncodeFrame(type, data, size));
}

bool SimServer::SendEncoded(Connection& connection, const std::vector<std::uint8_t>& bytes) {
    std::lock_guard lock(connection.writeMutex);
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n =
            ::send(connection.fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void SimServer::Serve(Connection& connection) {
    simline::FrameDecoder decoder;
    simline::FrameDecoder::Decoded frame;
    std::uint8_t buffer[4096];

    // The first frame names the device.
    bool opened = false;
    const auto openBy = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!opened && !stopping_ && std::chrono::steady_clock::now() < openBy) {
        const ssize_t n = ReadSome(connection.fd, buffer, sizeof buffer, 200);
        if (n < 0) return;
        decoder.Feed(buffer, static_cast<std::size_t>(n));
        opened = decoder.Next(frame);
    }
    if (opened && frame.type == Frame::List) {
        std::string names;
        for (const std::string& name : DeviceNames()) names += name + "\n";
        SendFrame(connection, Frame::Names, reinterpret_cast<const std::uint8_t*>(names.data()),
                  names.size());
        return;
    }
    if (!opened || frame.type != Frame::Open) return;

    const std::string name(frame.payload.begin(), frame.payload.end());
    std::shared_ptr<Device> device;
    std::string refusal;
    {
        // A host that closes and at once reopens (as hosts do while they try
        // one link after another) finds its device free again.
        std::unique_lock lock(mutex_);
        released_.wait_for(lock, std::chrono::seconds(1), [&] { return !inUse_[name]; });
        const auto it = devices_.find(name);
        if (it == devices_.end())
            refusal = "no simulated device named \"" + name + "\"";
        else if (inUse_[name])
            refusal = simline::InUseRefusal(name);
        else {
            device = it->second;
            inUse_[name] = true;
        }
    }
    if (!device) {
        SendFrame(connection, Frame::Refuse, reinterpret_cast<const std::uint8_t*>(refusal.data()),
                  refusal.size());
        return;
    }
    SendFrame(connection, Frame::Accept,
              reinterpret_cast<const std::uint8_t*>(simline::kTimedLine.data()),
              simline::kTimedLine.size());
    if (options_.log) options_.log->RecordEvent("open " + name);

    // A host that never sent TimedData may not know it: it gets plain Data
    // once each byte has arrived.
    LineEnd line(options_,
                 LineEnd::AheadEmitter(
                     [this, &connection, &line](std::uint8_t byte, LineEnd::Clock::time_point at) {
                         if (line.SendsAhead())
                             SendEncoded(connection, simline::EncodeTimedData(at, &byte, 1));
                         else
                             SendFrame(connection, Frame::Data, &byte, 1);
                     }),
                 [this, &connection] {
                     SendFrame(connection, Frame::Unplug, nullptr, 0);
                     ::shutdown(connection.fd, SHUT_RDWR);
                 });
    std::thread serving([&] { device->Serve(line); });

    // Frames that came with the Open frame are already in the decoder.
    bool open = true;
    while (open) {
        while (open && decoder.Next(frame)) open = Handle(line, frame);
        if (!open) break;
        const ssize_t n = ReadSome(connection.fd, buffer, sizeof buffer, -1);
        if (n <= 0) break;
        decoder.Feed(buffer, static_cast<std::size_t>(n));
    }
    line.Stop();
    serving.join();
    if (options_.log) options_.log->RecordEvent("close " + name);
    {
        std::lock_guard lock(mutex_);
        inUse_[name] = false;
    }
    released_.notify_all();
}

}  // namespace parlix::sim
