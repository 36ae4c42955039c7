// Interface-language catalogs beside the program: "<program>-<id>.qm", where
// <id> is a decimal language identifier such as 1040 (Italian).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace parlix {

struct LanguageCatalog {
    int id = 0;
    std::string path;
};

// The catalogs in the program's folder, in the order of their names;
// a file whose name has no digits after its last "-" is left out.
std::vector<LanguageCatalog> FindLanguageCatalogs(const std::string& programPath);

// The locale ("it_IT") of a language identifier; none for one we do not know.
std::optional<std::string> LocaleOfLanguageId(int id);

}  // namespace parlix
