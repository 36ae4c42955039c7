// Arbitrary bytes as the builder's data header: every row is one the data
// list shows, and a header export reads back as the same rows.
#include "FuzzCheck.h"
#include "external/DataHeader.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using parlix::fuzz::Check;
    const auto rows =
        parlix::ParseDataHeader(std::string_view(reinterpret_cast<const char*>(data), size));
    // A definition whose value is "#" reads like a comment row, as the
    // dialog's list has it; its export is a comment and does not read back.
    bool hashValue = false;
    for (const parlix::DataRow& row : rows) {
        const bool comment =
            row.icon == parlix::kDataIconSoundTable || row.icon == parlix::kDataIconGrammar;
        if (comment) {
            Check(row.index == "#", "a comment row has no index");
            Check(row.label.starts_with("Sound") || row.label.starts_with("Gramm"),
                  "a comment row's text");
        } else {
            Check(row.icon == parlix::kDataIconSound || row.icon == parlix::kDataIconWord,
                  "a definition is a sound or a wordset");
            Check(row.label.starts_with("SND_") || row.label.starts_with("WS"),
                  "a definition's name");
            Check(!row.index.empty(), "a definition has a value");
            hashValue = hashValue || row.index == "#";
        }
    }
    if (!hashValue)
        Check(parlix::ParseDataHeader(parlix::FormatHeaderExport(rows)) == rows,
              "an export reads back the same");
    return 0;
}
