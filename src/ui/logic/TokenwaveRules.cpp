#include "ui/logic/TokenwaveRules.h"

#include "base/Text.h"

#include <fmt/printf.h>

#include <algorithm>

namespace parlix::ui {
namespace {

// A path with a blank or a quote would split into several arguments unquoted.
std::string ToolArgument(const std::string& path) {
    if (path.find_first_of(" \t\"") == std::string::npos) return path;
    return '"' + path + '"';
}

}  // namespace

TokenwaveEnables TokenwaveRules(bool connected, bool listening) {
    return {connected, connected && !listening, !listening};
}

int TokenIndexLimit(int bits) {
    return bits == 8 ? 255 : 15;
}

int ClampTokenIndex(int index, int bits) {
    return std::clamp(index, 0, TokenIndexLimit(bits));
}

int ClampTokenTime(int ms) {
    return std::clamp(ms, 0, kMaxTokenTimeMs);
}

TokenwaveFields ValidateTokenFields(TokenwaveFields fields) {
    fields.index = ClampTokenIndex(fields.index, fields.bits);
    fields.delayMs = ClampTokenTime(fields.delayMs);
    return fields;
}

std::string TokenFileName(const std::string& base, int index) {
    return fmt::sprintf("%s_%03d.wav", base, index);
}

std::string PlayTokenCommand(const std::string& programFolder, int bits, int index,
                             const std::string& base) {
    return fmt::sprintf("\"%s/tw2tokengen\" %d %d %d %s -u 6 -d 6 -a 3", programFolder, bits, index,
                        index, ToolArgument(base));
}

std::string GenerateTokensCommand(const std::string& programFolder, int bits,
                                  const std::string& path) {
    return fmt::sprintf("\"%s/tw2tokengen\" %d 0 %d \"%s\" -u 6 -d 6 -a 6", programFolder, bits,
                        TokenIndexLimit(bits), path);
}

std::string GenerateQuestion(const std::string& folder, const std::string& name, int bits) {
    return TrFormat(PX_TR("TokenwaveDlg",
                          "The generated files will be saved in the folder:\r\n    \"%s\"\r\nwith "
                          "file names in the range:\r\n    \"%s_000.wav\"    to    "
                          "\"%s_%03d.wav\"\r\n\r\nDo you want to proceed?"),
                    folder.c_str(), name.c_str(), name.c_str(), TokenIndexLimit(bits));
}

}  // namespace parlix::ui
