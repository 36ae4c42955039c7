// The real main window against the simulated demo module on a
// pseudo-terminal, with its settings in a private folder and its dialogs
// answered from a queue.
#pragma once

#include "ModalAnswers.h"
#include "app/AppSettings.h"
#include "support/TempDir.h"
#include "ui/InterfaceLanguages.h"
#include "ui/MainWindow.h"

#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "sim/SimServer.h"
#include "sim/StampHost.h"
#include "sim/WireLog.h"

#include <QtWidgets/QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace parlix::ui::test {

class WindowFixture : public ::testing::Test {
  protected:
    WindowFixture();
    ~WindowFixture() override;

    // A fresh pseudo-terminal for the module, as after plugging it in again.
    void Plug();
    // The module behind a BASIC Stamp 2 on the simulated line instead, which
    // alone carries the Stamp's break and DTR; the Stamp's link is the only one tried.
    void PlugBehindStamp(bool blank);
    void OpenWindow();
    void CloseWindow();

    void Trigger(CommandId id);
    // Connects through the menu command and waits for the whole read.
    void ConnectAndRead();
    // Waits until the connect that runs has ended, connected or not.
    void WaitForConnectEnd();
    // Waits until no job request is outstanding and the lists are refreshed.
    void WaitForJobs();
    // Waits for an idle refresh that starts after this call: the lists then
    // show what the model holds now.
    void WaitForRefresh();
    void SelectGroup(int row);
    void SelectCommand(int row);
    // The texts of command list row `row`, the icon column first.
    QStringList CommandRow(int row);
    QString GroupCell(int row, int column);
    int CommandRows();

    parlix::test::TempDir dir;
    parlix::AppSettings settings;
    std::shared_ptr<sim::ModuleDevice> module;
    sim::WireLog wire;  // what crossed the module's line
    std::unique_ptr<sim::PtyTransport> pty;
    std::unique_ptr<InterfaceLanguages> languages;
    std::unique_ptr<MainWindow> window;
    ModalAnswers answers;
    std::unique_ptr<sim::SimServer> server;
    std::shared_ptr<sim::StampHost> host;
};

}  // namespace parlix::ui::test
