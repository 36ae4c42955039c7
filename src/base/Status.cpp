#include "base/Status.h"

namespace parlix {
namespace {

class StatusCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "parlix"; }

    std::string message(int value) const override {
        switch (static_cast<Status>(static_cast<std::uint32_t>(value))) {
            case Status::InvalidFunction:
                return "Incorrect function.";
            case Status::InvalidHandle:
                return "The handle is invalid.";
            case Status::NotEnoughMemory:
                return "Not enough memory resources are available to process this command.";
            case Status::Unsupported:
                return "The system cannot find the device specified.";
            case Status::BadPacketSum:
                return "Data error (cyclic redundancy check).";
            case Status::ShortReply:
                return "The program issued a command but the command length is incorrect.";
            case Status::PacketRejected:
                return "The system cannot write to the specified device.";
            case Status::InvalidParameter:
                return "The parameter is incorrect.";
            case Status::WaitTimeout:
                return "The wait operation timed out.";
            case Status::BadReply:
                return "Cannot complete this function.";
            case Status::Cancelled:
                return "The operation was canceled by the user.";
            case Status::AlreadyOpen:
                return "An attempt was made to perform an initialization operation when "
                       "initialization has already been completed.";
            case Status::Timeout:
                return "This operation returned because the timeout period expired.";
            case Status::InvalidArgument:
                return "The parameter is incorrect.";
            case Status::PortAccessDenied:
                return "Permission denied. Your user must belong to the group that owns the port "
                       "(usually \"dialout\"): run \"sudo usermod -a -G dialout $USER\", then log "
                       "out and in again.";
            case Status::PortBusy:
                return "The port is in use by another program.";
            case Status::NoSimulator:
                return "The simulated device is not available: no parlix-sim serves it.";
            case Status::DeviceUnplugged:
                return "The device has been removed.";
        }
        return {};
    }
};

thread_local std::error_code t_lastError;

}  // namespace

const std::error_category& status_category() noexcept {
    static const StatusCategory category;
    return category;
}

std::error_code GetLastError() noexcept {
    return t_lastError;
}
void SetLastError(std::error_code ec) noexcept {
    t_lastError = ec;
}
std::error_code ErrnoCode(int err) noexcept {
    return {err, std::system_category()};
}

}  // namespace parlix
