// The module's answers to the commands that read its memory.
#include "sim/ModuleFixture.h"

namespace parlix::sim::test {
namespace {

using nlohmann::json;

const json kContent = json::parse(R"({
  "identity": "J",
  "groups": {
    "0": [ { "label": "ROBOT", "trained": 1 } ],
    "3": [ { "label": "ON", "trained": 2 }, { "label": "OFF", "trained": 1, "similarTo": 0 },
           { "label": "ROOM2", "trained": 1, "similarToTrigger": 0 }, { } ],
    "16": [ { "label": "KEY", "trained": 1 } ]
  },
  "grammars": [ { "flags": 1, "words": ["YES", "NO"] } ],
  "soundTable": { "name": "SOU", "count": 34 },
  "messages": { "0": { "bits": 8, "length": 7552 }, "2": { "damaged": true } },
  "memoryCheck": 0
})");

class ModuleReadTest : public ModuleFixture {
  protected:
    void SetUp() override { Load(kContent); }
};

TEST_F(ModuleReadTest, AnswersEachReadingCommand) {
    struct Case {
        const char* what;
        char command;
        std::vector<int> args;
        char status;
        std::vector<int> reply;
    };
    const std::vector<int> noReply;
    const Case cases[] = {
        {"version id", 'x', {}, 'x', {9}},
        // Groups 0, 3 and 16 hold commands: 0x00010009, nibbles least significant first.
        {"active group mask", 'm', {}, 'k', {9, 0, 0, 0, 1, 0, 0, 0}},
        {"count of group 3", 'c', {3}, 'c', {4}},
        {"count of an empty group", 'c', {7}, 'c', {0}},
        {"trained command", 'p', {3, 0}, 'd', {2, 0, 2, 'O' - 'A', 'N' - 'A'}},
        {"similar to command 0", 'p', {3, 1}, 'd', {0x09, 0, 3, 'O' - 'A', 'F' - 'A', 'F' - 'A'}},
        {"similar to the trigger word, digit label",
         'p',
         {3, 2},
         'd',
         {0x11, 0, 6, 'R' - 'A', 'O' - 'A', 'O' - 'A', 'M' - 'A', '^' - 'A', 'C' - 'A'}},
        {"untrained, unnamed", 'p', {3, 3}, 'd', {0, 0, 0}},
        {"password group", 'p', {16, 0}, 'd', {1, 0, 3, 'K' - 'A', 'E' - 'A', 'Y' - 'A'}},
        {"grammar count with the built-in ones", 'z', {-1}, 'c', {5}},
        {"trigger words", 'z', {0}, 'z', {0, 1, 5, 17, 14, 1, 14, 19}},
        {"custom grammar", 'z', {4}, 'z', {1, 2, 3, 24, 4, 18, 2, 13, 14}},
        {"sound table", 'h', {}, 'h', {1, 2, 3, 18, 14, 20}},
        // 7552 = 0x1D80.
        {"recorded message", 'd', {-1, 0}, 'g', {8, 0, 8, 13, 1, 0, 0}},
        {"empty message slot", 'd', {-1, 1}, 'g', {0}},
        {"damaged message slot", 'd', {-1, 2}, 'e', {}},
        {"message memory good", 'v', {-1, 0}, 'o', {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto answer = Ask(c.command, c.args, c.reply.size());
        EXPECT_EQ(answer.status, static_cast<std::uint8_t>(c.status));
        EXPECT_EQ(answer.args, c.reply);
        // A request past the reply goes unanswered.
        EXPECT_FALSE(host->Query(" ", 50ms).has_value());
    }
}

TEST_F(ModuleReadTest, CountsOf32TravelAsMinusOne) {
    json content = json::object();
    content["groups"]["1"] = json::array();
    for (int i = 0; i < 32; ++i) content["groups"]["1"].push_back(json::object());
    content["grammars"] = json::array();
    for (int i = 0; i < 28; ++i) content["grammars"].push_back({{"words", json::array()}});
    Load(content);
    EXPECT_EQ(Ask('c', {1}, 1).args, std::vector<int>{-1});
    EXPECT_EQ(Ask('z', {-1}, 1).args, std::vector<int>{-1});
}

TEST_F(ModuleReadTest, NoSoundTableAnswersM) {
    Load(json::object());
    EXPECT_EQ(Status('h'), 'm');
    EXPECT_FALSE(host->Query(" ", 50ms).has_value());
}

TEST_F(ModuleReadTest, ExportGivesTheHeaderThen516Nibbles) {
    const auto answer = Ask('~', {23, 3, 0}, 1 + 516);
    EXPECT_EQ(answer.status, '~');
    ASSERT_EQ(answer.args.size(), 517u);
    EXPECT_EQ(answer.args[0], 3);
    for (std::size_t i = 1; i < answer.args.size(); ++i) {
        EXPECT_GE(answer.args[i], 0);
        EXPECT_LE(answer.args[i], 15);
    }
}

TEST_F(ModuleReadTest, ArgumentsNamingNothingAnswerAnError) {
    struct Case {
        const char* what;
        char command;
        std::vector<int> args;
        int code;
    };
    const Case cases[] = {
        {"group 17", 'c', {17}, 0x09},
        {"command past the end", 'p', {3, 4}, 0x09},
        {"grammar past the end", 'z', {5}, 0x09},
        {"slot -1", 'd', {-1, -1}, 0x09},
        {"export past the end", '~', {23, 3, 4}, 0x09},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto answer = Ask(c.command, c.args, 2);
        EXPECT_EQ(answer.status, 'e');
        EXPECT_EQ(answer.args, (std::vector<int>{c.code >> 4, c.code & 15}));
    }
}

TEST_F(ModuleReadTest, UntrainedCommandExportsItsLabel) {
    const auto answer = Ask('~', {23, 3, 3}, 1);
    EXPECT_EQ(answer.status, '~');
    EXPECT_EQ(answer.args, std::vector<int>{3});
}

TEST_F(ModuleReadTest, MessageMemoryCheckAndRepair) {
    module->ChangeMemory([](ModuleMemory& m) { m.memoryCheck = 0x23; });
    auto answer = Ask('v', {-1, 0}, 2);
    EXPECT_EQ(answer.status, 'e');
    EXPECT_EQ(answer.args, (std::vector<int>{2, 3}));

    EXPECT_EQ(Status('v', {-1, 1}, 3000ms), 'o');
    EXPECT_EQ(Status('v', {-1, 0}), 'o');
    EXPECT_EQ(Ask('d', {-1, 2}, 1).args, std::vector<int>{0}) << "the damaged slot is given up";
    EXPECT_EQ(Ask('d', {-1, 0}, 1).args, std::vector<int>{8}) << "good messages stay";

    module->ChangeMemory([](ModuleMemory& m) {
        m.memoryCheck = 0x23;
        m.memoryFixable = false;
    });
    answer = Ask('v', {-1, 1}, 2, 3000ms);
    EXPECT_EQ(answer.status, 'e');
    EXPECT_EQ(answer.args, (std::vector<int>{2, 3}));
}

}  // namespace
}  // namespace parlix::sim::test
