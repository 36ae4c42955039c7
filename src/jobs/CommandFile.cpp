#include "jobs/CommandFile.h"

#include "base/FileText.h"

#include <fmt/format.h>
#include <algorithm>
#include <climits>
#include <cstdint>

namespace parlix {
namespace {

// What a formatted scan skips as blanks.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The few conversions of a formatted scan that the command file uses.
class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

    // Ordinary characters of the template: matched exactly, no blanks skipped.
    bool Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }
    // A blank in the template: any run of blanks, also none.
    void Blanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }
    // %d, saturated to the range of int instead of wrapping.
    bool Decimal(int& out) {
        Blanks();
        bool negative = false;
        if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-'))
            negative = text_[pos_++] == '-';
        if (pos_ >= text_.size() || !IsDigit(text_[pos_])) return false;
        constexpr std::int64_t kBeyond = std::int64_t{INT_MAX} + 1;
        std::int64_t magnitude = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_]))
            magnitude = std::min(magnitude * 10 + (text_[pos_++] - '0'), kBeyond);
        out = static_cast<int>(negative ? -magnitude : std::min<std::int64_t>(magnitude, INT_MAX));
        return true;
    }
    // %Ns: at least one and at most `width` characters that are not blanks.
    bool Word(std::size_t width, std::string& out) {
        Blanks();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && pos_ - start < width && !IsBlank(text_[pos_])) ++pos_;
        if (pos_ == start) return false;
        out.assign(text_.substr(start, pos_ - start));
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsCommandData(const std::string& digits) {
    return digits.size() == static_cast<std::size_t>(kCommandDigits) &&
           std::all_of(digits.begin(), digits.end(), IsHexDigit);
}

}  // namespace

std::optional<GroupHeaderLine> ParseGroupHeader(std::string_view line) {
    Scanner scan(line);
    GroupHeaderLine header;
    if (!scan.Literal("Group") || !scan.Decimal(header.group)) return std::nullopt;
    scan.Blanks();
    if (!scan.Literal(":") || !scan.Decimal(header.count)) return std::nullopt;
    return header;
}

std::optional<CommandLine> ParseCommandLine(std::string_view line) {
    Scanner scan(line);
    CommandLine command;
    if (!scan.Literal("Command") || !scan.Decimal(command.index)) return std::nullopt;
    scan.Blanks();
    if (!scan.Literal(":") || !scan.Word(kCommandDigits, command.digits)) return std::nullopt;
    return command;
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

std::optional<CommandFileContents> ParseCommandFile(std::string_view text) {
    // Also keeps the total of announced commands well inside an int.
    if (text.size() > kCommandFileMaxBytes) return std::nullopt;
    CommandFileContents contents;
    bool haveHeader = false;
    int count = -1;
    std::uint32_t pending = 0;
    constexpr std::size_t kRead = kCommandFileLineBuffer - 1;
    for (std::size_t pos = 0; pos < text.size();) {
        std::string_view line = text.substr(pos, kRead);
        if (const std::size_t end = line.find('\n'); end != std::string_view::npos)
            line = line.substr(0, end + 1);
        pos += line.size();
        if (auto header = ParseGroupHeader(line)) {
            // Read as unsigned, so a negative group is out of range too.
            if (static_cast<unsigned>(header->group) > 16) return std::nullopt;
            if (header->count < 0 || header->count > 31) return std::nullopt;
            if (haveHeader && pending != 0) return std::nullopt;
            haveHeader = true;
            count = header->count;
            contents.total += count;
            pending = (1u << count) - 1;
            contents.lines.emplace_back(*header);
        } else if (auto command = ParseCommandLine(line)) {
            const auto index = static_cast<unsigned>(command->index);
            if (index > 31 || !haveHeader || static_cast<int>(index) >= count) return std::nullopt;
            // The module would refuse it only after the import has begun.
            if (!IsCommandData(command->digits)) return std::nullopt;
            pending &= ~(1u << index);
            contents.lines.emplace_back(std::move(*command));
        }
    }
    if (pending != 0 || contents.total == 0) return std::nullopt;
    return contents;
}

CommandFileRead ReadCommandFile(const std::string& path, std::string& text, std::size_t limit) {
    int error = 0;
    switch (ReadFileText(path, text, limit, FileKinds::kAny, error)) {
        case FileTextRead::kRead:
            return CommandFileRead::kRead;
        case FileTextRead::kTooLarge:
            return CommandFileRead::kTooLarge;
        default:  // a folder, for one, opens but does not read
            return CommandFileRead::kCannotRead;
    }
}

}  // namespace parlix
