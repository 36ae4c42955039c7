#include "base/SettingsStore.h"
#include "base/Text.h"
#include "module/ModuleController.h"
#include "ui/AudioCommands.h"
#include "ui/LipsyncDialog.h"
#include "ui/MainWindow.h"
#include "ui/TokenwaveDialog.h"

namespace parlix::ui {

void OpenTokenwave(MainWindow& window, CommandId) {
    ModuleController& controller = window.Session().Controller();
    TokenwaveDialog dialog(&window, controller, window.Front(), window.Session().IsConnected(),
                           controller.Settings().ProgramFolder());
    if (dialog.exec() != 1) return;
    window.Front().MessageBox(Tr(PX_TR("MainFrame",
                                       "Token will be mixed with the next sound played,\r\ndelayed "
                                       "by the specified time.\r\n\r\nMake sure the sound has been "
                                       "compressed at 9.3kHz!")),
                              Tr(PX_TR("Controller", "Information")), BoxIcon::Information);
}

void OpenLipsync(MainWindow& window, CommandId) {
    LipsyncDialog dialog(&window, window.Session().Controller(), window.Session().IsConnected());
    dialog.exec();
}

}  // namespace parlix::ui
