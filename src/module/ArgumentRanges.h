// The values that the module operations accept. A value outside them would
// reach the module as another byte, perhaps as another command's argument, so
// the operations refuse it before anything is sent.
#pragma once

#include "link/ModuleFraming.h"

namespace parlix {

constexpr bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// Groups 0 (trigger) to 16 (password); a group holds at most 32 commands.
constexpr bool IsGroupNumber(int group) {
    return InRange(group, 0, 16);
}
constexpr bool IsCommandIndex(int index) {
    return InRange(index, 0, 31);
}
constexpr bool IsMessageSlot(int slot) {
    return InRange(slot, 0, 31);
}
// The module numbers its grammars 0 to 31, built-in wordsets included; -1
// would ask for the count instead.
constexpr bool IsGrammarNumber(int grammar) {
    return InRange(grammar, 0, 31);
}
// Wordsets 1 to 3 and custom grammars 4 to 31.
constexpr bool IsWordsetNumber(int wordset) {
    return InRange(wordset, 1, 31);
}
// A count, width or level carried as one argument, 0 to 31. Several letters
// mean another function when their first argument is -1, so -1 is no value.
constexpr bool IsOneArgumentValue(int value) {
    return InRange(value, 0, kArgMax);
}
// A value carried as two arguments, n / 32 and the remainder, both 0 to 31.
constexpr bool IsTwoArgumentValue(int value) {
    return InRange(value, 0, 32 * kArgMax + kArgMax);
}

// Audio tokens: 4 or 8 bits, and times up to 28,090 ms (1023 units).
constexpr bool IsTokenBits(int bits) {
    return bits == 4 || bits == 8;
}
constexpr bool IsTokenValue(int bits, int token) {
    return InRange(token, 0, (1 << bits) - 1);
}
constexpr bool IsTokenTime(int ms) {
    return InRange(ms, 0, 28090);
}

// The I/O pins 1 to 6.
constexpr bool IsPinNumber(int pin) {
    return InRange(pin, 1, 6);
}

}  // namespace parlix
