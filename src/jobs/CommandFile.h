// The command file (.vrcmd): one header line per group, one line per command
// with its 516 hexadecimal digits. Lines end with CR LF; LF alone is read too.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace parlix {

inline constexpr int kCommandDigits = 516;
// One read takes at most this many characters; a longer line reads as several.
inline constexpr int kCommandFileLineBuffer = 616;

struct GroupHeaderLine {
    int group = 0;
    int count = 0;
};

struct CommandLine {
    int index = 0;
    std::string digits;  // at most 516 characters, as written
};

// A line matched as a formatted scan: "Group %d : %d" and "Command %d : %516s",
// blanks around the colon optional, the word first and in exact case.
std::optional<GroupHeaderLine> ParseGroupHeader(const char* line);
std::optional<CommandLine> ParseCommandLine(const char* line);

std::string FormatGroupHeader(int group, int count);
std::string FormatCommandLine(int index, const std::string& digits);
std::string FormatErrorLine(int group, int index);

// The validation pass over a whole file: every header names a group 0..16
// with 0..31 commands, every command line follows a header with an index
// below its count, and every announced command is present. The total of
// commands, or none for an invalid file. Reads from the current position.
std::optional<int> ValidateCommandFile(std::FILE* file);

}  // namespace parlix
