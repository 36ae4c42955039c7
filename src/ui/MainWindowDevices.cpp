#include "ui/MainWindowDevices.h"

#include "ui/AboutDialog.h"
#include "ui/MainWindow.h"
#include "ui/ParamsDialog.h"
#include "ui/PinControlDialog.h"
#include "ui/ToneDialog.h"
#include "ui/logic/PinControl.h"

namespace parlix::ui {

void OpenRecognitionSettings(MainWindow& window, CommandId) {
    ParamsDialog* params = window.Params();
    params->show();
    params->raise();
    params->activateWindow();
}

void OpenPinControl(MainWindow& window, CommandId) {
    ModuleSession& session = window.Session();
    PinControlDialog dialog(&window, session.Controller(), PinCountFor(session.ModuleId()));
    dialog.exec();
}

void OpenToneDialer(MainWindow& window, CommandId) {
    ToneDialog dialog(&window, window.Session().Controller());
    dialog.exec();
}

void OpenAbout(MainWindow& window, CommandId) {
    AboutDialog dialog(&window);
    dialog.exec();
}

}  // namespace parlix::ui
