#include "sim/HostLine.h"

#include "link/SimLineProtocol.h"
#include "sim/CommandFraming.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <span>

namespace parlix::sim::test {

std::optional<std::uint8_t> HostLine::Query(const std::string& bytes,
                                            std::chrono::milliseconds timeout) {
    Send(bytes);
    return Read(timeout);
}

std::optional<std::uint8_t> HostLine::Command(char command, const std::vector<int>& args,
                                              std::chrono::milliseconds timeout) {
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(command)};
    for (int value : args) bytes.push_back(EncodeArgument(value));
    Send(bytes);
    return Read(timeout);
}

std::vector<int> HostLine::Fetch(std::size_t count, std::chrono::milliseconds timeout) {
    std::vector<int> values;
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = Query(" ", timeout);
        if (!byte || !IsArgumentByte(*byte)) break;
        values.push_back(DecodeArgument(*byte));
    }
    return values;
}

std::vector<std::uint8_t> HostLine::Drain(std::chrono::milliseconds quiet) {
    std::vector<std::uint8_t> bytes;
    while (const auto byte = Read(quiet)) bytes.push_back(*byte);
    return bytes;
}

// --- LoopHost

LoopHost::LoopHost(std::shared_ptr<Device> device, TransportOptions options)
    : device_(std::move(device)) {
    line_ = std::make_unique<LineEnd>(
        options,
        [this](std::uint8_t byte) {
            {
                std::lock_guard lock(mutex_);
                received_.push_back(byte);
            }
            arrived_.notify_all();
        },
        nullptr);
    serve_ = std::thread([this] { device_->Serve(*line_); });
}

LoopHost::~LoopHost() {
    line_->Stop();
    serve_.join();
}

void LoopHost::Send(const std::vector<std::uint8_t>& bytes) {
    line_->Deliver(bytes.data(), bytes.size());
}

std::optional<std::uint8_t> LoopHost::Read(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    if (!arrived_.wait_for(lock, timeout, [this] { return !received_.empty(); }))
        return std::nullopt;
    const auto byte = received_.front();
    received_.pop_front();
    return byte;
}

// --- PtyHost

namespace {

speed_t SpeedOf(unsigned baud) {
    switch (baud) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 19200:
            return B19200;
        case 115200:
            return B115200;
        default:
            return B9600;
    }
}

bool WaitReadable(int fd, std::chrono::milliseconds timeout) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, static_cast<int>(timeout.count())) > 0;
}

}  // namespace

PtyHost::PtyHost(const std::string& path, unsigned baud) {
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return;
    termios tio{};
    ::tcgetattr(fd_, &tio);
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    ::cfsetspeed(&tio, SpeedOf(baud));
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    ::tcsetattr(fd_, TCSANOW, &tio);
}

PtyHost::~PtyHost() {
    if (fd_ >= 0) ::close(fd_);
}

void PtyHost::Send(const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

std::optional<std::uint8_t> PtyHost::Read(std::chrono::milliseconds timeout) {
    if (!WaitReadable(fd_, timeout)) return std::nullopt;
    std::uint8_t byte;
    if (::read(fd_, &byte, 1) != 1) return std::nullopt;
    return byte;
}

bool PtyHost::HungUp(std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < until) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 50) > 0) {
            if (p.revents & (POLLHUP | POLLERR)) return true;
            std::uint8_t byte;
            if (::read(fd_, &byte, 1) <= 0) return true;
        }
    }
    return false;
}

// --- SocketHost

SocketHost::SocketHost(const std::string& socketPath) {
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

SocketHost::~SocketHost() {
    Close();
}

void SocketHost::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void SocketHost::SendFrame(std::uint8_t type, const std::vector<std::uint8_t>& payload) {
    const auto bytes =
        simline::EncodeFrame(static_cast<simline::Frame>(type), payload.data(), payload.size());
    [[maybe_unused]] auto n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

std::optional<std::uint8_t> SocketHost::Open(const std::string& name, std::string* payload) {
    SendFrame(static_cast<std::uint8_t>(simline::Frame::Open),
              std::vector<std::uint8_t>(name.begin(), name.end()));
    const auto until = std::chrono::steady_clock::now() + 2s;
    while (frames_.empty() && std::chrono::steady_clock::now() < until && Pump(100ms)) {
    }
    if (frames_.empty()) return std::nullopt;
    auto [type, body] = frames_.front();
    frames_.pop_front();
    if (payload) payload->assign(body.begin(), body.end());
    return type;
}

void SocketHost::Send(const std::vector<std::uint8_t>& bytes) {
    SendFrame(static_cast<std::uint8_t>(simline::Frame::Data), bytes);
}

bool SocketHost::Pump(std::chrono::milliseconds timeout) {
    if (fd_ < 0 || closed_) return false;
    if (!WaitReadable(fd_, timeout)) return true;
    std::uint8_t chunk[1024];
    const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
    if (n <= 0) {
        closed_ = true;
        return false;
    }
    decoder_.Feed(chunk, static_cast<std::size_t>(n));
    simline::FrameDecoder::Decoded frame;
    while (decoder_.Next(frame)) {
        simline::Clock::time_point at{};
        std::span<const std::uint8_t> bytes;
        if (frame.type == simline::Frame::Data)
            for (const std::uint8_t byte : frame.payload) data_.emplace_back(byte, at);
        else if (frame.type == simline::Frame::TimedData &&
                 simline::DecodeTimedData(frame.payload, at, bytes)) {
            for (const std::uint8_t byte : bytes) data_.emplace_back(byte, at);
            timedBytes_ += bytes.size();
        } else
            frames_.emplace_back(static_cast<std::uint8_t>(frame.type), frame.payload);
    }
    return true;
}

std::optional<std::uint8_t> SocketHost::Read(std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (data_.empty()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left <= 0ms || !Pump(left)) break;
    }
    if (data_.empty()) return std::nullopt;
    // A byte sent ahead is read once it has arrived, as the program does.
    const auto [byte, at] = data_.front();
    if (at > until) return std::nullopt;
    std::this_thread::sleep_until(at);
    data_.pop_front();
    return byte;
}

bool SocketHost::SawUnplug(std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < until && Pump(50ms)) {
    }
    for (const auto& [type, body] : frames_)
        if (type == static_cast<std::uint8_t>(simline::Frame::Unplug)) return closed_;
    return false;
}

std::string TempSocketPath(const std::string& tag) {
    static std::atomic<int> counter{0};
    return "/tmp/parlix-sim-test-" + std::to_string(::getpid()) + "-" + tag + "-" +
           std::to_string(counter++) + ".sock";
}

std::int64_t AnswerDelay(const WireLog& log) {
    std::int64_t asked = -1;
    for (const auto& entry : log.Entries()) {
        if (entry.isEvent) continue;
        if (entry.direction == Direction::HostToDevice) {
            asked = entry.micros;
        } else if (asked >= 0) {
            return entry.micros - asked;
        }
    }
    return -1;
}

}  // namespace parlix::sim::test
