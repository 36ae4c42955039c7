// The window connecting through a BASIC Stamp that has no bridge program yet:
// the offer to download it, answered as a user would.
#include "WindowFixture.h"

#include <QtTest/QTest>

#include <filesystem>

namespace parlix::ui::test {
namespace {

class BridgeOfferTest : public WindowFixture {
  protected:
    BridgeOfferTest() {
        // The bridge programs and their table, where the program looks for them.
        std::filesystem::create_directories(dir.File("bin"));
        std::filesystem::create_directory_symlink(PARLIX_SOURCE_DIR "/res/data",
                                                  dir.File("bin/data"));
        PlugBehindStamp(/*blank=*/true);
    }
};

const QString kOffer =
    "A 'BASIC Stamp 2' device has been found, but the \"bridge\" software is not responding or "
    "it is outdated.\n\nDo you want to download the updated \"bridge\" software to the device?";

TEST_F(BridgeOfferTest, YesDownloadsTheBridgeAndTheModuleIsRead) {
    answers.ThenButton(QMessageBox::Yes);
    Trigger(CommandId::Connect);
    WaitForConnectEnd();
    ASSERT_TRUE(window->Session().IsConnected());
    ASSERT_GE(answers.Boxes().size(), 1u);
    EXPECT_EQ(answers.Boxes()[0].title, "Confirmation");
    EXPECT_EQ(answers.Boxes()[0].text, kOffer);
    EXPECT_TRUE(host->HasProgram());
    WaitForJobs();
    EXPECT_EQ(GroupCell(1, 3), "5");
    EXPECT_EQ(answers.Boxes().size(), 1u);

    // The next connection finds the bridge answering and reads the module.
    Trigger(CommandId::Disconnect);
    ConnectAndRead();
    EXPECT_EQ(GroupCell(1, 3), "5");
    EXPECT_EQ(answers.Boxes().size(), 1u);
}

TEST_F(BridgeOfferTest, CancelLeavesTheHostBlankAndSaysSo) {
    answers.ThenButton(QMessageBox::Cancel);
    answers.ThenButton(QMessageBox::Ok);
    Trigger(CommandId::Connect);
    ASSERT_TRUE(QTest::qWaitFor([this] { return answers.AllUsed(); }, 60000));
    WaitForConnectEnd();
    // Nothing more may follow: no job is left to connect late or to show a
    // third message, and a refresh after the attempt shows where it ended.
    WaitForJobs();
    EXPECT_FALSE(window->Session().IsConnected());
    EXPECT_FALSE(host->HasProgram());
    ASSERT_EQ(answers.Boxes().size(), 2u);
    EXPECT_EQ(answers.Boxes()[0].text, kOffer);
    EXPECT_EQ(answers.Boxes()[1].title, "Error");
    EXPECT_TRUE(answers.Boxes()[1].text.startsWith("Could not connect to device at port \""))
        << answers.Boxes()[1].text.toStdString();
    EXPECT_TRUE(window->Action(CommandId::Connect)->isEnabled());
}

}  // namespace
}  // namespace parlix::ui::test
