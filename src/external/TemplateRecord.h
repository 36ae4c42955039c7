// A code template as Config.ini announces it: "file|extension|filter|pattern",
// where the filter is description "^" pattern "^" pairs for the save dialog and
// the pattern recognises the template's directive lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlix {

struct TemplateRecord {
    std::string file;       // in the data folder
    std::string extension;  // of the output file, without the dot
    std::string filter;
    std::string pattern;  // everything after the third "|"

    // Cut at the first three "|"; a missing "|" leaves the fields from there on empty.
    static TemplateRecord Split(std::string_view record);
};

// One entry of a file dialog's filter list.
struct FilterPair {
    std::string description;
    std::string pattern;

    bool operator==(const FilterPair&) const = default;
};

// The complete pairs of a "^"-separated filter text; a description without
// its pattern is left out.
std::vector<FilterPair> FilterPairs(std::string_view filter);

}  // namespace parlix
