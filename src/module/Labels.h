// Labels as the module stores them and as the user sees them, the names
// derived from them, and the texts of message slots.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace parlix {

// A module label holds 'A'-'Z', '_' and '^' only, at most this many characters.
inline constexpr int kMaxLabelLength = 31;

constexpr char ToUpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool IsModuleLabelChar(char c) {
    return (c >= 'A' && c <= 'Z') || c == '_' || c == '^';
}

// A label character travels as one argument, the character minus 'A'.
constexpr std::int32_t LabelArgument(char c) {
    return c - 'A';
}
constexpr char LabelChar(std::int32_t argument) {
    return static_cast<char>('A' + argument);
}

// Keeps of `label` what the module stores, in place: at most 31 characters,
// upper-cased, ending before the first one that is not 'A'-'Z', '_' or '^'.
void KeepModuleLabel(std::string& label);

// The user's text in module form: every digit d becomes '^' and 'A' + d, the
// text is cut to 31 bytes and upper-cased, and it ends before the first
// character the module cannot store. "room2" gives "ROOM^C", "light 2" "LIGHT".
std::string EncodeLabel(std::string_view text);

// The module form as shown: every '^' and the character c after it become c - 17.
std::string DecodeLabel(std::string_view label);

// Every sentinel but "no conflict" (0xEBAD0000) counts, and so does every real
// index: the sentinels lie just above it when taken as signed.
constexpr bool HasConflict(std::int32_t conflict) {
    return conflict > static_cast<std::int32_t>(0xEBAD0000u);
}

// "SND_BEEP" for sound 0, else "SND_<decoded table name>_<index>".
std::string SoundName(std::string_view tableName, unsigned index);

// The decoded label of a command, or "UNNAMED_COMMAND_<index>" when it has none.
std::string CommandName(std::string_view label, int index);

// "Empty Slot", "Recorded Message" or "Message Error" by the sample width.
std::string MessageSlotLabel(std::int32_t bits);
// Shown for a slot whose recording runs.
std::string RecordingLabel();

// Tenths of a second that `length` bytes of `bits`-bit samples last, rounded
// to the nearest tenth; 0 when the width is not positive.
int MessageDuration(std::int32_t bits, std::int32_t length);
// "m:ss.t".
std::string FormatDuration(int tenths);

}  // namespace parlix
