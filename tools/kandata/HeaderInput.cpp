#include "HeaderInput.h"

#include "base/Trim.h"

#include <charconv>

namespace kandata {
namespace {

using parlix::kLineBlanks;
using parlix::Trim;

bool IsIdentifier(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (const char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '_'))
            return false;
    return true;
}

}  // namespace

bool ParseHeaderInput(std::string_view text, std::size_t count, std::vector<std::string>& names,
                      std::string& error) {
    names.assign(count, std::string{});
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (!line.starts_with("#define") || line.size() == 7 ||
            kLineBlanks.find(line[7]) == std::string_view::npos)
            continue;
        line = Trim(line.substr(7));
        const auto gap = line.find_first_of(" \t");
        const std::string_view name = line.substr(0, gap);
        const std::string_view value =
            gap == std::string_view::npos ? std::string_view{} : Trim(line.substr(gap));
        std::size_t index = 0;
        const auto result = std::from_chars(value.data(), value.data() + value.size(), index);
        const std::string where = "line " + std::to_string(number) + ": ";
        if (!IsIdentifier(name) || value.empty() || result.ec != std::errc{} ||
            result.ptr != value.data() + value.size()) {
            error = where + "expected \"#define NAME INDEX\"";
            return false;
        }
        if (index >= count) {
            error = where + "index " + std::string(value) + " is beyond the model's " +
                    std::to_string(count) + " entries";
            return false;
        }
        if (!names[index].empty()) {
            error = where + "index " + std::string(value) + " is defined twice";
            return false;
        }
        names[index] = std::string(name);
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (names[i].empty()) {
            error = "no name for index " + std::to_string(i);
            return false;
        }
    }
    return true;
}

}  // namespace kandata
