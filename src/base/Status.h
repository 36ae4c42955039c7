// Status codes shared by the serial layer and everything above it.
//
// The named outcomes keep the numbers that the module tools and users know from
// the original program; operating-system failures stay errno values in
// std::system_category(). Success is a default-constructed std::error_code.
#pragma once

#include <cstdint>
#include <string>
#include <system_error>

namespace parlix {

enum class Status : std::uint32_t {
    InvalidFunction = 1,  // finite time-out on a port opened without overlapped I/O
    InvalidHandle = 6,    // the port is not open
    NotEnoughMemory = 8,
    Unsupported = 20,     // operation not offered by this link
    BadPacketSum = 23,    // bridge download: packet does not add up to zero
    ShortReply = 24,      // bridge download: fewer reply bytes than sent
    PacketRejected = 29,  // bridge download: host refused a packet
    InvalidParameter = 87,
    WaitTimeout = 258,  // no status byte within the command's time-out
    BadReply = 1003,    // a host echoed something other than what was sent
    Cancelled = 1223,
    AlreadyOpen = 1247,
    Timeout = 1460,  // a bounded transfer ran out of time
    InvalidArgument = 0x80070057u,
    // Linux-only outcomes of opening a port, with an actionable text.
    PortAccessDenied = 0x20000001u,
    PortBusy = 0x20000002u,
    NoSimulator = 0x20000003u,
    DeviceUnplugged = 0x20000004u,
};

const std::error_category& status_category() noexcept;

inline std::error_code make_error_code(Status s) noexcept {
    return {static_cast<int>(s), status_category()};
}

// errno of the calling thread as an error code in the system category.
std::error_code ErrnoCode(int err) noexcept;

}  // namespace parlix

template <>
struct std::is_error_code_enum<parlix::Status> : std::true_type {};
