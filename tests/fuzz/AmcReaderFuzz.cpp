// Arbitrary bytes as a combined grammar project: one grammar name for each
// line that holds more than blanks, none with a folder left in it.
#include "FuzzCheck.h"
#include "external/DataInputs.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using parlix::fuzz::Check;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto names = parlix::ParseCombinedGrammarNames(text);

    std::size_t lines = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const auto end = std::min(text.find('\n', start), text.size());
        if (text.substr(start, end - start).find_first_not_of(" \t\r\n\v\f") !=
            std::string_view::npos)
            ++lines;
        start = end + 1;
    }
    Check(names.size() == lines, "one name for each line with more than blanks");
    for (const std::string& name : names) {
        Check(name.find('\\') == std::string::npos, "no backslash is left in a name");
        Check(name.find('\n') == std::string::npos, "a name stays within its line");
    }
    return 0;
}
