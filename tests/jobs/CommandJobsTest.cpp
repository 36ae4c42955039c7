// Export and import of command files against a scripted module: the file
// written, the messages, and the module commands sent (and not sent).
#include "jobs/CommandFile.h"
#include "jobs/CommandFileJobs.h"
#include "jobs/JobFixture.h"
#include "support/FullDisk.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

std::string Digits(char c) {
    return std::string(kCommandDigits, c);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Head(int group, int count) {
    return "Group " + std::to_string(group) + " : " + std::to_string(count) + "\r\n";
}

std::string Cmd(int index, const std::string& digits) {
    return "Command " + std::to_string(index) + " : " + digits + "\r\n";
}

// The 516 values of a command block whose digits all have this value.
std::string Values(int value) {
    std::string s;
    for (int k = 0; k < kCommandDigits; ++k) s += "," + std::to_string(value);
    return s;
}

ShownMessage Error(const std::string& text) {
    return {text, "Error", BoxIcon::Error};
}

class CommandExportTest : public JobFixture {
  protected:
    std::string path = dir.File("out.vrcmd");
    CommandExporterThread exporter{data};
};

TEST_F(CommandExportTest, WritesEveryGroupHeaderFollowedByItsCommands) {
    Start(12);
    LoadGroups({{1, {"A"}}, {4, {"B", "C"}}});
    ScriptExport(Digits('1'));
    ScriptExport(Digits('E'));
    ScriptExport(Digits('F'));
    ASSERT_TRUE(exporter.Export(path));

    std::string expected;
    for (int g = 0; g < kGroupLists; ++g) {
        expected += Head(g, g == 1 ? 1 : g == 4 ? 2 : 0);
        if (g == 1) expected += Cmd(0, Digits('1'));
        if (g == 4) expected += Cmd(0, Digits('E')) + Cmd(1, Digits('F'));
    }
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_THAT(Sends(), ElementsAre("~[23,1,0]", "~[23,4,0]", "~[23,4,1]"));
    EXPECT_THAT(front.Messages(), IsEmpty());
    // The section of 3 steps was open and is closed again.
    EXPECT_THAT(front.Ranges(), ::testing::Contains(4u));
    EXPECT_EQ(data.Progress().Range(), 1u);
    EXPECT_EQ(data.Progress().Position(), 0u);
}

TEST_F(CommandExportTest, FailedCommandEndsTheFileWithTheErrorLine) {
    Start(12);
    LoadGroups({{1, {"A"}}, {4, {"B", "C"}}, {6, {"D"}}});
    ScriptExport(Digits('1'));
    ScriptExport(Digits('2'));
    // No answer for command 1 of group 4.
    EXPECT_FALSE(exporter.Export(path));

    std::string expected = Head(0, 0) + Head(1, 1) + Cmd(0, Digits('1'));
    expected += Head(2, 0) + Head(3, 0) + Head(4, 2) + Cmd(0, Digits('2'));
    expected += "Error at group 4 command 1\r\n";
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_THAT(Sends(), ElementsAre("~[23,1,0]", "~[23,4,0]", "~[23,4,1]"));
    ASSERT_EQ(front.Messages().size(), 1u);
    EXPECT_EQ(front.Messages()[0].text.rfind("Could not export command 1 in group 4.\n", 0), 0u);
    EXPECT_EQ(data.Progress().Range(), 1u);
}

// An export that fails must not cost the user the file it would have replaced.
TEST_F(CommandExportTest, FailedExportLeavesAnEarlierFileAsItWas) {
    Start(12);
    LoadGroups({{1, {"A"}}, {4, {"B", "C"}}});
    ScriptExport(Digits('1'));
    const std::string earlier = Head(0, 0) + Head(1, 0);
    { std::ofstream(path, std::ios::binary) << earlier; }
    EXPECT_FALSE(exporter.Export(path));

    EXPECT_EQ(ReadFile(path), earlier);
    ASSERT_EQ(front.Messages().size(), 1u);
    // Nothing of the attempt is left beside it.
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with("out.vrcmd.")) << entry.path();
}

