// The main window's size and place at the first start, before MainWndPos
// holds one: wide enough for the whole tool bar where the screen allows.
#pragma once

namespace parlix::ui {

struct WindowRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const WindowRect&) const = default;
};

struct FirstWindowInput {
    WindowRect available;  // the screen's area without panels
    int toolBarWidth = 0;  // what the tool bar needs to show every button
    int minWidth = 0;      // the classic default size, the least we take
    int minHeight = 0;
    int frame = 0;  // room for the window manager's frame on each side
};

// Centred in the available area and never larger than it.
WindowRect FirstWindowSize(const FirstWindowInput& in);

}  // namespace parlix::ui
