// The background readers on their threads against a scripted module: what
// they ask, in which order, what they skip, their progress and completions.
#include "jobs/JobFixture.h"
#include "jobs/Readers.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace parlix::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ReadersTest : public JobFixture {
  protected:
    void SetUp() override {
        JobFixture::SetUp();
        for (ProgramNotify* job : {static_cast<ProgramNotify*>(&groupReader),
                                   static_cast<ProgramNotify*>(&commandReader)})
            job->SetNotifyTarget(&front);
    }

    // The mask answer: eight nibbles, least significant first.
    void ScriptMask(std::uint32_t mask) {
        link.statuses.push_back('k');
        for (int i = 0; i < 8; ++i)
            link.arguments.push_back(static_cast<int>((mask >> (4 * i)) & 15));
    }
    // Every group counted and empty except these.
    void GroupsEmptyExcept(std::initializer_list<int> unknown) {
        for (int g = 0; g < kGroupLists; ++g)
            if (std::find(unknown.begin(), unknown.end(), g) == unknown.end())
                model().SetGroupEmpty(g);
        Forget();
    }
    void RunGroupReader() {
        groupReader.Request();
        groupReader.Start();
        ASSERT_TRUE(front.WaitForCompletions(1));
    }
    void RunCommandReader(int node) {
        commandReader.Request(node);
        commandReader.Start();
        ASSERT_TRUE(front.WaitForCompletions(1));
    }
    std::uint32_t MaxRange() const {
        const auto ranges = front.Ranges();
        return ranges.empty() ? 0 : *std::max_element(ranges.begin(), ranges.end());
    }
    std::uint32_t MaxPosition() const {
        const auto positions = front.Positions();
        return positions.empty() ? 0 : *std::max_element(positions.begin(), positions.end());
    }
    // The bar is back to idle: every section closed.
    void ExpectSectionsClosed() {
        EXPECT_EQ(data.Progress().Range(), 1u);
        EXPECT_EQ(data.Progress().Position(), 0u);
    }

    GroupReaderThread groupReader{data};
    CommandReaderThread commandReader{data};
};

// A group whose mask bit is clear is empty without asking the module.
TEST_F(ReadersTest, GroupReaderCountsOnlyActiveGroups) {
    Start(0);
    ScriptMask((1u << 1) | (1u << 16));
    ScriptCount(2);
    ScriptCount(0);
    RunGroupReader();
    EXPECT_THAT(Sends(), ElementsAre("m[]", "c[1]", "c[16]"));
    for (int g = 0; g < kGroupLists; ++g) EXPECT_EQ(model().GetListCount(g), g == 1 ? 2 : 0) << g;
    EXPECT_EQ(model().GetTotalCommandCount(), 2);
    EXPECT_THAT(front.Messages(), IsEmpty());
    EXPECT_EQ(front.JobsFinished()[0].first, groupReader.ThreadId());
    EXPECT_EQ(front.JobsFinished()[0].second, 1);
    // A section of 20 steps, all taken, then closed.
    EXPECT_EQ(MaxRange(), 21u);
    EXPECT_EQ(MaxPosition(), 20u);
    ExpectSectionsClosed();
}

TEST_F(ReadersTest, GroupReaderReadsSoundTableAndGrammarWordCounts) {
    Start(2);
    link.statuses.push_back('c');
    link.arguments.push_back(4 + 2);  // two custom grammars
    ASSERT_TRUE(model().RefreshGrammarCount(controller()));
    Forget();
    ScriptMask(0);
    link.statuses.push_back('m');  // no sound table
    for (int words : {3, 5}) {
        link.statuses.push_back('z');
        link.arguments.push_back(1);
        link.arguments.push_back(words);
    }
    RunGroupReader();
    EXPECT_THAT(Sends(), ElementsAre("m[]", "h[]", "z[4]", "z[5]"));
    EXPECT_EQ(model().GetListCount(kFirstGrammarList), 3);
    EXPECT_EQ(model().GetListCount(kFirstGrammarList + 1), 5);
    EXPECT_EQ(MaxRange(), 1u + 2 + 20);
    EXPECT_EQ(MaxPosition(), 22u);
    ExpectSectionsClosed();
}

TEST_F(ReadersTest, FailedMaskEndsTheGroupReaderButStillCompletes) {
    Start(2);
    RunGroupReader();  // the module does not answer
    EXPECT_THAT(Sends(), ElementsAre("m[]"));
    ASSERT_EQ(front.Messages().size(), 1u);
    EXPECT_EQ(front.Messages()[0].text.rfind("Could not read active group mask.\n", 0), 0u);
    EXPECT_EQ(model().GetListCount(1), -1);
    EXPECT_EQ(front.JobsFinished()[0].second, 1);
    ExpectSectionsClosed();
}

