// The builder's data header read back as the rows of the data list, and the
// rows written out as a header for a host program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlix {

// Icons of the data list.
inline constexpr int kDataIconSoundTable = 4;
inline constexpr int kDataIconGrammar = 0;
inline constexpr int kDataIconSound = 9;
inline constexpr int kDataIconWord = 6;

struct DataRow {
    int icon = 0;
    std::string index;  // "#" for a comment row, else the defined value
    std::string label;
    bool operator==(const DataRow&) const = default;
};

// Rows from the header's lines (each trimmed): comments whose text begins with
// "Sound" or "Gramm", definitions of names beginning with "SND_" or "WS";
// everything else is left out.
std::vector<DataRow> ParseDataHeader(std::string_view text);

// Comment rows as "// " + label, the others as "#define" lines with the names
// padded to the longest of them.
std::string FormatHeaderExport(const std::vector<DataRow>& rows);

}  // namespace parlix
