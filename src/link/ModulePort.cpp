#include "link/ModulePort.h"

#include "base/Cancellation.h"

#include <chrono>
#include <thread>

namespace parlix {

void SleepMs(int ms) {
    if (ms > 0)
        SleepUntilUnlessCancelled(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms));
}

// A write that worked still leaves the status of the flush after it.
LinkResult ModulePort::WriteByte(std::uint8_t byte) {
    if (writePacing_ >= 0) Pause(writePacing_);
    std::uint32_t written = 0;
    if (const auto ec = Write(&byte, 1, &written, nullptr, 1000)) return LinkResult::Fail(ec);
    // Each byte reaches the line before the next.
    return {true, FlushOutput()};
}

LinkResult ModulePort::ReadByteWithin(std::uint8_t& byte, int timeoutMs) {
    std::uint32_t got = 0;
    const std::uint32_t timeout = timeoutMs < 0 ? kInfinite : static_cast<std::uint32_t>(timeoutMs);
    const std::error_code ec = Read(&byte, 1, &got, nullptr, timeout);
    return {!ec && got == 1, ec};
}

LinkResult ModulePort::Query(std::uint8_t request, std::uint8_t& reply) {
    const LinkResult written = WriteByte(request);
    if (!written) return written;
    return ReadByte(reply);
}

LinkResult ModulePort::Expect(std::uint8_t request, std::uint8_t expected) {
    std::uint8_t reply = 0;
    const LinkResult r = Query(request, reply);
    return r && reply != expected ? r.Refused() : r;
}

}  // namespace parlix
