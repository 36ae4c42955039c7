// The main window driven as a user drives it, against the simulated module.
#include "WindowFixture.h"

#include "app/WindowSettings.h"
#include "ui/CommandListModel.h"
#include "ui/GroupListModel.h"
#include "ui/TrainingDialog.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSplitter>

#include <filesystem>
#include <fstream>

namespace parlix::ui::test {
namespace {

using sim::Activity;
using sim::Outcome;
using Kind = sim::Outcome::Kind;

class MainWindowTest : public WindowFixture {
  protected:
    // Presses the phase button of the training dialog and keeps its texts.
    void PressPhase() {
        answers.Then([this](QWidget* dialog) {
            auto* training = qobject_cast<TrainingDialog*>(dialog);
            ASSERT_NE(training, nullptr);
            subHeaders.push_back(training->SubHeader());
            training->PhaseButton()->click();
        });
    }
    QStringList subHeaders;

    QStringList Headers() {
        QStringList headers;
        auto* model = window->Commands();
        for (int c = 0; c < model->columnCount(); ++c)
            headers << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        return headers;
    }
};

TEST_F(MainWindowTest, ConnectFillsBothListsFromTheModule) {
    ConnectAndRead();
    EXPECT_TRUE(window->StatusPaneText().startsWith("Connected to "))
        << window->StatusPaneText().toStdString();
    // Trigger, 15 groups, password, sounds, messages, 3 wordsets, 2 grammars.
    ASSERT_EQ(window->Groups()->rowCount(), 24);
    EXPECT_EQ(GroupCell(0, 2), "Trigger");
    EXPECT_EQ(GroupCell(1, 3), "5");
    EXPECT_EQ(GroupCell(3, 3), "0");
    EXPECT_EQ(GroupCell(17, 1), "--");
    EXPECT_EQ(GroupCell(19, 1), "1");
    EXPECT_EQ(GroupCell(22, 2), "Grammar");
    // Row 0 is selected: its command, then the built-in trigger word.
    EXPECT_EQ(window->CommandPaneTitle(), "Trigger Command List");
    ASSERT_EQ(CommandRows(), 2);
    EXPECT_EQ(CommandRow(0), (QStringList{"", "0", "PARLIX", "2", "OK"}));
    EXPECT_EQ(CommandRow(1).mid(1, 2), (QStringList{"T", "Robot"}));

    SelectGroup(1);
    EXPECT_EQ(window->CommandPaneTitle(), "Group 1 Command List");
    ASSERT_EQ(CommandRows(), 5);
    EXPECT_EQ(CommandRow(2), (QStringList{"", "2", "MUSIC", "1", "0"}));
    EXPECT_EQ(CommandRow(3)[2], "ROOM2");
    SelectGroup(18);
    EXPECT_EQ(window->CommandPaneTitle(), "Message List");
    EXPECT_EQ(CommandRow(0), (QStringList{"", "0", "Recorded Message", "8", "15040", "0:02.0"}));
    EXPECT_EQ(Headers(), (QStringList{"   ", "Index", "Message Status", "Bits", "Length (Bytes)",
                                      "Time (min:sec)"}));
    SelectGroup(17);
    EXPECT_EQ(window->CommandPaneTitle(), "Sentence List");
    EXPECT_EQ(Headers(), (QStringList{"   ", "Index", "Label"}));
    EXPECT_EQ(CommandRow(0)[2], "SND_BEEP");
    EXPECT_EQ(answers.Boxes().size(), 0u);
}

// Add a command, name it, train it in two phases and with the similar-command
// question answered both ways, test the group, then remove the command.
TEST_F(MainWindowTest, CommandLifeFromAddToRemove) {
    ConnectAndRead();
    SelectGroup(3);
    ASSERT_EQ(CommandRows(), 0);
    Trigger(CommandId::AddCommand);
    // The new command's label opens for editing once the re-read is done.
    ASSERT_TRUE(QTest::qWaitFor(
        [] {
            QWidget* focus = QApplication::focusWidget();
            return focus && focus->objectName() == "labelEditor";
        },
        10000))
        << "focus on "
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                        : "nothing");
    WaitForJobs();
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClicks(editor, "ab-c 1");
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return CommandRows() == 1 && CommandRow(0)[2] == "AB_C_1"; }, 5000))
        << CommandRow(0).join('|').toStdString();
    SelectCommand(0);

    // Two phases, each accepted.
    module->Script(Activity::Train, Outcome::Of(Kind::Accept));
    module->Script(Activity::Train, Outcome::Of(Kind::Accept));
    PressPhase();
    PressPhase();
    Trigger(CommandId::TrainCommand);
    EXPECT_EQ(subHeaders, (QStringList{"\"AB_C_1\" - Phase 1/2", "\"AB_C_1\" - Phase 2/2"}));
    WaitForJobs();
    EXPECT_EQ(CommandRow(0)[3], "2");
    EXPECT_FALSE(window->Action(CommandId::TrainCommand)->isEnabled());

    // Erase, then phase 1 similar to itself, kept: phase 2 skipped, row 0 flashes green.
    answers.ThenButton(QMessageBox::Yes);
    Trigger(CommandId::EraseTraining);
    WaitForJobs();
    EXPECT_EQ(CommandRow(0)[3], "0");
    module->Script(Activity::Train, Outcome::Of(Kind::Similar, 0));
    PressPhase();
    answers.ThenButton(QMessageBox::Yes);
    Trigger(CommandId::TrainCommand);
    EXPECT_EQ(subHeaders.size(), 3);
    ASSERT_FALSE(answers.Boxes().empty());
    EXPECT_EQ(answers.Boxes().back().text,
              "Trained command is similar to existing command 0.\n\nKeep current training anyway?");
    EXPECT_TRUE(window->Commands()->Flashing());
    EXPECT_EQ(window->Commands()->FlashRow(), 0);
    EXPECT_EQ(window->Commands()->index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
              CommandListModel::kExpectedColor);

    // Answered No: the command is left untrained.
    answers.ThenButton(QMessageBox::Yes);
    Trigger(CommandId::EraseTraining);
    module->Script(Activity::Train, Outcome::Of(Kind::Similar, 0));
    PressPhase();
    answers.ThenButton(QMessageBox::No);
    Trigger(CommandId::TrainCommand);
    WaitForJobs();
    EXPECT_EQ(CommandRow(0)[3], "0");

    // Trained again, the group can be tested: the recognised command flashes.
    module->Script(Activity::Train, Outcome::Of(Kind::Accept));
    module->Script(Activity::Train, Outcome::Of(Kind::Accept));
    PressPhase();
    PressPhase();
    Trigger(CommandId::TrainCommand);
    WaitForJobs();
    ASSERT_TRUE(window->Action(CommandId::TestGroup)->isEnabled());
    module->Script(Activity::Recognize, Outcome::Of(Kind::Command, 0));
    Trigger(CommandId::TestGroup);
    EXPECT_EQ(window->Commands()->FlashRow(), 0);

    answers.ThenButton(QMessageBox::Yes);
    Trigger(CommandId::RemoveCommand);
    WaitForJobs();
    EXPECT_EQ(CommandRows(), 0);
    EXPECT_EQ(GroupCell(3, 3), "0");
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(MainWindowTest, MessageRecordedStoppedPlayedAndErased) {
    ConnectAndRead();
    SelectGroup(18);
    SelectCommand(2);
    ASSERT_EQ(CommandRow(2)[2], "Empty Slot");
    module->Script(Activity::Record, Outcome::Of(Kind::Recorded, 60000));
    Trigger(CommandId::RecordMessage);
    ASSERT_EQ(window->Flows().RecordingSlot(), 2);
    EXPECT_TRUE(window->Action(CommandId::RecordMessage)->isChecked());
    EXPECT_FALSE(window->CommandView()->isEnabled());
    EXPECT_FALSE(window->Action(CommandId::ResetAll)->isEnabled());
    // Spoken into until the window's own poll has found the module still
    // recording: the poll leaves a running recording alone.
    const int polls = window->RecordingPolls();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->RecordingPolls() > polls; }, 5000));
    ASSERT_EQ(window->Flows().RecordingSlot(), 2);
    // Pressed again: the stop byte ends the recording; the poll sees it.
    Trigger(CommandId::RecordMessage);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->Flows().RecordingSlot() < 0; }, 5000));
    EXPECT_TRUE(window->CommandView()->isEnabled());
    WaitForJobs();
    EXPECT_EQ(CommandRow(2)[2], "Recorded Message");
    SelectCommand(2);
    ASSERT_TRUE(window->Action(CommandId::PlayMessage)->isEnabled());
    Trigger(CommandId::PlayMessage);
    answers.ThenButton(QMessageBox::Yes);
    Trigger(CommandId::EraseMessage);
    WaitForJobs();
    EXPECT_EQ(CommandRow(2)[2], "Empty Slot");
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Boxes().size(), 1u);  // the confirmation only
}

