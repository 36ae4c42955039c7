// The custom-data image as the module stores it (layout in README.md): a
// 16-byte header, then one chunk per model in the order of the inputs.
#pragma once

#include "ModelFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kandata {

inline constexpr std::uint32_t kNewLayoutStart = 0x30000;  // given with -d/-e
inline constexpr std::uint32_t kOldLayoutStart = 0x20000;
inline constexpr std::uint32_t kOldLayoutEnd = 0x2FFFF;
inline constexpr std::uint8_t kOldLayout = 1;
inline constexpr std::uint8_t kNewLayout = 2;
inline constexpr int kMaxCustomGrammars = 28;
inline constexpr std::uint8_t kTriggerGrammarFlags = 2;
inline constexpr std::uint8_t kCommandGrammarFlags = 1;

// The image of the models; false with `error` when they do not fit together
// (a second sound table, too many grammars).
bool BuildImage(const std::vector<Model>& models, std::uint8_t layout,
                std::vector<std::uint8_t>& image, std::string& error);

}  // namespace kandata
