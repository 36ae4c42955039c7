// The Tokenwave dialog's rules without a window: which controls are enabled,
// the ranges its fields are kept in, and the texts and command lines of the
// token sound generator.
#pragma once

#include <string>

namespace parlix::ui {

// The highest delay and time-out the module's token commands can carry.
inline constexpr int kMaxTokenTimeMs = 28090;

struct TokenwaveFields {
    int index = 0;
    int delayMs = 0;
    int timeoutMs = 0;  // 0: continuous listening
    int rejection = 1;
    int bits = 4;  // 4 (short) or 8 (long)
};

// Token index, Play and Generate are always enabled: they need no module.
struct TokenwaveEnables {
    bool listen = false;
    bool send = false;  // also the delay and time-out fields and the rejection trackbar
    bool length = false;
};

TokenwaveEnables TokenwaveRules(bool connected, bool listening);

// 15 for short tokens, 255 for long ones.
int TokenIndexLimit(int bits);
int ClampTokenIndex(int index, int bits);
int ClampTokenTime(int ms);
// The index kept in its range and the delay in 0-28,090, as before Send, Play and Generate.
TokenwaveFields ValidateTokenFields(TokenwaveFields fields);

// A send with a delay is mixed into the next sound played: the dialog closes.
inline bool SendCloses(int delayMs) {
    return delayMs >= 1;
}

// "BASE_005.wav": the name the generator gives token 5's sound.
std::string TokenFileName(const std::string& base, int index);
// One token's sound into BASE_%03d.wav, to be played here.
std::string PlayTokenCommand(const std::string& programFolder, int bits, int index,
                             const std::string& base);
// Every token's sound into PATH_000.wav to PATH_<last>.wav.
std::string GenerateTokensCommand(const std::string& programFolder, int bits,
                                  const std::string& path);
// The question before Generate writes the files.
std::string GenerateQuestion(const std::string& folder, const std::string& name, int bits);

}  // namespace parlix::ui
