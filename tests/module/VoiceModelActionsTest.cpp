// Model actions over the controller: the module command goes first, the model
// follows only on success, and conflicts follow the commands they point at.
#include "module/VoiceModelFixture.h"

#include <gmock/gmock.h>

#include <string>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::StartsWith;

using VoiceModelActionsTest = VoiceModelFixture;
using ConflictList = std::vector<std::optional<std::int32_t>>;

constexpr int kGroup = 6;
constexpr std::nullopt_t kNone = std::nullopt;
constexpr std::int32_t kUnnamed = static_cast<std::int32_t>(0xEBAD0001u);

enum class Op { Insert, Remove, Erase };

struct RenumberCase {
    const char* name;
    ConflictList before;
    int unnamedAt;  // trained into "similar, unnamed" before the action; -1: none
    Op op;
    int index;
    ConflictList after;
    std::string labelsAfter;  // one letter per command, '-' for a new empty one
};

void PrintTo(const RenumberCase& c, std::ostream* os) {
    *os << c.name;
}

class RenumberTest : public VoiceModelFixture, public ::testing::WithParamInterface<RenumberCase> {
  protected:
    // Commands labelled A, B, C, ... with the given conflicts.
    void LoadCommands(const ConflictList& conflicts) {
        std::vector<ScriptedCommand> commands;
        for (std::size_t i = 0; i < conflicts.size(); ++i)
            commands.push_back({1, conflicts[i], std::string(1, static_cast<char>('A' + i))});
        LoadGroup(kGroup, commands);
    }

    std::string Labels() {
        std::string labels;
        for (int i = 0; i < model.GetListCount(kGroup); ++i) {
            const std::string label = Entry(kGroup, i).label;
            labels += label.empty() ? "-" : label;
        }
        return labels;
    }

    bool Run(Op op, int index) {
        switch (op) {
            case Op::Insert:
                return model.InsertCommand(kGroup, index, controller);
            case Op::Remove:
                return model.RemoveCommandAt(kGroup, index, controller);
            case Op::Erase:
                return model.EraseTraining(kGroup, index, controller);
        }
        return false;
    }
};

