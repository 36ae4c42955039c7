// The label editor's rules for each typed character: what it becomes, and
// whether the label it would make still fits the module.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace parlix::ui {

// "-" and space become "_", a-z upper case; A-Z, 0-9 and "_" pass; every
// other character is dropped (none).
std::optional<char> MapLabelChar(char typed);

// Each character weighs 1 and each digit 1 more: a digit takes two module
// characters. The module keeps 31.
int LabelWeight(std::string_view text);
inline constexpr int kMaxLabelWeight = 31;

// The result of typing one character into `text` with [selStart, selEnd)
// selected.
enum class TypedOutcome { Dropped, TooLong, Accepted };
struct TypedResult {
    TypedOutcome outcome = TypedOutcome::Dropped;
    std::string text;  // when accepted
    char ch = 0;       // the character that goes in
};
TypedResult TypeLabelChar(std::string_view text, std::size_t selStart, std::size_t selEnd,
                          char typed);

}  // namespace parlix::ui
