// A serial device under termios: exclusive, raw, non-blocking; every wait goes
// through poll() so that it is bounded by its deadline.
#pragma once

#include "link/SerialBackend.h"

#include <termios.h>

#include <functional>

namespace parlix {

// The call that changes a line's settings, tcsetattr() unless a test looks on.
using SetAttributes = std::function<int(int fd, int when, const termios& settings)>;

class TermiosBackend final : public SerialBackend {
  public:
    // Opens `path` for exclusive use in raw mode. A port that another program
    // holds fails with Status::PortBusy, one the user may not open with
    // Status::PortAccessDenied.
    static std::error_code Open(const std::string& path, std::unique_ptr<SerialBackend>& out,
                                SetAttributes setAttributes = {});

    TermiosBackend(const TermiosBackend&) = delete;
    TermiosBackend& operator=(const TermiosBackend&) = delete;
    ~TermiosBackend() override;

    std::error_code Close() override;
    std::error_code SetLine(const LineSettings& settings) override;
    std::error_code GetLine(LineSettings& settings) override;
    std::error_code SetRts(bool on) override;
    std::error_code SetDtr(bool on) override;
    std::error_code SetBreak(bool on) override;
    std::error_code Purge() override;
    std::error_code Drain(Clock::time_point& sentAt) override;
    std::error_code WaitReadable(Deadline deadline, bool& readable) override;
    std::error_code ReadAvailable(std::uint8_t* data, std::size_t size, std::size_t& got) override;
    std::error_code Write(const std::uint8_t* data, std::size_t size, Deadline deadline,
                          std::size_t& written) override;

    // The status that a failed open() with this errno becomes.
    static std::error_code OpenErrorCode(int err);

  private:
    TermiosBackend(int fd, const termios& original, SetAttributes setAttributes)
        : fd_(fd), original_(original), setAttributes_(std::move(setAttributes)) {}
    std::error_code SetModemLine(int line, bool on);
    // Applies `settings` once the bytes written so far have left at the old
    // ones: a byte still in the queue would otherwise go out at the new speed.
    int ChangeAfterOutput(const termios& settings);

    int fd_;
    termios original_;  // restored on close
    SetAttributes setAttributes_;
};

}  // namespace parlix
