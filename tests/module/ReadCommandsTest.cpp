// Reading the module: what each command sends, how replies decode, and how
// each failure is reported.
#include "module/ControllerFixture.h"
#include "module/WireFixture.h"
#include "support/StatusCodes.h"

#include <gmock/gmock.h>

#include <functional>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;

using Replies = std::deque<std::optional<std::int32_t>>;
// Runs one operation and shows its outcome and outputs, e.g. "ok count=32".
using Reader = std::function<std::string(ModuleController&)>;

std::string Outcome(bool ok, const std::string& outputs) {
    return (ok ? "ok " : "failed ") + outputs;
}

// The 516 nibbles 0, 1, ..., 15, 0, 1, ... and the digits they give.
Replies DataNibbles() {
    Replies nibbles;
    for (int i = 0; i < 516; ++i) nibbles.push_back(i % 16);
    return nibbles;
}
std::string DataDigits() {
    std::string digits;
    for (int i = 0; i < 516; ++i) digits += "0123456789ABCDEF"[i % 16];
    return digits;
}

Replies Concat(Replies a, const Replies& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Each runner starts its outputs from values that no reply produces, so that
// an output left untouched shows.
Reader Mask() {
    return [](ModuleController& c) {
        std::uint32_t mask = 7777;
        const bool ok = c.ReadActiveGroupMask(mask);
        return Outcome(ok, "mask=" + std::to_string(mask));
    };
}
Reader CommandCount(int group) {
    return [group](ModuleController& c) {
        int count = 77;
        const bool ok = c.ReadCommandCount(group, count);
        return Outcome(ok, "count=" + std::to_string(count));
    };
}
Reader Command(int group, int index) {
    return [group, index](ModuleController& c) {
        std::string label = "OLD";
        int trained = 77;
        bool hasConflict = true;
        std::int32_t conflict = 77;
        const bool ok = c.ReadCommand(group, index, label, trained, hasConflict, conflict);
        return Outcome(ok, "label=" + label + " trained=" + std::to_string(trained) +
                               " has-conflict=" + std::to_string(hasConflict) +
                               " conflict=" + std::to_string(conflict));
    };
}
Reader GrammarCount() {
    return [](ModuleController& c) {
        int count = 77;
        const bool ok = c.ReadGrammarCount(count);
        return Outcome(ok, "count=" + std::to_string(count));
    };
}
Reader GrammarWordCount(int grammar) {
    return [grammar](ModuleController& c) {
        int count = 77;
        const bool ok = c.ReadGrammarWordCount(grammar, count);
        return Outcome(ok, "count=" + std::to_string(count));
    };
}
Reader GrammarWords(int grammar) {
    return [grammar](ModuleController& c) {
        int flags = 77;
        int count = 77;
        std::vector<std::string> labels = {"OLD"};
        const bool ok = c.ReadGrammarWords(grammar, flags, count, labels);
        std::string words;
        for (const auto& label : labels) words += (words.empty() ? "" : ",") + label;
        return Outcome(ok, "flags=" + std::to_string(flags) + " count=" + std::to_string(count) +
                               " words=" + words);
    };
}
Reader SoundTable() {
    return [](ModuleController& c) {
        std::string name = "OLD";
        int count = 77;
        const bool ok = c.ReadSoundTable(name, count);
        return Outcome(ok, "name=" + name + " count=" + std::to_string(count));
    };
}
Reader Message(int slot) {
    return [slot](ModuleController& c) {
        int bits = 77;
        int length = 77;
        const bool ok = c.ReadMessage(slot, bits, length);
        return Outcome(ok, "bits=" + std::to_string(bits) + " length=" + std::to_string(length));
    };
}
Reader MemoryCheck(bool fix) {
    return [fix](ModuleController& c) {
        int result = 77;
        const bool ok = c.CheckMessageMemory(fix, result);
        return Outcome(ok, "result=" + std::to_string(result));
    };
}
Reader Export(int group, int index) {
    return [group, index](ModuleController& c) {
        std::string data = "OLD";
        const bool ok = c.ExportCommandData(group, index, data);
        return Outcome(ok, "data=" + data);
    };
}
Reader StoredLanguage() {
    return [](ModuleController& c) {
        int language = 77;
        const bool ok = c.ReadStoredLanguage(language);
        return Outcome(ok, "language=" + std::to_string(language));
    };
}

class ReadCommandsTest : public ControllerFixture {
  protected:
    void SetUp() override { ConnectDirect(); }
    void Answer(std::deque<std::optional<std::uint8_t>> statuses, Replies args) {
        direct.calls.clear();
        direct.statusTimeouts.clear();
        front.Clear();
        direct.statuses = std::move(statuses);
        direct.arguments = std::move(args);
    }
};

TEST_F(ReadCommandsTest, RepliesDecodeIntoTheOutputs) {
    struct Case {
        const char* name;
        std::deque<std::optional<std::uint8_t>> statuses;
        Replies arguments;
        Reader run;
        std::vector<std::string> calls;
        int tenths;
        std::string outputs;
    };
    const std::vector<Case> cases = {
        {"mask of the trigger group alone",
         {'k'},
         {1, 0, 0, 0, 0, 0, 0, 0},
         Mask(),
         {"purge", "send:m[]", "fetch:8"},
         30,
         "ok mask=1"},
        {"mask nibbles least significant first",
         {'k'},
         {9, 0, 0, 0, 1, 0, 0, 15},
         Mask(),
         {"purge", "send:m[]", "fetch:8"},
         30,
         "ok mask=4026597385"},  // 0xF0010009
        {"count", {'c'}, {5}, CommandCount(3), {"purge", "send:c[3]", "fetch:1"}, 30, "ok count=5"},
        {"count '@' is 32",
         {'c'},
         {-1},
         CommandCount(3),
         {"purge", "send:c[3]", "fetch:1"},
         30,
         "ok count=32"},
        {"command similar to a command of its group",
         {'d'},
         {0x0A, 4, 2, 14, 13},
         Command(3, 2),
         {"purge", "send:p[3,2]", "fetch:3", "fetch:2"},
         30,
         "ok label=ON trained=2 has-conflict=1 conflict=4"},
        {"command similar to a trigger word",
         {'d'},
         {0x11, 0, 1, 25},
         Command(3, 2),
         {"purge", "send:p[3,2]", "fetch:3", "fetch:1"},
         30,
         "ok label=Z trained=1 has-conflict=1 conflict=-1"},
        {"trigger word 3",
         {'d'},
         {0x11, 3, 1, 25},
         Command(3, 2),
         {"purge", "send:p[3,2]", "fetch:3", "fetch:1"},
         30,
         "ok label=Z trained=1 has-conflict=1 conflict=-4"},
        {"flags 7 are untrained, conflict untouched",
         {'d'},
         {7, 4, 1, 0},
         Command(0, 1),
         {"purge", "send:p[0,1]", "fetch:3", "fetch:1"},
         30,
         "ok label=A trained=0 has-conflict=0 conflict=77"},
        {"negative flags are untrained",
         {'d'},
         {-1, 4, 1, 0},
         Command(0, 1),
         {"purge", "send:p[0,1]", "fetch:3", "fetch:1"},
         30,
         "ok label=A trained=0 has-conflict=0 conflict=77"},
        {"label characters cover '@' to '`'",
         {'d'},
         {1, 0, 5, -1, 26, 29, 30, 31},
         Command(16, 0),
         {"purge", "send:p[16,0]", "fetch:3", "fetch:5"},
         30,
         "ok label=@[^_` trained=1 has-conflict=0 conflict=77"},
        {"label length 0 fetches nothing more",
         {'d'},
         {1, 0, 0},
         Command(3, 2),
         {"purge", "send:p[3,2]", "fetch:3"},
         30,
         "ok label= trained=1 has-conflict=0 conflict=77"},
        {"label length '@' is no label",
         {'d'},
         {1, 0, -1},
         Command(3, 2),
         {"purge", "send:p[3,2]", "fetch:3"},
         30,
         "ok label= trained=1 has-conflict=0 conflict=77"},
        {"grammar count with the wordsets",
         {'c'},
         {-1},
         GrammarCount(),
         {"purge", "send:z[-1]", "fetch:1"},
         30,
         "ok count=32"},
        {"grammar word count",
         {'z'},
         {1, 5},
         GrammarWordCount(4),
         {"purge", "send:z[4]", "fetch:2"},
         30,
         "ok count=5"},
        {"grammar word count '@'",
         {'z'},
         {1, -1},
         GrammarWordCount(4),
         {"purge", "send:z[4]", "fetch:2"},
         30,
         "ok count=32"},
        {"grammar words",
         {'z'},
         {1, 2, 3, 24, 4, 18, 2, 13, 14},
         GrammarWords(4),
         {"purge", "send:z[4]", "fetch:2", "fetch:1", "fetch:3", "fetch:1", "fetch:2"},
         30,
         "ok flags=1 count=2 words=YES,NO"},
        {"grammar without words",
         {'z'},
         {0, 0},
         GrammarWords(5),
         {"purge", "send:z[5]", "fetch:2"},
         30,
         "ok flags=0 count=0 words="},
        {"sound table",
         {'h'},
         {1, 2, 3, 18, 14, 20},
         SoundTable(),
         {"purge", "send:h[]", "fetch:3", "fetch:3"},
         30,
         "ok name=SOU count=34"},
        {"no sound table", {'m'}, {}, SoundTable(), {"purge", "send:h[]"}, 30, "ok name= count=0"},
        {"recorded message",
         {'g'},
         {8, 0, 8, 13, 1, 0, 0},
         Message(5),
         {"purge", "send:d[-1,5]", "fetch:1", "fetch:6"},
         30,
         "ok bits=8 length=7552"},
        {"top length nibble",
         {'g'},
         {8, 0, 0, 0, 0, 0, 1},
         Message(5),
         {"purge", "send:d[-1,5]", "fetch:1", "fetch:6"},
         30,
         "ok bits=8 length=1048576"},
        {"empty message slot",
         {'g'},
         {0},
         Message(0),
         {"purge", "send:d[-1,0]", "fetch:1"},
         30,
         "ok bits=0 length=0"},
        {"damaged message slot",
         {'e'},
         {},
         Message(31),
         {"purge", "send:d[-1,31]"},
         30,
         "ok bits=-1 length=-1"},
        {"memory good",
         {'o'},
         {},
         MemoryCheck(false),
         {"purge", "send:v[-1,0]"},
         30,
         "ok result=0"},
        {"memory damaged",
         {'e'},
         {1, 2},
         MemoryCheck(false),
         {"purge", "send:v[-1,0]", "fetch:2"},
         30,
         "ok result=18"},
        {"memory fixed",
         {'o'},
         {},
         MemoryCheck(true),
         {"purge", "send:v[-1,1]"},
         400,
         "ok result=0"},
        {"command data",
         {'~'},
         Concat({3}, DataNibbles()),
         Export(3, 2),
         {"purge", "send:~[23,3,2]", "fetch:1", "fetch:516"},
         30,
         "ok data=" + DataDigits()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(c.statuses, c.arguments);
        EXPECT_EQ(c.run(controller), c.outputs);
        EXPECT_EQ(direct.calls, c.calls);
        EXPECT_THAT(direct.statusTimeouts, ElementsAre(c.tenths));
        EXPECT_TRUE(front.Messages().empty());
        EXPECT_TRUE(direct.arguments.empty()) << "every reply argument is fetched";
    }
}

TEST_F(ReadCommandsTest, FailuresAreReportedOnceAndLeaveTheOutputs) {
    struct Case {
        const char* name;
        std::deque<std::optional<std::uint8_t>> statuses;
        Replies arguments;
        Reader run;
        std::string outputs;
        ShownMessage message;
    };
    const auto error = [](std::string text) { return ShownMessage{std::move(text), "Error", 16}; };
    const std::string orInvalid = " or invalid arguments.\n";
    const std::vector<Case> cases = {
        {"mask time-out",
         {std::nullopt},
         {},
         Mask(),
         "failed mask=7777",
         error("Could not read active group mask.\n\n\n" + kWaitTimeoutText)},
        {"mask other status",
         {'c'},
         {},
         Mask(),
         "failed mask=7777",
         error("Unexpected reply (0x63)" + orInvalid)},
        {"mask missing nibble",
         {'k'},
         {1, 2, 3, std::nullopt},
         Mask(),
         "failed mask=7777",
         error("Unexpected reply (0x6B)" + orInvalid)},
        {"count time-out",
         {std::nullopt},
         {},
         CommandCount(3),
         "failed count=77",
         error("Could not read command count for group 3.\n\n\n" + kWaitTimeoutText)},
        {"count other status",
         {'o'},
         {},
         CommandCount(3),
         "failed count=77",
         error("Unexpected reply (0x6F)" + orInvalid)},
        {"count missing",
         {'c'},
         {std::nullopt},
         CommandCount(3),
         "failed count=77",
         error("Unexpected reply (0x63)" + orInvalid)},
        {"command time-out names index then group",
         {std::nullopt},
         {},
         Command(3, 2),
         "failed label=OLD trained=77 has-conflict=1 conflict=77",
         error("Could not read command 2 of group 3.\n\n\n" + kWaitTimeoutText)},
        {"command other status",
         {'e'},
         {},
         Command(3, 2),
         "failed label=OLD trained=77 has-conflict=1 conflict=77",
         error("Unexpected reply (0x65).\n")},
        {"command params missing",
         {'d'},
         {1, 0, std::nullopt},
         Command(3, 2),
         "failed label=OLD trained=77 has-conflict=1 conflict=77",
         error("Could not read params for command 2 of group 3.\n\n\n" + kTimeoutText)},
        // The training state is kept even though the label is lost.
        {"command label missing",
         {'d'},
         {0x0A, 4, 2, 14, std::nullopt},
         Command(3, 2),
         "failed label=OLD trained=2 has-conflict=1 conflict=4",
         error("Could not read label for command 2 of group 3.\n\n\n" + kTimeoutText)},
        {"grammar count time-out",
         {std::nullopt},
         {},
         GrammarCount(),
         "failed count=77",
         error("Could not read grammars count.\n\n\n" + kWaitTimeoutText)},
        {"grammar count other status",
         {'z'},
         {},
         GrammarCount(),
         "failed count=77",
         error("Unexpected reply (0x7A)" + orInvalid)},
        {"grammar word count time-out",
         {std::nullopt},
         {},
         GrammarWordCount(4),
         "failed count=77",
         error("Could not read grammar 4 words count.\n\n\n" + kWaitTimeoutText)},
        {"grammar word count short",
         {'z'},
         {1, std::nullopt},
         GrammarWordCount(4),
         "failed count=77",
         error("Unexpected reply (0x7A)" + orInvalid)},
        {"grammar words time-out",
         {std::nullopt},
         {},
         GrammarWords(4),
         "failed flags=77 count=77 words=OLD",
         error("Could not read grammar 4 words count.\n\n\n" + kWaitTimeoutText)},
        {"grammar words other status",
         {'c'},
         {},
         GrammarWords(4),
         "failed flags=77 count=77 words=OLD",
         error("Unexpected reply (0x63)" + orInvalid)},
        {"grammar word length missing",
         {'z'},
         {1, 2, 1, 0, std::nullopt},
         GrammarWords(4),
         "failed flags=77 count=77 words=OLD",
         error("Could not read word 1 length in grammar 4.\n\n\n" + kTimeoutText)},
        {"grammar word label missing",
         {'z'},
         {1, 2, 3, 24, std::nullopt},
         GrammarWords(4),
         "failed flags=77 count=77 words=OLD",
         error("Could not read word 0 label in grammar 4.\n\n\n" + kTimeoutText)},
        // The sound table outputs are cleared before the exchange.
        {"sound table time-out",
         {std::nullopt},
         {},
         SoundTable(),
         "failed name= count=0",
         error("Could not read optional sound table.\n\n\n" + kWaitTimeoutText)},
        {"sound table other status",
         {'o'},
         {},
         SoundTable(),
         "failed name= count=0",
         error("Unexpected reply (0x6F).\n")},
        {"sound table params missing",
         {'h'},
         {1, std::nullopt},
         SoundTable(),
         "failed name= count=0",
         error("Could not read params for sound table.\n\n\n" + kTimeoutText)},
        {"sound table negative param",
         {'h'},
         {1, -1, 3},
         SoundTable(),
         "failed name= count=0",
         error("Read invalid params for sound table.\n\n\n" + kInvalidParameterText)},
        {"sound table name missing",
         {'h'},
         {1, 2, 3, 18, std::nullopt},
         SoundTable(),
         "failed name= count=0",
         error("Could not read label for sound table.\n\n\n" + kTimeoutText)},
        // The message outputs are -1 before the exchange.
        {"message time-out",
         {std::nullopt},
         {},
         Message(5),
         "failed bits=-1 length=-1",
         error("Could not read message 5.\n\n\n" + kWaitTimeoutText)},
        {"message other status",
         {'o'},
         {},
         Message(5),
         "failed bits=-1 length=-1",
         error("Unexpected reply (0x6F).\n")},
        {"message bits missing",
         {'g'},
         {std::nullopt},
         Message(5),
         "failed bits=-1 length=-1",
         error("Could not read status for message 5.\n\n\n" + kTimeoutText)},
        {"message length missing",
         {'g'},
         {8, 0, 0, std::nullopt},
         Message(5),
         "failed bits=8 length=-1",
         error("Could not read length for message 5.\n\n\n" + kTimeoutText)},
        {"memory check time-out",
         {std::nullopt},
         {},
         MemoryCheck(false),
         "failed result=77",
         error("Could not check device memory.\n\n\n" + kWaitTimeoutText)},
        {"memory check other status",
         {'k'},
         {},
         MemoryCheck(false),
         "failed result=77",
         error("Unexpected reply (0x6B)" + orInvalid)},
        {"memory check code missing",
         {'e'},
         {1, std::nullopt},
         MemoryCheck(true),
         "failed result=77",
         error("Unexpected reply (0x65)" + orInvalid)},
        {"export time-out names index then group",
         {std::nullopt},
         {},
         Export(3, 2),
         "failed data=OLD",
         error("Could not export command 2 in group 3.\n\n\n" + kWaitTimeoutText)},
        {"export other status",
         {'o'},
         {},
         Export(3, 2),
         "failed data=OLD",
         error("Unexpected reply (0x6F)" + orInvalid)},
        {"export kind other than 3",
         {'~'},
         {2},
         Export(3, 2),
         "failed data=OLD",
         error("Unexpected reply (0x7E)" + orInvalid)},
        {"export nibble 16",
         {'~'},
         [] {
             auto script = Concat({3}, DataNibbles());
             script[300] = 16;
             return script;
         }(),
         Export(3, 2),
         "failed data=OLD",
         error("Unexpected or invalid data.\n")},
        {"export nibble '@'",
         {'~'},
         Concat({3, -1}, DataNibbles()),
         Export(3, 2),
         "failed data=OLD",
         error("Unexpected or invalid data.\n")},
        {"export data cut short by a silent line names the time-out",
         {'~'},
         {3, 1, 2, std::nullopt},
         Export(3, 2),
         "failed data=OLD",
         error("Unexpected or invalid data.\n\n\n" + kTimeoutText)},
    };
    for (const auto& c : cases) {
        Reconnect();
        SCOPED_TRACE(c.name);
        Answer(c.statuses, c.arguments);
        EXPECT_EQ(c.run(controller), c.outputs);
        EXPECT_THAT(front.Messages(), ElementsAre(c.message));
    }
}

TEST_F(ReadCommandsTest, MemoryFixPromptCoversOnlyTheWaitAndLeavesTheLinkAlone) {
    for (const auto status : {std::optional<std::uint8_t>('o'), std::optional<std::uint8_t>()}) {
        Answer({status}, {});
        MemoryCheck(true)(controller);
        EXPECT_THAT(front.PromptEvents(), ElementsAre("Fixing memory...\n", "-"));
        EXPECT_FALSE(front.PromptShown());
        EXPECT_THAT(direct.calls, ElementsAre("purge", "send:v[-1,1]")) << "no busy:on";
    }
    Answer({'o'}, {});
    MemoryCheck(false)(controller);
    EXPECT_TRUE(front.PromptEvents().empty());
}

TEST_F(ReadCommandsTest, ExportPromptIsRemovedOnEveryExit) {
    const std::string prompt = "Exporting command 2 in group 3...\r\n(Please wait)";
    for (const auto& [statuses, args] :
         std::vector<std::pair<std::deque<std::optional<std::uint8_t>>, Replies>>{
             {{'~'}, Concat({3}, DataNibbles())}, {{std::nullopt}, {}}, {{'~'}, {3, 17}}}) {
        Answer(statuses, args);
        Export(3, 2)(controller);
        EXPECT_THAT(front.PromptEvents(), ElementsAre(prompt, "-"));
        EXPECT_EQ(direct.calls[1], "send:~[23,3,2]") << "no busy:on";
    }
}

TEST_F(ReadCommandsTest, StoredLanguageComesFromTheLinkAfterAPurge) {
    direct.language = 4;
    Answer({}, {});
    EXPECT_EQ(StoredLanguage()(controller), "ok language=4");
    EXPECT_THAT(direct.calls, ElementsAre("purge", "load-language"));

    controller.Link().Disconnect();
    front.Clear();
    EXPECT_EQ(StoredLanguage()(controller), "failed language=77");
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{
                    "Could not load language settings.\n\n\n" + kInvalidHandleText, "Error", 16}));
}

