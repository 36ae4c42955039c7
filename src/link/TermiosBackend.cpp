#include "link/TermiosBackend.h"

#include "base/Status.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <array>
#include <cerrno>

namespace parlix {
namespace {

struct Rate {
    std::uint32_t baud;
    speed_t code;
};

constexpr std::array kRates{
    Rate{50, B50},         Rate{75, B75},         Rate{110, B110},       Rate{134, B134},
    Rate{150, B150},       Rate{200, B200},       Rate{300, B300},       Rate{600, B600},
    Rate{1200, B1200},     Rate{1800, B1800},     Rate{2400, B2400},     Rate{4800, B4800},
    Rate{9600, B9600},     Rate{19200, B19200},   Rate{38400, B38400},   Rate{57600, B57600},
    Rate{115200, B115200}, Rate{230400, B230400}, Rate{460800, B460800}, Rate{921600, B921600},
};

bool SpeedCode(std::uint32_t baud, speed_t& code) {
    for (const Rate& r : kRates) {
        if (r.baud == baud) {
            code = r.code;
            return true;
        }
    }
    return false;
}

bool SpeedRate(speed_t code, std::uint32_t& baud) {
    for (const Rate& r : kRates) {
        if (r.code == code) {
            baud = r.baud;
            return true;
        }
    }
    return false;
}

tcflag_t SizeFlag(int dataBits) {
    switch (dataBits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

// The fields of a termios record that LineSettings covers; a rate without a
// number reads as 0.
void DecodeLine(const termios& t, LineSettings& s) {
    if (!SpeedRate(cfgetospeed(&t), s.baud)) s.baud = 0;
    switch (t.c_cflag & CSIZE) {
        case CS5:
            s.dataBits = 5;
            break;
        case CS6:
            s.dataBits = 6;
            break;
        case CS7:
            s.dataBits = 7;
            break;
        default:
            s.dataBits = 8;
            break;
    }
    if (!(t.c_cflag & PARENB))
        s.parity = 0;
    else if (t.c_cflag & CMSPAR)
        s.parity = (t.c_cflag & PARODD) ? 3 : 4;
    else
        s.parity = (t.c_cflag & PARODD) ? 1 : 2;
    // Two stop bits become one and a half with five data bits, as on a UART.
    s.stopBits = (t.c_cflag & CSTOPB) ? (s.dataBits == 5 ? 1 : 2) : 0;
    if (t.c_cflag & CRTSCTS)
        s.handshaking = 1;
    else if ((t.c_iflag & IXON) && (t.c_iflag & IXOFF))
        s.handshaking = 2;
    else
        s.handshaking = 0;
}

}  // namespace

std::error_code TermiosBackend::OpenErrorCode(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
            return Status::PortAccessDenied;
        case EBUSY:
        case EWOULDBLOCK:
            return Status::PortBusy;
        default:
            return ErrnoCode(err);
    }
}

std::error_code TermiosBackend::Open(const std::string& path, std::unique_ptr<SerialBackend>& out,
                                     SetAttributes setAttributes) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return OpenErrorCode(errno);
    auto fail = [fd](int err) {
        ::close(fd);
        return OpenErrorCode(err);
    };
    termios original{};
    if (::tcgetattr(fd, &original) != 0) return fail(errno);
    // TIOCEXCL keeps other users out; root passes it, so the advisory lock
    // is what stops a second program running as root.
    if (::ioctl(fd, TIOCEXCL) != 0) return fail(errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return fail(errno);

    termios raw = original;
    ::cfmakeraw(&raw);
    raw.c_cflag |= CLOCAL | CREAD;
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &raw) != 0) return fail(errno);
    termios check{};
    if (::tcgetattr(fd, &check) != 0) return fail(errno);
    if ((check.c_lflag & (ICANON | ECHO | ISIG)) || (check.c_oflag & OPOST)) return fail(EINVAL);

    if (!setAttributes) {
        setAttributes = [](int f, int when, const termios& t) { return ::tcsetattr(f, when, &t); };
    }
    out.reset(new TermiosBackend(fd, original, std::move(setAttributes)));
    return {};
}

TermiosBackend::~TermiosBackend() {
    Close();
}

std::error_code TermiosBackend::Close() {
    if (fd_ < 0) return {};
    ChangeAfterOutput(original_);
    ::ioctl(fd_, TIOCNXCL);
    const int rc = ::close(fd_);
    fd_ = -1;
    // The descriptor is gone even when close() reports a failure.
    if (rc != 0 && errno != EINTR) return ErrnoCode(errno);
    return {};
}

