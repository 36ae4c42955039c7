// Reads a catalog source (.ts, as lupdate writes it) without Qt: contexts,
// source texts and translations, with the entities and the <byte> escapes
// that lupdate uses for control characters resolved.
#pragma once

#include <string>
#include <vector>

namespace parlix::test {

struct TsMessage {
    std::string context;
    std::string source;
    std::string type;                       // "" when finished, else "unfinished", "vanished"...
    std::vector<std::string> translations;  // one, or one per plural form
};

struct TsCatalog {
    std::string language;  // the language attribute, such as "it_IT"
    std::vector<TsMessage> messages;
};

// Throws std::runtime_error naming the fault when the file cannot be read as a catalog.
TsCatalog ReadTsCatalog(const std::string& path);

}  // namespace parlix::test
