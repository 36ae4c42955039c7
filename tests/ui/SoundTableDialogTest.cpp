// The Update Firmware and Update Custom Data dialog driven as a user drives
// it, with the real loader and builder against the simulated module.
#include "WindowFixture.h"

#include "ui/SoundTableDialog.h"

#include <QtTest/QTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QTreeWidget>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace parlix::ui::test {
namespace {

namespace fs = std::filesystem;
using C = SoundTableControl;

class SoundTableDialogTest : public WindowFixture {
  protected:
    SoundTableDialogTest() { fs::create_directories(dir.File("bin")); }

    // The program folder gets our tool under its name.
    void InstallTool(const std::string& name) {
        fs::create_symlink(fs::path(PARLIX_BIN_DIR) / name, dir.File("bin/" + name));
    }
    void InstallScript(const std::string& name, const std::string& body) {
        const std::string path = dir.File("bin/" + name);
        std::ofstream(path) << "#!/bin/sh\n" << body;
        fs::permissions(path, fs::perms::owner_all);
    }

    SoundTableDialog& Dialog() { return *window->SoundTable(); }
    QAbstractButton* Button(C control) { return Dialog().Button(control); }
    QStringList Row(QTreeWidget* list, int row) {
        QStringList texts;
        QTreeWidgetItem* item = list->topLevelItem(row);
        for (int c = 1; item && c < list->columnCount(); ++c) texts << item->text(c);
        return texts;
    }

    // The next file dialog gets `path` typed into its name field.
    void ThenFile(const std::string& path) { answers.ThenFile(path); }

    void OpenFirmware(const std::string& path) {
        ThenFile(path);
        Trigger(CommandId::UpdateFirmware);
        ASSERT_TRUE(QTest::qWaitFor([this] { return Dialog().isVisible(); }, 5000));
    }

