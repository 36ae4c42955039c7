#include "CustomDataFixture.h"

#include "base/Status.h"

#include <gmock/gmock.h>

#include <functional>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using CustomDataBuildTest = CustomDataFixture;

TEST_F(CustomDataBuildTest, AMissingPieceStopsTheBuildBeforeTheBuilderRuns) {
    struct Case {
        const char* what;
        std::function<void(CustomDataBuildTest&)> setUp;
        const char* project;
        const char* status;
        std::error_code failure = std::make_error_code(std::errc::no_such_file_or_directory);
    };
    const Case cases[] = {
        {"no project", [](auto&) {}, "Demo.qxp", "Could not find the project file."},
        {"sound table without its model",
         [](auto& t) {
             t.Write("Demo.qxp", "p");
             t.Write("Demo.h", "");
         },
         "Demo.qxp", "Could not find sound table data. Please build your project."},
        {"sound table without its header",
         [](auto& t) {
             t.Write("Demo.qxp", "p");
             t.Write("Demo.mco", "");
         },
         "Demo.qxp", "Could not find sound table data. Please build your project."},
        {"grammar project without grammars",
         [](auto& t) {
             t.Write("Robot.rsc", "p");
             t.AcousticModel("Robot");
             t.Write("trig_rscGram_Robot.mco", "");  // its header is missing
         },
         "Robot.rsc", "Could not find any grammar data. Please build your project."},
        {"grammar in another letter case",
         [](auto& t) {
             t.Write("Robot.rsc", "p");
             t.CommandGrammar("ROBOT");
             t.AcousticModel("Robot");
         },
         "Robot.rsc", "Could not find any grammar data. Please build your project."},
        {"grammar without acoustic model",
         [](auto& t) {
             t.Write("Robot.rsc", "p");
             t.CommandGrammar("Robot");
         },
         "Robot.rsc", "Could not find an acoustic model. Please build your project."},
        {"combined project without its model",
         [](auto& t) {
             t.Write("Home.amc", "Lights.rsc\n");
             t.CommandGrammar("Lights");
         },
         "Home.amc", "Could not find a combined acoustic model. Please build your project."},
        {"combined project naming a grammar not built",
         [](auto& t) {
             t.Write("Home.amc", "Lights.rsc\nDoors.rsc\n");
             t.AcousticModel("Home");
             t.CommandGrammar("Lights");
         },
         "Home.amc", "Could not find any grammar data. Please build your project."},
        // Its image would hold neither sounds nor grammars and wipe the module's.
        {"combined project naming no grammar",
         [](auto& t) {
             t.Write("Home.amc", " \n\n");
             t.AcousticModel("Home");
         },
         "Home.amc",
         "The project \"HOME\" names no grammar, so it adds nothing to the custom data. Add its "
         "grammars or remove it.",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(dir.Path());
        std::filesystem::create_directories(dir.Path());
        c.setUp(*this);
        EXPECT_EQ(build.Build(Projects({c.project}), base, false, false), DataBuildResult::Error);
        EXPECT_EQ(build.Status(), c.status);
        EXPECT_EQ(build.Failure(), c.failure);
        EXPECT_FALSE(std::filesystem::exists(base + ".rsp"));
        EXPECT_TRUE(build.FileToDownload().empty());
    }
}

TEST_F(CustomDataBuildTest, CommandGrammarAloneBuildsWithTheTriggerStatusLeft) {
    Write("Robot.rsc", "p");
    CommandGrammar("Robot");
    AcousticModel("Robot");
    SoundTable("Demo");
    ASSERT_EQ(build.Build(Projects({"Demo.qxp", "Robot.rsc"}), base, true, false),
              DataBuildResult::Success)
        << build.Status();
    EXPECT_THAT(
        view.statuses,
        ElementsAre("Running sound table builder...", "Running single grammar builder...",
                    "Could not find a trigger grammar.", "Custom data built successfully."));
    EXPECT_THAT(view.headers,
                ElementsAre("Processing project \"DEMO\"...", "Processing project \"ROBOT\"...",
                            "Building custom data ..."));
    // Old format: no address line; headers first, then models, in project order.
    EXPECT_EQ(ReadAll(base + ".rsp"), "-o " + base + "\n\"" + dir.File("Demo.h") + "\"\n\"" +
                                          dir.File("comm_rscApp_Robot.h") + "\"\n\"" +
                                          dir.File("Demo.mco") + "\"\n\"" +
                                          dir.File("comm_rscGram_Robot.mco") + "\"\n\"" +
                                          dir.File("rscNet_Robot.mco") + "\"\n");
    EXPECT_THAT(build.Rows(), ElementsAre(DataRow{4, "#", "Sound table DEMO (1 sound)"},
                                          DataRow{9, "0", "SND_Beep"},
                                          DataRow{0, "#", "Grammar 4 COMM (command, 1 word)"},
                                          DataRow{6, "4", "WS_COMM"}));
    EXPECT_EQ(build.FileToDownload(), base + ".hex");
    EXPECT_THAT(lines.Lines(), ::testing::Contains("Wrote " + base + ".hex and " + base + ".h"));
}

TEST_F(CustomDataBuildTest, ProjectNewerThanAnOutputItUsesWarnsUnlessContinued) {
    struct Case {
        const char* project;
        const char* newer;  // the file written after the outputs
    };
    for (const Case c : {Case{"Demo.qxp", "Demo.qxp"}, Case{"Robot.rsc", "Robot.rsc"},
                         Case{"Home.amc", "Home.amc"}}) {
        SCOPED_TRACE(c.project);
        std::filesystem::remove(base + ".rsp");
        SoundTable("Demo");
        Write("Robot.rsc", "p");
        TriggerGrammar("Robot");
        AcousticModel("Robot");
        Write("Home.amc", "Robot.rsc\n");
        AcousticModel("Home");
        Touch(dir.File(c.newer));
        EXPECT_EQ(build.Build(Projects({c.project}), base, false, false), DataBuildResult::Warning);
        EXPECT_EQ(build.Status(), "Project file has changed after build.");
        EXPECT_FALSE(std::filesystem::exists(base + ".rsp"));
        EXPECT_EQ(build.Build(Projects({c.project}), base, false, true), DataBuildResult::Success)
            << build.Status();
    }
}

TEST_F(CustomDataBuildTest, NoProjectsIsAnEmptySuccess) {
    EXPECT_EQ(build.Build({}, base, false, false), DataBuildResult::Success);
    EXPECT_THAT(view.statuses, IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(base + ".rsp"));
}

TEST_F(CustomDataBuildTest, OtherProjectTypesAreSkipped) {
    SoundTable("Demo");
    EXPECT_EQ(build.Build({{dir.File("notes.txt"), DataProjectType::Other},
                           {dir.File("Demo.qxp"), DataProjectType::SoundTable}},
                          base, false, false),
              DataBuildResult::Success);
    EXPECT_EQ(build.Rows().size(), 2u);
}

}  // namespace
}  // namespace parlix::test
