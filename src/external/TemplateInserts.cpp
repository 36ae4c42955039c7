#include "external/TemplateInserts.h"

#include "base/Text.h"

namespace parlix {
namespace {

constexpr int kInserts = 5;
constexpr int kLabelInsert = 4;
// Longer runs of digits in a conversion would ask for gigabytes of padding.
constexpr std::size_t kMaxConversionDigits = 4;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool ConversionFits(std::string_view conversion) {
    if (conversion.empty()) return false;
    std::size_t digits = 0;
    for (const char c : conversion) {
        digits = IsDigit(c) ? digits + 1 : 0;
        if (digits > kMaxConversionDigits) return false;
    }
    return true;
}

// The line with every insert written out as %N!conv!, which the shared
// formatter turns into a positional conversion; none for what it must refuse.
std::optional<std::string> ExplicitInserts(std::string_view line) {
    std::string out;
    out.reserve(line.size() + 8);
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '%') {
            out += line[i];
            continue;
        }
        if (i + 1 < line.size() && line[i + 1] == '%') {
            out += "%%";
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < line.size() && IsDigit(line[end]) && end - i <= 2) ++end;
        if (end - i != 2) return std::nullopt;  // one digit: inserts 1 to 5 only
        const int insert = line[i + 1] - '0';
        if (insert < 1 || insert > kInserts) return std::nullopt;
        out.append(line.substr(i, 2));
        if (end < line.size() && line[end] == '!') {
            const std::size_t close = line.find('!', end + 1);
            if (close == std::string_view::npos) return std::nullopt;
            const std::string_view conversion = line.substr(end + 1, close - end - 1);
            if (!ConversionFits(conversion)) return std::nullopt;
            out += '!';
            out.append(conversion);
            out += '!';
            i = close;
            continue;
        }
        // Bare: text as it is, a number in decimal.
        out += insert == kLabelInsert ? "!s!" : "!d!";
        i = end - 1;
    }
    return out;
}

}  // namespace

std::optional<std::string> FormatTemplateLine(std::string_view line,
                                              const TemplateInserts& inserts) {
    const auto text = ExplicitInserts(line);
    if (!text) return std::nullopt;
    std::string out;
    if (!TryFormat(out, InsertsToPrintf(*text), inserts.language, inserts.group, inserts.count,
                   inserts.label, inserts.command))
        return std::nullopt;
    // Until no CR LF is left: CR CR LF gives LF, not a new CR LF.
    std::string lf;
    lf.reserve(out.size());
    for (const char c : out) {
        if (c == '\n')
            while (!lf.empty() && lf.back() == '\r') lf.pop_back();
        lf += c;
    }
    return lf;
}

}  // namespace parlix
