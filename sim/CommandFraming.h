// How the module frames a command: the command byte, then as many argument
// bytes as that command takes. Some commands take more arguments when the
// first one is -1 (the same letter then names another function), and a label
// or a data block makes the count depend on an earlier argument.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace parlix::sim {

// Argument values travel as 'A' + value; valid bytes lie in '@' (-1) to '`' (31).
// Written here again on purpose rather than taken from the host's link code:
// the simulated module is an independent peer, so a mistake in the host's
// encoding shows up as a disagreement instead of being shared.
inline constexpr std::uint8_t EncodeArgument(int value) {
    return static_cast<std::uint8_t>(0x41 + value);
}
inline constexpr bool IsArgumentByte(std::uint8_t byte) {
    return byte >= 0x40 && byte <= 0x60;
}
inline constexpr int DecodeArgument(std::uint8_t byte) {
    return static_cast<int>(byte) - 0x41;
}

// Number of command data nibbles carried by import and export.
inline constexpr int kCommandDataNibbles = 516;

// The number of arguments `command` takes, knowing the ones received so far;
// it may grow as more arrive (ask again after each). Nothing for a byte that
// is no command.
std::optional<std::size_t> ArgumentCount(std::uint8_t command, const std::vector<int>& received);

}  // namespace parlix::sim
