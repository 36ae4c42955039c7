#include "external/DirectivePattern.h"

namespace parlix {
namespace {

// The blanks of the C locale, as a formatted scan skips them.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    return at;
}

}  // namespace

std::optional<DirectivePattern> DirectivePattern::Parse(std::string_view pattern) {
    int conversions = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') continue;
        if (++i == pattern.size()) return std::nullopt;
        if (pattern[i] == 'c')
            ++conversions;
        else if (pattern[i] != '%')
            return std::nullopt;
    }
    if (conversions != 2) return std::nullopt;
    return DirectivePattern(pattern);
}

std::optional<Directive> DirectivePattern::Scan(std::string_view line) const {
    char taken[2] = {};
    int conversions = 0;
    std::size_t at = 0;
    for (std::size_t i = 0; i < pattern_.size(); ++i) {
        const char p = pattern_[i];
        if (IsBlank(p)) {
            at = SkipBlanks(line, at);
            continue;
        }
        if (p == '%' && pattern_[i + 1] == 'c') {
            ++i;
            if (at == line.size()) break;
            taken[conversions++] = line[at++];
            continue;
        }
        if (p == '%') {
            ++i;  // "%%": blanks, then one percent sign
            at = SkipBlanks(line, at);
        }
        if (at == line.size() || line[at] != p) break;
        ++at;
    }
    if (conversions < 2) return std::nullopt;
    return Directive{taken[0], taken[1], at};
}

}  // namespace parlix
