#include "link/SimLineProtocol.h"

#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace parlix::simline {

std::string DefaultSocketPath() {
    if (const char* explicitPath = std::getenv("PARLIX_SIM_SOCKET"); explicitPath && *explicitPath)
        return explicitPath;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/parlix-sim.sock";
    return "/tmp/parlix-sim-" + std::to_string(::getuid()) + ".sock";
}

namespace {
constexpr std::string_view kInUse = " is in use";
}

std::string InUseRefusal(const std::string& device) {
    return "simulated device \"" + device + "\"" + std::string(kInUse);
}

bool IsInUseRefusal(const std::vector<std::uint8_t>& payload) {
    const std::string text(payload.begin(), payload.end());
    return text.size() >= kInUse.size() &&
           text.compare(text.size() - kInUse.size(), kInUse.size(), kInUse) == 0;
}

std::vector<std::uint8_t> EncodeFrame(Frame type, const std::uint8_t* payload, std::size_t size) {
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + size);
    out.push_back(static_cast<std::uint8_t>(type));
    out.push_back(static_cast<std::uint8_t>(size & 0xFF));
    out.push_back(static_cast<std::uint8_t>((size >> 8) & 0xFF));
    out.insert(out.end(), payload, payload + size);
    return out;
}

namespace {
constexpr std::size_t kStampSize = 8;
}

std::vector<std::uint8_t> TimedPayload(Clock::time_point at, const std::uint8_t* data,
                                       std::size_t size) {
    std::vector<std::uint8_t> payload(kStampSize + size);
    auto ns = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count());
    for (std::size_t i = 0; i < kStampSize; ++i, ns >>= 8)
        payload[i] = static_cast<std::uint8_t>(ns & 0xFF);
    std::copy_n(data, size, payload.begin() + kStampSize);
    return payload;
}

std::vector<std::uint8_t> EncodeTimedData(Clock::time_point at, const std::uint8_t* data,
                                          std::size_t size) {
    const std::vector<std::uint8_t> payload = TimedPayload(at, data, size);
    return EncodeFrame(Frame::TimedData, payload.data(), payload.size());
}

bool DecodeTimedData(const std::vector<std::uint8_t>& payload, Clock::time_point& at,
                     std::span<const std::uint8_t>& bytes) {
    if (payload.size() < kStampSize) return false;
    std::uint64_t ns = 0;
    for (std::size_t i = kStampSize; i-- > 0;) ns = (ns << 8) | payload[i];
    const auto now = Clock::now();
    at = Clock::time_point(std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(static_cast<std::int64_t>(ns))));
    if (at > now + std::chrono::seconds(1) || at < now - std::chrono::seconds(1)) at = now;
    bytes = std::span<const std::uint8_t>(payload).subspan(kStampSize);
    return true;
}

void FrameDecoder::Feed(const std::uint8_t* data, std::size_t size) {
    buffer_.insert(buffer_.end(), data, data + size);
}

bool FrameDecoder::Next(Decoded& out) {
    if (buffer_.size() < kHeaderSize) return false;
    const std::size_t size = buffer_[1] | (static_cast<std::size_t>(buffer_[2]) << 8);
    if (buffer_.size() < kHeaderSize + size) return false;
    out.type = static_cast<Frame>(buffer_[0]);
    out.payload.assign(buffer_.begin() + kHeaderSize, buffer_.begin() + kHeaderSize + size);
    buffer_.erase(buffer_.begin(), buffer_.begin() + kHeaderSize + size);
    return true;
}

}  // namespace parlix::simline
