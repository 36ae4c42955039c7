// Every command of the main window: its menu text, accelerator, help text
// and tool tip, and the theme icon of its tool bar button.
#pragma once

#include "ui/logic/CommandIds.h"

#include <span>

namespace parlix::ui {

struct ActionSpec {
    CommandId id;
    const char* text;      // menu text with its mnemonic
    const char* shortcut;  // portable key sequence, or empty
    const char* help;      // status bar help "\n" tool tip
    const char* icon;      // freedesktop theme icon, or a bundled one (":/...")
};

std::span<const ActionSpec> ActionSpecs();
const ActionSpec& SpecOf(CommandId id);

}  // namespace parlix::ui