TEST_P(RenumberTest, ConflictsFollowTheCommands) {
    const RenumberCase& c = GetParam();
    Start(12);
    LoadCommands(c.before);
    if (c.unnamedAt >= 0) {
        link.statuses = {'r'};
        link.arguments = {std::nullopt};
        ASSERT_EQ(model.TrainEntry(kGroup, c.unnamedAt, controller), kUnnamed);
        Forget();
    }
    const int total = model.GetTotalCommandCount();

    link.statuses = {'o'};
    ASSERT_TRUE(Run(c.op, c.index));

    const char letter = c.op == Op::Insert ? 'g' : c.op == Op::Remove ? 'u' : 'e';
    EXPECT_THAT(link.calls,
                ElementsAre("purge", std::string("send:") + letter + "[" + std::to_string(kGroup) +
                                         "," + std::to_string(c.index) + "]"));
    EXPECT_THAT(Conflicts(kGroup), ElementsAreArray(c.after));
    EXPECT_EQ(Labels(), c.labelsAfter);
    const int delta = c.op == Op::Insert ? 1 : c.op == Op::Remove ? -1 : 0;
    EXPECT_EQ(model.GetTotalCommandCount(), total + delta);
    EXPECT_TRUE(model.IsListLoaded(kGroup));
    EXPECT_TRUE(front.Messages().empty());
    if (c.op == Op::Insert || c.op == Op::Erase) {
        const EntrySnapshot entry = Entry(kGroup, c.index);
        EXPECT_EQ(entry.trained, 0);
        EXPECT_TRUE(entry.loaded);
    }
    if (c.op == Op::Remove) {
        // The position freed at the end holds nothing any more.
        const EntrySnapshot freed = Entry(kGroup, static_cast<int>(c.before.size()) - 1);
        EXPECT_FALSE(freed.loaded);
        EXPECT_EQ(freed.label, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Actions, RenumberTest,
    ::testing::Values(
        // Command 5 similar to the removed 2 becomes 4 without a conflict;
        // command 6 similar to 4 becomes 5 similar to 3.
        RenumberCase{"RemoveInTheMiddle",
                     {1, -1, kNone, 6, kNone, 2, 4},
                     -1,
                     Op::Remove,
                     2,
                     {1, -1, 5, kNone, kNone, 3},
                     "ABDEFG"},
        RenumberCase{"RemoveFirst", {kNone, 0, 2, 1}, -1, Op::Remove, 0, {kNone, 1, 0}, "BCD"},
        RenumberCase{"RemoveLast", {2, kNone, 0}, -1, Op::Remove, 2, {kNone, kNone}, "AB"},
        // Command 3 similar to 1 becomes 4 similar to 2; trigger words and
        // sentinels stay as they are.
        RenumberCase{"InsertInTheMiddle",
                     {2, kNone, -2, 1, kNone, 4},
                     4,
                     Op::Insert,
                     1,
                     {3, kNone, kNone, -2, 2, kUnnamed, 5},
                     "A-BCDEF"},
        RenumberCase{"InsertAtTheEnd", {1, 0}, -1, Op::Insert, 2, {1, 0, kNone}, "AB-"},
        RenumberCase{"InsertIntoEmpty", {}, -1, Op::Insert, 0, {kNone}, "-"},
        RenumberCase{"EraseClearsConflictsWithIt",
                     {1, kNone, 2, 1, -1},
                     -1,
                     Op::Erase,
                     1,
                     {kNone, kNone, 2, kNone, -1},
                     "ABCDE"},
        RenumberCase{
            "EraseKeepsOtherSentinels", {kNone, kNone}, 1, Op::Erase, 0, {kNone, kUnnamed}, "AB"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(VoiceModelActionsTest, FailedActionLeavesTheGroupAsItWas) {
    struct Case {
        const char* name;
        bool (VoiceModel::*action)(int, int, ModuleController&);
    };
    for (const Case c :
         {Case{"Insert", &VoiceModel::InsertCommand}, Case{"Remove", &VoiceModel::RemoveCommandAt},
          Case{"Erase", &VoiceModel::EraseTraining}}) {
        Start(12);
        LoadGroup(kGroup, {{2, kNone, "A"}, {1, 0, "B"}, {1, 1, "C"}});
        link.statuses = {'e'};
        EXPECT_FALSE((model.*c.action)(kGroup, 1, controller)) << c.name;
        EXPECT_THAT(front.Messages(),
                    ElementsAre(ShownMessage{"Unexpected reply (0x65).\n", "Error", 16}))
            << c.name;
        EXPECT_THAT(Conflicts(kGroup), ElementsAre(kNone, 0, 1)) << c.name;
        EXPECT_EQ(Entry(kGroup, 0).trained, 2) << c.name;
        EXPECT_EQ(Entry(kGroup, 1).label, "B") << c.name;
        EXPECT_EQ(model.GetTotalCommandCount(), 3) << c.name;
    }
}

TEST_F(VoiceModelActionsTest, ActionsTheModelCannotMirrorSendNothing) {
    Start(12);
    EXPECT_FALSE(model.InsertCommand(kGroup, 0, controller)) << "count not read";
    EXPECT_FALSE(model.RemoveCommandAt(kGroup, 0, controller)) << "count not read";
    LoadGroup(kGroup, {{1, kNone, "A"}});
    EXPECT_FALSE(model.InsertCommand(kGroup, 2, controller));
    EXPECT_FALSE(model.InsertCommand(kGroup, -1, controller));
    EXPECT_FALSE(model.RemoveCommandAt(kGroup, 1, controller));
    EXPECT_FALSE(model.InsertCommand(kSoundList, 0, controller));
    EXPECT_FALSE(model.EraseTraining(kMessageList, 0, controller));
    EXPECT_FALSE(model.EraseTraining(kGroup, 32, controller));
    EXPECT_THAT(link.calls, IsEmpty());
    EXPECT_TRUE(front.Messages().empty());
}

TEST_F(VoiceModelActionsTest, FullGroupTakesNoInsert) {
    Start(12);
    for (int list = 0; list < kGroupLists; ++list)
        if (list != kGroup) model.SetGroupEmpty(list);
    link.statuses = {'c'};
    link.arguments = {-1};
    ASSERT_EQ(model.RefreshGroupCount(kGroup, controller), 32);
    Forget();
    EXPECT_FALSE(model.InsertCommand(kGroup, 32, controller));
    EXPECT_THAT(link.calls, IsEmpty());
}

TEST_F(VoiceModelActionsTest, TrainEntryCountsTrainingsAndKeepsTheConflict) {
    struct Case {
        const char* name;
        std::vector<std::optional<std::uint8_t>> statuses;
        std::vector<std::optional<std::int32_t>> arguments;
        std::int32_t result;
        int trained;  // after one training of a command trained once
        bool hasConflict;
    };
    for (const Case& c : {
             Case{"Done", {'o'}, {}, kConflictNone, 2, false},
             Case{"SimilarCommand", {'r'}, {2}, 2, 2, true},
             Case{"SimilarTrigger", {'s'}, {0}, -1, 2, true},
             Case{"SimilarUnnamed", {'r'}, {std::nullopt}, kUnnamed, 2, true},
             Case{"TimedOut", {'t'}, {}, kConflictTimedOut, 1, false},
             Case{"ModuleError", {'e'}, {0, 3}, kConflictIncomplete, 1, false},
             Case{"NoReply", {std::nullopt}, {}, kConflictIncomplete, 1, false},
         }) {
        Start(12);
        LoadGroup(kGroup, {{1, kNone, "A"}, {0, kNone, "B"}, {0, kNone, "C"}});
        link.statuses.assign(c.statuses.begin(), c.statuses.end());
        link.arguments.assign(c.arguments.begin(), c.arguments.end());
        EXPECT_EQ(model.TrainEntry(kGroup, 0, controller), c.result) << c.name;
        EXPECT_THAT(link.calls, ::testing::Contains("send:t[6,0]")) << c.name;
        EXPECT_THAT(link.statusTimeouts, ElementsAre(controller.RecognitionWait() + 10));
        const EntrySnapshot entry = Entry(kGroup, 0);
        EXPECT_EQ(entry.trained, c.trained) << c.name;
        EXPECT_EQ(entry.hasConflict, c.hasConflict) << c.name;
        // A failed training leaves the entry as it was.
        EXPECT_EQ(entry.conflict, c.trained == 2 ? c.result : kConflictNone) << c.name;
    }
    EXPECT_EQ(model.TrainEntry(kSoundList, 0, controller), kConflictIncomplete);
}

TEST_F(VoiceModelActionsTest, RecognizeInListAsksTheRightCommand) {
    struct Case {
        int list;
        std::optional<std::uint8_t> status;
        std::optional<std::int32_t> argument;
        const char* sent;  // nullptr: nothing is sent
        std::int32_t result;
    };
    for (const Case c : {Case{3, 'r', 2, "send:d[3]", 2}, Case{0, 's', 0, "send:d[0]", -1},
                         Case{19, 's', 4, "send:i[1]", 4}, Case{23, 's', 0, "send:i[5]", 0},
                         Case{3, 't', std::nullopt, "send:d[3]", kConflictIncomplete},
                         Case{21, std::nullopt, std::nullopt, "send:i[3]", kConflictIncomplete},
                         Case{kSoundList, std::nullopt, std::nullopt, nullptr, -1},
                         Case{kMessageList, std::nullopt, std::nullopt, nullptr, -1}}) {
        Start(12);
        Forget();
        link.statuses = {c.status};
        link.arguments = {c.argument};
        EXPECT_EQ(model.RecognizeInList(c.list, controller), c.result) << c.list;
        if (c.sent) {
            EXPECT_THAT(link.calls, ::testing::Contains(c.sent)) << c.list;
            EXPECT_THAT(link.statusTimeouts, ElementsAre(controller.RecognitionWait() + 20));
        } else {
            EXPECT_THAT(link.calls, IsEmpty()) << c.list;
        }
    }
}

TEST_F(VoiceModelActionsTest, RenameStoresTheLabelAsSent) {
    struct Case {
        const char* typed;
        const char* sent;  // argument list after group and index
        const char* stored;
        const char* shown;
    };
    for (const Case c :
         {Case{"room2", "6,17,14,14,12,29,2", "ROOM^C", "ROOM2"},
          Case{"light 2", "5,11,8,6,7,19", "LIGHT", "LIGHT"}, Case{"", "0", "", ""}}) {
        Start(12);
        LoadGroup(kGroup, {{1, kNone, "OLD"}});
        link.statuses = {'o'};
        ASSERT_TRUE(model.RenameEntry(kGroup, 0, c.typed, controller)) << c.typed;
        EXPECT_THAT(link.calls, ElementsAre("purge", "send:n[6,0," + std::string(c.sent) + "]"));
        const EntrySnapshot entry = Entry(kGroup, 0);
        EXPECT_EQ(entry.label, c.stored);
        EXPECT_EQ(DecodeLabel(entry.label), c.shown);
        EXPECT_TRUE(entry.changed);
    }
    link.statuses = {'e'};
    EXPECT_FALSE(model.RenameEntry(kGroup, 0, "NEW", controller));
    EXPECT_EQ(Entry(kGroup, 0).label, "");
}

TEST_F(VoiceModelActionsTest, ImportEntryLoadsVerifiesAndLeavesTheEntryToBeRead) {
    const std::string data(516, 'a');
    struct Case {
        const char* name;
        std::vector<std::optional<std::uint8_t>> statuses;
        std::vector<std::optional<std::int32_t>> arguments;
        bool imported;
        bool verifySent;
    };
    for (const Case& c : {Case{"Verified", {'o', 'o'}, {}, true, true},
                          Case{"SimilarIsFine", {'o', 's'}, {1}, true, true},
                          Case{"VerifyError", {'o', 'e'}, {0, 3}, false, true},
                          Case{"ImportRefused", {'e'}, {}, false, false}}) {
        Start(12);
        LoadGroup(kGroup, {{2, 0, "OLD"}});
        link.statuses.assign(c.statuses.begin(), c.statuses.end());
        link.arguments.assign(c.arguments.begin(), c.arguments.end());
        EXPECT_EQ(model.ImportEntry(kGroup, 0, data, controller), c.imported) << c.name;
        ASSERT_GE(link.calls.size(), 2u);
        EXPECT_THAT(link.calls[1], StartsWith("send:~[8,6,0,10,10,")) << c.name;
        EXPECT_EQ(std::count(link.calls.begin(), link.calls.end(), "send:~[21,6,0]"),
                  c.verifySent ? 1 : 0)
            << c.name;
        // Read again later, whatever the outcome.
        EXPECT_FALSE(model.IsEntryLoaded(kGroup, 0)) << c.name;
        EXPECT_FALSE(model.IsListLoaded(kGroup)) << c.name;
    }
    ScriptCommand({1, kNone, "NEW"});
    ASSERT_TRUE(model.RefreshCommand(kGroup, 0, controller));
    EXPECT_EQ(Entry(kGroup, 0).label, "NEW");
}

TEST_F(VoiceModelActionsTest, RecordingAMessage) {
    Start(12);
    link.statuses = {'g'};
    link.arguments = {0};
    ASSERT_TRUE(model.RefreshMessage(4, controller));
    Forget();

    ASSERT_TRUE(model.StartRecording(4, controller));
    EXPECT_THAT(link.calls, ElementsAre("purge", "send:r[-1,4,8,0]"));
    EXPECT_EQ(Entry(kMessageList, 4).label, "Recording...");

    link.statuses = {std::nullopt};  // still recording
    EXPECT_FALSE(model.PollRecording(4, controller));
    EXPECT_EQ(Entry(kMessageList, 4).label, "Recording...");
    EXPECT_TRUE(front.Messages().empty());

    link.statuses = {'o', 'g'};
    link.arguments = {0, 0, 8, 0, 6, 13, 1, 0, 0};
    Forget();
    EXPECT_TRUE(model.PollRecording(4, controller));
    EXPECT_THAT(link.calls, ElementsAre("fetch:2", "purge", "send:d[-1,4]", "fetch:1", "fetch:6"));
    const EntrySnapshot slot = Entry(kMessageList, 4);
    EXPECT_EQ(slot.label, "Recorded Message");
    EXPECT_EQ(slot.length, 7520);
    EXPECT_EQ(model.GetMessageDuration(4), 10);
    EXPECT_EQ(FormatDuration(model.GetMessageDuration(4)), "0:01.0");

    // A recording that ran out of memory has ended too; the slot is read anew.
    ASSERT_TRUE(model.StartRecording(5, controller));
    link.statuses = {'m', 'e'};
    EXPECT_TRUE(model.PollRecording(5, controller));
    EXPECT_EQ(Entry(kMessageList, 5).label, "Message Error");
    EXPECT_THAT(front.Messages(), ElementsAre(ShownMessage{"Memory full.\n", "Information", 64}));
}

TEST_F(VoiceModelActionsTest, EraseAndPlayMessages) {
    Start(12);
    link.statuses = {'g'};
    link.arguments = {8, 0, 6, 13, 1, 0, 0};
    ASSERT_TRUE(model.RefreshMessage(2, controller));
    Forget();

    link.statuses = {'o'};
    ASSERT_TRUE(model.PlayMessageAt(2, controller));
    EXPECT_THAT(link.calls, ElementsAre("purge", "send:p[-1,2,0]"));
    EXPECT_THAT(link.statusTimeouts, ElementsAre(10 + 10));  // the duration and 1 s more

    link.statuses = {'e'};
    EXPECT_FALSE(model.EraseMessageAt(2, controller));
    EXPECT_EQ(Entry(kMessageList, 2).label, "Recorded Message");

    link.statuses = {'o'};
    Forget();
    ASSERT_TRUE(model.EraseMessageAt(2, controller));
    EXPECT_THAT(link.calls, ElementsAre("purge", "send:e[-1,2]"));
    const EntrySnapshot slot = Entry(kMessageList, 2);
    EXPECT_EQ(slot.label, "Empty Slot");
    EXPECT_EQ(slot.bits, 0);
    EXPECT_EQ(slot.length, 0);
    EXPECT_TRUE(slot.loaded);
}

}  // namespace
}  // namespace parlix::test
