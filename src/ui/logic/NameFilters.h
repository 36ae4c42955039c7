// File dialog filters from the "description^pattern^" pairs of the string
// table and of code templates, in the form the Qt file dialog reads.
#pragma once

#include "external/TemplateRecord.h"

#include <string>

namespace parlix::ui {

// "description (patterns)", with the patterns separated by blanks where the
// pair separates them by ";". A description that already ends with its
// pattern in parentheses does not show it twice.
std::string NameFilter(const FilterPair& pair);

}  // namespace parlix::ui
