#include "ui/logic/LabelInput.h"

#include <algorithm>

namespace parlix::ui {

std::optional<char> MapLabelChar(char typed) {
    if (typed == '-' || typed == ' ') return '_';
    if (typed >= 'a' && typed <= 'z') return static_cast<char>(typed - 'a' + 'A');
    if ((typed >= 'A' && typed <= 'Z') || (typed >= '0' && typed <= '9') || typed == '_')
        return typed;
    return std::nullopt;
}

int LabelWeight(std::string_view text) {
    int weight = 0;
    for (const char c : text) weight += (c >= '0' && c <= '9') ? 2 : 1;
    return weight;
}

TypedResult TypeLabelChar(std::string_view text, std::size_t selStart, std::size_t selEnd,
                          char typed) {
    TypedResult result;
    const auto mapped = MapLabelChar(typed);
    if (!mapped) return result;
    selStart = std::min(selStart, text.size());
    selEnd = std::clamp(selEnd, selStart, text.size());
    std::string next(text.substr(0, selStart));
    next += *mapped;
    next += text.substr(selEnd);
    if (LabelWeight(next) > kMaxLabelWeight) {
        result.outcome = TypedOutcome::TooLong;
        return result;
    }
    result.outcome = TypedOutcome::Accepted;
    result.text = std::move(next);
    result.ch = *mapped;
    return result;
}

}  // namespace parlix::ui
