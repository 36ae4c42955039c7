#include "link/ModulePort.h"

#include <chrono>
#include <thread>

namespace parlix {

void SleepMs(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool ModulePort::WriteByte(std::uint8_t byte) {
    if (writePacing_ >= 0) Pause(writePacing_);
    std::uint32_t written = 0;
    if (Write(&byte, 1, &written, nullptr, 1000)) return false;
    FlushOutput();  // each byte reaches the line before the next
    return true;
}

bool ModulePort::ReadByteWithin(std::uint8_t& byte, int timeoutMs) {
    std::uint32_t got = 0;
    const std::uint32_t timeout = timeoutMs < 0 ? kInfinite : static_cast<std::uint32_t>(timeoutMs);
    return !Read(&byte, 1, &got, nullptr, timeout) && got == 1;
}

bool ModulePort::Query(std::uint8_t request, std::uint8_t& reply) {
    return WriteByte(request) && ReadByte(reply);
}

bool ModulePort::Expect(std::uint8_t request, std::uint8_t expected) {
    std::uint8_t reply = 0;
    return Query(request, reply) && reply == expected;
}

}  // namespace parlix
