// Where the file dialogs start: the last command-file folder while it
// exists, else the documents; the firmware folder beside the program.
#include "app/AppSettings.h"
#include "app/FileFolders.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace parlix {
namespace {

namespace fs = std::filesystem;

class FileFoldersTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    AppSettings settings{dir.File("bin/parlix-desk"), dir.File("Settings.ini")};
};

TEST_F(FileFoldersTest, CommandFilesStartInTheLastFolderWhileItExists) {
    const std::string documents = dir.File("Documents");
    EXPECT_EQ(CommandFileFolder(settings, documents), documents) << "nothing chosen yet";

    fs::create_directories(dir.File("sets"));
    RememberCommandFileFolder(settings, dir.File("sets/robot.vrcmd"));
    EXPECT_EQ(settings.Settings().ReadString("Settings", "CommandFolder", ""), dir.File("sets"));
    EXPECT_EQ(CommandFileFolder(settings, documents), dir.File("sets"));

    fs::remove_all(dir.File("sets"));
    EXPECT_EQ(CommandFileFolder(settings, documents), documents) << "the folder is gone";

    // A bare name has no folder to remember: the last one stays.
    fs::create_directories(dir.File("sets"));
    RememberCommandFileFolder(settings, "robot.vrcmd");
    EXPECT_EQ(CommandFileFolder(settings, documents), dir.File("sets"));
}

TEST_F(FileFoldersTest, FirmwareStartsInTheFirmwareFolderWhereItExists) {
    EXPECT_EQ(FirmwareFolder(settings), dir.File("bin"));
    fs::create_directories(dir.File("bin/data/firmware"));
    EXPECT_EQ(FirmwareFolder(settings), dir.File("bin/data/firmware"));
}

}  // namespace
}  // namespace parlix
