#include "CustomDataFixture.h"

#include "base/Status.h"
#include "external/CustomDataRefresh.h"
#include "support/StatusCodes.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kFailed = "Build failed, see status text on the top for a possible reason.\n";

class CustomDataRefreshTest : public CustomDataFixture {
  protected:
    // A builder that runs `body` with BASE set from its response file.
    std::string FakeBuilder(const std::string& body) {
        const std::string path = tools.File("kandata");
        std::ofstream(path) << "#!/bin/sh\nBASE=${1#@}\nBASE=${BASE%.rsp}\n" << body << "\n";
        chmod(path.c_str(), 0755);
        return tools.Path().string();
    }
    DataBuildResult Refresh(CustomDataBuild& with) {
        return RefreshCustomData(with, outputs, list, false, front);
    }

    TempDir tools;
    DataOutputFiles outputs{out.Path().string()};
    DataProjectList list;
};

TEST_F(CustomDataRefreshTest, WarningAsksAndOkBuildsAnyway) {
    SoundTable("Demo");
    Touch(dir.File("Demo.qxp"));
    list.Add(dir.File("Demo.qxp"));
    const ShownMessage question{
        "Project file has changed after build.\n\nDo you want to continue anyway?", "Warning",
        Buttons::OkCancel | BoxIcon::Warning};

    front.Answer({BoxAnswer::Cancel});
    EXPECT_EQ(Refresh(build), DataBuildResult::Warning);
    EXPECT_THAT(front.Messages(), ElementsAre(question));
    EXPECT_TRUE(build.FileToDownload().empty());

    front.Clear();
    front.Answer({BoxAnswer::Ok});
    EXPECT_EQ(Refresh(build), DataBuildResult::Success);
    EXPECT_THAT(front.Messages(), ElementsAre(question));
    EXPECT_EQ(build.FileToDownload(), outputs.Base() + ".hex");
}

TEST_F(CustomDataRefreshTest, FailuresOfTheBuilderRunAndItsOutputs) {
    struct Case {
        const char* what;
        const char* builder;  // nullptr: none in the program folder
        const char* status;
        std::string message;
    };
    const Case cases[] = {
        {"no builder", nullptr, "Custom data builder failed or not found.",
         kFailed + "\nThe following system error occurred: 0x2\nNo such file or directory"},
        {"builder fails", "echo bad input; exit 3", "Running sound table builder...",
         kFailed + "\nThe last process return code was: 3"},
        {"no image", "exit 0", "Custom data build failed, no output file.",
         kFailed + "\nThe following system error occurred: 0x2\nNo such file or directory"},
        {"stale image", "touch -d '30 minutes ago' \"$BASE.hex\"",
         "Custom data build failed, no output file.",
         kFailed + "\nThe last process return code was: 0"},
        {"no data header", ": > \"$BASE.hex\"", "Could not open processed user data.",
         kFailed + "\nThe following system error occurred: 0x2\nNo such file or directory"},
    };
    SoundTable("Demo");
    list.Add(dir.File("Demo.qxp"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string folder = c.builder ? FakeBuilder(c.builder) : tools.File("none");
        CustomDataBuild fake(front, view, lines, folder);
        front.Clear();
        EXPECT_EQ(Refresh(fake), DataBuildResult::Error);
        EXPECT_EQ(fake.Status(), c.status);
        EXPECT_THAT(front.Messages(),
                    ElementsAre(ShownMessage{c.message, "Error", BoxIcon::Error}));
    }
}

TEST(BuildFailureMessage, NoneForACancelledBuild) {
    EXPECT_EQ(BuildFailureMessage(ParlixCode(kToolCancelled)), std::nullopt);
    EXPECT_EQ(BuildFailureMessage({}), kFailed);
    EXPECT_EQ(BuildFailureMessage(ParlixCode(kToolEnded | 0x7FFFFFFF)),
              kFailed + "\nThe last process return code was: 2147483647");
}

TEST(DataOutputFiles, DeletesOnlyThePreviousBuildsFiles) {
    TempDir folder;
    const auto exists = [&](const std::string& name) {
        return std::filesystem::exists(folder.File(name));
    };
    const auto touch = [&](const std::string& path) { std::ofstream(path) << "x"; };
    // Before any build there is nothing to delete, least of all ".*" here.
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    touch(".keep");
    {
        DataOutputFiles idle;
        idle.DeleteFiles();
    }
    EXPECT_TRUE(exists(".keep"));
    std::filesystem::current_path(cwd);

    std::string second;
    {
        DataOutputFiles files(folder.Path().string());
        std::error_code error;
        const std::string first = files.NewBase(error);
        ASSERT_FALSE(error);
        const std::string name = std::filesystem::path(first).filename().string();
        EXPECT_EQ(name.rfind("snd", 0), 0u);
        EXPECT_TRUE(exists(name + ".tmp"));
        for (const char* ext : {".rsp", ".h", ".hex"}) touch(first + ext);
        touch(first + "X.h");  // another base that begins alike
        std::filesystem::create_directory(first + ".d");

        second = files.NewBase(error);
        EXPECT_NE(second, first);
        for (const char* ext : {".tmp", ".rsp", ".h", ".hex"})
            EXPECT_FALSE(exists(name + ext)) << ext;
        EXPECT_TRUE(exists(name + "X.h"));
        EXPECT_TRUE(exists(name + ".d"));
        touch(second + ".hex");
    }
    EXPECT_FALSE(std::filesystem::exists(second + ".hex")) << "deleted when its owner ends";
    EXPECT_FALSE(std::filesystem::exists(second + ".tmp"));
}

}  // namespace
}  // namespace parlix::test
