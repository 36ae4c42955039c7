// The enable rule of every main window command, from the window state alone,
// so that menus, tool bar, accelerators and handlers agree.
#pragma once

#include "ui/logic/CommandIds.h"
#include "ui/logic/WindowState.h"

namespace parlix::ui {

bool IsEnabled(CommandId id, const WindowState& state);
// Record Message is shown ticked while a recording runs.
bool IsChecked(CommandId id, const WindowState& state);

}  // namespace parlix::ui
