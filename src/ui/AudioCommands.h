// The window's Tokenwave and Real-time Lip-Sync commands.
#pragma once

#include "ui/logic/CommandIds.h"

namespace parlix::ui {

class MainWindow;

void OpenTokenwave(MainWindow& window, CommandId id);
void OpenLipsync(MainWindow& window, CommandId id);

}  // namespace parlix::ui
