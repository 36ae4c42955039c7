// The main window's keys of Settings.ini: its placement, the splitter
// position and the interface language.
#pragma once

#include <optional>

namespace parlix {

class AppSettings;

// The placement as MainWndPos stores it.
struct WindowPlacement {
    int left = 0, top = 0, right = 0, bottom = 0;
    int showCommand = 1;
    int flags = 0;
    int minX = 0, minY = 0;
};

// Written with show command 1 and no flags or minimised position: the
// window always opens normal.
void SaveWindowPlacement(AppSettings& settings, const WindowPlacement& placement);
// None unless all eight numbers are stored.
std::optional<WindowPlacement> LoadWindowPlacement(const AppSettings& settings);

// Pixels from the left edge; below 11 means "compute it".
int LoadSplitPos(const AppSettings& settings);
void SaveSplitPos(AppSettings& settings, int pixels);

inline constexpr int kEnglishLanguageId = 1033;
int LoadLanguageId(const AppSettings& settings);
void SaveLanguageId(AppSettings& settings, int id);

}  // namespace parlix