// The same reads on a real line: the bytes sent, the requests for each reply
// argument, and the decoding of the reply bytes.
using ReadWireTest = WireFixture;

TEST_F(ReadWireTest, CommandsAndRequestsOnTheLine) {
    struct Case {
        const char* name;
        std::string command;
        ScriptedReply reply;
        Reader run;
        std::string outputs;
    };
    const std::vector<Case> cases = {
        {"count", "cD", {'c', "@"}, CommandCount(3), "ok count=32"},
        {"command",
         "pDC",
         {'d',
          "KEC"
          "ON"},
         Command(3, 2),
         "ok label=ON trained=2 has-conflict=1 conflict=4"},
        {"mask", "m", {'k', "JAAABAAP"}, Mask(), "ok mask=4026597385"},
        {"grammar words",
         "zE",
         {'z',
          "BC"
          "DYES"
          "CNO"},
         GrammarWords(4),
         "ok flags=1 count=2 words=YES,NO"},
        {"message",
         "d@F",
         {'g',
          "I"
          "AINBAA"},
         Message(5),
         "ok bits=8 length=7552"},
        {"sound table",
         "h",
         {'h',
          "BCD"
          "SOU"},
         SoundTable(),
         "ok name=SOU count=34"},
        {"memory fix", "v@B", {'e', "BC"}, MemoryCheck(true), "ok result=18"},
        {"export",
         "~XDC",
         {'~', "D" + ArgumentBytes([] {
                   std::vector<int> v;
                   for (int i = 0; i < 516; ++i) v.push_back(i % 16);
                   return v;
               }())},
         Export(3, 2),
         "ok data=" + DataDigits()},
    };
    ModuleScript script = ConnectionScript();
    for (const auto& c : cases) script.emplace(c.command, c.reply);
    PtyResponder device(ScriptedAnswers(script));
    ConnectTo(device);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        device.Clear();
        EXPECT_EQ(c.run(controller), c.outputs);
        EXPECT_EQ(device.ReceivedText(), c.command + std::string(c.reply.arguments.size(), ' '));
        EXPECT_TRUE(front.Messages().empty());
    }
}

}  // namespace
}  // namespace parlix::test
