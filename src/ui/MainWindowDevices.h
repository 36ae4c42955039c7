// The handlers of the device tool commands: Recognition Settings, Configure
// I/O Pins, Dial Tones and About.
#pragma once

#include "ui/logic/CommandIds.h"

namespace parlix::ui {

class MainWindow;

void OpenRecognitionSettings(MainWindow& window, CommandId id);
void OpenPinControl(MainWindow& window, CommandId id);
void OpenToneDialer(MainWindow& window, CommandId id);
void OpenAbout(MainWindow& window, CommandId id);

}  // namespace parlix::ui
