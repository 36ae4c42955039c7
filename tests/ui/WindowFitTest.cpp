// How the main window sits on the desktop: its first-start size, the tab
// order, the progress bar that shows only while something runs, the columns,
// and where its file dialogs start.
#include "WindowFixture.h"

#include "ui/CommandListModel.h"
#include "ui/GroupListModel.h"

#include <QtGui/QScreen>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QToolBar>

#include <filesystem>
#include <vector>

namespace parlix::ui::test {
namespace {

using WindowFitTest = WindowFixture;

TEST_F(WindowFitTest, FirstStartShowsTheToolBarWithinTheScreen) {
    const QRect area = window->screen()->availableGeometry();
    const auto* bar = window->findChild<QToolBar*>("toolBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(area.contains(window->geometry()))
        << window->width() << "x" << window->height() << " on " << area.width() << "x"
        << area.height();
    // As wide as the tool bar, or as the screen allows.
    EXPECT_GE(window->width(), std::min(bar->sizeHint().width(), area.width() - 16));
}

TEST_F(WindowFitTest, TabGoesFromThePortBoxToTheGroupsToTheCommands) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->PortBox()->setFocus();
    ASSERT_TRUE(window->PortBox()->hasFocus());
    const std::vector<QWidget*> chain = {window->GroupView(), window->CommandView(),
                                         window->PortBox()};
    for (QWidget* next : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(next->hasFocus())
            << "focus on " << QApplication::focusWidget()->objectName().toStdString()
            << " instead of " << next->objectName().toStdString();
    }
}

TEST_F(WindowFitTest, ProgressBarShowsOnlyWhileSomethingRuns) {
    auto* bar = window->findChild<QProgressBar*>("progressBar");
    auto* tools = window->findChild<QToolBar*>("toolBar");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(tools, nullptr);
    // The tool bar shows and hides its widget at its next layout: ask its action.
    QAction* slot = nullptr;
    for (QAction* action : tools->actions())
        if (tools->widgetForAction(action) == bar) slot = action;
    ASSERT_NE(slot, nullptr);
    EXPECT_FALSE(slot->isVisible()) << "idle at start";

    // Every update the read makes: was the bar shown right after it?
    std::vector<bool> shown;
    auto update = window->Front().onProgress;
    window->Front().onProgress = [&](std::uint32_t range, std::uint32_t pos) {
        update(range, pos);
        shown.push_back(slot->isVisible());
    };
    ConnectAndRead();
    EXPECT_NE(std::find(shown.begin(), shown.end(), true), shown.end()) << "never shown";
    EXPECT_FALSE(slot->isVisible()) << "still shown after the read";
    window->Front().onProgress = update;

    // A download that sets its own range, as the bridge download does.
    window->Front().SetProgressRange(200);
    window->Front().SetProgressPos(40);
    EXPECT_TRUE(slot->isVisible());
    window->resize(1600, 600);  // wide enough that the bar is not in the overflow
    EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible(); }, 5000)) << "laid out shown";
    window->Front().SetProgressPos(200);
    EXPECT_FALSE(slot->isVisible());
}

TEST_F(WindowFitTest, LabelColumnTakesTheRoomAndNumbersAlignAlike) {
    ConnectAndRead();
    window->resize(1280, 600);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (const int row : {1, 17, 18}) {
        SCOPED_TRACE(row);
        SelectGroup(row);
        QCoreApplication::processEvents();
        QHeaderView* header = window->CommandView()->header();
        EXPECT_EQ(header->sectionResizeMode(2), QHeaderView::Stretch);
        EXPECT_EQ(header->length(), window->CommandView()->viewport()->width());
        CommandListModel* model = window->Commands();
        for (int column = 1; column < model->columnCount(); ++column) {
            const bool number = column != 2;
            const auto cell = model->index(0, column).data(Qt::TextAlignmentRole);
            const auto heading = model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole);
            EXPECT_EQ(cell.isValid() && Qt::Alignment(cell.toInt()) == right, number) << column;
            EXPECT_EQ(heading.isValid() && Qt::Alignment(heading.toInt()) == right, number)
                << column;
        }
    }
    // The group list's numbers, Index and Commands, as the command list's.
    GroupListModel* groups = window->Groups();
    for (int column = 1; column < 4; ++column) {
        const bool number = column != 2;
        const auto cell = groups->index(1, column).data(Qt::TextAlignmentRole);
        const auto heading = groups->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole);
        EXPECT_EQ(cell.isValid() && Qt::Alignment(cell.toInt()) == right, number) << column;
        EXPECT_EQ(heading.isValid() && Qt::Alignment(heading.toInt()) == right, number) << column;
    }
}

// Export proposes a name; the next command-file dialog starts where the last
// file went; firmware files are looked for in the firmware folder.
TEST_F(WindowFitTest, FileDialogsStartWhereTheFilesAre) {
    ConnectAndRead();
    std::filesystem::create_directories(dir.File("sets"));
    const QString path = QString::fromStdString(dir.File("sets/robot.vrcmd"));
    QString proposed;
    answers.Then([&](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        proposed = name->text();
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    Trigger(CommandId::ExportCommands);
    WaitForJobs();
    EXPECT_EQ(proposed, "Commands.vrcmd");
    ASSERT_TRUE(std::filesystem::exists(path.toStdString()));

    QString started;
    auto look = [&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        started = files->directory().absolutePath();
        files->reject();
    };
    answers.Then(look);
    Trigger(CommandId::ImportCommands);
    EXPECT_EQ(started, QString::fromStdString(dir.File("sets")));

    Trigger(CommandId::Disconnect);
    std::filesystem::create_directories(dir.File("bin/data/firmware"));
    answers.Then(look);
    Trigger(CommandId::UpdateFirmware);
    EXPECT_EQ(started, QString::fromStdString(dir.File("bin/data/firmware")));
    EXPECT_EQ(answers.Unexpected(), 0);
}

}  // namespace
}  // namespace parlix::ui::test
