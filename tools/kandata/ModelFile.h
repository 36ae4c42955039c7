// A model input (.mco): a sound table, a grammar or an acoustic model, as a
// small text file (see README.md).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kandata {

enum class ModelType { SoundTable, Grammar, Acoustic };
enum class GrammarKind { Trigger, Command };

inline constexpr int kMaxLabel = 31;
inline constexpr int kMaxSounds = 1023;  // what the module can report
inline constexpr int kMaxWords = 32;
inline constexpr int kMaxModelSize = 65535;

struct Model {
    ModelType type = ModelType::Acoustic;
    std::string name;  // module label form
    GrammarKind kind = GrammarKind::Command;
    std::vector<std::string> items;  // sounds or words, module label form
    int size = 0;                    // acoustic model bytes
};

// A label as the module keeps it: 'A' to 'Z', '_' and '^' (a digit d as '^' then 'A' + d), 1 to 31
// characters.
bool IsModuleLabel(std::string_view label);

// False with `error` ("line N: ...") for a malformed file.
bool ParseModel(std::string_view text, Model& model, std::string& error);

}  // namespace kandata
