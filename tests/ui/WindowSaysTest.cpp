// The window says what it does: the port it opens is the one it shows, a
// stray Enter never wipes the module, operations end with a line in the
// status pane, and without a module the lists say how to get one.
#include "WindowFixture.h"

#include "ui/CommandListModel.h"
#include "ui/EmptyListHint.h"
#include "ui/GroupListModel.h"
#include "ui/TrainingDialog.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolBar>

namespace parlix::ui::test {
namespace {

using sim::Activity;
using sim::Outcome;
using Kind = sim::Outcome::Kind;

class WindowSaysTest : public WindowFixture {
  protected:
    EmptyListHint* Hint() { return window->findChild<EmptyListHint*>("commandListHint"); }

    void TypePort(const std::string& port) {
        QLineEdit* edit = window->PortBox()->lineEdit();
        window->PortBox()->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromStdString(port));
    }

    // The next message box is answered by Enter, wherever its focus is.
    void ThenEnter() {
        answers.Then([](QWidget* dialog) {
            QWidget* focus = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QTest::keyClick(focus, Qt::Key_Return);
        });
    }
};

TEST_F(WindowSaysTest, PortTypedIntoTheBoxIsTheOneConnectOpens) {
    settings.UseCurrentPort(dir.File("no-such-port"));
    const std::string typed = pty->SlavePath();

    // Tab leaves the box with the port taken, without Enter.
    TypePort("/dev/serial/by-id/usb-Parlix-if00");
    QTest::keyClick(window->PortBox()->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(settings.CurrentPort(), "/dev/serial/by-id/usb-Parlix-if00");

    // Typed, then the tool bar's Connect clicked: no Enter, no Tab.
    TypePort(typed);
    auto* bar = window->findChild<QToolBar*>("toolBar");
    ASSERT_NE(bar, nullptr);
    QWidget* connect = bar->widgetForAction(window->Action(CommandId::Connect));
    ASSERT_NE(connect, nullptr);
    QTest::mouseClick(connect, Qt::LeftButton);
    WaitForConnectEnd();
    EXPECT_EQ(answers.Boxes().size(), 0u) << answers.Boxes().front().text.toStdString();
    ASSERT_TRUE(window->Session().IsConnected());
    EXPECT_EQ(settings.CurrentPort(), typed);
    EXPECT_EQ(settings.Settings().ReadString("Settings", "ComPort", ""), typed);
    EXPECT_TRUE(window->StatusPaneText().endsWith(QString::fromStdString(typed)))
        << window->StatusPaneText().toStdString();
    WaitForJobs();
}

// Enter on each destructive question answers No: nothing reaches the module.
TEST_F(WindowSaysTest, EnterOnEveryDestructiveQuestionAnswersNo) {
    ConnectAndRead();
    struct Case {
        CommandId id;
        int group;
        int command;  // -1: none selected
        const char* question;
    };
    const Case cases[] = {
        {CommandId::RemoveCommand, 1, 0, "This operation will remove the selected command."},
        {CommandId::EraseTraining, 1, 2, "This operation will erase training data"},
        {CommandId::EraseMessage, 18, 0, "This operation will erase the selected message."},
        {CommandId::ResetCommands, 1, -1, "This operation will delete all commands and groups"},
        {CommandId::ResetMessages, 1, -1, "This operation will delete all messages"},
        {CommandId::ResetAll, 1, -1, "This operation will delete all defined commands"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        SelectGroup(c.group);
        if (c.command >= 0) SelectCommand(c.command);
        ASSERT_TRUE(window->Action(c.id)->isEnabled());
        const QStringList row = CommandRow(std::max(c.command, 0));
        const QString count = GroupCell(c.group, 3);
        wire.Clear();
        answers.ClearBoxes();
        ThenEnter();
        Trigger(c.id);
        ASSERT_EQ(answers.Boxes().size(), 1u);
        EXPECT_EQ(answers.Boxes()[0].title, "Confirmation");
        EXPECT_TRUE(answers.Boxes()[0].text.startsWith(c.question))
            << answers.Boxes()[0].text.toStdString();
        EXPECT_TRUE(wire.Bytes(sim::Direction::HostToDevice).empty()) << wire.Dump();
        WaitForRefresh();
        EXPECT_EQ(CommandRow(std::max(c.command, 0)), row);
        EXPECT_EQ(GroupCell(c.group, 3), count);
    }
    EXPECT_TRUE(answers.AllUsed());
}

TEST_F(WindowSaysTest, TestGroupSaysWhatItHeard) {
    ConnectAndRead();
    struct Case {
        int group;
        Activity listening;
        Outcome heard;
        bool box;  // the module's error is told in a box first
        QString line;
    };
    const Case cases[] = {
        {1, Activity::Recognize, Outcome::Of(Kind::Command, 2), false,
         "Recognised: MUSIC (group 1)"},
        {1, Activity::Recognize, Outcome::Of(Kind::Trigger, 0), false,
         "Recognised: Robot (group 1)"},
        {19, Activity::RecognizeWord, Outcome::Of(Kind::Word, 2), false,
         "Recognised: Turn (wordset 1)"},
        {2, Activity::Recognize, Outcome::Of(Kind::Error, 17), true,
         "Nothing recognised (group 2)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        SelectGroup(c.group);
        answers.ClearBoxes();
        if (c.box) answers.ThenButton(QMessageBox::Ok);
        module->Script(c.listening, c.heard);
        Trigger(CommandId::TestGroup);
        EXPECT_EQ(answers.Boxes().size(), c.box ? 1u : 0u);
        EXPECT_EQ(window->StatusPaneText(), c.line);
    }
    EXPECT_TRUE(answers.AllUsed());
}

TEST_F(WindowSaysTest, TrainingSaysWhetherTheCommandWasTrained) {
    ConnectAndRead();
    auto pressPhase = [this] {
        answers.Then([](QWidget* dialog) {
            auto* training = qobject_cast<TrainingDialog*>(dialog);
            ASSERT_NE(training, nullptr);
            training->PhaseButton()->click();
        });
    };
    // Both phases heard.
    SelectGroup(1);
    SelectCommand(4);
    ASSERT_EQ(CommandRow(4)[2], "DIM");
    module->Script(Activity::Train, Outcome::Of(Kind::Accept));
    module->Script(Activity::Train, Outcome::Of(Kind::Accept));
    pressPhase();
    pressPhase();
    Trigger(CommandId::TrainCommand);
    EXPECT_EQ(window->StatusPaneText(), "Trained: DIM");

    // The dialog closed before the first phase.
    SelectGroup(5);
    SelectCommand(1);
    ASSERT_EQ(CommandRow(1)[2], "WEATHER");
    answers.Then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    Trigger(CommandId::TrainCommand);
    EXPECT_EQ(window->StatusPaneText(), "Not trained: WEATHER");
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(WindowSaysTest, EmptyWindowHintsAtConnectAndEndedConnectionsEmptyTheLists) {
    ASSERT_NE(Hint(), nullptr);
    EXPECT_TRUE(Hint()->isVisible());
    EXPECT_TRUE(Hint()->text().contains("press Connect")) << Hint()->text().toStdString();
    EXPECT_EQ(window->Groups()->rowCount(), 0);

    ConnectAndRead();
    EXPECT_FALSE(Hint()->isVisible());
    SelectGroup(1);
    ASSERT_GT(CommandRows(), 0);

    Trigger(CommandId::Disconnect);
    EXPECT_EQ(window->Groups()->rowCount(), 0);
    EXPECT_EQ(CommandRows(), 0);
    EXPECT_EQ(window->CommandPaneTitle(), "Command List");
    EXPECT_TRUE(Hint()->isVisible());
    EXPECT_FALSE(window->Action(CommandId::TrainCommand)->isEnabled());

    // A connection that fails while the lists fill leaves them empty again.
    sim::ModuleFaults faults;
    faults.afterReplyBytes = 120;
    faults.unplug = true;
    module->SetFaults(faults);
    Plug();
    answers.ThenButton(QMessageBox::Ok);
    Trigger(CommandId::Connect);
    WaitForConnectEnd();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->Session().IsConnected(); }, 30000));
    WaitForJobs();
    EXPECT_EQ(window->Groups()->rowCount(), 0);
    EXPECT_EQ(CommandRows(), 0);
    EXPECT_TRUE(Hint()->isVisible());

    // A port that does not open leaves the window as it was.
    settings.UseCurrentPort(dir.File("no-such-port"));
    answers.ThenButton(QMessageBox::Ok);
    Trigger(CommandId::Connect);
    WaitForConnectEnd();
    EXPECT_EQ(answers.Boxes().back().title, "Error");
    EXPECT_EQ(window->Groups()->rowCount(), 0);
    EXPECT_TRUE(Hint()->isVisible());
    EXPECT_TRUE(answers.AllUsed());
}

}  // namespace
}  // namespace parlix::ui::test
