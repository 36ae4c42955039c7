// The text and JSON of `dump` for a model that shows every kind of row at once:
// read and unread commands, each kind of conflict, groups empty, unread and
// busy, a sound table, message slots of every state, wordsets and grammars.
#include "cli/Dump.h"
#include "module/VoiceModelFixture.h"

#include <fmt/format.h>
#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include <thread>

namespace parlix::test {
namespace {

using nlohmann::json;
using ::testing::HasSubstr;
using ::testing::Not;

struct Outputs {
    std::string text;
    std::string json;
};

class DumpTest : public VoiceModelFixture {
  protected:
    // One argument per label character, as the module sends them.
    void PushLabel(const std::string& label) {
        link.arguments.push_back(static_cast<int>(label.size()));
        for (char c : label) link.arguments.push_back(c - 'A');
    }

    void ReadGroup(int list, const std::vector<ScriptedCommand>& commands, int unread = 0) {
        link.statuses.push_back('c');
        link.arguments.push_back(static_cast<int>(commands.size()) + unread);
        ASSERT_GE(model.RefreshGroupCount(list, controller), 0);
        for (std::size_t i = 0; i < commands.size(); ++i) {
            ScriptCommand(commands[i]);
            ASSERT_TRUE(model.RefreshCommand(list, static_cast<int>(i), controller)) << i;
        }
    }

    void ReadMessage(int slot, int bits, std::vector<int> lengthNibbles = {}) {
        link.statuses.push_back('g');
        link.arguments.push_back(bits);
        for (int n : lengthNibbles) link.arguments.push_back(n);
        ASSERT_TRUE(model.RefreshMessage(slot, controller)) << slot;
    }

    // Firmware 12, so every capability; list 3 is left for a job to hold busy.
    void FillModel() {
        Start(12);
        link.statuses = {'c'};
        link.arguments = {6};  // module grammars, four of them built in
        ASSERT_TRUE(model.RefreshGrammarCount(controller));

        link.statuses = {'h'};
        link.arguments = {0, 2};  // two sounds
        PushLabel("DEMO^C");
        ASSERT_TRUE(model.RefreshSoundTable(controller));

        ReadGroup(0, {{2, std::nullopt, "PARLIX"}});
        ReadGroup(1,
                  {
                      {2, std::nullopt, "LIGHTS_ON"},
                      {1, 0, "ROOM^C"},       // similar to command 0
                      {1, -1, "HALT"},        // similar to trigger word 0
                      {0, std::nullopt, ""},  // no label
                  },
                  2);
        // Entry 4 stays unread; entry 5 is read, then trained into an unnamed conflict.
        ScriptCommand({0, std::nullopt, "DIM"});
        ASSERT_TRUE(model.RefreshCommand(1, 5, controller));
        link.statuses.push_back('r');
        link.arguments.push_back(std::nullopt);
        ASSERT_EQ(model.TrainEntry(1, 5, controller), static_cast<std::int32_t>(0xEBAD0001u));
        // Group 2 is never read; groups 4 to 15 are empty.
        for (int list = 4; list < kPasswordList; ++list) model.SetGroupEmpty(list);
        ReadGroup(kPasswordList, {{3, std::nullopt, "OPEN_SESAME"}});

        ReadMessage(0, 8, {0, 6, 13, 1, 0, 0});  // 7520 bytes: one second
        link.statuses.push_back('e');            // a damaged message
        ASSERT_TRUE(model.RefreshMessage(1, controller));
        ReadMessage(2, 0);
        ASSERT_TRUE(model.StartRecording(2, controller));
        ReadMessage(3, 8, {8, 14, 3, 7, 7, 0});  // 488424 bytes: 65 seconds

        link.statuses.push_back('z');
        link.arguments = {0, 2};
        ASSERT_EQ(model.RefreshGrammarWordCount(0, controller), 2);
        link.statuses.push_back('z');
        link.arguments = {0, 2};
        PushLabel("YES");
        PushLabel("NO^B");
        ASSERT_TRUE(model.RefreshGrammarWords(kFirstGrammarList, controller));
        link.statuses.push_back('z');
        link.arguments = {0, 3};  // grammar 1: counted, words unread
        ASSERT_EQ(model.RefreshGrammarWordCount(1, controller), 3);
    }

