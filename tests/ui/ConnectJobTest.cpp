// The window never waits on the module with its loop stopped: connecting
// runs in the background, Connect turns into Cancel, and a cancelled connect
// ends quietly with the port closed and the host ready for the next attempt;
// an operation that waits for the module keeps the window painting.
#include "WindowFixture.h"
#include "support/PtyResponder.h"

#include "sim/UserScript.h"

#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QProgressBar>

#include <filesystem>

namespace parlix::ui::test {
namespace {

class ConnectJobTest : public WindowFixture {
  protected:
    QString ConnectText() { return window->Action(CommandId::Connect)->text(); }
    QProgressBar* Bar() { return window->findChild<QProgressBar*>(); }
};

TEST_F(ConnectJobTest, CancelOnASilentPortEndsQuietly) {
    parlix::test::PtyResponder silent;
    settings.UseCurrentPort(silent.Path());
    Trigger(CommandId::Connect);
    // The window tells what it does, and Connect now cancels.
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return window->StatusPaneText().startsWith("Detecting the device on "); }, 10000));
    EXPECT_TRUE(window->Flows().Connecting());
    EXPECT_EQ(ConnectText(), "&Cancel");
    EXPECT_TRUE(window->Action(CommandId::Connect)->isEnabled());
    EXPECT_FALSE(window->Action(CommandId::Disconnect)->isEnabled());
    EXPECT_FALSE(window->Action(CommandId::Port)->isEnabled());
    // Detection sends to the silent port until the cancel.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !silent.ReceivedBytes().empty(); }, 10000));

    Trigger(CommandId::Connect);
    // Detection of a silent port takes many seconds; a cancel ends it at once.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->Flows().Connecting(); }, 5000));
    EXPECT_TRUE(answers.Boxes().empty()) << answers.Boxes()[0].text.toStdString();
    EXPECT_FALSE(window->Session().IsConnected());
    EXPECT_EQ(window->StatusPaneText(), "Connection cancelled");
    EXPECT_EQ(ConnectText(), "&Connect");
    EXPECT_TRUE(window->Action(CommandId::Port)->isEnabled());
    // The port is closed: nothing more goes out.
    const std::size_t sent = silent.ReceivedBytes().size();
    WaitForRefresh();
    WaitForRefresh();
    EXPECT_EQ(silent.ReceivedBytes().size(), sent);
}

TEST_F(ConnectJobTest, ClosingTheWindowWhileConnectingEndsTheConnect) {
    parlix::test::PtyResponder silent;
    settings.UseCurrentPort(silent.Path());
    Trigger(CommandId::Connect);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !silent.ReceivedBytes().empty(); }, 10000));
    CloseWindow();
    EXPECT_TRUE(answers.Boxes().empty());
}

TEST_F(ConnectJobTest, TestingAGroupKeepsTheWindowServed) {
    ConnectAndRead();
    SelectGroup(0);
    ASSERT_TRUE(window->Action(CommandId::TestGroup)->isEnabled());
    // The module hears the trigger word a while after it starts listening.
    module->Script(sim::Activity::Recognize,
                   sim::Outcome::Of(sim::Outcome::Kind::Trigger, 0, /*delayMs=*/400));
    int ticks = 0;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] { ++ticks; });
    probe.start();
    Trigger(CommandId::TestGroup);
    // Counted while the command ran: its wait served the loop.
    EXPECT_GT(ticks, 0);
    probe.stop();
    EXPECT_TRUE(answers.Boxes().empty());
}

class BridgeDownloadJobTest : public WindowFixture {
  protected:
    BridgeDownloadJobTest() {
        std::filesystem::create_directories(dir.File("bin"));
        std::filesystem::create_directory_symlink(PARLIX_SOURCE_DIR "/res/data",
                                                  dir.File("bin/data"));
        PlugBehindStamp(/*blank=*/true);
    }
    // Waits until the download runs and has sent some packets.
    bool WaitForDownload(int packets) {
        return QTest::qWaitFor(
            [&] {
                QProgressBar* bar = window->findChild<QProgressBar*>();
                return window->StatusPaneText().startsWith("Downloading the \"bridge\" software") &&
                       bar->value() >= packets && bar->value() < bar->maximum();
            },
            60000);
    }
};

TEST_F(BridgeDownloadJobTest, DownloadShowsItsProgress) {
    answers.ThenButton(QMessageBox::Yes);
    Trigger(CommandId::Connect);
    ASSERT_TRUE(WaitForDownload(2));
    EXPECT_EQ(window->Action(CommandId::Connect)->text(), "&Cancel");
    WaitForConnectEnd();
    EXPECT_TRUE(window->Session().IsConnected());
    EXPECT_TRUE(host->HasProgram());
    EXPECT_EQ(answers.Boxes().size(), 1u);
}

TEST_F(BridgeDownloadJobTest, CancelledDownloadIsOfferedAgainAndCompletes) {
    answers.ThenButton(QMessageBox::Yes);
    Trigger(CommandId::Connect);
    ASSERT_TRUE(WaitForDownload(2));
    Trigger(CommandId::Connect);
    WaitForConnectEnd();
    EXPECT_FALSE(window->Session().IsConnected());
    EXPECT_FALSE(host->HasProgram());
    ASSERT_EQ(answers.Boxes().size(), 1u);

    // The next connect finds the Stamp without its bridge and offers it again.
    answers.ThenButton(QMessageBox::Yes);
    ConnectAndRead();
    ASSERT_EQ(answers.Boxes().size(), 2u);
    EXPECT_EQ(answers.Boxes()[1].text, answers.Boxes()[0].text);
    EXPECT_TRUE(host->HasProgram());
    EXPECT_EQ(GroupCell(1, 3), "5");
}

}  // namespace
}  // namespace parlix::ui::test
