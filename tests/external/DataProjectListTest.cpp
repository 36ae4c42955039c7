#include "external/DataProjectList.h"

#include <gmock/gmock.h>

namespace parlix {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> Paths(const DataProjectList& list) {
    std::vector<std::string> paths;
    for (const auto& p : list.Projects()) paths.push_back(p.path);
    return paths;
}

std::vector<std::string> Labels(const std::vector<DataFileFilter>& filters) {
    std::vector<std::string> labels;
    for (const auto& f : filters) labels.push_back(f.label);
    return labels;
}

TEST(DataProjectList, AddsEachProjectOnceAndOnlyTheThreeTypes) {
    DataProjectList list;
    EXPECT_TRUE(list.Add("/p/Robot.rsc"));
    EXPECT_FALSE(list.Add("/P/ROBOT.RSC")) << "the same path in another letter case";
    EXPECT_FALSE(list.Add("/p/notes.txt"));
    EXPECT_FALSE(list.Add("/p/qxp"));
    EXPECT_TRUE(list.Add("/p/Demo.QXP"));
    EXPECT_TRUE(list.Add("/p/Home.amc"));
    EXPECT_THAT(Paths(list), ElementsAre("/p/Robot.rsc", "/p/Demo.QXP", "/p/Home.amc"));
    EXPECT_EQ(list.Projects()[1].type, DataProjectType::SoundTable);
}

TEST(DataProjectList, ImportOffersTheSoundTableOnlyWhileNoneIsListed) {
    DataProjectList list;
    list.Add("/p/a.rsc");
    EXPECT_THAT(
        Labels(list.ImportFilters()),
        ElementsAre("All Supported Files (*.qxp;*.amc;*.rsc)", "QuickSynthesis Project (*.qxp)",
                    "Acoustic Model Combiner Project (*.amc)", "QuickT2SI Project (*.rsc)"));
    EXPECT_THAT(list.ImportFilters()[0].patterns, ElementsAre("*.qxp", "*.amc", "*.rsc"));
    list.Add("/p/s.qxp");
    const auto filters = list.ImportFilters();
    EXPECT_THAT(Labels(filters), ElementsAre("All Supported Files (*.amc;*.rsc)",
                                             "Acoustic Model Combiner Project (*.amc)",
                                             "QuickT2SI Project (*.rsc)"));
    EXPECT_THAT(filters[0].patterns, ElementsAre("*.amc", "*.rsc"));
}

TEST(DataProjectList, RemoveSelectsTheRowNowAtTheIndexOrTheNewLast) {
    struct Case {
        int size;
        int removed;
        int selected;
    };
    for (const Case c :
         {Case{3, 0, 0}, Case{3, 1, 1}, Case{3, 2, 1}, Case{1, 0, -1}, Case{2, 5, -1}}) {
        DataProjectList list;
        for (int i = 0; i < c.size; ++i) list.Add("/p/" + std::to_string(i) + ".rsc");
        EXPECT_EQ(list.Remove(c.removed), c.selected) << c.size << " rows, removing " << c.removed;
    }
}

TEST(DataProjectList, MovesRowsWithinTheList) {
    DataProjectList list;
    list.Add("/p/a.rsc");
    list.Add("/p/b.rsc");
    list.Add("/p/c.rsc");
    EXPECT_FALSE(list.MoveUp(0));
    EXPECT_FALSE(list.MoveDown(2));
    EXPECT_TRUE(list.MoveDown(0));
    EXPECT_TRUE(list.MoveUp(2));
    EXPECT_THAT(Paths(list), ElementsAre("/p/b.rsc", "/p/c.rsc", "/p/a.rsc"));
}

TEST(DataProject, NameIconAndFolder) {
    struct Case {
        const char* path;
        const char* name;
        const char* display;
        int icon;
        const char* folder;
    };
    for (const Case c : {Case{"/home/me/Robot.rsc", "Robot", "ROBOT", 6, "/home/me/"},
                         Case{"/x/Demo.v2.qxp", "Demo.v2", "DEMO.V2", 4, "/x/"},
                         Case{"Home.AMC", "Home", "HOME", 0, ""}}) {
        EXPECT_EQ(DataProjectName(c.path), c.name) << c.path;
        EXPECT_EQ(DataProjectDisplayName(c.path), c.display) << c.path;
        EXPECT_EQ(DataProjectIcon(DataProjectTypeOf(c.path)), c.icon) << c.path;
        EXPECT_EQ(DataProjectFolder(c.path), c.folder) << c.path;
    }
}

}  // namespace
}  // namespace parlix