    // Both outputs of a snapshot taken while a job reads the count of group 3.
    Outputs DumpWhileGroup3Busy() {
        link.statuses.push_back('c');
        link.arguments = {1};
        link.Hold();
        std::thread job([&] { EXPECT_EQ(model.RefreshGroupCount(3, controller), 1); });
        const bool entered = link.WaitUntilEntered();
        const ModelSnapshot snapshot = ReadModelSnapshot(model);
        link.Release();
        job.join();
        EXPECT_TRUE(entered);
        return {cli::FormatDump(snapshot), cli::DumpJson(snapshot).dump(2)};
    }
};

// The rows of unread message slots `from` to 31.
std::string UnreadSlotLines(int from) {
    std::string lines;
    for (int slot = from; slot < kMessageSlots; ++slot)
        lines +=
            fmt::format("  {:>5}  ???                  ?              ??             ??\n", slot);
    return lines;
}

std::string EmptyGroupSections(int from, int to) {
    std::string text;
    for (int group = from; group <= to; ++group)
        text += fmt::format(
            "\nGroup {} Command List\n"
            "  Index  Label                            Trained  Conflict\n",
            group);
    return text;
}

TEST_F(DumpTest, TextShowsEveryStateOfTheModel) {
    ASSERT_NO_FATAL_FAILURE(FillModel());
    const Outputs out = DumpWhileGroup3Busy();
    // Group 2 is unread and group 3 busy: both leave the count blank.
    const std::string blankCounts =
        "    2  Group      \n"
        "    3  Group      \n";
    const std::string expected = R"(Group List
    0  Trigger    1
    1  Group      6
)" + blankCounts + R"(    4  Group      0
    5  Group      0
    6  Group      0
    7  Group      0
    8  Group      0
    9  Group      0
   10  Group      0
   11  Group      0
   12  Group      0
   13  Group      0
   14  Group      0
   15  Group      0
   16  Password   1
   --  SoundTable 3
   --  Messages   32
    1  Wordset    8
    2  Wordset    6
    3  Wordset    11
    4  Grammar    2
    5  Grammar    3

Trigger Command List
  Index  Label                            Trained  Conflict
      0  PARLIX                                 2        OK
      T  Robot

Group 1 Command List
  Index  Label                            Trained  Conflict
      0  LIGHTS_ON                              2        OK
      1  ROOM2                                  1         0
      2  HALT                                   1        -1
      3                                         0        OK
      4  ???                                    ?        ??
      5  DIM                                    1  -340983807

Group 2 Command List
  Index  Label                            Trained  Conflict
)" + EmptyGroupSections(4, 15) +
                                 R"(
Password Command List
  Index  Label                            Trained  Conflict
      0  OPEN_SESAME                            3        OK

Wordset 1 Command List
      0  Action
      1  Move
      2  Turn
      3  Run
      4  Look
      5  Attack
      6  Stop
      7  Hello

Wordset 2 Command List
      0  Left
      1  Right
      2  Up
      3  Down
      4  Forward
      5  Backward

Wordset 3 Command List
      0  Zero
      1  One
      2  Two
      3  Three
      4  Four
      5  Five
      6  Six
      7  Seven
      8  Eight
      9  Nine
     10  Ten

Wordset 4 Command List
      0  YES
      1  NO1

Wordset 5 Command List
      0  ???
      1  ???
      2  ???

Sentence List
      0  SND_BEEP
      1  SND_DEMO2_1
      2  SND_DEMO2_2

Message List
  Index  Message Status    Bits  Length (Bytes)  Time (min:sec)
      0  Recorded Message     8            7520         0:01.0
      1  Message Error       -1              -1         0:00.0
      2  Recording...         0               0         0:00.0
      3  Recorded Message     8          488424         1:05.0
)" + UnreadSlotLines(4);
    EXPECT_EQ(out.text, expected);
}

