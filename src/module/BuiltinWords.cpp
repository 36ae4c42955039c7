// Lookup of the compiled-in word tables.
#include "module/BuiltinWords.h"

namespace parlix {

// Defined in the source generated from res/builtin-words.json.
extern const std::array<BuiltinWordTables, kBuiltinLanguages> kBuiltinWordData;

const BuiltinWordTables* BuiltinWords(int language) {
    if (language < 0 || language >= kBuiltinLanguages) return nullptr;
    return &kBuiltinWordData[static_cast<std::size_t>(language)];
}

}  // namespace parlix
