#include "ui/logic/NameFilters.h"

#include <algorithm>

namespace parlix::ui {
namespace {

void TrimEnd(std::string& text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
}

}  // namespace

std::string NameFilter(const FilterPair& pair) {
    std::string description = pair.description;
    TrimEnd(description);
    const std::string shown = "(" + pair.pattern + ")";
    if (description.size() >= shown.size() &&
        description.compare(description.size() - shown.size(), shown.size(), shown) == 0) {
        description.resize(description.size() - shown.size());
        TrimEnd(description);
    }
    std::string globs = pair.pattern;
    std::replace(globs.begin(), globs.end(), ';', ' ');
    if (description.empty()) return globs;
    return description + " (" + globs + ")";
}

}  // namespace parlix::ui
