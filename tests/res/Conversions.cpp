#include "res/Conversions.h"

#include <algorithm>
#include <cstring>

namespace parlix::test {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Join(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : ", ") + p;
    return out;
}

}  // namespace

Conversions ConversionsOf(std::string_view text) {
    Conversions c;
    std::size_t i = 0;
    while ((i = text.find('%', i)) != std::string_view::npos) {
        const std::size_t start = i++;
        if (i < text.size() && text[i] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i;
        if (j < text.size() && text[j] == 'L') ++j;  // Qt's localised insert
        const std::size_t digits = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        const bool numbered = j > digits && (j == text.size() || text[j] != '$');
        if (numbered) {
            // An insert, with an optional "!format!" as the message formatter has it.
            if (j < text.size() && text[j] == '!') {
                const std::size_t close = text.find('!', j + 1);
                if (close != std::string_view::npos) j = close + 1;
            }
            c.positional.emplace_back(text.substr(start, j - start));
            i = j;
            continue;
        }
        const bool positional = j > digits;  // "%1$d": j stands at the '$'
        j = positional ? j + 1 : i;
        while (j < text.size() && std::strchr("-+ #0'", text[j])) ++j;
        while (j < text.size() && (IsDigit(text[j]) || text[j] == '*' || text[j] == '.')) ++j;
        while (j < text.size() && std::strchr("hlLqjzt", text[j])) ++j;
        // The type letter, or whatever stands there: a stray '%' must match too.
        if (j < text.size()) ++j;
        const std::string conversion(text.substr(start, j - start));
        (positional ? c.positional : c.inOrder).push_back(conversion);
        i = j;
    }
    std::sort(c.positional.begin(), c.positional.end());
    return c;
}

std::string Describe(const Conversions& c) {
    return "[" + Join(c.inOrder) + "] {" + Join(c.positional) + "}";
}

}  // namespace parlix::test
