// Training, verification and recognition: the outcome of every answer the
// module can give, what is reported and how, and the interrupt that stops a
// listening module.
#include "module/ControllerFixture.h"
#include "module/WireFixture.h"
#include "support/StatusCodes.h"

#include <gmock/gmock.h>

#include <future>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;

using Statuses = std::deque<std::optional<std::uint8_t>>;
using Replies = std::deque<std::optional<std::int32_t>>;

constexpr std::int32_t kUntouched = 777;

ShownMessage Error(std::string text) {
    return {std::move(text), "Error", 16};
}
ShownMessage Warning(std::string text) {
    return {std::move(text), "Warning", 48};
}
ShownMessage Information(std::string text) {
    return {std::move(text), "Information", 64};
}

class ListenCommandsTest : public ControllerFixture {
  protected:
    void SetUp() override {
        ConnectDirect();
        controller.SetRecognitionWait(50);  // as after the connection sequence
        controller.SetErrorText("before\n");
    }
    void Answer(Statuses statuses, Replies replies) {
        direct.calls.clear();
        direct.statusTimeouts.clear();
        front.Clear();
        controller.SetErrorText("before\n");
        direct.statuses = std::move(statuses);
        direct.arguments = std::move(replies);
    }
};

TEST_F(ListenCommandsTest, ErrorCodesWithAndWithoutText) {
    struct Case {
        int code;
        const char* text;
    };
    for (const Case c : {Case{2, "too long (memory overflow)"}, Case{3, "too noisy"},
                         Case{7, "too many segments/too complex"}, Case{17, "recognition failed"},
                         Case{34, "RSC code/ROM versions don't match"},
                         Case{45, "trigger recognized Out of Vocabulary"},
                         Case{128, "none of the above"}, Case{0, ""}, Case{1, ""}, Case{8, ""},
                         Case{10, ""}, Case{127, ""}, Case{255, ""}, Case{-1, ""}}) {
        EXPECT_EQ(ErrorText(c.code), c.text) << c.code;
    }
}

struct TrainingCase {
    const char* name;
    Statuses statuses;
    Replies replies;
    bool result;
    std::int32_t conflict;
    int error;
    std::vector<ShownMessage> messages;
    std::string errorText;  // what the caller finds afterwards
};

// Answers that training and verification treat alike.
std::vector<TrainingCase> CommonTrainingCases() {
    return {
        {"accepted", {'o'}, {}, true, kConflictNone, kUntouched, {}, "before\n"},
        {"similar to command 2",
         {'r'},
         {2},
         true,
         2,
         kUntouched,
         {},
         "Trained command 0 is similar to command 2 in the same group.\n"},
        {"similar to trigger word 0",
         {'s'},
         {0},
         true,
         -1,
         kUntouched,
         {},
         "Trained command 0 is similar to trigger word.\n"},
        {"similar to trigger word 2",
         {'s'},
         {2},
         true,
         -3,
         kUntouched,
         {},
         "Trained command 0 is similar to trigger word.\n"},
        // Still a training: the model records it.
        {"similar, unnamed",
         {'r'},
         {std::nullopt},
         true,
         kConflictUnnamed,
         kUntouched,
         {Error("Trained command similar to another. Could not retrieve which one.\n\n\n" +
                kTimeoutText)},
         "Trained command similar to another. Could not retrieve which one.\n\n\n" + kTimeoutText},
        {"error with a text",
         {'e'},
         {0, 3},
         false,
         kUntouched,
         3,
         {Warning("Training error: too noisy.\n")},
         "Training error: too noisy.\n"},
        {"error high nibble first",
         {'e'},
         {2, 13},
         false,
         kUntouched,
         45,
         {Warning("Training error: trigger recognized Out of Vocabulary.\n")},
         "Training error: trigger recognized Out of Vocabulary.\n"},
        {"error without a text",
         {'e'},
         {0, 8},
         false,
         kUntouched,
         8,
         {Warning("Training ended with error (0x08).\n")},
         "Training ended with error (0x08).\n"},
        {"error code lost",
         {'e'},
         {0, std::nullopt},
         false,
         kUntouched,
         -1,
         {Error("Training ended with error. Could not retrieve error code.\n\n\n" + kTimeoutText)},
         "Training ended with error. Could not retrieve error code.\n\n\n" + kTimeoutText},
        {"error nibble out of range",
         {'e'},
         {1, 16},
         false,
         kUntouched,
         -1,
         {Error("Training ended with error. Could not retrieve error code.\n\n\n" +
                kInvalidParameterText)},
         "Training ended with error. Could not retrieve error code.\n\n\n" + kInvalidParameterText},
        {"error nibble '@'",
         {'e'},
         {-1, 3},
         false,
         kUntouched,
         -1,
         {Error("Training ended with error. Could not retrieve error code.\n\n\n" +
                kInvalidParameterText)},
         "Training ended with error. Could not retrieve error code.\n\n\n" + kInvalidParameterText},
        {"unknown status",
         {'x'},
         {},
         false,
         kUntouched,
         kUntouched,
         {Error("Unexpected reply (0x78).\n")},
         "Unexpected reply (0x78).\n"},
    };
}

