// The conversions of a text that its formatter fills: printf conversions
// ("%d", "%02X", "%s"), positional ones ("%1$d") and numbered inserts ("%1",
// "%1!d!", Qt's "%L1"). A translation must keep them: plain conversions in
// their order, positional ones in any order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlix::test {

struct Conversions {
    std::vector<std::string> inOrder;     // plain printf conversions, as written
    std::vector<std::string> positional;  // positional conversions and inserts, sorted

    bool operator==(const Conversions&) const = default;
};

Conversions ConversionsOf(std::string_view text);

// "[%d, %s] {%1}" for a failure message.
std::string Describe(const Conversions& c);

}  // namespace parlix::test
