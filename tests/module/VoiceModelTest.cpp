// The model as a whole: construction, capabilities, resets, built-in words
// and the queries the window and the jobs ask.
#include "module/BuiltinWords.h"
#include "module/VoiceModelFixture.h"

#include <gmock/gmock.h>

#include <array>
#include <string>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::Optional;

using VoiceModelTest = VoiceModelFixture;

constexpr std::array<Capability, 6> kCapabilities{
    Capability::SoundTable, Capability::Grammars,        Capability::MicDistance,
    Capability::Messages,   Capability::FastRecognition, Capability::TrailingSilence};

TEST_F(VoiceModelTest, ConstructionKnowsNothingAndHasFixedEmptyLists) {
    EXPECT_TRUE(model.HasCapability(Capability::SoundTable));
    for (Capability c : {Capability::Grammars, Capability::MicDistance, Capability::Messages,
                         Capability::FastRecognition, Capability::TrailingSilence})
        EXPECT_FALSE(model.HasCapability(c));
    for (int list = 0; list <= kTriggerWordsList; ++list) {
        const auto snapshot = model.TryReadList(list);
        ASSERT_TRUE(snapshot) << list;
        EXPECT_EQ(snapshot->count, 0) << list;
        EXPECT_FALSE(snapshot->countKnown) << list;
        EXPECT_TRUE(snapshot->fixedEntries) << list;
    }
    EXPECT_EQ(model.GetGrammarCount(), 0);
    EXPECT_EQ(model.GetTotalCommandCount(), 0);
    EXPECT_FALSE(model.TryReadList(-1));
    EXPECT_FALSE(model.TryReadList(kTriggerWordsList + 1));
}

struct ResetCase {
    const char* name;
    int firmwareId;
    // In the order of kCapabilities.
    std::array<bool, 6> capabilities;
    int soundCount;
    bool soundCountKnown;
    int messageCount;
};

void PrintTo(const ResetCase& c, std::ostream* os) {
    *os << c.name;
}

class ResetModelTest : public VoiceModelFixture, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(ResetModelTest, ClearsGroupsAndRebuildsFixedLists) {
    const ResetCase& c = GetParam();
    Start(c.firmwareId);
    // Something read before, which the reset must forget.
    LoadGroup(3, {{1, std::nullopt, "LIGHT"}});
    link.statuses = {'c'};
    link.arguments = {7};
    ASSERT_TRUE(model.RefreshGrammarCount(controller));
    ASSERT_EQ(model.GetGrammarCount(), 3);
    model.TakeChanged();

    model.ResetModel();

    for (std::size_t i = 0; i < kCapabilities.size(); ++i)
        EXPECT_EQ(model.HasCapability(kCapabilities[i]), c.capabilities[i]) << i;
    EXPECT_TRUE(model.TakeChanged());
    EXPECT_EQ(model.GetTotalCommandCount(), 0);
    EXPECT_EQ(model.GetGrammarCount(), 0);
    for (int list : {0, 3, 16, 22, 49}) {
        const auto snapshot = model.TryReadList(list);
        ASSERT_TRUE(snapshot);
        EXPECT_EQ(snapshot->count, 0) << list;
        EXPECT_FALSE(snapshot->countKnown) << list;
        EXPECT_FALSE(snapshot->fixedEntries) << list;
    }
    EXPECT_FALSE(Entry(3, 0).loaded);
    EXPECT_EQ(Entry(3, 0).label, "");

    EXPECT_EQ(model.GetListCount(19), 8);
    EXPECT_EQ(model.GetListCount(20), 6);
    EXPECT_EQ(model.GetListCount(21), 11);
    EXPECT_EQ(model.GetListCount(kTriggerWordsList), 1);
    const EntrySnapshot robot = Entry(kTriggerWordsList, 0);
    EXPECT_TRUE(robot.loaded);
    EXPECT_EQ(robot.label, "Robot");
    EXPECT_EQ(robot.trained, -1);

