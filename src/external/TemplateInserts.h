// The text of a template line with its numbered inserts filled, as the
// platform's message formatter fills them: %N inserts text, %N!conv! inserts
// with a printf conversion, %% gives one percent sign.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace parlix {

// The five inserts of every substituted line, in insert order.
struct TemplateInserts {
    std::int32_t language = 0;  // %1
    std::int32_t group = -1;    // %2
    std::int32_t count = 0;     // %3
    std::string label;          // %4, the only text
    std::int32_t command = -1;  // %5
};

// The line formatted, with no CR LF left in the result (each becomes LF); none when the
// formatter rejects it: an insert outside 1 to 5, a conversion that does not
// fit its insert or has no closing "!", a "%" that starts no insert, or a
// width or precision of five digits or more. A bare %N of a number inserts
// the number as text.
std::optional<std::string> FormatTemplateLine(std::string_view line,
                                              const TemplateInserts& inserts);

}  // namespace parlix
