// The byte framing of the module protocol, shared by every link.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace parlix {

inline constexpr std::uint8_t kArgRequest = 0x20;  // one space asks for one reply argument

// An argument value travels as one byte: 0 is 'A', -1 is '@', 31 is '`'.
constexpr std::uint8_t EncodeArgument(std::int32_t value) {
    return static_cast<std::uint8_t>((value + 0x41) & 0xFF);
}

// A reply argument must lie in '@'..'`'; false for anything else.
constexpr bool DecodeArgument(std::uint8_t byte, std::int32_t& value) {
    if (byte < 0x40 || byte > 0x60) return false;
    value = static_cast<std::int32_t>(byte) - 0x41;
    return true;
}

// The module needs 50 ms after some argument bytes before it reads on.
bool NeedsPauseAfterArgument(std::uint8_t command, std::size_t argIndex,
                             std::span<const std::int32_t> args);

// Model name for an identity byte, and the revision it stands for.
std::string ModelName(std::uint8_t identity);
int Revision(std::uint8_t identity);

}  // namespace parlix