TEST_F(DumpTest, JsonShowsEveryStateOfTheModel) {
    ASSERT_NO_FATAL_FAILURE(FillModel());
    const Outputs out = DumpWhileGroup3Busy();
    json expected = json::parse(R"({
  "groups": [
    {"list": 0, "kind": "Trigger", "index": "0", "count": 1, "commands": [
      {"index": 0, "label": "PARLIX", "moduleLabel": "PARLIX", "trained": 2}]},
    {"list": 1, "kind": "Group", "index": "1", "count": 6, "commands": [
      {"index": 0, "label": "LIGHTS_ON", "moduleLabel": "LIGHTS_ON", "trained": 2},
      {"index": 1, "label": "ROOM2", "moduleLabel": "ROOM^C", "trained": 1, "conflict": 0},
      {"index": 2, "label": "HALT", "moduleLabel": "HALT", "trained": 1, "conflict": -1},
      {"index": 3, "label": "", "moduleLabel": "", "trained": 0},
      {"index": 4, "label": "???"},
      {"index": 5, "label": "DIM", "moduleLabel": "DIM", "trained": 1, "conflict": -340983807}]},
    {"list": 2, "kind": "Group", "index": "2", "commands": []},
    {"list": 3, "kind": "Group", "index": "3"},
    {"list": 4, "kind": "Group", "index": "4", "count": 0, "commands": []},
    {"list": 5, "kind": "Group", "index": "5", "count": 0, "commands": []},
    {"list": 6, "kind": "Group", "index": "6", "count": 0, "commands": []},
    {"list": 7, "kind": "Group", "index": "7", "count": 0, "commands": []},
    {"list": 8, "kind": "Group", "index": "8", "count": 0, "commands": []},
    {"list": 9, "kind": "Group", "index": "9", "count": 0, "commands": []},
    {"list": 10, "kind": "Group", "index": "10", "count": 0, "commands": []},
    {"list": 11, "kind": "Group", "index": "11", "count": 0, "commands": []},
    {"list": 12, "kind": "Group", "index": "12", "count": 0, "commands": []},
    {"list": 13, "kind": "Group", "index": "13", "count": 0, "commands": []},
    {"list": 14, "kind": "Group", "index": "14", "count": 0, "commands": []},
    {"list": 15, "kind": "Group", "index": "15", "count": 0, "commands": []},
    {"list": 16, "kind": "Password", "index": "16", "count": 1, "commands": [
      {"index": 0, "label": "OPEN_SESAME", "moduleLabel": "OPEN_SESAME", "trained": 3}]},
    {"list": 17, "kind": "SoundTable", "index": "--", "count": 3},
    {"list": 18, "kind": "Messages", "index": "--", "count": 32},
    {"list": 19, "kind": "Wordset", "index": "1", "count": 8,
     "words": ["Action", "Move", "Turn", "Run", "Look", "Attack", "Stop", "Hello"]},
    {"list": 20, "kind": "Wordset", "index": "2", "count": 6,
     "words": ["Left", "Right", "Up", "Down", "Forward", "Backward"]},
    {"list": 21, "kind": "Wordset", "index": "3", "count": 11,
     "words": ["Zero", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine",
               "Ten"]},
    {"list": 22, "kind": "Grammar", "index": "4", "count": 2, "words": ["YES", "NO1"]},
    {"list": 23, "kind": "Grammar", "index": "5", "count": 3, "words": ["???", "???", "???"]}
  ],
  "soundTable": {"name": "DEMO2", "sounds": ["SND_BEEP", "SND_DEMO2_1", "SND_DEMO2_2"]},
  "messages": [
    {"slot": 0, "status": "Recorded Message", "bits": 8, "length": 7520, "time": "0:01.0"},
    {"slot": 1, "status": "Message Error", "bits": -1, "length": -1, "time": "0:00.0"},
    {"slot": 2, "status": "Recording...", "bits": 0, "length": 0, "time": "0:00.0"},
    {"slot": 3, "status": "Recorded Message", "bits": 8, "length": 488424, "time": "1:05.0"}
  ],
  "triggerWords": ["Robot"]
})");
    for (int slot = 4; slot < kMessageSlots; ++slot)
        expected["messages"].push_back({{"slot", slot}, {"status", "???"}});
    // Keys come out sorted, so the parsed form prints as the program must.
    EXPECT_EQ(out.json, expected.dump(2));
}

// Firmware 0: no sound table, no messages and no grammars.
TEST_F(DumpTest, ModuleWithoutCapabilitiesShowsNotAvailable) {
    Start(0);
    const ModelSnapshot snapshot = ReadModelSnapshot(model);
    const std::string text = cli::FormatDump(snapshot);
    EXPECT_THAT(text, HasSubstr("   16  Password   \n"
                                "  n/a  SoundTable 0\n"
                                "  n/a  Messages   0\n"
                                "    1  Wordset    8\n"
                                "    2  Wordset    6\n"
                                "    3  Wordset    11\n"
                                "\n"));
    EXPECT_THAT(text, Not(HasSubstr("Grammar")));
    EXPECT_THAT(text, Not(HasSubstr("Sentence List")));
    EXPECT_THAT(text, Not(HasSubstr("Message List")));
    const json dump = cli::DumpJson(snapshot);
    EXPECT_FALSE(dump.contains("soundTable"));
    EXPECT_FALSE(dump.contains("messages"));
    EXPECT_EQ(dump["groups"].size(), 22u);
}

}  // namespace
}  // namespace parlix::test
