// Reading the module into the model: what is read, what is stored, and that
// nothing the model already holds is read twice.
#include "module/VoiceModelFixture.h"

#include <gmock/gmock.h>

#include <string>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

using VoiceModelRefreshTest = VoiceModelFixture;

TEST_F(VoiceModelRefreshTest, GroupCountIsReadOnceAndAddedToTheTotal) {
    struct Case {
        std::int32_t received;
        int stored;
    };
    for (const Case c :
         {Case{-1, 32} /* '@' */, Case{0, 0}, Case{5, 5}, Case{31, 31}, Case{33, 0}, Case{-2, 0}}) {
        Start(12);
        Forget();
        link.statuses = {'c'};
        link.arguments = {c.received};
        EXPECT_EQ(model.RefreshGroupCount(3, controller), c.stored) << c.received;
        EXPECT_THAT(link.calls, ElementsAre("purge", "send:c[3]", "fetch:1"));
        EXPECT_EQ(model.GetListCount(3), c.stored);
        EXPECT_EQ(model.GetTotalCommandCount(), c.stored);
        EXPECT_TRUE(model.TryReadList(3)->changed);

        link.calls.clear();
        EXPECT_EQ(model.RefreshGroupCount(3, controller), c.stored);
        EXPECT_THAT(link.calls, IsEmpty());
        EXPECT_EQ(model.GetTotalCommandCount(), c.stored);
    }
}

TEST_F(VoiceModelRefreshTest, TotalIsTheSumOfTheGroups) {
    Start(12);
    link.statuses = {'c', 'c'};
    link.arguments = {4, 2};
    EXPECT_EQ(model.RefreshGroupCount(0, controller), 4);
    EXPECT_EQ(model.RefreshGroupCount(16, controller), 2);
    EXPECT_EQ(model.GetTotalCommandCount(), 6);
    // A group found empty by the mask holds nothing, whatever was counted before.
    model.SetGroupEmpty(0);
    EXPECT_EQ(model.GetListCount(0), 0);
    EXPECT_EQ(model.GetTotalCommandCount(), 2);
    EXPECT_EQ(model.RefreshGroupCount(17, controller), -1);
    EXPECT_THAT(link.calls, SizeIs(6));
}

TEST_F(VoiceModelRefreshTest, FailedCountReadLeavesTheCountUnknown) {
    Start(12);
    link.statuses = {std::nullopt};
    EXPECT_EQ(model.RefreshGroupCount(2, controller), -1);
    EXPECT_EQ(model.GetListCount(2), -1);
    EXPECT_EQ(model.GetTotalCommandCount(), 0);
    EXPECT_THAT(front.Messages(), SizeIs(1));
}

TEST_F(VoiceModelRefreshTest, GrammarCountCountsCustomGrammarsOnly) {
    struct Case {
        std::int32_t received;  // grammars on the module, wordsets included
        int custom;
    };
    for (const Case c : {Case{7, 3}, Case{4, 0}, Case{3, 0}, Case{-1, 28} /* '@' = 32 */}) {
        Start(12);
        Forget();
        link.statuses = {'c'};
        link.arguments = {c.received};
        EXPECT_TRUE(model.RefreshGrammarCount(controller));
        EXPECT_THAT(link.calls, ElementsAre("purge", "send:z[-1]", "fetch:1"));
        EXPECT_EQ(model.GetGrammarCount(), c.custom) << c.received;
    }
    link.statuses = {std::nullopt};
    EXPECT_FALSE(model.RefreshGrammarCount(controller));
    EXPECT_EQ(model.GetGrammarCount(), 28);
}

TEST_F(VoiceModelRefreshTest, GrammarWordCountLeavesTheTotalAlone) {
    Start(12);
    link.statuses = {'z', 'z'};
    link.arguments = {0, -1, 0, 40};
    EXPECT_EQ(model.RefreshGrammarWordCount(0, controller), 32);
    EXPECT_EQ(model.RefreshGrammarWordCount(27, controller), 0);
    EXPECT_THAT(link.calls,
                ElementsAre("purge", "send:z[4]", "fetch:2", "purge", "send:z[31]", "fetch:2"));
    EXPECT_EQ(model.GetListCount(22), 32);
    EXPECT_EQ(model.GetListCount(49), 0);
    EXPECT_EQ(model.GetTotalCommandCount(), 0);
    link.calls.clear();
    EXPECT_EQ(model.RefreshGrammarWordCount(0, controller), 32);
    EXPECT_EQ(model.RefreshGrammarWordCount(28, controller), -1);
    EXPECT_THAT(link.calls, IsEmpty());
}

TEST_F(VoiceModelRefreshTest, SoundTableIsReadOnEveryRun) {
    Start(1);
    link.statuses = {'h'};
    link.arguments = {1, 2, 3, 18, 14, 20};
    ASSERT_TRUE(model.RefreshSoundTable(controller));
    auto sounds = model.TryReadList(kSoundList);
    ASSERT_TRUE(sounds);
    EXPECT_EQ(sounds->count, 35);  // 34 sounds and the beep
    EXPECT_FALSE(sounds->countKnown);
    EXPECT_EQ(Entry(kSoundList, 0).label, "SOU");
    EXPECT_EQ(SoundName(Entry(kSoundList, 0).label, 34), "SND_SOU_34");

    link.statuses = {'m'};
    ASSERT_TRUE(model.RefreshSoundTable(controller));
    EXPECT_EQ(model.TryReadList(kSoundList)->count, 1);
    EXPECT_EQ(Entry(kSoundList, 0).label, "");

    link.statuses = {std::nullopt};
    EXPECT_FALSE(model.RefreshSoundTable(controller));
    EXPECT_EQ(model.TryReadList(kSoundList)->count, 1);

    // Without a sound table the list is known to be empty; nothing is asked.
    Start(0);
    Forget();
    EXPECT_TRUE(model.RefreshSoundTable(controller));
    EXPECT_THAT(link.calls, IsEmpty());
    EXPECT_EQ(model.GetListCount(kSoundList), 0);
}