    const auto sounds = model.TryReadList(kSoundList);
    ASSERT_TRUE(sounds);
    EXPECT_EQ(sounds->count, c.soundCount);
    EXPECT_EQ(sounds->countKnown, c.soundCountKnown);
    EXPECT_TRUE(sounds->fixedEntries);

    EXPECT_EQ(model.GetListCount(kMessageList), c.messageCount);
    // Slots are known to exist but still to be read.
    if (c.messageCount > 0) {
        EXPECT_FALSE(Entry(kMessageList, 0).loaded);
        EXPECT_FALSE(Entry(kMessageList, 31).loaded);
        EXPECT_FALSE(model.IsListLoaded(kMessageList));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Firmware, ResetModelTest,
    ::testing::Values(ResetCase{"Id0", 0, {false, false, false, false, false, false}, 0, true, 0},
                      ResetCase{"Id1", 1, {true, false, false, false, false, false}, 1, false, 0},
                      ResetCase{"Id3", 3, {true, true, true, false, false, false}, 1, false, 0},
                      ResetCase{"Id9", 9, {true, true, true, true, false, false}, 1, false, 32},
                      ResetCase{"Id12", 12, {true, true, true, true, true, true}, 1, false, 32}),
    [](const auto& param) { return std::string(param.param.name); });

struct ClearCase {
    const char* name;
    int firmwareId;
    bool groups;
    bool messages;
    int total;         // total command count afterwards
    int grammars;      // custom grammar count afterwards
    int groupCount;    // count of group 3 afterwards (always known)
    const char* slot;  // label of message slot 0 afterwards; nullptr: list 18 is empty
};

void PrintTo(const ClearCase& c, std::ostream* os) {
    *os << c.name;
}

class ClearAfterResetTest : public VoiceModelFixture,
                            public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearAfterResetTest, ClearsWhatTheResetErased) {
    const ClearCase& c = GetParam();
    Start(c.firmwareId);
    LoadGroup(3, {{2, std::nullopt, "UP"}, {1, 0, "DOWN"}});
    link.statuses = {'c'};
    link.arguments = {6};
    ASSERT_TRUE(model.RefreshGrammarCount(controller));
    if (model.HasCapability(Capability::Messages)) {
        link.statuses = {'g'};
        link.arguments = {8, 0, 8, 13, 1, 0, 0};
        ASSERT_TRUE(model.RefreshMessage(0, controller));
    }
    model.TakeChanged();

    model.ClearAfterReset(c.groups, c.messages);

    EXPECT_TRUE(model.TakeChanged());
    EXPECT_EQ(model.GetTotalCommandCount(), c.total);
    EXPECT_EQ(model.GetGrammarCount(), c.grammars);
    EXPECT_EQ(model.GetListCount(3), c.groupCount);
    EXPECT_TRUE(model.IsListLoaded(3));
    for (int list = 0; list < kGroupLists; ++list) EXPECT_GE(model.GetListCount(list), 0) << list;
    if (c.slot == nullptr) {
        EXPECT_EQ(model.GetListCount(kMessageList), 0);
        return;
    }
    const EntrySnapshot slot = Entry(kMessageList, 0);
    EXPECT_EQ(slot.label, c.slot);
    if (std::string(c.slot) == "Empty Slot") {
        EXPECT_EQ(slot.bits, 0);
        EXPECT_EQ(slot.length, 0);
        EXPECT_EQ(Entry(kMessageList, 31).label, "Empty Slot");
        EXPECT_EQ(model.GetMessageDuration(0), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ClearAfterResetTest,
    ::testing::Values(ClearCase{"All", 12, true, true, 0, 0, 0, "Empty Slot"},
                      ClearCase{"Commands", 12, true, false, 0, 0, 0, "Recorded Message"},
                      // The groups stay on the module, and so do their counts.
                      ClearCase{"Messages", 12, false, true, 2, 2, 2, "Empty Slot"},
                      ClearCase{"MessagesWithoutMessageMemory", 2, false, true, 2, 2, 2, nullptr},
                      ClearCase{"AllWithoutMessageMemory", 2, true, true, 0, 0, 0, nullptr}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(BuiltinWordsTest, SixLanguagesOfFourTables) {
    const char* triggers[] = {"Robot", "Robot", "ロボット", "Roboter", "Robot", "Robot"};
    for (int language = 0; language < kBuiltinLanguages; ++language) {
        const BuiltinWordTables* tables = BuiltinWords(language);
        ASSERT_NE(tables, nullptr) << language;
        EXPECT_EQ((*tables)[0].count, 8) << language;
        EXPECT_EQ((*tables)[1].count, 6) << language;
        EXPECT_EQ((*tables)[2].count, 11) << language;
        EXPECT_EQ((*tables)[3].count, 1) << language;
        EXPECT_EQ((*tables)[3].words[0], triggers[language]) << language;
    }
    EXPECT_EQ(BuiltinWords(-1), nullptr);
    EXPECT_EQ(BuiltinWords(6), nullptr);
    EXPECT_EQ((*BuiltinWords(0))[0].words[7], "Hello");
    EXPECT_EQ((*BuiltinWords(3))[1].words[5], "Rückwärts");
    EXPECT_EQ((*BuiltinWords(4))[2].words[10], "Dies");
    EXPECT_EQ((*BuiltinWords(5))[1].words[5], "En arrière");
}

TEST_F(VoiceModelTest, LoadBuiltinWordsRefillsWordsetsAndTrigger) {
    Start(12);
    model.TakeChanged();
    ASSERT_TRUE(model.LoadBuiltinWords(3));
    EXPECT_TRUE(model.TakeChanged());
    EXPECT_EQ(Entry(19, 0).label, "Aktion");
    EXPECT_EQ(Entry(20, 0).label, "Nach Links");
    EXPECT_EQ(Entry(21, 10).label, "Zehn");
    EXPECT_EQ(Entry(kTriggerWordsList, 0).label, "Roboter");
    EXPECT_TRUE(model.IsListLoaded(21));
    // A reset keeps the language last loaded.
    model.ResetModel();
    EXPECT_EQ(Entry(19, 7).label, "Hallo");
    model.TakeChanged();

    EXPECT_FALSE(model.LoadBuiltinWords(6));
    EXPECT_FALSE(model.LoadBuiltinWords(-1));
    EXPECT_FALSE(model.TakeChanged());
    EXPECT_EQ(Entry(19, 0).label, "Aktion");
}

TEST_F(VoiceModelTest, CanAddCommandNeedsEveryGroupCountedAndRoom) {
    struct Case {
        const char* name;
        int countedGroups;  // groups 0.. counted; the rest unread
        int commandsInGroup5;
        bool canAdd;
    };
    for (const Case c : {Case{"Unread", 0, 0, false}, Case{"OneGroupUnread", 16, 0, false},
                         Case{"Empty", 17, 0, true}, Case{"RoomForOne", 17, 31, true},
                         Case{"Full", 17, -1 /* '@' */, false}}) {
        Start(12);
        for (int list = 0; list < c.countedGroups; ++list)
            if (list != 5) model.SetGroupEmpty(list);
        if (c.countedGroups > 5) {
            link.statuses = {'c'};
            link.arguments = {c.commandsInGroup5};
            ASSERT_GE(model.RefreshGroupCount(5, controller), 0) << c.name;
        }
        EXPECT_EQ(model.CanAddCommand(), c.canAdd) << c.name;
    }
}

TEST_F(VoiceModelTest, IsLabelUniqueComparesInModuleForm) {
    Start(12);
    EXPECT_FALSE(model.IsLabelUnique(2, 0, "NEW")) << "count not read";
    LoadGroup(2, {{1, std::nullopt, "LIGHT"}, {1, std::nullopt, "ROOM^C"}, {0, std::nullopt, ""}});
    struct Case {
        int index;
        const char* label;
        bool unique;
    };
    for (const Case c :
         {Case{2, "room2", false}, Case{2, "ROOM^C", false}, Case{1, "room2", true},
          Case{0, "LIGHT", true}, Case{2, "LIGHT", false}, Case{0, "DOOR", true},
          Case{0, "", true} /* an unnamed command is no rival */, Case{1, "light", false}}) {
        EXPECT_EQ(model.IsLabelUnique(2, c.index, c.label), c.unique) << c.index << " " << c.label;
    }
}

TEST_F(VoiceModelTest, LoadedQueries) {
    Start(12);
    for (int list = 0; list < kGroupLists; ++list) model.SetGroupEmpty(list);
    EXPECT_TRUE(model.AreGroupsLoaded());

    link.statuses = {'c'};
    link.arguments = {2};
    // A known count is not read again.
    ASSERT_EQ(model.RefreshGroupCount(4, controller), 0);
    EXPECT_TRUE(link.calls.empty());

    model.ResetModel();
    for (int list = 0; list < kGroupLists; ++list)
        if (list != 4) model.SetGroupEmpty(list);
    ASSERT_EQ(model.RefreshGroupCount(4, controller), 2);
    EXPECT_FALSE(model.IsListLoaded(4));
    EXPECT_FALSE(model.AreGroupsLoaded());
    EXPECT_FALSE(model.IsEntryLoaded(4, 0));
    EXPECT_EQ(model.GetEntryLabel(4, 0), std::nullopt);

    ScriptCommand({0, std::nullopt, "ON"});
    ASSERT_TRUE(model.RefreshCommand(4, 0, controller));
    EXPECT_TRUE(model.IsEntryLoaded(4, 0));
    EXPECT_THAT(model.GetEntryLabel(4, 0), Optional(std::string("ON")));
    EXPECT_FALSE(model.IsListLoaded(4));
    EXPECT_FALSE(model.HasTrainedCommand(4));

    ScriptCommand({3, std::nullopt, "OFF"});
    ASSERT_TRUE(model.RefreshCommand(4, 1, controller));
    EXPECT_TRUE(model.IsListLoaded(4));
    EXPECT_TRUE(model.AreGroupsLoaded());
    EXPECT_TRUE(model.HasTrainedCommand(4));

    EXPECT_TRUE(model.IsListLoaded(19)) << "fixed words are loaded from the start";
    EXPECT_FALSE(model.IsListLoaded(-1));
    EXPECT_FALSE(model.IsEntryLoaded(4, 32));
    EXPECT_EQ(model.GetListCount(50 + 1), -1);
}

TEST_F(VoiceModelTest, ChangedFlagsAreTakenByTheReadOut) {
    Start(12);
    LoadGroup(1, {{1, std::nullopt, "GO"}});
    auto entry = model.TryReadEntry(1, 0, true);
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->changed);
    EXPECT_FALSE(model.TryReadEntry(1, 0, true)->changed);
    auto list = model.TryReadList(1, true);
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->changed);
    EXPECT_FALSE(model.TryReadList(1)->changed);
}

// Readers on the window's thread while a job is inside an exchange with the
// module: every query answers "unknown" at once instead of waiting.
class BusyReadersTest : public VoiceModelFixture {
  protected:
    template <typename Job, typename Check>
    void WhileJobInExchange(Job job, Check check) {
        link.Hold();
        std::thread worker(job);
        EXPECT_TRUE(link.WaitUntilEntered());
        check();
        link.Release();
        worker.join();
    }
};

TEST_F(BusyReadersTest, EntryAndListBeingReadAreUnknown) {
    Start(12);
    LoadGroup(3, {{1, std::nullopt, "A"}, {2, std::nullopt, "B"}});
    // Make entry 1 unread again by reading a fresh model state.
    model.ResetModel();
    for (int list = 0; list < kGroupLists; ++list)
        if (list != 3) model.SetGroupEmpty(list);
    link.statuses = {'c'};
    link.arguments = {2};
    ASSERT_EQ(model.RefreshGroupCount(3, controller), 2);
    ScriptCommand({1, std::nullopt, "A"});
    ASSERT_TRUE(model.RefreshCommand(3, 0, controller));
    ScriptCommand({2, std::nullopt, "B"});

    WhileJobInExchange([&] { EXPECT_TRUE(model.RefreshCommand(3, 1, controller)); },
                       [&] {
                           EXPECT_FALSE(model.IsEntryLoaded(3, 1));
                           EXPECT_FALSE(model.TryReadEntry(3, 1));
                           EXPECT_EQ(model.GetListCount(3), -1);
                           EXPECT_FALSE(model.TryReadList(3));
                           EXPECT_FALSE(model.IsListLoaded(3));
                           EXPECT_FALSE(model.AreGroupsLoaded());
                           EXPECT_FALSE(model.CanAddCommand());
                           EXPECT_FALSE(model.HasTrainedCommand(3));
                           EXPECT_FALSE(model.IsLabelUnique(3, 0, "C"));
                           // Other lists and entries stay readable.
                           EXPECT_EQ(model.GetListCount(19), 8);
                           EXPECT_EQ(model.GetListCount(4), 0);
                       });

    EXPECT_TRUE(model.IsEntryLoaded(3, 1));
    EXPECT_EQ(model.GetListCount(3), 2);
    EXPECT_TRUE(model.AreGroupsLoaded());
    EXPECT_TRUE(model.CanAddCommand());
}

TEST_F(BusyReadersTest, ModelAndSlotBeingReadAreUnknown) {
    Start(12);
    for (int list = 0; list < kGroupLists; ++list) model.SetGroupEmpty(list);
    link.statuses = {'c'};
    link.arguments = {5};
    WhileJobInExchange([&] { EXPECT_TRUE(model.RefreshGrammarCount(controller)); },
                       [&] { EXPECT_FALSE(model.AreGroupsLoaded()); });
    EXPECT_TRUE(model.AreGroupsLoaded());
    EXPECT_EQ(model.GetGrammarCount(), 1);

    link.statuses = {'g'};
    link.arguments = {8, 0, 6, 13, 1, 0, 0};  // 7520 bytes
    WhileJobInExchange([&] { EXPECT_TRUE(model.RefreshMessage(5, controller)); },
                       [&] {
                           EXPECT_EQ(model.GetMessageDuration(5), -1);
                           EXPECT_FALSE(model.TryReadEntry(kMessageList, 5));
                       });
    EXPECT_EQ(model.GetMessageDuration(5), 10);
}

// A window-thread update that meets a job's lock waits for it, serving other
// threads meanwhile, and runs after the job.
class DispatchProbe : public RecordingFrontEnd {
  public:
    explicit DispatchProbe(GatedProxy& link) : link_(link) {}
    void DispatchingWait(const std::function<bool()>& done) override {
        ++waits;
        link_.Release();
        RecordingFrontEnd::DispatchingWait(done);
    }
    std::atomic<int> waits{0};

  private:
    GatedProxy& link_;
};

TEST_F(BusyReadersTest, UpdateOnTheWindowThreadWaitsDispatching) {
    DispatchProbe probe(link);
    VoiceModel windowModel(&probe);
    windowModel.SetCapabilities(12);
    windowModel.ResetModel();
    for (int list = 0; list < kGroupLists; ++list)
        if (list != 3) windowModel.SetGroupEmpty(list);
    link.statuses = {'c'};
    link.arguments = {1};
    ASSERT_EQ(windowModel.RefreshGroupCount(3, controller), 1);
    ScriptCommand({1, std::nullopt, "A"});
    link.statuses.push_back('o');
    Forget();

    link.Hold();
    std::thread job([&] { EXPECT_TRUE(windowModel.RefreshCommand(3, 0, controller)); });
    ASSERT_TRUE(link.WaitUntilEntered());
    EXPECT_TRUE(windowModel.EraseTraining(3, 0, controller));
    job.join();

    EXPECT_GE(probe.waits.load(), 1);
    EXPECT_THAT(link.calls,
                ElementsAre("purge", "send:p[3,0]", "fetch:3", "fetch:1", "purge", "send:e[3,0]"));
    const auto entry = windowModel.TryReadEntry(3, 0);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->label, "A");
    EXPECT_EQ(entry->trained, 0);
}

}  // namespace
}  // namespace parlix::test