void CheckTraining(const TrainingCase& c, bool ok, std::int32_t conflict, int error,
                   RecordingFrontEnd& front, ModuleController& controller) {
    EXPECT_EQ(ok, c.result);
    EXPECT_EQ(conflict, c.conflict);
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(front.Messages(), c.messages);
    EXPECT_EQ(controller.ErrorMessage(), c.errorText);
}

TEST_F(ListenCommandsTest, TrainingOutcomes) {
    auto cases = CommonTrainingCases();
    cases.push_back({"nobody spoke",
                     {'t'},
                     {},
                     false,
                     kConflictTimedOut,
                     kUntouched,
                     {Information("Timeout expired.\n")},
                     "Timeout expired.\n"});
    cases.push_back({"no status",
                     {std::nullopt},
                     {},
                     false,
                     kUntouched,
                     kUntouched,
                     {Error("Could not train command 0 of group 1.\n\n\n" + kWaitTimeoutText)},
                     "Could not train command 0 of group 1.\n\n\n" + kWaitTimeoutText});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(c.statuses, c.replies);
        std::int32_t conflict = kUntouched;
        int error = kUntouched;
        const bool ok = controller.TrainCommand(1, 0, conflict, error);
        CheckTraining(c, ok, conflict, error, front, controller);
        EXPECT_THAT(direct.statusTimeouts, ElementsAre(60));
        // The module has stopped listening before any argument is asked for.
        ASSERT_GE(direct.calls.size(), 4u);
        EXPECT_THAT(std::vector(direct.calls.begin(), direct.calls.begin() + 4),
                    ElementsAre("purge", "busy:on", "send:t[1,0]", "busy:off"));
        EXPECT_THAT(front.PromptEvents(), ElementsAre("Speak now...", "-"));
    }
}

TEST_F(ListenCommandsTest, TrainingWaitFollowsTheRecognitionWait) {
    for (const int wait : {30, 50, 150}) {
        controller.SetRecognitionWait(wait);
        Answer({'o'}, {});
        std::int32_t conflict = 0;
        int error = 0;
        controller.TrainCommand(2, 5, conflict, error);
        EXPECT_THAT(direct.statusTimeouts, ElementsAre(wait + 10));
    }
}

TEST_F(ListenCommandsTest, VerificationOutcomes) {
    auto cases = CommonTrainingCases();
    // The module does not listen: its time-out is no answer here.
    cases.push_back({"time-out status",
                     {'t'},
                     {},
                     false,
                     kUntouched,
                     kUntouched,
                     {Error("Unexpected reply (0x74).\n")},
                     "Unexpected reply (0x74).\n"});
    cases.push_back({"no status",
                     {std::nullopt},
                     {},
                     false,
                     kUntouched,
                     kUntouched,
                     {Error("Could not verify command 0 of group 1.\n\n\n" + kWaitTimeoutText)},
                     "Could not verify command 0 of group 1.\n\n\n" + kWaitTimeoutText});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(c.statuses, c.replies);
        std::int32_t conflict = kUntouched;
        int error = kUntouched;
        const bool ok = controller.VerifyCommand(1, 0, conflict, error);
        CheckTraining(c, ok, conflict, error, front, controller);
        EXPECT_THAT(direct.statusTimeouts, ElementsAre(30));
        EXPECT_EQ(direct.calls.at(1), "send:~[21,1,0]");
        EXPECT_TRUE(front.PromptEvents().empty());
    }
}

