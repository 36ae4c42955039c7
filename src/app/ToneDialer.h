// Telephone tones from a number: the tone of each keypad character, the tone
// duration the module can play, and the steps that compose a number. The
// Dial Phone Number dialog and parlix-cli dial share them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parlix {

inline constexpr int kDialToneTone = -1;
inline constexpr int kDialToneLength = 3;  // the dial tone's length argument
inline constexpr int kDialPauseMs = 1000;  // what a ',' waits
inline constexpr int kDefaultToneDurationMs = 120;
inline constexpr const char* kDefaultPhoneNumber = "123 A 456 B 789 C *0# D";

// The tone of a keypad character: '0'-'9' 0-9, '*' 10, '#' 11, 'A'-'D' 12-15
// (upper case only); nothing for any other character.
std::optional<int> ToneOf(char key);

// The module plays tones in steps of 40 ms from 40 to 1,280 ms; the nearest step.
int NormalisedToneDuration(long long ms);
// The duration field as the dialog reads it: a number, else 0.
long long ParseDurationField(std::string_view text);

struct DialStep {
    char key = 0;   // the character of the number
    int tone = -1;  // its tone; unused for a pause
    bool pause = false;
};

// The tones and pauses of a number, in order; characters that cannot be dialled are left out.
std::vector<DialStep> PlanDial(std::string_view number);
// The number as dialled: the characters played or waited on.
std::string DialledText(const std::vector<DialStep>& steps);

}  // namespace parlix
