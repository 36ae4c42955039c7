// Fills the model's part of the window state with the model's try-locks:
// whatever a job is updating reads as unknown, which disables what needs it.
#pragma once

#include "ui/logic/WindowState.h"

namespace parlix {
class CVoiceModel;
}

namespace parlix::ui {

void ReadModelFacts(parlix::CVoiceModel& model, WindowState& state);

}  // namespace parlix::ui
