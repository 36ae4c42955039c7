#include "external/LoaderProgress.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace parlix {
namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number that a C library would read starting at text[0]; saturates.
long long ReadSigned(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX);
    return negative ? -value : value;
}

std::optional<long long> Percentage(std::string_view line) {
    if (line.size() < 3 || line.back() != '%') return std::nullopt;
    std::size_t start = line.size() - 1;
    while (start > 0 && IsDigit(line[start - 1])) --start;
    if (start == line.size() - 1 || start == 0) return std::nullopt;
    return ReadSigned(line.substr(start - 1, line.size() - start));
}

}  // namespace

LoaderLine ParseLoaderLine(std::string_view line) {
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    LoaderLine result{std::string(line), std::nullopt};

    const auto percentage = Percentage(line);
    if (!percentage || *percentage < 0) return result;
    std::string lower = result.status;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    long long offset = 0;
    if (lower.find("program") != std::string::npos)
        offset = 100;
    else if (lower.find("verif") != std::string::npos)
        offset = 200;
    else if (lower.find("eras") == std::string::npos)
        return result;
    result.position =
        static_cast<int>(std::min<long long>(*percentage + offset, kLoaderProgressRange));
    return result;
}

}  // namespace parlix