TEST_F(MainWindowTest, EachResetAsksThenClearsWhatItSays) {
    ConnectAndRead();
    struct Case {
        CommandId id;
        QString question;
        bool groupsCleared;
        bool messagesCleared;
    };
    const Case cases[] = {
        {CommandId::ResetMessages,
         "This operation will delete all messages you have recorded.\n\nAre you sure you want to "
         "proceed?",
         false, true},
        {CommandId::ResetCommands,
         "This operation will delete all commands and groups you have defined.\n\nAre you sure "
         "you want to proceed?",
         true, false},
        {CommandId::ResetAll,
         "This operation will delete all defined commands and recorded messages.\n\nAre you sure "
         "you want to proceed?",
         true, true},
    };
    for (const Case& c : cases) {
        answers.ClearBoxes();
        answers.ThenButton(QMessageBox::No);
        Trigger(c.id);
        ASSERT_EQ(answers.Boxes().size(), 1u);
        EXPECT_EQ(answers.Boxes()[0].title, "Confirmation");
        EXPECT_EQ(answers.Boxes()[0].text, c.question);

        answers.ThenButton(QMessageBox::Yes);
        answers.ThenButton(QMessageBox::Ok);
        Trigger(c.id);
        ASSERT_EQ(answers.Boxes().size(), 3u);
        EXPECT_EQ(answers.Boxes()[2].text, "Reset completed successfully.");
        EXPECT_EQ(answers.Boxes()[2].title, "Information");
        WaitForJobs();
        if (c.groupsCleared) {
            EXPECT_EQ(GroupCell(1, 3), "0");
        }
        if (c.messagesCleared) {
            SelectGroup(18);
            EXPECT_EQ(CommandRow(0)[2], "Empty Slot");
            SelectGroup(0);
        }
    }
}

