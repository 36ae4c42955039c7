// Fills the model's part of the window state with the model's try-locks:
// whatever a job is updating reads as unknown, which disables what needs it.
#pragma once

#include "ui/logic/WindowState.h"

namespace parlix {
class VoiceModel;
}

namespace parlix::ui {

void ReadModelFacts(parlix::VoiceModel& model, WindowState& state);

}  // namespace parlix::ui
