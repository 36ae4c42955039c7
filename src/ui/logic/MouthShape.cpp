#include "ui/logic/MouthShape.h"

namespace parlix::ui {

std::array<MouthPoint, 13> MouthOutline(const MouthFrame& frame, int level) {
    const int cx = (frame.left + frame.right) / 2;
    const int cy = (frame.top + frame.bottom) / 2;
    // The mouth keeps a margin of 15 pixels inside the frame.
    const int w = frame.right - frame.left - 30;
    const int h = frame.bottom - frame.top - 30;
    const int q = w / 4;
    const int a = w / 10;
    const int b = w / 8;
    const int c = h / 12;
    const int o = level * h * 3 / 248;
    const int top = cy - o;
    const int bottom = cy + o + 3;
    return {{{cx - q, cy},
             {cx - q + a, cy},
             {cx - b, top - c},
             {cx, top},
             {cx + b, top - c},
             {cx + q - a, cy},
             {cx + q, cy},
             {cx + q - a, cy},
             {cx + b, bottom},
             {cx, bottom},
             {cx - b, bottom},
             {cx - q + a, cy},
             {cx - q, cy}}};
}

}  // namespace parlix::ui
