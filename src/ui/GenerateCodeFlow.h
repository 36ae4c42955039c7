// The "Generate Code" command of the main window: the save dialog that picks
// the template and the output file, then the generation over the data model.
#pragma once

#include "app/CodeGeneration.h"
#include "ui/logic/CommandIds.h"

#include <optional>

class QWidget;

namespace parlix::ui {

class MainWindow;

// The save dialog of a generation; none when it was cancelled.
std::optional<parlix::SaveChoice> AskCodeFile(QWidget* owner, const parlix::SaveOffer& offer);

// The action table's handler.
void GenerateCode(MainWindow& window, CommandId id);

}  // namespace parlix::ui
