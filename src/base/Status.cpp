#include "base/Status.h"

#include "base/Text.h"

namespace parlix {
namespace {

class StatusCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "parlix"; }

    std::string message(int value) const override {
        switch (static_cast<Status>(static_cast<std::uint32_t>(value))) {
            case Status::InvalidFunction:
                return Tr(PX_TR("Status", "Incorrect function."));
            case Status::InvalidHandle:
                return Tr(PX_TR("Status", "The handle is invalid."));
            case Status::NotEnoughMemory:
                return Tr(
                    PX_TR("Status",
                          "Not enough memory resources are available to process this command."));
            case Status::Unsupported:
                return Tr(PX_TR("Status", "The system cannot find the device specified."));
            case Status::BadPacketSum:
                return Tr(PX_TR("Status", "Data error (cyclic redundancy check)."));
            case Status::ShortReply:
                return Tr(PX_TR(
                    "Status", "The program issued a command but the command length is incorrect."));
            case Status::PacketRejected:
                return Tr(PX_TR("Status", "The system cannot write to the specified device."));
            case Status::InvalidParameter:
                return Tr(PX_TR("Status", "The parameter is incorrect."));
            case Status::WaitTimeout:
                return Tr(PX_TR("Status", "The wait operation timed out."));
            case Status::BadReply:
                return Tr(PX_TR("Status", "Cannot complete this function."));
            case Status::Cancelled:
                return Tr(PX_TR("Status", "The operation was canceled by the user."));
            case Status::AlreadyOpen:
                return Tr(PX_TR("Status",
                                "An attempt was made to perform an initialization operation when "
                                "initialization has already been completed."));
            case Status::Timeout:
                return Tr(
                    PX_TR("Status", "This operation returned because the timeout period expired."));
            case Status::InvalidArgument:
                return Tr(PX_TR("Status", "The parameter is incorrect."));
            case Status::PortAccessDenied:
                return Tr(PX_TR(
                    "Status",
                    "Permission denied. Your user must belong to the group that owns the port "
                    "(usually \"dialout\"): run \"sudo usermod -a -G dialout $USER\", then log "
                    "out and in again."));
            case Status::PortBusy:
                return Tr(PX_TR("Status", "The port is in use by another program."));
            case Status::NoSimulator:
                return Tr(PX_TR("Status",
                                "The simulated device is not available: no parlix-sim serves it."));
            case Status::DeviceUnplugged:
                return Tr(PX_TR("Status", "The device has been removed."));
        }
        return {};
    }
};

}  // namespace

const std::error_category& status_category() noexcept {
    static const StatusCategory category;
    return category;
}

std::error_code ErrnoCode(int err) noexcept {
    return {err, std::system_category()};
}

}  // namespace parlix
