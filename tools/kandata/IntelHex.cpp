#include "IntelHex.h"

#include <algorithm>
#include <cstdio>

namespace kandata {
namespace {

void Record(std::string& out, std::uint8_t type, std::uint16_t offset, const std::uint8_t* data,
            std::size_t size) {
    std::uint8_t sum = static_cast<std::uint8_t>(size + (offset >> 8) + (offset & 0xFF) + type);
    char field[3];
    std::snprintf(field, sizeof field, "%02X", static_cast<unsigned>(size));
    out += ':';
    out += field;
    std::snprintf(field, sizeof field, "%02X", static_cast<unsigned>(offset >> 8));
    out += field;
    std::snprintf(field, sizeof field, "%02X", static_cast<unsigned>(offset & 0xFF));
    out += field;
    std::snprintf(field, sizeof field, "%02X", static_cast<unsigned>(type));
    out += field;
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(field, sizeof field, "%02X", static_cast<unsigned>(data[i]));
        out += field;
        sum = static_cast<std::uint8_t>(sum + data[i]);
    }
    std::snprintf(field, sizeof field, "%02X",
                  static_cast<unsigned>(static_cast<std::uint8_t>(-sum)));
    out += field;
    out += '\n';
}

}  // namespace

std::string FormatIntelHex(std::uint32_t address, const std::vector<std::uint8_t>& bytes) {
    std::string out;
    std::uint32_t upper = 0xFFFFFFFF;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint32_t at = address + static_cast<std::uint32_t>(i);
        if ((at >> 16) != upper) {
            upper = at >> 16;
            const std::uint8_t base[2] = {static_cast<std::uint8_t>(upper >> 8),
                                          static_cast<std::uint8_t>(upper)};
            Record(out, 0x04, 0, base, 2);
        }
        // A record stays within one 64 KiB segment.
        std::size_t size = std::min<std::size_t>(16, bytes.size() - i);
        size = std::min<std::size_t>(size, 0x10000 - (at & 0xFFFF));
        Record(out, 0x00, static_cast<std::uint16_t>(at & 0xFFFF), bytes.data() + i, size);
        i += size;
    }
    Record(out, 0x01, 0, nullptr, 0);
    return out;
}

}  // namespace kandata
