// A header input (.h): the names a design tool gave to the sounds or words of
// the model beside it, as "#define NAME INDEX" lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kandata {

// The names in index order. Every index from 0 to count - 1 must be defined
// once, with a C identifier for its name; other lines are ignored.
bool ParseHeaderInput(std::string_view text, std::size_t count, std::vector<std::string>& names,
                      std::string& error);

}  // namespace kandata