    // A firmware file of ours with another firmware ID than the demo module's.
    static std::string ShippedFirmware() {
        return PARLIX_SOURCE_DIR "/res/data/firmware/parlix-fw09.PLXFW";
    }
};

TEST_F(SoundTableDialogTest, FirmwareModeChecksTheFileAndCancelLeavesIt) {
    const std::string bad = dir.File("broken.PLXFW");
    {
        std::ifstream in(ShippedFirmware());
        std::stringstream text;
        text << in.rdbuf();
        std::string body = text.str();
        if (!body.ends_with('\n')) body += '\n';
        std::ofstream(bad) << body << ":00000001FF\n";  // one record more than the checksum covers
    }
    OpenFirmware(bad);
    EXPECT_EQ(Dialog().windowTitle(), "Update Firmware");
    EXPECT_EQ(Dialog().HeaderText(), "Updating firmware");
    EXPECT_EQ(Dialog().StatusText(), "Checksum verification failed.");
    EXPECT_EQ(Row(Dialog().ProjectList(), 0), (QStringList{"BROKEN", QString::fromStdString(bad)}));
    ASSERT_EQ(Dialog().DataList()->topLevelItemCount(), 1);
    EXPECT_EQ(Dialog().DataList()->topLevelItem(0)->text(1), "ERR");
    EXPECT_FALSE(Button(C::Download)->isEnabled());
    EXPECT_FALSE(Button(C::Import)->isEnabled());
    EXPECT_FALSE(Button(C::OldFormat)->isEnabled());
    EXPECT_TRUE(Button(C::SlowTransfer)->isEnabled());
    EXPECT_FALSE(window->isEnabled()) << "the main window waits for the dialog";
    EXPECT_TRUE(Button(C::Cancel)->isEnabled());

    Button(C::Cancel)->click();
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(Dialog().windowTitle(), "Update Custom Data");
    EXPECT_EQ(Dialog().ProjectList()->topLevelItemCount(), 0);
    EXPECT_EQ(Dialog().DataList()->topLevelItemCount(), 0);

    OpenFirmware(ShippedFirmware());
    EXPECT_EQ(Dialog().StatusText(), "Set transfer options and download...");
    EXPECT_EQ(Row(Dialog().ProjectList(), 0)[0], "PARLIX-FW09");
    EXPECT_EQ(Dialog().DataList()->topLevelItem(0)->text(1), "OK");
    EXPECT_FALSE(Dialog().DataList()->topLevelItem(0)->text(2).isEmpty()) << "the description";
    EXPECT_TRUE(Button(C::Download)->isEnabled());
    EXPECT_TRUE(Button(C::Download)->hasFocus() || !Dialog().isActiveWindow());
    Button(C::Cancel)->click();
    EXPECT_EQ(answers.Unexpected(), 0);
}

TEST_F(SoundTableDialogTest, FirmwareDownloadRunsTheBarThroughItsThreePhases) {
    InstallTool("kanloader");
    OpenFirmware(ShippedFirmware());
    std::vector<int> positions;
    QObject::connect(Dialog().ProgressBar(), &QProgressBar::valueChanged,
                     [&positions](int value) { positions.push_back(value); });
    Button(C::Download)->click();  // returns once the loader has ended

    ASSERT_FALSE(positions.empty());
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_LE(positions.front(), 100) << "erasing";
    EXPECT_TRUE(std::any_of(positions.begin(), positions.end(), [](int p) {
        return p > 100 && p < 200;
    })) << "programming";
    EXPECT_EQ(positions.back(), 300) << "verified";
    EXPECT_TRUE(answers.Boxes().empty()) << answers.Boxes().front().text.toStdString();
    EXPECT_FALSE(Dialog().isVisible()) << "a successful download closes the dialog";
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(window->StatusPaneText(), "Firmware 9, version 1.9, downloaded");

    ConnectAndRead();
    EXPECT_EQ(window->Session().ModuleId(), 9);
}

TEST_F(SoundTableDialogTest, CancelEndsARunningLoaderWithoutAMessage) {
    // A loader that shows progress, then hangs and ignores SIGTERM.
    InstallScript("kanloader",
                  "echo $$ > \"" + dir.File("loader.pid") +
                      "\"\ntrap '' TERM\nprintf 'Erasing 40%%\\r'\nwhile :; do sleep 1; done\n");
    OpenFirmware(ShippedFirmware());
    QTimer::singleShot(0, [this] {
        EXPECT_TRUE(QTest::qWaitFor([this] { return Dialog().ProgressBar()->isVisible(); }, 10000));
        Button(C::Cancel)->click();
    });
    Button(C::Download)->click();

    EXPECT_TRUE(Dialog().isVisible()) << "the dialog stays for another try";
    EXPECT_EQ(Dialog().StatusText(), "Operation has been canceled.");
    EXPECT_FALSE(Dialog().ProgressBar()->isVisible());
    EXPECT_TRUE(answers.Boxes().empty());
    EXPECT_TRUE(Button(C::Download)->isEnabled());
    int pid = 0;
    std::ifstream(dir.File("loader.pid")) >> pid;
    ASSERT_GT(pid, 0);
    EXPECT_NE(::kill(pid, 0), 0) << "the loader is gone";

    Button(C::Cancel)->click();
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(SoundTableDialogTest, FailedDownloadSaysWhyAndStaysOpen) {
    InstallScript("kanloader", "echo 'Error: no answer from the module'\nexit 4\n");
    OpenFirmware(ShippedFirmware());
    Button(C::Download)->click();
    ASSERT_EQ(answers.Boxes().size(), 1u);
    EXPECT_EQ(answers.Boxes()[0].title, "Error");
    EXPECT_EQ(answers.Boxes()[0].text,
              "Download failed, see status text on the top for a possible reason.\n\nYou may check "
              "connection and settings and try again.");
    EXPECT_EQ(Dialog().StatusText(), "Error: no answer from the module");
    EXPECT_TRUE(Dialog().isVisible());
    Button(C::Cancel)->click();
}

TEST_F(SoundTableDialogTest, CustomDataBuildExportAndDownload) {
    InstallTool("kandata");
    InstallTool("kanloader");
    fs::copy(PARLIX_SOURCE_DIR "/res/data/samples", dir.File("samples"),
             fs::copy_options::recursive);
    // The outputs are newer than their projects, as after a build.
    const auto later = fs::file_time_type::clock::now() + std::chrono::seconds(5);
    for (const auto& entry : fs::recursive_directory_iterator(dir.File("samples")))
        if (entry.path().extension() == ".mco" || entry.path().extension() == ".h")
            fs::last_write_time(entry.path(), later);

    Trigger(CommandId::UpdateCustomData);
    ASSERT_TRUE(Dialog().isVisible());
    EXPECT_EQ(Dialog().windowTitle(), "Update Custom Data");
    EXPECT_EQ(Dialog().HeaderText(), "Preparing custom data");
    EXPECT_EQ(Dialog().StatusText(), "List the project files to use...");
    EXPECT_FALSE(Button(C::Refresh)->isEnabled());

    ThenFile(dir.File("samples/sounds/Demo.qxp"));
    Button(C::Import)->click();
    EXPECT_EQ(Dialog().StatusText(), "Custom data built successfully.");
    ThenFile(dir.File("samples/robot/Robot.rsc"));
    Button(C::Import)->click();
    EXPECT_EQ(Dialog().StatusText(), "Custom data built successfully.");
    EXPECT_EQ(Row(Dialog().ProjectList(), 1)[0], "ROBOT");
    ASSERT_GT(Dialog().DataList()->topLevelItemCount(), 2);
    EXPECT_EQ(Dialog().DataList()->topLevelItem(0)->text(1), "#");
    EXPECT_TRUE(Button(C::ExportHeader)->isEnabled());
    EXPECT_TRUE(Button(C::MoveUp)->isEnabled());

    const std::string header = dir.File("robot.h");
    ThenFile(header);
    Button(C::ExportHeader)->click();
    std::ifstream exported(header);
    std::string first;
    std::getline(exported, first);
    EXPECT_EQ(first.rfind("// Sound", 0), 0u) << first;

    Button(C::Download)->click();
    EXPECT_TRUE(answers.Boxes().empty()) << answers.Boxes().front().text.toStdString();
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(window->StatusPaneText(), "Custom data from Demo.qxp, Robot.rsc downloaded");
    EXPECT_EQ(module->Memory().soundTableName, "DEMO_SOUNDS");
    EXPECT_EQ(answers.Unexpected(), 0);
}

}  // namespace
}  // namespace parlix::ui::test
