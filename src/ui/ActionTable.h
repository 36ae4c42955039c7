// Every command of the main window on one row: its menu text, accelerators,
// help text and tool tip, the theme icon of its tool bar button, the rule
// that enables it and the handler that runs it. A new command adds a row.
#pragma once

#include "ui/logic/CommandIds.h"
#include "ui/logic/CommandRules.h"

#include <span>

namespace parlix::ui {

class MainWindow;

// Runs command `id` in `window`; the caller has checked its rule just before.
using CommandHandler = void (*)(MainWindow& window, CommandId id);

struct ActionSpec {
    CommandId id;
    const char* text;      // menu text with its mnemonic
    const char* shortcut;  // portable key sequences separated by "; ", or empty
    const char* help;      // status bar help "\n" tool tip
    const char* icon;      // freedesktop theme icon, or a bundled one (":/...")
    CommandRule enabled;
    CommandHandler run;
};

std::span<const ActionSpec> ActionSpecs();
const ActionSpec& SpecOf(CommandId id);

}  // namespace parlix::ui
