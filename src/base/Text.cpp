#include "base/Text.h"

#include <memory>
#include <mutex>

namespace parlix {
namespace {

std::mutex g_hookMutex;
std::shared_ptr<const TranslationHook> g_hook;

}  // namespace

void SetTranslationHook(TranslationHook hook) {
    auto installed = hook ? std::make_shared<const TranslationHook>(std::move(hook)) : nullptr;
    std::lock_guard lock(g_hookMutex);
    g_hook = std::move(installed);
}

std::string Tr(TrText text) {
    std::shared_ptr<const TranslationHook> hook;
    {
        std::lock_guard lock(g_hookMutex);
        hook = g_hook;
    }
    if (!hook) return text.text;
    std::string translated = (*hook)(text.context, text.text);
    return translated.empty() ? std::string(text.text) : translated;
}

std::string InsertsToPrintf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '%' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        if (text[i + 1] == '%') {
            out += "%%";
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        if (j == i + 1) {
            out += c;
            continue;
        }
        out += '%';
        out.append(text.substr(i + 1, j - i - 1));
        out += '$';
        if (j < text.size() && text[j] == '!') {
            const std::size_t close = text.find('!', j + 1);
            if (close != std::string_view::npos) {
                out.append(text.substr(j + 1, close - j - 1));
                i = close;
                continue;
            }
        }
        out += 's';
        i = j - 1;
    }
    return out;
}

}  // namespace parlix
