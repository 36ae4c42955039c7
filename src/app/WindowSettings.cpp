#include "app/WindowSettings.h"

#include "app/AppSettings.h"

#include <fmt/format.h>

#include <cstdio>

namespace parlix {

void SaveWindowPlacement(AppSettings& settings, const WindowPlacement& p) {
    settings.Settings().WriteString(
        kSettingsSection, "MainWndPos",
        fmt::format("{},{},{},{},1,0,0,0", p.left, p.top, p.right, p.bottom));
}

std::optional<WindowPlacement> LoadWindowPlacement(const AppSettings& settings) {
    const std::string text = settings.Settings().ReadString(kSettingsSection, "MainWndPos", "*");
    WindowPlacement p;
    if (std::sscanf(text.c_str(), "%d,%d,%d,%d,%d,%d,%d,%d", &p.left, &p.top, &p.right, &p.bottom,
                    &p.showCommand, &p.flags, &p.minX, &p.minY) != 8)
        return std::nullopt;
    // The window opens normal whatever was stored.
    p.showCommand = 1;
    p.flags = 0;
    return p;
}

int LoadSplitPos(const AppSettings& settings) {
    return settings.Settings().ReadInt(kSettingsSection, "SplitPos", -1);
}

void SaveSplitPos(AppSettings& settings, int pixels) {
    settings.Settings().WriteInt(kSettingsSection, "SplitPos", pixels);
}

int LoadLanguageId(const AppSettings& settings) {
    return settings.Settings().ReadInt(kSettingsSection, "LangID", kEnglishLanguageId);
}

void SaveLanguageId(AppSettings& settings, int id) {
    settings.Settings().WriteInt(kSettingsSection, "LangID", id);
}

}  // namespace parlix
