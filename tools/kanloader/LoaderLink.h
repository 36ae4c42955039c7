// The host's side of the loader protocol (README.md): waking the loader and
// exchanging checked frames with retries, over one serial port.
#pragma once

#include "link/Serial.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kanloader {

inline constexpr std::uint32_t kSlowBaud = 9600;
inline constexpr std::uint32_t kFastBaud = 115200;
inline constexpr int kEraseWaitMs = 5;
inline constexpr int kRateSettleMs = 10;
inline constexpr int kTries = 4;

std::uint16_t Crc16(const std::uint8_t* data, std::size_t size, std::uint16_t crc = 0xFFFF);

// Refused: the loader answered "cannot be done"; Rejected: every try of a
// frame was answered NAK or with noise.
enum class Outcome { Ok, NoAnswer, Refused, Rejected, LineLost };

class LoaderLink {
  public:
    explicit LoaderLink(parlix::Serial& port) : port_(port) {}

    // Sends the wake sequence until the loader answers; the loader's version.
    Outcome Wake(int& version);
    // One frame, retried on NAK or silence; `reply` receives the bytes after the ACK.
    Outcome Exchange(char command, const std::vector<std::uint8_t>& payload,
                     std::vector<std::uint8_t>& reply, std::size_t replySize = 0,
                     int extraWaitMs = 0);
    // Switches the line (and, through `S`, the loader) to `baud`, then pings.
    Outcome SwitchRate(std::uint32_t baud);

    std::uint32_t Baud() const { return baud_; }
    // Configures the host's side of the line only.
    bool SetLine(std::uint32_t baud);

  private:
    // The wire time of `bytes` bytes at the current rate, rounded up, in ms.
    int WireMs(std::size_t bytes) const;
    bool ReadByte(std::uint8_t& byte, int timeoutMs, bool& lost);
    // Drops what has come and what comes until the line is quiet for
    // `quietMs`; true when the line was lost.
    bool DropLateAnswers(int quietMs);

    parlix::Serial& port_;
    std::uint32_t baud_ = kSlowBaud;
};

}  // namespace kanloader
