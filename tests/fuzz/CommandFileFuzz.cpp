// Arbitrary bytes as a command file: each line through the line parsers, cut
// where the reader's buffer cuts it, and the whole text through validation.
#include "FuzzCheck.h"
#include "jobs/CommandFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace {

using parlix::fuzz::Check;

// What the exporter writes for a parsed line must parse back to the same line.
void ParseLine(const char* line) {
    if (const auto header = parlix::ParseGroupHeader(line)) {
        const auto again = parlix::ParseGroupHeader(
            parlix::FormatGroupHeader(header->group, header->count).c_str());
        Check(again && again->group == header->group && again->count == header->count,
              "a formatted group header reads back");
    }
    if (const auto command = parlix::ParseCommandLine(line)) {
        Check(!command->digits.empty() &&
                  command->digits.size() <= static_cast<std::size_t>(parlix::kCommandDigits),
              "command digits are 1 to 516 characters");
        const auto again = parlix::ParseCommandLine(
            parlix::FormatCommandLine(command->index, command->digits).c_str());
        Check(again && again->index == command->index && again->digits == command->digits,
              "a formatted command line reads back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    std::string line;
    for (std::size_t i = 0; i < size;) {
        // As fgets reads: up to a newline, or a buffer's worth less its terminator.
        line.clear();
        while (i < size && line.size() + 1 < parlix::kCommandFileLineBuffer) {
            line += text[i++];
            if (line.back() == '\n') break;
        }
        ParseLine(line.c_str());  // an embedded NUL ends the line early, as it does for fgets
    }

    // The whole text through the validation pass, as an import reads it.
    const auto contents = parlix::ParseCommandFile(std::string_view(text, size));
    if (contents) {
        // 17 groups of at most 31 commands each; an accepted file announces at least one,
        // and carries each announced command (a repeated one may come twice).
        Check(contents->total >= 1, "an accepted file holds a command");
        int commands = 0;
        for (const auto& entry : contents->lines)
            if (const auto* command = std::get_if<parlix::CommandLine>(&entry)) {
                ++commands;
                Check(command->digits.size() == static_cast<std::size_t>(parlix::kCommandDigits),
                      "an accepted command carries all its digits");
            }
        Check(commands >= contents->total, "every announced command is there");
    }
    return 0;
}
