#include "link/SimLineBackend.h"

#include "base/Status.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <span>
#include <thread>

namespace parlix {
namespace {

using simline::Frame;

// Data frames stay small so that a write cut off by its deadline loses little time.
constexpr std::size_t kDataChunk = 1024;
// A control frame, or the rest of a frame already begun, gets this long.
constexpr std::chrono::milliseconds kFrameGrace{1000};

}  // namespace

std::error_code SimLineBackend::Connect(const std::string& socketPath, const std::string& name,
                                        std::unique_ptr<SerialBackend>& out) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (socketPath.empty() || socketPath.size() >= sizeof(addr.sun_path))
        return Status::NoSimulator;
    std::memcpy(addr.sun_path, socketPath.data(), socketPath.size());

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return ErrnoCode(errno);
    const Deadline deadline = Clock::now() + kAttachTimeout;
    // A server whose backlog is full answers EAGAIN: try again shortly, but
    // never beyond the attach time-out.
    while (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) != 0) {
        if (errno == EINTR) continue;
        if (errno != EAGAIN || Clock::now() >= deadline) {
            ::close(fd);
            return Status::NoSimulator;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::unique_ptr<SimLineBackend> line(new SimLineBackend(fd));

    const auto* bytes = reinterpret_cast<const std::uint8_t*>(name.data());
    if (line->Send(Frame::Open, bytes, name.size(), deadline)) return Status::NoSimulator;
    for (;;) {
        short revents = 0;
        if (PollUntil(line->fd_, POLLIN, deadline, revents) || revents == 0)
            return Status::NoSimulator;
        std::uint8_t buf[512];
        const ssize_t n = ::recv(line->fd_, buf, sizeof(buf), MSG_DONTWAIT);
        if (n == 0) return Status::NoSimulator;
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
            return Status::NoSimulator;
        }
        line->decoder_.Feed(buf, static_cast<std::size_t>(n));
        simline::FrameDecoder::Decoded frame;
        while (line->decoder_.Next(frame)) {
            // Anything after the answer stays in the decoder for the line's use.
            if (frame.type == Frame::Accept) {
                line->timed_ = std::string_view(reinterpret_cast<const char*>(frame.payload.data()),
                                                frame.payload.size()) == simline::kTimedLine;
                out = std::move(line);
                return {};
            }
            if (frame.type == Frame::Refuse && simline::IsInUseRefusal(frame.payload))
                return Status::PortBusy;
            if (frame.type == Frame::Refuse || frame.type == Frame::Unplug)
                return Status::NoSimulator;
        }
    }
}

SimLineBackend::~SimLineBackend() {
    Close();
}

std::error_code SimLineBackend::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    return {};
}

