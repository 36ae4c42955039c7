// What the Recognition Settings dialog enables and shows, from the values it
// holds, whether a module is connected and what that module supports.
#pragma once

#include "app/RecognitionSettings.h"

#include <string>

namespace parlix::ui {

struct ParamsControls {
    bool apply = false;
    bool save = false;
    bool micDistance = false;   // the three radio buttons
    bool fastSdsv = false;      // the check box
    bool trailSilence = false;  // the trackbar
};

ParamsControls ParamsEnables(const RecognitionSettings& values, bool connected,
                             const RecognitionSupport& support);

// The trailing silence as a duration, "(400 ms)" for 12.
std::string TrailSilenceText(int value);

}  // namespace parlix::ui