// The requested node comes first; the visit wraps round to node 0.
TEST_F(ReadersTest, CommandReaderStartsAtTheRequestedNodeAndWraps) {
    Start(0);
    GroupsEmptyExcept({2, 15});
    ScriptCount(1);
    ScriptCommand("LAMP");
    ScriptCount(0);
    RunCommandReader(15);
    EXPECT_THAT(Sends(), ElementsAre("c[15]", "p[15,0]", "c[2]"));
    EXPECT_EQ(model().GetEntryLabel(15, 0), "LAMP");
    EXPECT_TRUE(model().AreGroupsLoaded());
    EXPECT_THAT(front.Messages(), IsEmpty());
    ExpectSectionsClosed();
}

// The sound table costs one step and nothing on the wire; the messages cost
// one step, plus one read per slot when the module has messages.
TEST_F(ReadersTest, CommandReaderStepsOverTheSoundTableAndMessages) {
    struct Case {
        int id;
        int node;
        std::size_t reads;
        std::uint32_t maxRange;
        std::uint32_t maxPosition;  // the slots' section closes before the next node
    };
    const Case cases[] = {
        {0, kSoundList, 0, 1 + 22, 22},
        {0, kMessageList, 0, 1 + 22, 22},
        {9, kMessageList, 32, 1 + 22 + 32, 1 + 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id * 100 + c.node);
        Start(c.id);
        GroupsEmptyExcept({});
        for (std::size_t i = 0; i < c.reads; ++i) link.statuses.push_back('e');  // damaged slot
        CommandReaderThread reader{data};
        reader.SetNotifyTarget(&front);
        reader.Request(c.node);
        reader.Start();
        ASSERT_TRUE(front.WaitForCompletions(1));
        reader.Stop();
        const auto sends = Sends();
        EXPECT_EQ(sends.size(), c.reads);
        if (c.reads > 0) {
            EXPECT_EQ(sends.front(), "d[-1,0]");
            EXPECT_EQ(sends.back(), "d[-1,31]");
        }
        EXPECT_EQ(MaxRange(), c.maxRange);
        EXPECT_EQ(MaxPosition(), c.maxPosition);
        EXPECT_THAT(front.Messages(), IsEmpty());
        ExpectSectionsClosed();
    }
}

TEST_F(ReadersTest, FailedCountEndsTheCommandReader) {
    Start(0);
    GroupsEmptyExcept({3, 5});
    RunCommandReader(0);  // group 3 gets no answer
    EXPECT_THAT(Sends(), ElementsAre("c[3]"));
    EXPECT_EQ(front.Messages().size(), 1u);
    EXPECT_EQ(model().GetListCount(5), -1);
    EXPECT_EQ(front.JobsFinished()[0].second, 1);
    ExpectSectionsClosed();
}

// A new request cancels the run at its next check; the next run starts at
// the new node and keeps what the cancelled one read.
TEST_F(ReadersTest, NewRequestRestartsTheCommandReaderAtTheNewNode) {
    Start(0);
    GroupsEmptyExcept({1, 5});
    ScriptCount(3);  // group 1, read before the cancellation is seen
    ScriptCount(0);  // group 5
    for (const char* label : {"A", "B", "C"}) ScriptCommand(label);
    link.Hold();
    commandReader.Request(1);
    commandReader.Start();
    ASSERT_TRUE(link.WaitUntilEntered());
    commandReader.Request(5);
    link.Release();
    ASSERT_TRUE(front.WaitForCompletions(2));
    EXPECT_THAT(Sends(), ElementsAre("c[1]", "c[5]", "p[1,0]", "p[1,1]", "p[1,2]"));
    EXPECT_THAT(front.JobsFinished(), ElementsAre(::testing::Pair(commandReader.ThreadId(), 1),
                                                  ::testing::Pair(commandReader.ThreadId(), 1)));
    EXPECT_TRUE(model().AreGroupsLoaded());
    ExpectSectionsClosed();
}

TEST_F(ReadersTest, CommandReaderReadsGrammarWordsFromNode22) {
    Start(2);
    link.statuses.push_back('c');
    link.arguments.push_back(4 + 1);
    ASSERT_TRUE(model().RefreshGrammarCount(controller()));
    GroupsEmptyExcept({});
    link.statuses.push_back('z');
    for (int value : {1, 2, 1, 0, 1, 1}) link.arguments.push_back(value);  // "A", "B"
    RunCommandReader(kFirstGrammarList);
    EXPECT_THAT(Sends(), ElementsAre("z[4]"));
    EXPECT_EQ(model().GetEntryLabel(kFirstGrammarList, 1), "B");
    EXPECT_THAT(front.Messages(), IsEmpty());
    EXPECT_THAT(front.Ranges(), Contains(1u + 23));
    ExpectSectionsClosed();
}

}  // namespace
}  // namespace parlix::test