void SimLineBackend::Pump(bool* breakArrived) {
    std::uint8_t buf[4096];
    while (!unplugged_) {
        const ssize_t n = ::recv(fd_, buf, sizeof(buf), MSG_DONTWAIT);
        if (n > 0) {
            decoder_.Feed(buf, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        unplugged_ = true;  // end of stream or a broken connection
    }
    simline::FrameDecoder::Decoded frame;
    while (decoder_.Next(frame)) Handle(frame, breakArrived);
}

void SimLineBackend::Handle(const simline::FrameDecoder::Decoded& frame, bool* breakArrived) {
    switch (frame.type) {
        case Frame::Data:
            for (const std::uint8_t byte : frame.payload) received_.push_back({byte, {}});
            break;
        case Frame::TimedData: {
            Clock::time_point at;
            std::span<const std::uint8_t> bytes;
            if (simline::DecodeTimedData(frame.payload, at, bytes))
                for (const std::uint8_t byte : bytes) received_.push_back({byte, at});
            break;
        }
        case Frame::Break:
            if (!frame.payload.empty() && frame.payload[0] != 0) {
                breakEvent_ = true;
                if (breakArrived) *breakArrived = true;
            }
            break;
        case Frame::Unplug:
            unplugged_ = true;
            break;
        default:
            break;  // nothing else is meant for the host
    }
}

std::error_code SimLineBackend::Check() {
    Pump();
    if (unplugged_) return Status::DeviceUnplugged;
    return {};
}

std::error_code SimLineBackend::Send(Frame type, const std::uint8_t* payload, std::size_t size,
                                     Deadline deadline) {
    return SendEncoded(simline::EncodeFrame(type, payload, size), deadline);
}

std::error_code SimLineBackend::SendEncoded(const std::vector<std::uint8_t>& frame,
                                            Deadline deadline) {
    std::size_t sent = 0;
    Deadline limit = deadline;
    while (sent < frame.size()) {
        const ssize_t n =
            ::send(fd_, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            if (sent == 0) limit = std::max(deadline, Clock::now() + kFrameGrace);
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            unplugged_ = true;
            return Status::DeviceUnplugged;
        }
        short revents = 0;
        if (auto ec = PollUntil(fd_, POLLOUT, limit, revents)) return ec;
        if (revents == 0 && sent == 0) return Status::Timeout;
        if (revents == 0 || ((revents & (POLLHUP | POLLERR)) && !(revents & POLLOUT))) {
            // The server stopped taking bytes in the middle of a frame: the
            // stream cannot be resynchronised, so the line is gone.
            unplugged_ = true;
            return Status::DeviceUnplugged;
        }
    }
    return {};
}

std::error_code SimLineBackend::SendControl(Frame type, const std::uint8_t* payload,
                                            std::size_t size) {
    if (auto ec = Check()) return ec;
    return Send(type, payload, size, Clock::now() + kFrameGrace);
}

std::error_code SimLineBackend::SetLine(const LineSettings& s) {
    const std::uint8_t payload[7] = {
        static_cast<std::uint8_t>(s.baud & 0xFF),
        static_cast<std::uint8_t>((s.baud >> 8) & 0xFF),
        static_cast<std::uint8_t>((s.baud >> 16) & 0xFF),
        static_cast<std::uint8_t>((s.baud >> 24) & 0xFF),
        static_cast<std::uint8_t>(s.dataBits),
        static_cast<std::uint8_t>(s.parity),
        static_cast<std::uint8_t>(s.stopBits),
    };
    if (auto ec = SendControl(Frame::Line, payload, sizeof(payload))) return ec;
    line_ = s;
    return {};
}

std::error_code SimLineBackend::GetLine(LineSettings& settings) {
    if (auto ec = Check()) return ec;
    settings = line_;
    return {};
}

std::error_code SimLineBackend::SetRts(bool on) {
    const std::uint8_t value = on ? 1 : 0;
    return SendControl(Frame::Rts, &value, 1);
}

std::error_code SimLineBackend::SetDtr(bool on) {
    const std::uint8_t value = on ? 1 : 0;
    return SendControl(Frame::Dtr, &value, 1);
}

std::error_code SimLineBackend::SetBreak(bool on) {
    const std::uint8_t value = on ? 1 : 0;
    return SendControl(Frame::Break, &value, 1);
}

std::error_code SimLineBackend::Purge() {
    if (auto ec = SendControl(Frame::Purge, nullptr, 0)) return ec;
    // What has arrived goes, even if not yet taken from the socket; bytes
    // still on their way arrive afterwards, as on a real line.
    Pump();
    while (Arrived()) received_.pop_front();
    return {};
}

std::error_code SimLineBackend::Drain(Clock::time_point& sentAt) {
    if (auto ec = Check()) return ec;
    sentAt = std::max(Clock::now(), sentUntil_);
    std::this_thread::sleep_until(sentAt);
    return {};
}

std::error_code SimLineBackend::WaitReadable(Deadline deadline, bool& readable) {
    readable = false;
    for (;;) {
        bool breakArrived = false;
        Pump(&breakArrived);
        if (unplugged_) return Status::DeviceUnplugged;
        if (Arrived()) {
            readable = true;
            return {};
        }
        if (breakArrived) return {};
        // A byte on its way wakes the wait when it arrives.
        const Deadline until =
            received_.empty() ? deadline : std::min(deadline, received_.front().at);
        short revents = 0;
        if (auto ec = PollUntil(fd_, POLLIN, until, revents)) return ec;
        if (revents == 0 && Clock::now() >= deadline) return {};
    }
}

std::error_code SimLineBackend::ReadAvailable(std::uint8_t* data, std::size_t size,
                                              std::size_t& got) {
    got = 0;
    if (auto ec = Check()) return ec;
    while (got < size && Arrived()) {
        data[got++] = received_.front().value;
        received_.pop_front();
    }
    return {};
}

std::error_code SimLineBackend::Write(const std::uint8_t* data, std::size_t size, Deadline deadline,
                                      std::size_t& written) {
    written = 0;
    if (auto ec = Check()) return ec;
    while (written < size) {
        const std::size_t chunk = std::min(kDataChunk, size - written);
        // The chunk starts on the wire once the bytes before it have left.
        const Clock::time_point start = std::max(Clock::now(), sentUntil_);
        const std::vector<std::uint8_t> frame =
            timed_ ? simline::EncodeTimedData(start, data + written, chunk)
                   : simline::EncodeFrame(Frame::Data, data + written, chunk);
        if (auto ec = SendEncoded(frame, deadline)) return ec;
        written += chunk;
        // Ten bits a byte: start, eight data bits, stop.
        if (line_.baud > 0) {
            const auto onLine =
                std::chrono::nanoseconds(10'000'000'000LL * static_cast<long long>(chunk) /
                                         static_cast<long long>(line_.baud));
            sentUntil_ = start + std::chrono::duration_cast<Clock::duration>(onLine);
        }
    }
    return {};
}

bool SimLineBackend::TakeBreakEvent() {
    Pump();
    const bool seen = breakEvent_;
    breakEvent_ = false;
    return seen;
}

}  // namespace parlix
