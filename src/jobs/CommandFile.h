// The command file (.vrcmd): one header line per group, one line per command
// with its 516 hexadecimal digits. Lines end with CR LF; LF alone is read too.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace parlix {

inline constexpr int kCommandDigits = 516;
// One read takes at most this many characters; a longer line reads as several.
inline constexpr int kCommandFileLineBuffer = 616;
// A module holds at most 32 commands, so its file stays under 17.3 KB
// (17 headers of at most 15 bytes, 32 command lines of 531). Anything past
// this is no command file, and an endless stream must not be read forever.
inline constexpr std::size_t kCommandFileMaxBytes = std::size_t{16} << 20;

struct GroupHeaderLine {
    int group = 0;
    int count = 0;
    bool operator==(const GroupHeaderLine&) const = default;
};

struct CommandLine {
    int index = 0;
    std::string digits;  // at most 516 characters, as written
    bool operator==(const CommandLine&) const = default;
};

// A line matched as a formatted scan: "Group %d : %d" and "Command %d : %516s",
// blanks around the colon optional, the word first and in exact case; the
// line ends at a NUL. A number beyond the range of int reads as the nearest
// end of that range, which no field accepts, so it never wraps to a valid one.
std::optional<GroupHeaderLine> ParseGroupHeader(std::string_view line);
std::optional<CommandLine> ParseCommandLine(std::string_view line);

std::string FormatGroupHeader(int group, int count);
std::string FormatCommandLine(int index, const std::string& digits);
std::string FormatErrorLine(int group, int index);

// The lines an import acts on, in file order; all other lines are left out.
using CommandFileLine = std::variant<GroupHeaderLine, CommandLine>;

struct CommandFileContents {
    std::vector<CommandFileLine> lines;
    int total = 0;  // commands announced by the headers
};

// The validation pass over a whole file held in memory: every header names a
// group 0..16 with 0..31 commands, every command line follows a header with
// an index below its count and carries 516 hexadecimal digits, and every
// announced command is present. None for an invalid file or one without
// commands. The text is read in pieces as a line-by-line read with the
// buffer above takes it.
std::optional<CommandFileContents> ParseCommandFile(std::string_view text);

enum class CommandFileRead { kRead, kCannotRead, kTooLarge };

// Reads a whole file, pipe or device once, and at most `limit` bytes of it:
// a longer one gives kTooLarge without reading on to its end.
CommandFileRead ReadCommandFile(const std::string& path, std::string& text,
                                std::size_t limit = kCommandFileMaxBytes);

}  // namespace parlix