// A successful export replaces the earlier file whole.
TEST_F(CommandExportTest, SuccessfulExportReplacesAnEarlierFile) {
    Start(12);
    LoadGroups({{1, {"A"}}});
    ScriptExport(Digits('1'));
    { std::ofstream(path, std::ios::binary) << std::string(40000, 'x'); }
    ASSERT_TRUE(exporter.Export(path));
    std::string expected;
    for (int g = 0; g < kGroupLists; ++g) {
        expected += Head(g, g == 1 ? 1 : 0);
        if (g == 1) expected += Cmd(0, Digits('1'));
    }
    EXPECT_EQ(ReadFile(path), expected);
}

TEST_F(CommandExportTest, GroupNotReadWritesNothingAndSaysNothing) {
    Start(12);
    LoadGroups({{1, {"A"}}});
    model().ResetModel();  // counts unknown again
    EXPECT_FALSE(exporter.Export(path));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_THAT(Sends(), IsEmpty());
    EXPECT_THAT(front.Messages(), IsEmpty());
}

// A target that takes nothing, or stops taking bytes half-way, fails the
// export with its reason, and an earlier file survives byte for byte.
TEST_F(CommandExportTest, WriteFailuresAreSaidAndKeepTheEarlierFile) {
    struct Case {
        const char* name;
        std::string target;
        const char* reason;
        rlim_t fileLimit;  // 0: no limit
    };
    std::filesystem::create_directory(dir.File("folder"));
    const Case cases[] = {
        {"disk fills up", path, "File too large", 2000},
        {"device that is always full", "/dev/full", "No space left on device", 0},
        {"folder", dir.File("folder"), "Is a directory", 0},
        {"missing folder", dir.File("no/such/folder/out.vrcmd"), "No such file or directory", 0},
    };
    const std::string earlier(3938, 'e');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start(12);
        LoadGroups({{1, {"A", "B", "C", "D"}}});
        for (char d : std::string("1234")) ScriptExport(Digits(d));
        { std::ofstream(path, std::ios::binary) << earlier; }
        bool exported = true;
        if (c.fileLimit != 0) {
            FullDisk full(c.fileLimit);
            exported = exporter.Export(c.target);
        } else {
            exported = exporter.Export(c.target);
        }
        EXPECT_FALSE(exported);
        EXPECT_THAT(front.Messages(),
                    ElementsAre(Error("Could not write the command file \"" + c.target +
                                      "\".\n\nThe following system error occurred:\n" + c.reason)));
        EXPECT_EQ(ReadFile(path), earlier);
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            EXPECT_FALSE(entry.path().filename().string().starts_with("out.vrcmd."))
                << entry.path();
        // Answers that a failed case left unread must not feed the next one.
        link.statuses.clear();
        link.arguments.clear();
        Forget();
    }
}

// As a job: the window is disabled for the run and the completion is posted.
TEST_F(CommandExportTest, JobDisablesTheWindowWhileItRuns) {
    Start(12);
    LoadGroups({{2, {"A"}}});
    ScriptExport(Digits('7'));
    exporter.SetNotifyTarget(&front);
    exporter.Request(path);
    exporter.Start();
    ASSERT_TRUE(front.WaitForCompletions(1));
    exporter.Stop();
    EXPECT_TRUE(exporter.Succeeded());
    EXPECT_EQ(exporter.Commands(), 1);
    EXPECT_EQ(front.JobsFinished()[0].second, 1);
    EXPECT_THAT(front.Enables(), ElementsAre(false, true));
    EXPECT_NE(ReadFile(path).find(Cmd(0, Digits('7'))), std::string::npos);
}

