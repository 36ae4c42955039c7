// Fills the model's part of the window state from the selection facts that
// src/app reads with the model's try-locks.
#pragma once

#include "app/SelectionFacts.h"
#include "ui/logic/WindowState.h"

namespace parlix::ui {

void ReadModelFacts(parlix::VoiceModel& model, WindowState& state);

}  // namespace parlix::ui