// The trigger list shows the user's trigger command before the built-in
// trigger words: removing the command moves every word up one row.
TEST_F(MainWindowTest, RemovingTheTriggerCommandMovesTheTriggerWordsUp) {
    ConnectAndRead();
    SelectGroup(0);
    const int rows = CommandRows();
    ASSERT_GE(rows, 2);
    ASSERT_EQ(CommandRow(0)[2], "PARLIX");
    QStringList words;
    for (int i = 1; i < rows; ++i) words << CommandRow(i)[2];
    SelectCommand(0);
    answers.ThenButton(QMessageBox::Yes);
    Trigger(CommandId::RemoveCommand);
    WaitForJobs();
    ASSERT_EQ(CommandRows(), rows - 1);
    for (int i = 0; i < rows - 1; ++i) EXPECT_EQ(CommandRow(i)[2], words[i]) << "row " << i;
}

TEST_F(MainWindowTest, ExportResetImportGivesTheSameLists) {
    ConnectAndRead();
    auto snapshot = [this] {
        QStringList rows;
        for (const int group : {0, 1, 2, 5, 16}) {
            SelectGroup(group);
            for (int i = 0; i < CommandRows(); ++i)
                rows << QString::number(group) + ":" + CommandRow(i).mid(1, 2).join('|');
        }
        return rows;
    };
    const QStringList before = snapshot();
    int commands = 0;
    for (int group = 0; group <= 16; ++group) commands += GroupCell(group, 3).toInt();
    const QString path = QString::fromStdString(dir.File("set.vrcmd"));
    auto chooseFile = [path](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        // Typed into the name field and confirmed, as a user does.
        auto* name = files->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    };
    ASSERT_TRUE(window->Action(CommandId::ExportCommands)->isEnabled());
    answers.Then(chooseFile);
    Trigger(CommandId::ExportCommands);
    WaitForJobs();
    ASSERT_TRUE(std::ifstream(path.toStdString()).good());
    EXPECT_EQ(window->StatusPaneText(), QString("Exported %1 commands to set.vrcmd").arg(commands));

    answers.ThenButton(QMessageBox::Yes);
    answers.ThenButton(QMessageBox::Ok);
    Trigger(CommandId::ResetAll);
    WaitForJobs();
    EXPECT_EQ(GroupCell(1, 3), "0");

    ASSERT_TRUE(QTest::qWaitFor(
        [this] { return window->Action(CommandId::ImportCommands)->isEnabled(); }, 10000));
    answers.Then(chooseFile);
    Trigger(CommandId::ImportCommands);
    WaitForJobs();
    EXPECT_EQ(window->StatusPaneText(),
              QString("Imported %1 commands from set.vrcmd").arg(commands));
    SelectGroup(3);  // read the groups again, as a user would by clicking around
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(answers.Unexpected(), 0);
}

