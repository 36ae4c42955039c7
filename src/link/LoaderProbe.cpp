#include "link/LoaderProbe.h"

#include "link/Serial.h"

#include <chrono>
#include <cstdint>

namespace parlix {
namespace {

// Start byte, 'P', payload length 0 (little-endian) and the CRC-16 of the
// command and length, high byte first.
constexpr std::uint8_t kPing[] = {0x01, 'P', 0x00, 0x00, 0x92, 0x52};
constexpr std::uint8_t kAck = 0x06;
// The frame's and the answer's wire time, and the loader's 200 ms of slack.
constexpr std::uint32_t kAnswerMs = 300;

}  // namespace

bool AnswersAsLoader(const std::string& port) {
    Serial serial;
    if (serial.Open(port, 0, 0, true)) return false;
    bool acknowledged = false;
    if (!serial.Configure(9600, 8, 0, 0) && !serial.SetReadMode(1) && !serial.Purge()) {
        std::uint32_t written = 0;
        if (!serial.Write(kPing, sizeof kPing, &written, nullptr, 1000) && !serial.FlushOutput()) {
            const auto deadline =
                std::chrono::steady_clock::now() + std::chrono::milliseconds(kAnswerMs);
            std::uint8_t byte = 0;
            std::uint32_t got = 0;
            while (!acknowledged && std::chrono::steady_clock::now() < deadline &&
                   !serial.Read(&byte, 1, &got, nullptr, kAnswerMs) && got == 1)
                acknowledged = byte == kAck;
        }
    }
    serial.Close();
    return acknowledged;
}

}  // namespace parlix
