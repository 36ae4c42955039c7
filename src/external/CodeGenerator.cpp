#include "external/CodeGenerator.h"

#include <set>
#include <tuple>

namespace parlix {
namespace {

// A digit d travels as "^" and 'A' + d.
constexpr int kDigitShift = 17;

enum class Step { Drop, Write, Return };

class Expansion {
  public:
    Expansion(CodeSource& source, std::int32_t language, const std::vector<std::string>& lines,
              const DirectivePattern& pattern, std::ostream& out)
        : source_(source), lines_(lines), pattern_(pattern), out_(out) {
        inserts_.language = language;
    }

    CodeOutcome Run() {
        while (next_ < lines_.size()) {
            const std::string& line = lines_[next_++];
            const auto directive = pattern_.Scan(line);
            if (!directive) {
                out_ << line;
                continue;
            }
            Step step = Step::Write;
            switch (directive->kind) {
                case 'G':
                    step = GroupLine(directive->operation);
                    break;
                case 'C':
                    step = CommandLine(directive->operation);
                    break;
                case 'L':
                    break;
                default:
                    out_ << line;
                    continue;
            }
            if (step == Step::Drop) continue;
            // What the scan used up, not the pattern's printed length: a blank
            // in the pattern may have matched none or several characters.
            const std::string_view rest = std::string_view(line).substr(directive->consumed);
            if (const auto text = FormatTemplateLine(rest, Inserts())) out_ << *text;
            if (step == Step::Return &&
                !ReturnTo(directive->kind == 'G' ? groupMark_ : commandMark_))
                return CodeOutcome::EndlessLoop;
        }
        return CodeOutcome::Written;
    }

  private:
    // Everything the rest of the run depends on, when it goes back to a mark.
    using Pass =
        std::tuple<std::size_t, int, int, std::int32_t, std::string, std::size_t, std::size_t>;

    Step GroupLine(char operation) {
        switch (operation) {
            case '>':
                group_ = -1;
                groupMark_ = next_;
                return Step::Write;
            case '+':
                for (++group_; group_ < kCodeGroups; ++group_) {
                    count_ = source_.CommandCount(group_);
                    if (count_ > 0) return Step::Write;
                }
                group_ = -1;
                return Step::Drop;
            case '^':
                return group_ < 0 ? Step::Drop : Step::Return;
            default:
                return group_ < 0 ? Step::Drop : Step::Write;
        }
    }

    Step CommandLine(char operation) {
        if (group_ < 0) return Step::Drop;
        switch (operation) {
            case '>':
                command_ = -1;
                commandMark_ = next_;
                return Step::Write;
            case '+':
                if (++command_ >= count_) {
                    command_ = -1;
                    return Step::Drop;
                }
                label_ = CommandName();
                return Step::Write;
            case '^':
                return command_ < 0 ? Step::Drop : Step::Return;
            default:
                return command_ < 0 ? Step::Drop : Step::Write;
        }
    }

    std::string CommandName() {
        const auto label = source_.CommandLabel(group_, command_);
        if (!label || label->empty()) return "UNNAMED_COMMAND_" + std::to_string(command_);
        return DecodeCommandLabel(*label);
    }

    // Goes back to `mark`; false when the run was there before in the very
    // same state, so that it would go round for ever.
    bool ReturnTo(std::size_t mark) {
        next_ = mark;
        return passes_.emplace(next_, group_, command_, count_, label_, groupMark_, commandMark_)
            .second;
    }

    TemplateInserts Inserts() const {
        TemplateInserts inserts = inserts_;
        inserts.group = group_;
        inserts.count = count_;
        inserts.label = label_;
        inserts.command = command_;
        return inserts;
    }

    CodeSource& source_;
    const std::vector<std::string>& lines_;
    const DirectivePattern& pattern_;
    std::ostream& out_;
    TemplateInserts inserts_;
    std::size_t next_ = 0;
    int group_ = -1;
    std::int32_t count_ = 0;
    int command_ = -1;
    std::string label_;
    std::size_t groupMark_ = 0;
    std::size_t commandMark_ = 0;
    std::set<Pass> passes_;
};

}  // namespace

std::vector<std::string> ReadTemplateLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        const bool ended = !in.eof();
        if (ended && !line.empty() && line.back() == '\r') line.pop_back();
        if (ended) line += '\n';
        lines.push_back(std::move(line));
        line.clear();
    }
    return lines;
}

std::string DecodeCommandLabel(std::string_view label) {
    std::string shown;
    shown.reserve(label.size());
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] != '^') {
            shown += label[i];
        } else if (i + 1 < label.size()) {
            shown += static_cast<char>(label[++i] - kDigitShift);
        }
    }
    return shown;
}

CodeOutcome CodeGenerator::Run(std::istream& templateText, std::string_view pattern,
                               std::ostream& out) {
    const std::vector<std::string> lines = ReadTemplateLines(templateText);
    const auto directives = DirectivePattern::Parse(pattern);
    if (!directives) {
        for (const std::string& line : lines) out << line;
        return CodeOutcome::PatternRefused;
    }
    return Expansion(source_, language_, lines, *directives, out).Run();
}

}  // namespace parlix
