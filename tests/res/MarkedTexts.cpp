#include "res/MarkedTexts.h"

#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>

namespace parlix::test {
namespace {

constexpr std::string_view kMarker = "PX_TR";

class Scanner {
  public:
    explicit Scanner(std::string source) : s_(std::move(source)) {}

    std::vector<MarkedText> Scan() {
        bool lineStart = true;
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart = true;
                continue;
            }
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
                continue;
            }
            if (lineStart && c == '#') {
                SkipDirective();
                continue;
            }
            lineStart = false;
            if (SkipComment()) continue;
            if (c == '"' || c == '\'') {
                std::string ignored;
                Literal(ignored);
                continue;
            }
            if (IsIdentifierChar(c)) {
                const std::size_t begin = pos_;
                // A number may carry digit separators (10'000), which are no character literal.
                const bool number = std::isdigit(static_cast<unsigned char>(c)) != 0;
                while (pos_ < s_.size() && (IsIdentifierChar(s_[pos_]) ||
                                            (number && s_[pos_] == '\'' && pos_ + 1 < s_.size() &&
                                             IsIdentifierChar(s_[pos_ + 1]))))
                    ++pos_;
                if (std::string_view(s_).substr(begin, pos_ - begin) == kMarker) Marker();
                continue;
            }
            ++pos_;
        }
        return std::move(found_);
    }

  private:
    static bool IsIdentifierChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    }

    void SkipDirective() {
        while (pos_ < s_.size() && s_[pos_] != '\n') {
            if (s_[pos_] == '\\' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') {
                ++line_;
                ++pos_;
            }
            ++pos_;
        }
    }

    bool SkipComment() {
        if (s_.compare(pos_, 2, "//") == 0) {
            while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
            return true;
        }
        if (s_.compare(pos_, 2, "/*") == 0) {
            const std::size_t end = s_.find("*/", pos_ + 2);
            const std::size_t stop = end == std::string::npos ? s_.size() : end + 2;
            for (; pos_ < stop; ++pos_)
                if (s_[pos_] == '\n') ++line_;
            return true;
        }
        return false;
    }

    void SkipBlanks() {
        while (pos_ < s_.size()) {
            if (s_[pos_] == '\n') ++line_;
            if (std::isspace(static_cast<unsigned char>(s_[pos_])))
                ++pos_;
            else if (!SkipComment())
                return;
        }
    }

    // A quoted literal at pos_, decoded into `out`; false on an escape it does not know.
    bool Literal(std::string& out) {
        const char quote = s_[pos_++];
        bool known = true;
        while (pos_ < s_.size() && s_[pos_] != quote) {
            char c = s_[pos_++];
            if (c == '\n') ++line_;
            if (c == '\\' && pos_ < s_.size()) {
                switch (const char e = s_[pos_++]) {
                    case 'n':
                        c = '\n';
                        break;
                    case 'r':
                        c = '\r';
                        break;
                    case 't':
                        c = '\t';
                        break;
                    case '\\':
                    case '"':
                    case '\'':
                    case '?':
                        c = e;
                        break;
                    default:
                        known = false;
                        c = e;
                }
            }
            out += c;
        }
        ++pos_;
        return known;
    }

    // One or more adjacent string literals.
    std::optional<std::string> Strings() {
        SkipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != '"') return std::nullopt;
        std::string text;
        while (pos_ < s_.size() && s_[pos_] == '"') {
            if (!Literal(text)) return std::nullopt;
            SkipBlanks();
        }
        return text;
    }

    bool Expect(char c) {
        SkipBlanks();
        if (pos_ >= s_.size() || s_[pos_] != c) return false;
        ++pos_;
        return true;
    }

    void Marker() {
        MarkedText marked;
        marked.line = line_;
        if (!Expect('(')) return;  // the name alone, not a use
        const auto context = Strings();
        const bool comma = context && Expect(',');
        const auto text = comma ? Strings() : std::nullopt;
        if (text && Expect(')')) {
            marked.context = *context;
            marked.text = *text;
        } else {
            marked.fault = "PX_TR needs two string literals (context, text) that lupdate can read";
        }
        found_.push_back(std::move(marked));
    }

    std::string s_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::vector<MarkedText> found_;
};

}  // namespace

std::vector<MarkedText> MarkedTextsIn(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return Scanner(contents.str()).Scan();
}

}  // namespace parlix::test
