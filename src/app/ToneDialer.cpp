#include "app/ToneDialer.h"

#include <algorithm>
#include <charconv>

namespace parlix {

std::optional<int> ToneOf(char key) {
    if (key >= '0' && key <= '9') return key - '0';
    if (key == '*') return 10;
    if (key == '#') return 11;
    if (key >= 'A' && key <= 'D') return 12 + (key - 'A');
    return std::nullopt;
}

int NormalisedToneDuration(long long ms) {
    // Clamped before the arithmetic, so that no field value can overflow it.
    const long long clamped = std::clamp(ms, -40LL, 40LL * 40);
    const long long steps = std::clamp((clamped + 20) / 40, 1LL, 32LL);
    return static_cast<int>(steps * 40);
}

long long ParseDurationField(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return 0;
    text.remove_prefix(first);
    text = text.substr(0, text.find_last_not_of(" \t") + 1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return text.front() == '-' ? -1 : 40LL * 40;  // far out of range either way
    if (error != std::errc{} || end != text.data() + text.size()) return 0;
    return value;
}

std::vector<DialStep> PlanDial(std::string_view number) {
    std::vector<DialStep> steps;
    for (const char c : number) {
        if (c == ',')
            steps.push_back({c, -1, true});
        else if (const auto tone = ToneOf(c))
            steps.push_back({c, *tone, false});
    }
    return steps;
}

std::string DialledText(const std::vector<DialStep>& steps) {
    std::string text;
    for (const DialStep& step : steps) text += step.key;
    return text;
}

}  // namespace parlix
