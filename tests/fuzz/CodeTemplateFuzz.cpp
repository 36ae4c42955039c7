// Arbitrary bytes as a directive pattern (the first line) and a code template
// (the rest), expanded over a few groups: every run ends, a refused pattern
// copies the template unchanged, and the pieces hold up on their own.
#include "FuzzCheck.h"
#include "external/CodeGenerator.h"
#include "external/TemplateChoice.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using parlix::fuzz::Check;

// Group 0 with a lone caret and an entry not loaded, group 3, and the password group.
class FixedSource : public parlix::CodeSource {
  public:
    std::int32_t CommandCount(int group) override {
        switch (group) {
            case 0:
                return 2;
            case 3:
                return 1;
            case 16:
                return 3;
            default:
                return 0;
        }
    }
    std::optional<std::string> CommandLabel(int group, int index) override {
        if (group == 0) return index == 0 ? std::optional<std::string>("A^") : std::nullopt;
        if (group == 3) return "ROOM^C";
        return std::string(static_cast<std::size_t>(index), 'X');
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string_view pattern = input.substr(0, split);
    const std::string text(split == std::string_view::npos ? std::string_view()
                                                           : input.substr(split + 1));

    FixedSource source;
    std::istringstream in(text);
    std::ostringstream out;
    const parlix::CodeOutcome outcome = parlix::CodeGenerator(source, 2).Run(in, pattern, out);
    const bool accepted = parlix::DirectivePattern::Parse(pattern).has_value();
    Check(accepted == (outcome != parlix::CodeOutcome::PatternRefused),
          "only a refused pattern is reported as refused");
    if (!accepted) {
        std::istringstream again(text);
        std::string copied;
        for (const std::string& line : parlix::ReadTemplateLines(again)) copied += line;
        Check(out.str() == copied, "a refused pattern copies every line");
    }

    // The pieces on the same bytes: the record, a line's inserts, a label.
    const parlix::TemplateRecord record = parlix::TemplateRecord::Split(input);
    Check(record.file.find('|') == std::string::npos, "the file name holds no bar");
    parlix::TemplateInserts inserts;
    inserts.label = parlix::DecodeCommandLabel(text);
    Check(inserts.label.size() <= text.size(), "decoding never lengthens a label");
    if (const auto line = parlix::FormatTemplateLine(text, inserts))
        Check(line->find("\r\n") == std::string::npos, "no CR LF is left after formatting");
    return 0;
}
