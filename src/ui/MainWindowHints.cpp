// What the main window's lists show without a module: a hint to connect
// before the first connection, and nothing that looks live after one ended.
#include "ui/MainWindow.h"

#include "ui/CommandListModel.h"
#include "ui/EmptyListHint.h"
#include "ui/GroupListModel.h"

#include <QtWidgets/QTreeView>

namespace parlix::ui {

namespace {

QString NotConnectedHint() {
    return MainWindow::tr(
        "Not connected.\n\nChoose the port of your module in the tool bar, then press Connect.");
}

}  // namespace

void MainWindow::CreateHints() {
    commandHint_ = new EmptyListHint(commandView_, NotConnectedHint());
    commandHint_->SetActive(true);
}

void MainWindow::FollowConnection(bool connected, bool connecting) {
    commandHint_->setText(connecting ? tr("Connecting...\n\nThe status bar tells what happens; "
                                          "Cancel stops it.")
                                     : NotConnectedHint());
    if (connected == listsConnected_) return;
    listsConnected_ = connected;
    commandHint_->SetActive(!connected);
    if (connected) return;
    // Emptied rather than greyed: a list left from the last connection reads
    // as the module's contents, and the next connection reads all anew anyway.
    groups_->Clear();
    GroupSelectionChanged();
}

}  // namespace parlix::ui
