// The expansion of a code template over the trained commands: lines that the
// directive pattern recognises steer a group loop ('G'), a command loop ('C')
// or a plain substituted line ('L'); every other line is copied unchanged.
//
// A loop's '>' line sets its mark, '+' steps to the next group holding
// commands or the next command (and ends the loop after the last one), and
// '^' continues reading at the line after the mark. The marks start at the
// template's first line. The rest of a directive line, after what the pattern
// matched, is written with the inserts of TemplateInserts.h filled.
#pragma once

#include "external/DirectivePattern.h"
#include "external/TemplateInserts.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace parlix {

// Groups 0 to 16 hold commands: the trigger group, groups 1 to 15, the password group.
inline constexpr int kCodeGroups = 17;

// What the expansion reads of the commands.
class CodeSource {
  public:
    virtual ~CodeSource() = default;
    // The commands of group `group`; 0 or less when it holds none or is not known.
    virtual std::int32_t CommandCount(int group) = 0;
    // The label of a command as the module stores it; none when it is not loaded.
    virtual std::optional<std::string> CommandLabel(int group, int index) = 0;
};

enum class CodeOutcome {
    Written,
    // The pattern is no two-character scan: every line was copied unchanged.
    PatternRefused,
    // A '^' line would have repeated the same pass for ever; reading stopped there.
    EndlessLoop,
};

// The lines of a template as a text-mode read gives them: each keeps its
// line break, and a CR LF line end reads as LF.
std::vector<std::string> ReadTemplateLines(std::istream& in);

// The label as shown: every "^" x pair becomes x - 17; a "^" at the end is dropped.
std::string DecodeCommandLabel(std::string_view label);

class CodeGenerator {
  public:
    CodeGenerator(CodeSource& source, std::int32_t language)
        : source_(source), language_(language) {}

    CodeOutcome Run(std::istream& templateText, std::string_view pattern, std::ostream& out);

  private:
    CodeSource& source_;
    std::int32_t language_;
};

}  // namespace parlix
