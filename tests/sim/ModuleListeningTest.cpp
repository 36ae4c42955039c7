// Commands that wait for the person in front of the module, with outcomes
// from the user script, and the module's other activities.
#include "sim/ModuleFixture.h"

namespace parlix::sim::test {
namespace {

using nlohmann::json;
using Kind = Outcome::Kind;
using Clock = std::chrono::steady_clock;

const json kContent = json::parse(R"({
  "identity": "J",
  "timeout": 1,
  "groups": {
    "1": [ { "label": "ON", "trained": 1 }, { "label": "OFF" } ],
    "2": [ { "label": "UNTRAINED" } ]
  },
  "grammars": [ { "words": ["YES", "NO"] } ],
  "soundTable": { "name": "DEMO", "count": 12 },
  "messages": { "0": { "bits": 8, "length": 3760 }, "3": { "damaged": true } },
  "pins": [1, 0, 1]
})");

class ModuleListeningTest : public ModuleFixture {
  protected:
    void SetUp() override { Load(kContent); }
};

TEST_F(ModuleListeningTest, TrainingOutcomes) {
    struct Case {
        const char* what;
        std::optional<Outcome> outcome;
        char status;
        std::vector<int> reply;
        int trained;
        int flags;
    };
    const Case cases[] = {
        {"no script: accepted", std::nullopt, 'o', {}, 1, 0x01},
        {"similar to command 0", Outcome::Of(Kind::Similar, 0), 'r', {0}, 1, 0x09},
        {"similar to the trigger word", Outcome::Of(Kind::SimilarTrigger, 0), 's', {0}, 1, 0x11},
        {"module error 3", Outcome::Of(Kind::Error, 3), 'e', {0, 3}, 0, 0x00},
        {"module error 0x2D", Outcome::Of(Kind::Error, 0x2D), 'e', {2, 13}, 0, 0x00},
        {"nobody speaks", Outcome::Of(Kind::Silence), 't', {}, 0, 0x00},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Load(kContent);
        if (c.outcome) module->Script(Activity::Train, *c.outcome);
        const auto answer = Ask('t', {1, 1}, c.reply.size(), 3000ms);
        EXPECT_EQ(answer.status, static_cast<std::uint8_t>(c.status));
        EXPECT_EQ(answer.args, c.reply);
        EXPECT_EQ(At(1, 1).trained, c.trained);
        EXPECT_EQ(At(1, 1).Flags(), c.flags);
    }
}

TEST_F(ModuleListeningTest, SecondTrainingCountsTwoAndClearsTheOldConflict) {
    module->Script(Activity::Train, Outcome::Of(Kind::Similar, 0));
    EXPECT_EQ(Status('t', {1, 1}), 'r');
    EXPECT_EQ(Status('t', {1, 1}), 'o');
    EXPECT_EQ(At(1, 1).Flags(), 0x02);
    EXPECT_EQ(Status('t', {1, 1}), 'o');
    EXPECT_EQ(At(1, 1).trained, 2);
}

TEST_F(ModuleListeningTest, ListeningStopsAtTheModuleTimeout) {
    // The person would speak after 5 s, but the module listens for 1 s only.
    module->Script(Activity::Train, Outcome::Of(Kind::Accept, 0, 5000));
    EXPECT_EQ(Status('t', {1, 1}, 4000ms), 't');
    EXPECT_GE(AnswerDelay(log), 1000000) << log.Dump();
    EXPECT_LT(AnswerDelay(log), 3000000) << log.Dump();
    EXPECT_EQ(At(1, 1).trained, 0);

    // A time-out of 0 waits until interrupted.
    EXPECT_EQ(Status('o', {0}), 'o');
    module->Script(Activity::Train, Outcome::Of(Kind::Silence));
    EXPECT_FALSE(host->Command('t', {1, 1}, 1500ms).has_value());
    EXPECT_EQ(Status('b'), 'o');
}

TEST_F(ModuleListeningTest, BreakEndsListeningWithoutItsOutcome) {
    module->Script(Activity::Train, Outcome::Of(Kind::Accept, 0, 300));
    host->Command('t', {1, 1}, 50ms);
    EXPECT_EQ(Status('b'), 'o');
    EXPECT_FALSE(host->Read(500ms).has_value());
    EXPECT_EQ(At(1, 1).trained, 0);
}

TEST_F(ModuleListeningTest, VerificationOutcomes) {
    struct Case {
        const char* what;
        std::optional<Outcome> outcome;
        char status;
        std::vector<int> reply;
        Similarity similar;
    };
    const Case cases[] = {
        {"no script: accepted", std::nullopt, 'o', {}, Similarity::None},
        {"similar to command 1", Outcome::Of(Kind::Similar, 1), 'r', {1}, Similarity::Command},
        {"similar to the trigger",
         Outcome::Of(Kind::SimilarTrigger, 0),
         's',
         {0},
         Similarity::Trigger},
        {"module error 17", Outcome::Of(Kind::Error, 17), 'e', {1, 1}, Similarity::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Load(kContent);
        if (c.outcome) module->Script(Activity::Verify, *c.outcome);
        const auto answer = Ask('~', {21, 1, 0}, c.reply.size());
        EXPECT_EQ(answer.status, static_cast<std::uint8_t>(c.status));
        EXPECT_EQ(answer.args, c.reply);
        EXPECT_EQ(At(1, 0).similar, c.similar);
    }
    // An untrained command has nothing to be similar to.
    const auto untrained = Ask('~', {21, 1, 1}, 0);
    EXPECT_EQ(untrained.status, 'o');
}

TEST_F(ModuleListeningTest, RecognitionOutcomes) {
    struct Case {
        const char* what;
        char command;
        int list;
        std::optional<Outcome> outcome;
        char status;
        std::vector<int> reply;
    };
    const Case cases[] = {
        {"no script: the first trained command", 'd', 1, std::nullopt, 'r', {0}},
        {"no script, nothing trained: time-out", 'd', 2, std::nullopt, 't', {}},
        {"command 1", 'd', 1, Outcome::Of(Kind::Command, 1), 'r', {1}},
        {"trigger word", 'd', 1, Outcome::Of(Kind::Trigger, 0), 's', {0}},
        {"module error 18", 'd', 1, Outcome::Of(Kind::Error, 18), 'e', {1, 2}},
        {"word, no script", 'i', 4, std::nullopt, 's', {0}},
        {"word 1 of a custom grammar", 'i', 4, Outcome::Of(Kind::Word, 1), 's', {1}},
        {"word 10 of wordset 3", 'i', 3, Outcome::Of(Kind::Word, 10), 's', {10}},
        {"word, nobody speaks", 'i', 1, Outcome::Of(Kind::Silence), 't', {}},
        {"no such grammar", 'i', 5, std::nullopt, 'e', {0, 9}},
        {"no such group", 'd', 17, std::nullopt, 'e', {0, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.outcome)
            module->Script(c.command == 'd' ? Activity::Recognize : Activity::RecognizeWord,
                           *c.outcome);
        const auto answer = Ask(c.command, {c.list}, c.reply.size(), 3000ms);
        EXPECT_EQ(answer.status, static_cast<std::uint8_t>(c.status));
        EXPECT_EQ(answer.args, c.reply);
    }
}

TEST_F(ModuleListeningTest, TokenReception) {
    // 'f' bits, rejection, time-out units / 32, units % 32; 4 units are about 110 ms.
    module->Script(Activity::ReceiveToken, Outcome::Of(Kind::Token, 300));
    auto answer = Ask('f', {8, 1, 0, 4}, 2);
    EXPECT_EQ(answer.status, 'f');
    EXPECT_EQ(answer.args, (std::vector<int>{9, 12}));

    log.Clear();
    EXPECT_EQ(Status('f', {8, 1, 0, 4}), 't');
    EXPECT_GE(AnswerDelay(log), 100000) << log.Dump();

    // Continuous listening: nothing until a token comes or 'b' ends it.
    EXPECT_FALSE(host->Command('f', {4, 1, 0, 0}, 500ms).has_value());
    EXPECT_EQ(Status('b'), 'o');
}

TEST_F(ModuleListeningTest, RecordingFillsTheSlotWhenItEnds) {
    module->Script(Activity::Record, Outcome::Of(Kind::Recorded, 500));
    host->Send(std::vector<std::uint8_t>{'r', '@', 'C', 'I', 'A'});  // slot 2, 8 bits
    EXPECT_FALSE(host->Read(200ms).has_value()) << "recording starts silently";
    EXPECT_EQ(host->Read(2000ms), 'o');
    EXPECT_EQ(host->Fetch(2).size(), 2u);
    const auto answer = Ask('d', {-1, 2}, 7);
    EXPECT_EQ(answer.args, (std::vector<int>{8, 0, 11, 14, 0, 0, 0}));  // 3760 = 0xEB0
}

TEST_F(ModuleListeningTest, RecordingThatEndsOtherwise) {
    struct Case {
        const char* what;
        Outcome outcome;
        std::uint32_t capacity;
        char status;
    };
    const Case cases[] = {
        {"nobody speaks", Outcome::Of(Kind::Silence), 1u << 20, 't'},
        {"interrupted", Outcome::Of(Kind::Interrupted, 0, 50), 1u << 20, 'i'},
        {"memory full", Outcome::Of(Kind::MemoryFull, 0, 50), 1u << 20, 'm'},
        {"no room left", Outcome::Of(Kind::Recorded, 1000), 5000, 'm'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Load(kContent);
        module->ChangeMemory([&c](ModuleMemory& m) { m.messageCapacity = c.capacity; });
        module->Script(Activity::Record, c.outcome);
        EXPECT_EQ(Status('r', {-1, 5, 8, 0}, 3000ms), static_cast<std::uint8_t>(c.status));
        EXPECT_EQ(Ask('d', {-1, 5}, 1).args, std::vector<int>{0}) << "the slot stays empty";
    }
}

TEST_F(ModuleListeningTest, LipsyncStreamsLevelsUntilItsTimeout) {
    module->Script(Activity::Lipsync, Outcome{Kind::Levels, 0, {3, 20, 31}, std::nullopt, {}});
    // Threshold 100 (3, 4), time-out 1 s (0, 1).
    EXPECT_EQ(Status('l', {-1, 3, 4, 0, 1}), 'l');
    EXPECT_EQ(host->Fetch(4), (std::vector<int>{3, 20, 31, 0}));
    // A request that reaches the module after its time-out.
    const std::uint8_t request = ' ';
    host->Line().Deliver(&request, 1, Clock::now() + 1100ms);
    EXPECT_EQ(host->Read(3000ms), 't');
    EXPECT_FALSE(host->Query(" ", 100ms).has_value()) << "lip-sync has ended";
}

TEST_F(ModuleListeningTest, BreakEndsLipsync) {
    EXPECT_EQ(Status('l', {-1, 4, 7, 0, 0}), 'l');
    EXPECT_EQ(host->Fetch(3).size(), 3u);
    EXPECT_EQ(Status('b'), 'o');
    EXPECT_FALSE(host->Query(" ", 100ms).has_value());
}

TEST_F(ModuleListeningTest, PlaySendPinsAndSettings) {
    struct Case {
        const char* what;
        char command;
        std::vector<int> args;
        char status;
        std::vector<int> reply;
    };
    const Case cases[] = {
        {"beep", 'w', {0, 0, 15}, 'o', {}},
        {"sound 12, the last of the table", 'w', {0, 12, 15}, 'o', {}},
        {"sound 37 past the table", 'w', {1, 5, 15}, 'e', {0, 9}},
        {"tone 5 for 200 ms", 'w', {-1, 5, 4}, 'o', {}},
        {"tone 16", 'w', {-1, 16, 0}, 'e', {0, 9}},
        {"short message", 'p', {-1, 0, 0}, 'o', {}},
        {"empty slot", 'p', {-1, 1, 0}, 'o', {}},
        {"damaged slot", 'p', {-1, 3, 0}, 'e', {0, 9}},
        {"erase message", 'e', {-1, 0}, 'o', {}},
        {"token 5, 8 bits", 'j', {8, 0, 5, 0, 0}, 'o', {}},
        {"delayed token", 'j', {8, 0, 5, 0, 4}, 'o', {}},
        {"token 16 in 4 bits", 'j', {4, 0, 16, 0, 0}, 'e', {0, 9}},
        {"pin 1 high", 'q', {1, 1}, 'o', {}},
        {"pin 3 input", 'q', {3, 4}, 'p', {1}},
        {"pin 2 input", 'q', {2, 2}, 'p', {0}},
        {"pin 7", 'q', {7, 2}, 'e', {0, 9}},
        {"language 6", 'l', {6}, 'e', {0, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto answer = Ask(c.command, c.args, c.reply.size(), 3000ms);
        EXPECT_EQ(answer.status, static_cast<std::uint8_t>(c.status));
        EXPECT_EQ(answer.args, c.reply);
    }
    EXPECT_EQ(module->Memory().messages[0].bits, 0) << "erased";

    const std::pair<char, std::vector<int>> settings[] = {
        {'k', {3}},     {'k', {-1, 2}}, {'v', {4}}, {'t', {-1, 1}},
        {'f', {-1, 1}}, {'l', {3}},     {'o', {7}},
    };
    for (const auto& [command, args] : settings) EXPECT_EQ(Status(command, args), 'o') << command;
    const auto m = module->Memory();
    EXPECT_EQ(m.settings.knob, 3);
    EXPECT_EQ(m.settings.micDistance, 2);
    EXPECT_EQ(m.settings.level, 4);
    EXPECT_EQ(m.settings.trailingSilence, 1);
    EXPECT_EQ(m.settings.fastRecognition, 1);
    EXPECT_EQ(m.language, 3);
    EXPECT_EQ(m.timeoutSeconds, 7);
}

TEST_F(ModuleListeningTest, PlayingTakesAsLongAsTheMessage) {
    // 3760 bytes of 8-bit samples last half a second.
    EXPECT_EQ(Status('p', {-1, 0, 0}, 3000ms), 'o');
    EXPECT_GE(AnswerDelay(log), 450000) << log.Dump();
    EXPECT_LT(AnswerDelay(log), 2500000) << log.Dump();
}

}  // namespace
}  // namespace parlix::sim::test
