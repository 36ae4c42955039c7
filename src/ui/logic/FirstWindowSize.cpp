#include "ui/logic/FirstWindowSize.h"

#include <algorithm>

namespace parlix::ui {

WindowRect FirstWindowSize(const FirstWindowInput& in) {
    const int roomWidth = std::max(in.available.width - 2 * in.frame, 1);
    const int roomHeight = std::max(in.available.height - 2 * in.frame, 1);
    // Two thirds of the height leaves the lists room without covering the desktop.
    const int width = std::min(std::max(in.toolBarWidth, in.minWidth), roomWidth);
    const int height = std::min(std::max(in.available.height * 2 / 3, in.minHeight), roomHeight);
    return {in.available.left + (in.available.width - width) / 2,
            in.available.top + (in.available.height - height) / 2, width, height};
}

}  // namespace parlix::ui
