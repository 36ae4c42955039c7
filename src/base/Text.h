// Translatable texts and the one formatter for printf-style and numbered-insert
// texts. A text whose conversions do not fit its arguments (a bad translation,
// a template file) is rejected: the untranslated text is used instead, and
// never undefined behaviour.
#pragma once

#include <fmt/printf.h>

#include <functional>
#include <string>
#include <string_view>

namespace parlix {

using TranslationHook = std::function<std::string(const char* context, const char* text)>;

// Installed by the GUI: the UTF-8 translation, or an empty string for none.
// Without a hook every text is its English source.
void SetTranslationHook(TranslationHook hook);

// A translatable text: the key of a catalog entry.
struct TrText {
    const char* context;
    const char* text;
};

// Marks a text for the catalogs: lupdate collects it as QT_TRANSLATE_NOOP
// (run with -tr-function-alias QT_TRANSLATE_NOOP+=PX_TR). lupdate reads the
// source, not the preprocessed code, so both arguments must be string literals
// right here: Tr(PX_TR("Controller", "Could not set timeout.\n")).
#define PX_TR(context, text) (::parlix::TrText{context, text})

// Looks a text up in the current catalog.
std::string Tr(TrText text);

// Turns "%1!d!" inserts into positional printf conversions ("%1$d"), "%1" into "%1$s".
std::string InsertsToPrintf(std::string_view text);

// printf-style formatting that reports a mismatch instead of misbehaving.
template <typename... Args>
bool TryFormat(std::string& out, std::string_view text, const Args&... args) {
    try {
        out = fmt::sprintf(text, args...);
        return true;
    } catch (const fmt::format_error&) {
        return false;
    }
}

// Formats the translation of `text`; falls back to the source text when the
// translation's conversions do not fit, and to the bare text as a last resort.
template <typename... Args>
std::string TrFormat(TrText text, const Args&... args) {
    std::string out;
    if (TryFormat(out, Tr(text), args...)) return out;
    if (TryFormat(out, text.text, args...)) return out;
    return text.text;
}

// The same for texts with numbered inserts.
template <typename... Args>
std::string TrFormatInserts(TrText text, const Args&... args) {
    std::string out;
    if (TryFormat(out, InsertsToPrintf(Tr(text)), args...)) return out;
    if (TryFormat(out, InsertsToPrintf(text.text), args...)) return out;
    return text.text;
}

}  // namespace parlix
