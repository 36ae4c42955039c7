// The row readers that the window's lists and the dump share: the changed
// flag taken only when asked, busy entries, row 0's trigger words and the
// grammar rows.
#include "app/ModelRows.h"
#include "app/ModelSnapshot.h"
#include "module/VoiceModelFixture.h"

#include <gmock/gmock.h>

#include <functional>
#include <thread>

namespace parlix::test {
namespace {

class ModelRowsTest : public VoiceModelFixture {};

// What the tests need of any entry row: busy, known, changed.
using RowRead = std::function<std::optional<EntryRowState>(VoiceModel&, bool takeChanged)>;

template <typename Row>
std::optional<EntryRowState> State(const std::optional<Row>& row) {
    if (!row) return std::nullopt;
    return static_cast<const EntryRowState&>(*row);
}

TEST_F(ModelRowsTest, ChangedFlagIsTakenOnlyWhenAsked) {
    struct Case {
        const char* name;
        RowRead read;
    };
    const Case cases[] = {
        {"command", [](VoiceModel& m, bool t) { return State(ReadCommandEntry(m, 2, 0, t)); }},
        {"word", [](VoiceModel& m, bool t) { return State(ReadWordEntry(m, 19, 1, t)); }},
        {"trigger word", [](VoiceModel& m, bool t) { return State(ReadTriggerWord(m, 0, t)); }},
        {"sound table name", [](VoiceModel& m, bool t) { return State(ReadSoundEntry(m, 0, t)); }},
        {"message slot", [](VoiceModel& m, bool t) { return State(ReadMessageEntry(m, 3, t)); }},
    };
    for (const Case& c : cases) {
        Start(12);  // every entry is cleared or filled, so changed
        for (int i = 0; i < 2; ++i) {
            const auto kept = c.read(model, false);
            ASSERT_TRUE(kept) << c.name;
            EXPECT_TRUE(kept->changed) << c.name;
            EXPECT_FALSE(kept->busy) << c.name;
        }
        const auto taken = c.read(model, true);
        ASSERT_TRUE(taken) << c.name;
        EXPECT_TRUE(taken->changed) << c.name;
        EXPECT_FALSE(c.read(model, false)->changed) << c.name;
    }
}

// Every sound's name follows from entry 0, but only its own row shows it as changed.
TEST_F(ModelRowsTest, OnlyTheFirstSoundRowTakesTheTableNameAsShown) {
    Start(12);
    ASSERT_TRUE(ReadSoundEntry(model, 2, true)->changed);
    EXPECT_TRUE(ReadSoundEntry(model, 0, false)->changed);
    EXPECT_TRUE(ReadSoundEntry(model, 0, true)->changed);
    EXPECT_FALSE(ReadSoundEntry(model, 2, false)->changed);
}

TEST_F(ModelRowsTest, BusyCommandKeepsWhatIsShownOrShowsPlaceholders) {
    Start(12);
    ScriptCommand({2, std::nullopt, "LAMP"});
    link.Hold();
    std::thread job([&] { EXPECT_TRUE(model.RefreshCommand(3, 0, controller)); });
    ASSERT_TRUE(link.WaitUntilEntered());

    EXPECT_FALSE(ReadCommandEntry(model, 3, 0, true));
    const auto shown = ReadCommandEntry(model, 3, 0, false);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->busy);
    EXPECT_FALSE(shown->known);
    EXPECT_FALSE(EntryRowCount(model, 3));
    const GroupRowFacts group = ReadGroupRowFacts(model, 3);
    EXPECT_TRUE(group.busy);
    EXPECT_FALSE(group.count);
    EXPECT_EQ(group.entries, 0);

    link.Release();
    job.join();
    const auto read = ReadCommandEntry(model, 3, 0, true);
    ASSERT_TRUE(read);
    EXPECT_FALSE(read->busy);
    EXPECT_TRUE(read->known);
    EXPECT_EQ(read->label, "LAMP");
    EXPECT_EQ(read->trained, 2);
    EXPECT_FALSE(read->conflict);
}

TEST_F(ModelRowsTest, TriggerRowListsItsCommandsThenTheBuiltinWords) {
    Start(12);
    LoadGroup(kTriggerList, {{1, std::nullopt, "PARLIX"}});
    const int words = TriggerWordCount(model);
    ASSERT_GT(words, 0);
    EXPECT_EQ(TriggerRowCommands(model), 1);
    EXPECT_EQ(EntryRowCount(model, kTriggerList), 1 + words);
    EXPECT_EQ(ReadCommandEntry(model, kTriggerList, 0, false)->label, "PARLIX");
    const auto word = ReadTriggerWord(model, 0, false);
    EXPECT_TRUE(word->known);
    EXPECT_FALSE(word->word.empty());
}

// A grammar count left from a module with grammars must not add rows for one without.
TEST_F(ModelRowsTest, GrammarRowsNeedTheCapability) {
    Start(12);
    link.statuses = {'c'};
    link.arguments = {6};  // four built-in wordsets, two grammars
    ASSERT_TRUE(model.RefreshGrammarCount(controller));
    EXPECT_EQ(GroupListRows(model), kFirstGrammarList + 2);
    EXPECT_EQ(ReadModelSnapshot(model).groups.size(), std::size_t{kFirstGrammarList + 2});

    model.SetCapabilities(1);
    EXPECT_EQ(GroupListRows(model), kFirstGrammarList);
    EXPECT_EQ(ReadModelSnapshot(model).groups.size(), std::size_t{kFirstGrammarList});
}

}  // namespace
}  // namespace parlix::test
