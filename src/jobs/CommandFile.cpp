#include "jobs/CommandFile.h"

#include <fmt/format.h>
#include <algorithm>
#include <cstdint>
#include <iterator>

namespace parlix {

std::optional<GroupHeaderLine> ParseGroupHeader(const char* line) {
    GroupHeaderLine header;
    if (std::sscanf(line, "Group %d : %d", &header.group, &header.count) != 2) return std::nullopt;
    return header;
}

std::optional<CommandLine> ParseCommandLine(const char* line) {
    int index = 0;
    char digits[kCommandDigits + 1] = {};
    if (std::sscanf(line, "Command %d : %516s", &index, digits) != 2) return std::nullopt;
    return CommandLine{index, digits};
}

std::string FormatGroupHeader(int group, int count) {
    return fmt::format("Group {} : {}\r\n", group, count);
}

std::string FormatCommandLine(int index, const std::string& digits) {
    return fmt::format("Command {} : {}\r\n", index, digits);
}

std::string FormatErrorLine(int group, int index) {
    return fmt::format("Error at group {} command {}\r\n", group, index);
}

std::optional<int> ValidateCommandFile(std::FILE* file) {
    bool haveHeader = false;
    int count = -1;
    std::uint32_t pending = 0;
    int total = 0;
    char line[kCommandFileLineBuffer];
    for (;;) {
        std::fill(std::begin(line), std::end(line), '\0');
        if (!std::fgets(line, sizeof line, file)) break;
        if (const auto header = ParseGroupHeader(line)) {
            // Read as unsigned, so a negative group is out of range too.
            if (static_cast<unsigned>(header->group) > 16) return std::nullopt;
            if (header->count < 0 || header->count > 31) return std::nullopt;
            if (haveHeader && pending != 0) return std::nullopt;
            haveHeader = true;
            count = header->count;
            total += count;
            pending = (1u << count) - 1;
        } else if (const auto command = ParseCommandLine(line)) {
            const auto index = static_cast<unsigned>(command->index);
            if (index > 31 || !haveHeader || static_cast<int>(index) >= count) return std::nullopt;
            pending &= ~(1u << index);
        }
    }
    if (pending != 0 || total == 0) return std::nullopt;
    return total;
}

}  // namespace parlix
