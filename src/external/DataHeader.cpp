#include "external/DataHeader.h"

#include "base/Trim.h"

#include <fmt/printf.h>

#include <algorithm>

namespace parlix {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view TrimLeft(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

void ParseLine(std::string_view line, std::vector<DataRow>& rows) {
    if (line.starts_with("//")) {
        const std::string_view label = TrimLeft(line.substr(2));
        if (label.starts_with("Sound"))
            rows.push_back({kDataIconSoundTable, "#", std::string(label)});
        else if (label.starts_with("Gramm"))
            rows.push_back({kDataIconGrammar, "#", std::string(label)});
        return;
    }
    constexpr std::size_t kDefine = 8;  // "#define" and its blank
    if (line.size() <= kDefine || !line.starts_with("#define") ||
        kBlanks.find(line[kDefine - 1]) == std::string_view::npos)
        return;
    const std::string_view rest = line.substr(kDefine);
    const auto gap = rest.find_first_of(kBlanks);
    if (gap == std::string_view::npos) return;
    const std::string_view name = rest.substr(0, gap);
    const std::string value(TrimLeft(rest.substr(gap)));
    if (name.starts_with("SND_"))
        rows.push_back({kDataIconSound, value, std::string(name)});
    else if (name.starts_with("WS"))
        rows.push_back({kDataIconWord, value, std::string(name)});
}

}  // namespace

std::vector<DataRow> ParseDataHeader(std::string_view text) {
    std::vector<DataRow> rows;
    while (!text.empty()) {
        const auto end = text.find('\n');
        ParseLine(Trim(text.substr(0, end)), rows);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return rows;
}

std::string FormatHeaderExport(const std::vector<DataRow>& rows) {
    std::size_t width = 0;
    for (const DataRow& row : rows)
        if (row.index != "#") width = std::max(width, row.label.size());
    std::string out;
    for (const DataRow& row : rows) {
        if (row.index == "#")
            out += "// " + row.label + "\n";
        else
            out += fmt::sprintf("#define %-*s %s\n", static_cast<int>(width), row.label, row.index);
    }
    return out;
}

}  // namespace parlix
