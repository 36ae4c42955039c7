// The lip-sync mouth: a closed outline of four cubic Bézier segments whose
// lips part with the level the module reports.
#pragma once

#include <array>

namespace parlix::ui {

struct MouthPoint {
    int x = 0;
    int y = 0;
    bool operator==(const MouthPoint&) const = default;
};

// The frame the mouth is drawn in; right and bottom lie just outside it.
struct MouthFrame {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The start point, then three points (two controls and the end) for each of
// the four segments: upper lip left and right, lower lip right and left.
// Level 0 is a closed mouth 3 pixels high at the centre.
std::array<MouthPoint, 13> MouthOutline(const MouthFrame& frame, int level);

}  // namespace parlix::ui
