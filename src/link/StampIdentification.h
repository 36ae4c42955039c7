// The BASIC Stamp kinds and how each answers the identification exchange
// after a reset into its monitor.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace parlix {

enum class StampKind { BS2, BS2e, BS2sx, BS2p, BS2pe, BS2px };

struct StampKindInfo {
    StampKind kind;
    const char* name;
    std::uint8_t letter;  // the request byte; the BS2 sends "BS2" and then 0
    std::uint32_t baud;   // the monitor's speed
};

// In the order they are tried.
std::span<const StampKindInfo> StampKinds();
const StampKindInfo& InfoOf(StampKind kind);

// The reply the BS2 gives to each letter of "BS2": it adds up to 0 with it.
constexpr std::uint8_t Bs2Answer(std::uint8_t letter) {
    return static_cast<std::uint8_t>(0x100 - letter);
}

// The version byte a one-letter kind announces with `reply`, or nothing when
// the reply does not belong to that kind.
std::optional<std::uint8_t> VersionFromReply(StampKind kind, std::uint8_t reply);
// The reply a one-letter kind gives for `version` (the inverse of the above).
std::uint8_t ReplyForVersion(StampKind kind, std::uint8_t version);

}  // namespace parlix