// Choosing German ends the window with its exit code; the next window, as the
// start-up loop builds it, speaks German and LangID remembers the choice.
TEST_F(MainWindowTest, InterfaceLanguageSwitchRecreatesTheWindow) {
    std::filesystem::create_directories(dir.File("bin"));
    std::filesystem::copy_file(PARLIX_BIN_DIR "/parlix-desk-1031.qm",
                               dir.File("bin/parlix-desk-1031.qm"));
    std::filesystem::copy_file(PARLIX_BIN_DIR "/parlix-desk-1040.qm",
                               dir.File("bin/parlix-desk-1040.qm"));
    CloseWindow();
    languages->Scan();
    ASSERT_EQ(languages->Languages().size(), 3u);
    // Each in its own language.
    EXPECT_EQ(languages->Languages()[0].name, "English");
    EXPECT_EQ(languages->Languages()[1].name, "Deutsch");
    EXPECT_EQ(languages->Languages()[2].name, "Italiano");
    OpenWindow();
    int code = -1;
    QObject::connect(window.get(), &MainWindow::Closed, [&code](int exitCode) { code = exitCode; });
    auto* german = window->findChild<QAction*>("language1");
    ASSERT_NE(german, nullptr);
    german->trigger();
    EXPECT_EQ(code, kLanguageExitBase + 1);
    CloseWindow();

    ASSERT_TRUE(languages->Switch(code - kLanguageExitBase));
    OpenWindow();
    EXPECT_EQ(settings.Settings().ReadInt("Settings", "LangID", 0), 1031);
    const QString file = window->menuBar()->actions().value(0)->text();
    EXPECT_EQ(file, QCoreApplication::translate("parlix::ui::MainWindow", "&File"));
    EXPECT_NE(file, "&File");
    EXPECT_NE(window->Action(CommandId::Connect)->text(), "&Connect");
    EXPECT_TRUE(window->findChild<QAction*>("language1")->isChecked());
    // Back to English for the tests that follow.
    CloseWindow();
    languages->Switch(0);
}

TEST_F(MainWindowTest, PlacementAndSplitRestoredFromSettings) {
    CloseWindow();
    settings.Settings().WriteString("Settings", "MainWndPos", "10,10,800,600,3,2,0,0");
    settings.Settings().WriteInt("Settings", "SplitPos", 300);
    OpenWindow();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->geometry(), QRect(QPoint(10, 10), QPoint(799, 599)));
    EXPECT_EQ(window->Splitter()->sizes().value(0), 300);
    CloseWindow();
    // Stored normal, whatever show command it was read with.
    EXPECT_EQ(settings.Settings().ReadString("Settings", "MainWndPos", ""),
              "10,10,800,600,1,0,0,0");
    EXPECT_EQ(settings.Settings().ReadInt("Settings", "SplitPos", -1), 300);
}

// A typed port becomes the current port like a chosen one, and is remembered.
TEST_F(MainWindowTest, TypedPortBecomesTheCurrentPort) {
    QComboBox* box = window->PortBox();
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "/dev/serial/by-id/usb-Parlix-if00");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(settings.CurrentPort(), "/dev/serial/by-id/usb-Parlix-if00");
    EXPECT_EQ(settings.Settings().ReadString("Settings", "ComPort", ""),
              "/dev/serial/by-id/usb-Parlix-if00");
    // While connected the port cannot change.
    settings.UseCurrentPort(pty->SlavePath());
    ConnectAndRead();
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(window->Action(CommandId::Port)->isEnabled());
}

TEST_F(MainWindowTest, SmallSplitPositionIsComputed) {
    CloseWindow();
    settings.Settings().WriteInt("Settings", "SplitPos", 5);
    OpenWindow();
    EXPECT_GT(window->Splitter()->sizes().value(0), 100);
}

// The module unplugged during the whole-module read: one message, the window
// disconnected and usable, and a later Connect works.
TEST_F(MainWindowTest, UnplugDuringReadShowsOneMessageAndReconnects) {
    sim::ModuleFaults faults;
    faults.afterReplyBytes = 120;
    faults.unplug = true;
    module->SetFaults(faults);
    answers.ThenButton(QMessageBox::Ok);
    Trigger(CommandId::Connect);
    WaitForConnectEnd();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->Session().IsConnected(); }, 30000));
    // A second message could only come from a job still running: once none
    // is left and a refresh has followed, every message has been shown.
    WaitForJobs();
    ASSERT_EQ(answers.Boxes().size(), 1u);
    EXPECT_EQ(answers.Boxes()[0].title, "Error");
    EXPECT_TRUE(window->Action(CommandId::Connect)->isEnabled());

    module->SetFaults({});
    Plug();
    ConnectAndRead();
    EXPECT_EQ(GroupCell(1, 3), "5");
    EXPECT_EQ(answers.Boxes().size(), 1u);
}

}  // namespace
}  // namespace parlix::ui::test