class CommandImportTest : public JobFixture {
  protected:
    std::string Write(const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    std::string path = dir.File("in.vrcmd");
    CommandImporterThread importer{data};
};

TEST_F(CommandImportTest, RefusedBeforeTheModuleIsRead) {
    Start(12);
    Write(Head(1, 1) + Cmd(0, Digits('1')));
    EXPECT_FALSE(importer.Import(path));
    EXPECT_THAT(front.Messages(),
                ElementsAre(Error("Cannot import commands while the module is busy!")));
    EXPECT_THAT(Sends(), IsEmpty());
}

TEST_F(CommandImportTest, MissingFile) {
    Start(12);
    LoadGroups({});
    EXPECT_FALSE(importer.Import(dir.File("absent.vrcmd")));
    EXPECT_THAT(front.Messages(), ElementsAre(Error("Cannot open the specified file!")));
    EXPECT_THAT(Sends(), IsEmpty());
}

// A file that the validation rejects never changes the module, even when
// its first groups are fine.
TEST_F(CommandImportTest, InvalidFileChangesNothing) {
    const std::string one = Head(1, 1) + Cmd(0, Digits('1'));
    const struct {
        const char* name;
        std::string content;
    } files[] = {
        {"Empty", ""},
        {"AllCountsZero", Head(1, 0) + Head(2, 0)},
        {"CommandMissing", one + Head(2, 2) + Cmd(0, Digits('1'))},
        {"Group17", one + Head(17, 1) + Cmd(0, Digits('1'))},
        {"IndexNotBelowCount", Head(1, 1) + Cmd(1, Digits('1'))},
        // Numbers that do not fit their field are not taken modulo 2^32.
        {"GroupOverflows", one + "Group 4294967296 : 0\r\n"},
        {"CountOverflows", one + "Group 2 : 4294967297\r\n" + Cmd(0, Digits('1'))},
        {"BothOverflow", one + "Group 4294967296 : 4294967296\r\n"},
        {"NegativeGroupOverflows", "Group -4294967295 : 1\r\n" + Cmd(0, Digits('1'))},
        {"IndexOverflows", Head(1, 1) + "Command 4294967296 : " + Digits('1') + "\r\n"},
        // Data the module would refuse is found before anything is sent.
        {"ShortData", one + Head(2, 1) + Cmd(0, "0123")},
        {"OneDigitShort", one + Head(2, 1) + Cmd(0, std::string(kCommandDigits - 1, '1'))},
        {"BadLastDigit", one + Head(2, 1) + Cmd(0, std::string(kCommandDigits - 1, '1') + "G")},
        {"BadFirstDigit", one + Head(2, 1) + Cmd(0, "x" + std::string(kCommandDigits - 1, '1'))},
    };
    Start(12);
    LoadGroups({{1, {"A", "B"}}});
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        Forget();
        Write(file.content);
        EXPECT_FALSE(importer.Import(path));
        EXPECT_THAT(front.Messages(),
                    ElementsAre(Error("Invalid command file format or empty file!")));
        EXPECT_THAT(Sends(), IsEmpty());
        EXPECT_EQ(model().GetListCount(1), 2);
    }
}

TEST_F(CommandImportTest, NoRoomLeftForTheGroup) {
    std::vector<std::string> many(31, "X");
    Start(12);
    LoadGroups({{5, many}});
    Write(Head(2, 2) + Cmd(0, Digits('1')) + Cmd(1, Digits('2')));
    ScriptOk();   // the 32nd command
    ScriptOk(2);  // loaded, verified
    ScriptCommand("NEW");
    EXPECT_FALSE(importer.Import(path));
    EXPECT_THAT(front.Messages(),
                ElementsAre(Error("No more room for commands in group 2.\n\nImport may be "
                                  "incomplete!\n\nThe module is now partly overwritten (group 2 "
                                  "partly written). Import the file again.")));
    // The command created has its data: no blank command is left.
    EXPECT_THAT(Sends(), ElementsAre("g[2,0]", "~[8,2,0,...]", "~[21,2,0]", "p[2,0]"));
}