std::error_code TermiosBackend::SetLine(const LineSettings& s) {
    termios before{};
    if (::tcgetattr(fd_, &before) != 0) return ErrnoCode(errno);
    termios t = before;
    speed_t speed{};
    if (!SpeedCode(s.baud, speed)) return ErrnoCode(EINVAL);
    if (::cfsetspeed(&t, speed) != 0) return ErrnoCode(errno);

    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    t.c_cflag |= SizeFlag(s.dataBits);
    switch (s.parity) {
        case 1:
            t.c_cflag |= PARENB | PARODD;
            break;
        case 2:
            t.c_cflag |= PARENB;
            break;
        case 3:
            t.c_cflag |= PARENB | PARODD | CMSPAR;
            break;
        case 4:
            t.c_cflag |= PARENB | CMSPAR;
            break;
        default:
            break;
    }
    if (s.stopBits != 0) t.c_cflag |= CSTOPB;
    t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    if (s.parity != 0) t.c_iflag |= INPCK;
    if (s.handshaking == 1) t.c_cflag |= CRTSCTS;
    if (s.handshaking == 2) t.c_iflag |= IXON | IXOFF;

    if (ChangeAfterOutput(t) != 0) return ErrnoCode(errno);
    // tcsetattr() succeeds when any one change applied: check them all, and
    // put the line back as it was when the device refused one.
    termios check{};
    LineSettings got;
    if (::tcgetattr(fd_, &check) != 0) return ErrnoCode(errno);
    DecodeLine(check, got);
    if (!(got == s)) {
        ChangeAfterOutput(before);
        return ErrnoCode(ENOTSUP);
    }
    return {};
}

int TermiosBackend::ChangeAfterOutput(const termios& settings) {
    int rc = 0;
    while ((rc = setAttributes_(fd_, TCSADRAIN, settings)) != 0 && errno == EINTR) {
    }
    return rc;
}

std::error_code TermiosBackend::GetLine(LineSettings& settings) {
    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return ErrnoCode(errno);
    DecodeLine(t, settings);
    return {};
}

std::error_code TermiosBackend::SetModemLine(int line, bool on) {
    if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &line) != 0) return ErrnoCode(errno);
    return {};
}

std::error_code TermiosBackend::SetRts(bool on) {
    return SetModemLine(TIOCM_RTS, on);
}

std::error_code TermiosBackend::SetDtr(bool on) {
    return SetModemLine(TIOCM_DTR, on);
}

std::error_code TermiosBackend::SetBreak(bool on) {
    if (::ioctl(fd_, on ? TIOCSBRK : TIOCCBRK) != 0) return ErrnoCode(errno);
    return {};
}

std::error_code TermiosBackend::Purge() {
    if (::tcflush(fd_, TCIOFLUSH) != 0) return ErrnoCode(errno);
    return {};
}

std::error_code TermiosBackend::Drain(Clock::time_point& sentAt) {
    while (::tcdrain(fd_) != 0) {
        if (errno != EINTR) return ErrnoCode(errno);
    }
    sentAt = Clock::now();
    return {};
}

std::error_code TermiosBackend::WaitReadable(Deadline deadline, bool& readable) {
    readable = false;
    short revents = 0;
    if (auto ec = PollUntil(fd_, POLLIN, deadline, revents)) return ec;
    if (revents & POLLIN) {
        readable = true;  // a hang-up with input left still delivers the input first
    } else if (revents & POLLNVAL) {
        return ErrnoCode(EBADF);
    } else if (revents & (POLLHUP | POLLERR)) {
        return Status::DeviceUnplugged;
    }
    return {};
}

std::error_code TermiosBackend::ReadAvailable(std::uint8_t* data, std::size_t size,
                                              std::size_t& got) {
    got = 0;
    if (size == 0) return {};
    for (;;) {
        const ssize_t n = ::read(fd_, data, size);
        if (n > 0) {
            got = static_cast<std::size_t>(n);
            return {};
        }
        if (n == 0) return Status::DeviceUnplugged;  // hang-up: the device went away
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return {};
        if (errno == EIO || errno == ENODEV || errno == ENXIO) return Status::DeviceUnplugged;
        return ErrnoCode(errno);
    }
}

std::error_code TermiosBackend::Write(const std::uint8_t* data, std::size_t size, Deadline deadline,
                                      std::size_t& written) {
    written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd_, data + written, size - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            if (errno == EIO || errno == ENODEV || errno == ENXIO) return Status::DeviceUnplugged;
            return ErrnoCode(errno);
        }
        short revents = 0;
        if (auto ec = PollUntil(fd_, POLLOUT, deadline, revents)) return ec;
        if (revents == 0) return Status::Timeout;
        if (revents & POLLNVAL) return ErrnoCode(EBADF);
        if ((revents & (POLLHUP | POLLERR)) && !(revents & POLLOUT)) return Status::DeviceUnplugged;
    }
    return {};
}

}  // namespace parlix
