#include "WindowFixture.h"

#include "ui/CommandListModel.h"
#include "ui/GroupListModel.h"

#include "link/StampIdentification.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <cstdlib>

namespace parlix::ui::test {

WindowFixture::WindowFixture() : settings(dir.File("bin/parlix-desk"), dir.File("Settings.ini")) {
    module = sim::ModuleDevice::FromFile(PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json");
    module->SetSpeechMs(30);
    Plug();
    languages = std::make_unique<InterfaceLanguages>(settings);
    OpenWindow();
}

WindowFixture::~WindowFixture() {
    CloseWindow();
    if (server) ::unsetenv("PARLIX_SIM_SOCKET");
}

void WindowFixture::Plug() {
    std::error_code error;
    pty = sim::PtyTransport::Open(module, {&wire}, error);
    ASSERT_TRUE(pty) << error.message();
    settings.UseCurrentPort(pty->SlavePath());
}

void WindowFixture::PlugBehindStamp(bool blank) {
    pty.reset();
    host = std::make_shared<sim::StampHost>(StampKind::BS2, module, blank);
    server = std::make_unique<sim::SimServer>(dir.File("sim.sock"));
    server->AddDevice(host->PortName(), host);
    ASSERT_FALSE(server->Start());
    ::setenv("PARLIX_SIM_SOCKET", server->SocketPath().c_str(), 1);
    settings.UseCurrentPort("sim:" + host->PortName());
    ModuleController& controller = window->Session().Controller();
    VoiceProxy* stamp = &controller.Link().BasicStamp();
    controller.Link().SetTryOrder({stamp, stamp, stamp, stamp});
}

void WindowFixture::OpenWindow() {
    window = std::make_unique<MainWindow>(settings, *languages);
    // The demo module is attached directly: no bridge host to look for first.
    ModuleController& controller = window->Session().Controller();
    VoiceProxy* direct = &controller.Link().Direct();
    controller.Link().SetTryOrder({direct, direct, direct, direct});
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowFixture::CloseWindow() {
    if (!window) return;
    window->close();
    window.reset();
    QCoreApplication::processEvents();
}

void WindowFixture::Trigger(CommandId id) {
    QAction* action = window->Action(id);
    ASSERT_NE(action, nullptr);
    action->trigger();
}

void WindowFixture::ConnectAndRead() {
    Trigger(CommandId::Connect);
    WaitForConnectEnd();
    ASSERT_TRUE(window->Session().IsConnected());
    WaitForJobs();
}

void WindowFixture::WaitForConnectEnd() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->Flows().Connecting(); }, 60000));
}

void WindowFixture::WaitForJobs() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->Session().BusyJobs() == 0; }, 60000))
        << "jobs outstanding: " << window->Session().BusyJobs();
    // One idle refresh shows what the jobs read.
    WaitForRefresh();
}

void WindowFixture::WaitForRefresh() {
    const int seen = window->IdleRefreshes();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->IdleRefreshes() > seen; }, 5000))
        << "no idle refresh";
}

void WindowFixture::SelectGroup(int row) {
    QTreeView* view = window->GroupView();
    view->setCurrentIndex(view->model()->index(row, 0));
    WaitForJobs();
}

void WindowFixture::SelectCommand(int row) {
    QTreeView* view = window->CommandView();
    view->setCurrentIndex(view->model()->index(row, 1));
    QCoreApplication::processEvents();
}

QStringList WindowFixture::CommandRow(int row) {
    return window->Commands()->RowTexts(row);
}

QString WindowFixture::GroupCell(int row, int column) {
    return window->Groups()->index(row, column).data().toString();
}

int WindowFixture::CommandRows() {
    return window->Commands()->rowCount();
}

}  // namespace parlix::ui::test