// The module's group gets exactly the file's count: surplus commands are
// removed from the front first; then each command is erased, or created,
// right before it is loaded, verified and read again, so that no command
// waits blank for its data.
TEST_F(CommandImportTest, ResizesEachGroupToTheFile) {
    struct Case {
        int have;
        int want;
        std::vector<std::string> removed;
        std::vector<std::string> prepared;  // before each command's data
    };
    const Case cases[] = {
        {5, 2, {"u[3,0]", "u[3,0]", "u[3,0]"}, {"e[3,0]", "e[3,1]"}},
        {1, 3, {}, {"e[3,0]", "g[3,1]", "g[3,2]"}},
        {2, 2, {}, {"e[3,0]", "e[3,1]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.have);
        Start(12);
        LoadGroups({{3, std::vector<std::string>(static_cast<std::size_t>(c.have), "OLD")}});
        std::string file = Head(3, c.want);
        for (int i = 0; i < c.want; ++i) file += Cmd(i, Digits(static_cast<char>('a' + i)));
        Write(file);

        ScriptOk(static_cast<int>(c.removed.size()));
        std::vector<std::string> expected = c.removed;
        for (int i = 0; i < c.want; ++i) {
            ScriptOk(3);  // erased or created, loaded, verified
            ScriptCommand("NEW");
            expected.push_back(c.prepared[static_cast<std::size_t>(i)]);
            expected.push_back("~[8,3," + std::to_string(i) + ",...]");
            expected.push_back("~[21,3," + std::to_string(i) + "]");
            expected.push_back("p[3," + std::to_string(i) + "]");
        }
        ASSERT_TRUE(importer.Import(path));
        EXPECT_THAT(Sends(), ElementsAreArray(expected));
        EXPECT_THAT(front.Messages(), IsEmpty());
        EXPECT_EQ(model().GetListCount(3), c.want);
        EXPECT_TRUE(model().IsListLoaded(3));
        EXPECT_EQ(model().GetTotalCommandCount(), c.want);
        EXPECT_EQ(data.Progress().Range(), 1u);
        // Lower-case digits go out as the same values as upper-case ones.
        EXPECT_THAT(link.calls, ::testing::Contains("send:~[8,3,0" + Values(10) + "]"));
    }
}

// A command found similar to another still counts as imported; a training
// error ends the import after the module's own message.
TEST_F(CommandImportTest, VerifyOutcomes) {
    Start(12);
    LoadGroups({});
    Write(Head(1, 2) + Cmd(0, Digits('1')) + Cmd(1, Digits('2')));
    ScriptOk(2);                   // command 0 created and loaded
    link.statuses.push_back('r');  // similar to command 1
    link.arguments.push_back(1);
    ScriptCommand("FIRST");
    ScriptOk(2);                   // command 1 created and loaded
    link.statuses.push_back('e');  // a training error
    link.arguments.push_back(0);
    link.arguments.push_back(2);
    EXPECT_FALSE(importer.Import(path));
    const auto messages = front.Messages();
    ASSERT_EQ(messages.size(), 2u) << ::testing::PrintToString(messages);
    EXPECT_EQ(messages[1], Error("Failed to import command data.\n\nImport may be incomplete!"
                                 "\n\nThe module is now partly overwritten (group 1 partly "
                                 "written). Import the file again."));
    EXPECT_THAT(Sends(), ElementsAre("g[1,0]", "~[8,1,0,...]", "~[21,1,0]", "p[1,0]", "g[1,1]",
                                     "~[8,1,1,...]", "~[21,1,1]"));
    EXPECT_TRUE(model().IsEntryLoaded(1, 0));
}

// A failure after the first change names what the module now holds: the
// groups already replaced and the one partly written.
TEST_F(CommandImportTest, FailureNamesTheGroupsAlreadyReplaced) {
    Start(12);
    LoadGroups({});
    Write(Head(1, 1) + Cmd(0, Digits('1')) + Head(2, 1) + Cmd(0, Digits('2')));
    ScriptOk(3);  // group 1: created, loaded, verified
    ScriptCommand("ONE");
    ScriptOk(2);  // group 2: created, loaded
    link.statuses.push_back('e');
    link.arguments.push_back(0);
    link.arguments.push_back(2);
    EXPECT_FALSE(importer.Import(path));
    const auto messages = front.Messages();
    ASSERT_EQ(messages.size(), 2u) << ::testing::PrintToString(messages);
    EXPECT_EQ(messages[1], Error("Failed to import command data.\n\nImport may be incomplete!"
                                 "\n\nThe module is now partly overwritten (groups replaced: 1; "
                                 "group 2 partly written). Import the file again."));
    EXPECT_EQ(importer.PartialNote(),
              "The module is now partly overwritten (groups replaced: 1; group 2 partly written). "
              "Import the file again.");
}

}  // namespace
}  // namespace parlix::test
