// The directive pattern of a code template, a formatted-scan template with
// exactly two character conversions ("//%c%c"): it recognises directive lines
// and yields their kind and operation characters. Scanned as a formatted scan
// does: a literal character matches itself, a blank matches any run of blanks
// (also none), %c takes the next character whatever it is, and %% matches a
// percent sign after optional blanks.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace parlix {

struct Directive {
    char kind = 0;
    char operation = 0;
    std::size_t consumed = 0;  // characters of the line that the scan used up
};

class DirectivePattern {
  public:
    // None unless the pattern holds exactly two %c and no other conversion
    // than %%: anything else would read past what the scan can fill.
    static std::optional<DirectivePattern> Parse(std::string_view pattern);

    // The directive of `line`; none when fewer than two conversions succeed.
    std::optional<Directive> Scan(std::string_view line) const;

  private:
    explicit DirectivePattern(std::string_view pattern) : pattern_(pattern) {}

    std::string pattern_;
};

}  // namespace parlix