struct RecognitionCase {
    const char* name;
    bool word;  // RecognizeWord with wordset 5, else RecognizeCommand in group 2
    Statuses statuses;
    Replies replies;
    bool result;
    std::int32_t recognized;
    std::vector<ShownMessage> messages;
    std::string errorText;
};

TEST_F(ListenCommandsTest, RecognitionOutcomes) {
    const std::vector<RecognitionCase> cases = {
        {"command", false, {'r'}, {3}, true, 3, {}, "Recognized command 3.\n"},
        {"trigger word", false, {'s'}, {1}, true, -2, {}, "Recognized trigger word.\n"},
        {"command, unnamed",
         false,
         {'r'},
         {std::nullopt},
         true,
         kConflictUnnamed,
         {Error("Recognized a command. Could not retrieve which one.\n\n\n" + kTimeoutText)},
         "Recognized a command. Could not retrieve which one.\n\n\n" + kTimeoutText},
        {"trigger word, unnamed",
         false,
         {'s'},
         {std::nullopt},
         true,
         kConflictUnnamed,
         {Error("Recognized a command. Could not retrieve which one.\n\n\n" + kTimeoutText)},
         "Recognized a command. Could not retrieve which one.\n\n\n" + kTimeoutText},
        {"word", true, {'s'}, {4}, true, 4, {}, "Recognized word 4.\n"},
        {"word, unnamed",
         true,
         {'s'},
         {std::nullopt},
         true,
         kConflictUnnamed,
         {Error("Recognized a word. Could not retrieve which one.\n\n\n" + kTimeoutText)},
         "Recognized a word. Could not retrieve which one.\n\n\n" + kTimeoutText},
        {"a wordset names no command",
         true,
         {'r'},
         {4},
         false,
         kUntouched,
         {Error("Unexpected reply (0x72).\n")},
         "Unexpected reply (0x72).\n"},
        {"nobody spoke",
         false,
         {'t'},
         {},
         false,
         kUntouched,
         {Information("Timeout expired.\n")},
         "Timeout expired.\n"},
        {"nobody spoke a word",
         true,
         {'t'},
         {},
         false,
         kUntouched,
         {Information("Timeout expired.\n")},
         "Timeout expired.\n"},
        {"error with a text",
         false,
         {'e'},
         {1, 1},
         false,
         kUntouched,
         {Warning("Recognition error: recognition failed.\n")},
         "Recognition error: recognition failed.\n"},
        {"word error without a text",
         true,
         {'e'},
         {0, 1},
         false,
         kUntouched,
         {Warning("Recognition failed with error (0x01).\n")},
         "Recognition failed with error (0x01).\n"},
        {"error code lost",
         false,
         {'e'},
         {std::nullopt},
         false,
         kUntouched,
         {Error("Recognition failed. Could not retrieve error code.\n\n\n" + kTimeoutText)},
         "Recognition failed. Could not retrieve error code.\n\n\n" + kTimeoutText},
        {"done is no answer",
         false,
         {'o'},
         {},
         false,
         kUntouched,
         {Error("Unexpected reply (0x6F).\n")},
         "Unexpected reply (0x6F).\n"},
        {"no status",
         false,
         {std::nullopt},
         {},
         false,
         kUntouched,
         {Error("Could not recognize commands in group 2.\n\n\n" + kWaitTimeoutText)},
         "Could not recognize commands in group 2.\n\n\n" + kWaitTimeoutText},
        {"no status for a word",
         true,
         {std::nullopt},
         {},
         false,
         kUntouched,
         {Error("Could not recognize word in set 5.\n\n\n" + kWaitTimeoutText)},
         "Could not recognize word in set 5.\n\n\n" + kWaitTimeoutText},
    };
    for (const auto& c : cases) {
        Reconnect();
        SCOPED_TRACE(c.name);
        Answer(c.statuses, c.replies);
        std::int32_t recognized = kUntouched;
        const bool ok = c.word ? controller.RecognizeWord(5, recognized)
                               : controller.RecognizeCommand(2, recognized);
        EXPECT_EQ(ok, c.result);
        EXPECT_EQ(recognized, c.recognized);
        EXPECT_EQ(front.Messages(), c.messages);
        EXPECT_EQ(controller.ErrorMessage(), c.errorText);
        EXPECT_THAT(direct.statusTimeouts, ElementsAre(70));
        ASSERT_GE(direct.calls.size(), 4u);
        EXPECT_THAT(
            std::vector(direct.calls.begin(), direct.calls.begin() + 4),
            ElementsAre("purge", "busy:on", c.word ? "send:i[5]" : "send:d[2]", "busy:off"));
        EXPECT_THAT(front.PromptEvents(), ElementsAre("Speak now...", "-"));
    }
}

