// Cutting blanks off both ends of a piece of text, as every line-based file
// that the program and its tools read does it.
#pragma once

#include <string_view>

namespace parlix {

// Blanks of a line: spaces, tabs and line ends.
inline constexpr std::string_view kLineBlanks = " \t\r\n\v\f";

constexpr std::string_view Trim(std::string_view text, std::string_view blanks = kLineBlanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace parlix