TEST_F(VoiceModelRefreshTest, CommandStoresTrainingAndConflict) {
    struct Case {
        int flags;
        int index;
        int trained;
        bool hasConflict;
        std::int32_t conflict;
    };
    for (const Case c :
         {Case{0x0A, 4, 2, true, 4}, Case{0x11, 0, 1, true, -1}, Case{0x13, 2, 3, true, -3},
          Case{7, 5, 0, false, kConflictNone}, Case{0x02, 9, 2, false, kConflictNone},
          Case{-1, 0, 0, false, kConflictNone}}) {
        Start(12);
        Forget();
        link.statuses = {'d'};
        link.arguments = {c.flags, c.index, 7, 11, 8, 6, 7, 19, 29, 2};  // LIGHT^C
        ASSERT_TRUE(model.RefreshCommand(5, 0, controller)) << c.flags;
        EXPECT_THAT(link.calls, ElementsAre("purge", "send:p[5,0]", "fetch:3", "fetch:7"));
        const EntrySnapshot entry = Entry(5, 0);
        EXPECT_TRUE(entry.loaded);
        EXPECT_TRUE(entry.changed);
        EXPECT_EQ(entry.label, "LIGHT^C");
        EXPECT_EQ(entry.trained, c.trained) << c.flags;
        EXPECT_EQ(entry.hasConflict, c.hasConflict) << c.flags;
        EXPECT_EQ(entry.conflict, c.conflict) << c.flags;

        link.calls.clear();
        EXPECT_TRUE(model.RefreshCommand(5, 0, controller));
        EXPECT_THAT(link.calls, IsEmpty());
    }
}

TEST_F(VoiceModelRefreshTest, FailedCommandReadStaysUnread) {
    Start(12);
    link.statuses = {'d'};
    link.arguments = {0x0A, 1, 3, 0, std::nullopt};  // the label breaks off
    EXPECT_FALSE(model.RefreshCommand(2, 1, controller));
    EXPECT_FALSE(model.IsEntryLoaded(2, 1));
    EXPECT_EQ(Entry(2, 1).trained, 0);
    EXPECT_FALSE(model.RefreshCommand(17, 0, controller));
    EXPECT_FALSE(model.RefreshCommand(2, 32, controller));
}

TEST_F(VoiceModelRefreshTest, GrammarWordsAreReadInOneGo) {
    Start(12);
    link.statuses = {'z'};
    link.arguments = {0, 2, 2, 20, 15, 4, 3, 14, 22, 13};  // UP, DOWN
    ASSERT_TRUE(model.RefreshGrammarWords(23, controller));
    EXPECT_THAT(link.calls, ElementsAre("purge", "send:z[5]", "fetch:2", "fetch:1", "fetch:2",
                                        "fetch:1", "fetch:4"));
    EXPECT_EQ(model.GetListCount(23), 2);
    EXPECT_TRUE(model.IsListLoaded(23));
    EXPECT_EQ(Entry(23, 0).label, "UP");
    EXPECT_EQ(Entry(23, 1).label, "DOWN");

    link.calls.clear();
    EXPECT_TRUE(model.RefreshGrammarWords(23, controller));
    EXPECT_THAT(link.calls, IsEmpty());

    // A grammar without words leaves nothing loaded, so it is asked again.
    link.statuses = {'z', 'z'};
    link.arguments = {0, 0, 0, 0};
    EXPECT_TRUE(model.RefreshGrammarWords(49, controller));
    EXPECT_EQ(model.GetListCount(49), 0);
    EXPECT_TRUE(model.RefreshGrammarWords(49, controller));
    EXPECT_THAT(link.calls, SizeIs(6));
    EXPECT_FALSE(model.RefreshGrammarWords(21, controller));
}

TEST_F(VoiceModelRefreshTest, MessageSlotGetsItsText) {
    struct Case {
        std::uint8_t status;
        std::vector<std::optional<std::int32_t>> arguments;
        std::int32_t bits;
        std::int32_t length;
        const char* label;
        int tenths;
    };
    for (const Case& c :
         {Case{'g', {8, 0, 8, 13, 1, 0, 0}, 8, 7552, "Recorded Message", 10},
          Case{'g', {0}, 0, 0, "Empty Slot", 0}, Case{'e', {}, -1, -1, "Message Error", 0}}) {
        Start(12);
        link.statuses = {c.status};
        link.arguments.assign(c.arguments.begin(), c.arguments.end());
        ASSERT_TRUE(model.RefreshMessage(7, controller)) << c.label;
        const EntrySnapshot slot = Entry(kMessageList, 7);
        EXPECT_TRUE(slot.loaded);
        EXPECT_EQ(slot.bits, c.bits);
        EXPECT_EQ(slot.length, c.length);
        EXPECT_EQ(slot.label, c.label);
        EXPECT_EQ(model.GetMessageDuration(7), c.tenths);
        Forget();
        EXPECT_TRUE(model.RefreshMessage(7, controller));
        EXPECT_THAT(link.calls, IsEmpty());
    }
    EXPECT_FALSE(model.RefreshMessage(32, controller));
}

}  // namespace
}  // namespace parlix::test