TEST_F(ListenCommandsTest, InterruptIsTwoBreaksWithoutPurgeOrReport) {
    struct Case {
        Statuses statuses;
        bool result;
    };
    for (const Case& c : {Case{{'o', 'o'}, true}, Case{{'x', 'o'}, true}, Case{{'o', 'x'}, false},
                          Case{{std::nullopt}, false}, Case{{'o', std::nullopt}, false}}) {
        Answer(c.statuses, {});
        EXPECT_EQ(controller.Interrupt(), c.result);
        EXPECT_EQ(direct.calls.front(), "send:b[]");
        EXPECT_EQ(direct.statusTimeouts.front(), 50);
        EXPECT_TRUE(front.Messages().empty());
    }
    Answer({'o', 'o'}, {});
    controller.Interrupt();
    EXPECT_THAT(direct.calls, ElementsAre("send:b[]", "send:b[]"));
    EXPECT_THAT(direct.statusTimeouts, ElementsAre(50, 50));
}

TEST_F(ListenCommandsTest, InterruptDoesNotWaitForTheLock) {
    Answer({'o', 'o'}, {});
    controller.Link().Lock();  // as a running stream holds it
    auto interrupted = std::async(std::launch::async, [this] { return controller.Interrupt(); });
    const auto state = interrupted.wait_for(std::chrono::seconds(10));
    controller.Link().Unlock();
    ASSERT_EQ(state, std::future_status::ready);
    EXPECT_TRUE(interrupted.get());
}

TEST_F(ListenCommandsTest, InterruptWithoutALinkFails) {
    controller.Link().Disconnect();
    front.Clear();
    EXPECT_FALSE(controller.Interrupt());
    EXPECT_TRUE(front.Messages().empty());
}

// Training and recognition on a real line.
using ListenWireTest = WireFixture;

TEST_F(ListenWireTest, CommandsAndRequestsOnTheLine) {
    ModuleScript script = ConnectionScript();
    script.emplace("tBA", ScriptedReply{'r', "C"});
    script.emplace("~VBA", ScriptedReply{'e', "AD"});
    script.emplace("dD", ScriptedReply{'s', "A"});
    script.emplace("iE", ScriptedReply{'s', "E"});
    PtyResponder device(ScriptedAnswers(script));
    ConnectTo(device);

    std::int32_t conflict = 0;
    int error = 0;
    EXPECT_TRUE(controller.TrainCommand(1, 0, conflict, error));
    EXPECT_EQ(conflict, 2);
    EXPECT_EQ(device.ReceivedText(), "tBA ");

    device.Clear();
    EXPECT_FALSE(controller.VerifyCommand(1, 0, conflict, error));
    EXPECT_EQ(error, 3);
    EXPECT_EQ(device.ReceivedText(), "~VBA  ");

    device.Clear();
    std::int32_t result = 0;
    EXPECT_TRUE(controller.RecognizeCommand(3, result));
    EXPECT_EQ(result, -1);
    EXPECT_EQ(device.ReceivedText(), "dD ");

    device.Clear();
    EXPECT_TRUE(controller.RecognizeWord(4, result));
    EXPECT_EQ(result, 4);
    EXPECT_EQ(device.ReceivedText(), "iE ");

    device.Clear();
    EXPECT_TRUE(controller.Interrupt());
    EXPECT_EQ(device.ReceivedText(), "bb");
    EXPECT_THAT(front.Messages(), ElementsAre(Warning("Training error: too noisy.\n")));
}

}  // namespace
}  // namespace parlix::test
