#include "link/StampIdentification.h"

namespace parlix {

namespace {

constexpr StampKindInfo kKinds[] = {
    {StampKind::BS2, "BASIC Stamp 2", 'B', 9600},
    {StampKind::BS2e, "BASIC Stamp 2e", 'e', 9600},
    {StampKind::BS2sx, "BASIC Stamp 2sx", 'X', 9600},
    {StampKind::BS2p, "BASIC Stamp 2p", 'P', 9600},
    {StampKind::BS2pe, "BASIC Stamp 2pe", 'I', 9600},
    {StampKind::BS2px, "BASIC Stamp 2px", 'T', 19200},
};

bool IsUpper(std::uint8_t c) {
    return c >= 'A' && c <= 'Z';
}

std::uint8_t ToUpper(std::uint8_t c) {
    return c >= 'a' && c <= 'z' ? static_cast<std::uint8_t>(c - 0x20) : c;
}

}  // namespace

std::span<const StampKindInfo> StampKinds() {
    return kKinds;
}

const StampKindInfo& InfoOf(StampKind kind) {
    return kKinds[static_cast<int>(kind)];
}

std::optional<std::uint8_t> VersionFromReply(StampKind kind, std::uint8_t reply) {
    const std::uint8_t letter = InfoOf(kind).letter;
    switch (kind) {
        case StampKind::BS2:
            return std::nullopt;
        case StampKind::BS2e:
            if (reply < letter) return std::nullopt;
            return static_cast<std::uint8_t>(reply - 0x55);
        case StampKind::BS2sx:
            if (reply < letter) return std::nullopt;
            return static_cast<std::uint8_t>(reply - 0x48);
        default: {
            const std::uint8_t upper = ToUpper(reply);
            if (upper < letter) return std::nullopt;
            const int base = IsUpper(reply) ? 0x10 : 0x90;
            return static_cast<std::uint8_t>(base + (upper - letter));
        }
    }
}

std::uint8_t ReplyForVersion(StampKind kind, std::uint8_t version) {
    const std::uint8_t letter = InfoOf(kind).letter;
    switch (kind) {
        case StampKind::BS2:
            return version;
        case StampKind::BS2e:
            return static_cast<std::uint8_t>(version + 0x55);
        case StampKind::BS2sx:
            return static_cast<std::uint8_t>(version + 0x48);
        default: {
            const bool upper = version < 0x90;
            const auto r = static_cast<std::uint8_t>(letter + (version - (upper ? 0x10 : 0x90)));
            return upper ? r : static_cast<std::uint8_t>(r + 0x20);
        }
    }
}

}  // namespace parlix
