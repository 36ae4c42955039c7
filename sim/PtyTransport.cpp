#include "sim/PtyTransport.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace parlix::sim {

PtyTransport::PtyTransport(std::shared_ptr<Device> device, TransportOptions options)
    : device_(std::move(device)), options_(options) {}

std::unique_ptr<PtyTransport> PtyTransport::Open(std::shared_ptr<Device> device,
                                                 TransportOptions options, std::error_code& error) {
    std::unique_ptr<PtyTransport> pty(new PtyTransport(std::move(device), options));
    char name[256] = {};
    if (::openpty(&pty->master_, &pty->slave_, name, nullptr, nullptr) != 0) {
        error = std::error_code(errno, std::system_category());
        return nullptr;
    }
    pty->slavePath_ = name;
    // Until the host configures it, the line is raw at 9600 like a fresh port,
    // not a terminal that echoes and translates line ends.
    termios tio{};
    ::tcgetattr(pty->slave_, &tio);
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B9600);
    ::tcsetattr(pty->slave_, TCSANOW, &tio);
    ::fcntl(pty->master_, F_SETFL, ::fcntl(pty->master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(pty->master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(pty->slave_, F_SETFD, FD_CLOEXEC);
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = std::error_code(errno, std::system_category());
        return nullptr;
    }
    pty->wakeRead_ = wake[0];
    pty->wakeWrite_ = wake[1];

    PtyTransport* self = pty.get();
    pty->line_ = std::make_unique<LineEnd>(
        options, [self](std::uint8_t byte) { self->Emit(byte); }, [self] { self->HangUp(); });
    const int slave = pty->slave_;
    pty->line_->SetLineSource([slave](LineSettings& settings) {
        termios t{};
        if (::tcgetattr(slave, &t) != 0) return false;
        if (const auto baud = BaudOf(::cfgetospeed(&t))) settings.baud = baud;
        settings.dataBits = (t.c_cflag & CSIZE) == CS7 ? 7 : (t.c_cflag & CSIZE) == CS6 ? 6 : 8;
        settings.parity = (t.c_cflag & PARENB) ? ((t.c_cflag & PARODD) ? 1 : 2) : 0;
        settings.stopBits = (t.c_cflag & CSTOPB) ? 2 : 0;
        return true;
    });
    pty->pump_ = std::thread([self] { self->Pump(); });
    pty->serve_ = std::thread([self] { self->device_->Serve(*self->line_); });
    error.clear();
    return pty;
}

PtyTransport::~PtyTransport() {
    Stop();
    for (int fd : {master_, slave_, wakeRead_, wakeWrite_})
        if (fd >= 0) ::close(fd);
}

void PtyTransport::Stop() {
    if (stopped_) return;
    stopped_ = true;
    if (line_) line_->Stop();
    if (wakeWrite_ >= 0) {
        const char wake = 1;
        [[maybe_unused]] auto n = ::write(wakeWrite_, &wake, 1);
    }
    if (pump_.joinable()) pump_.join();
    if (serve_.joinable()) serve_.join();
}

void PtyTransport::Pump() {
    std::uint8_t buffer[512];
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, -1);
        if (ready < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[1].revents) {
            if (hangUp_ && master_ >= 0) ::close(std::exchange(master_, -1));
            break;
        }
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                line_->Deliver(buffer, static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        }
        // Without POLLIN, only a hang-up wakes us; we hold a slave open, so that
        // happens only once the line is closed from our side.
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
            if (line_->Unplugged()) break;
            // The host closed its end; ours stays open, so wait for the next open.
            ::usleep(10'000);
        }
    }
}

void PtyTransport::Emit(std::uint8_t byte) {
    for (;;) {
        const ssize_t n = ::write(master_, &byte, 1);
        if (n == 1) return;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN && !line_->Stopping()) {
            pollfd fd{master_, POLLOUT, 0};
            ::poll(&fd, 1, 100);
            continue;
        }
        return;
    }
}

void PtyTransport::HangUp() {
    // Runs on the device thread; the pump closes the master, which hangs up
    // every open slave descriptor of the host.
    hangUp_ = true;
    const char wake = 1;
    [[maybe_unused]] auto n = ::write(wakeWrite_, &wake, 1);
}

std::uint32_t BaudOf(speed_t speed) {
    switch (speed) {
        case B1200:
            return 1200;
        case B2400:
            return 2400;
        case B4800:
            return 4800;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        default:
            return 0;
    }
}

}  // namespace parlix::sim
