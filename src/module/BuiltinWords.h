// The words of the module's built-in wordsets and trigger, per language. The
// tables are compiled in from res/builtin-words.json.
#pragma once

#include <array>
#include <string_view>

namespace parlix {

inline constexpr int kBuiltinLanguages = 6;  // English, Italian, Japanese, German, Spanish, French
inline constexpr int kBuiltinTables = 4;     // wordsets 1 to 3, then the trigger word(s)
inline constexpr int kMaxBuiltinWords = 11;

struct BuiltinWordTable {
    int count;
    std::array<std::string_view, kMaxBuiltinWords> words;  // UTF-8
};

using BuiltinWordTables = std::array<BuiltinWordTable, kBuiltinTables>;

// The four tables of language 0 to 5; nullptr for any other index.
const BuiltinWordTables* BuiltinWords(int language);

}  // namespace parlix
