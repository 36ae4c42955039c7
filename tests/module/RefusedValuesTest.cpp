// Values that an operation does not allow, or that one argument byte cannot
// carry, are refused before anything reaches the line: otherwise they arrive
// as other bytes, often as another command.
#include "module/ControllerFixture.h"
#include "module/WireFixture.h"

#include <gmock/gmock.h>

#include <functional>

namespace parlix::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Call = std::function<bool(ModuleController&)>;

// StartLipsync keeps the controller lock in every outcome.
bool StartLipsync(ModuleController& c, int threshold, int timeout) {
    const bool ok = c.StartLipsync(threshold, timeout);
    c.EndLipsync();
    return ok;
}

std::string CommandData() {
    return std::string(516, '0');
}

struct RefusedCase {
    const char* what;
    Call call;
    const char* failure;  // the operation's own text; the system text follows
};

const RefusedCase kRefused[] = {
    // Reading.
    {"command count of group 17",
     [](auto& c) {
         int n = 0;
         return c.ReadCommandCount(17, n);
     },
     "Could not read command count for group 17.\n"},
    {"command 32",
     [](auto& c) {
         std::string label;
         int trained = 0;
         bool has = false;
         std::int32_t conflict = 0;
         return c.ReadCommand(0, 32, label, trained, has, conflict);
     },
     "Could not read command 32 of group 0.\n"},
    {"grammar -1 (the grammar count)",
     [](auto& c) {
         int n = 0;
         return c.ReadGrammarWordCount(-1, n);
     },
     "Could not read grammar -1 words count.\n"},
    {"words of grammar 32",
     [](auto& c) {
         int flags = 0, count = 0;
         std::vector<std::string> words;
         return c.ReadGrammarWords(32, flags, count, words);
     },
     "Could not read grammar 32 words count.\n"},
    {"message slot 32",
     [](auto& c) {
         int bits = 0, length = 0;
         return c.ReadMessage(32, bits, length);
     },
     "Could not read message 32.\n"},
    {"export from group -1",
     [](auto& c) {
         std::string data;
         return c.ExportCommandData(-1, 0, data);
     },
     "Could not export command 0 in group -1.\n"},
    // Command editing, training and recognition.
    {"create in group 17", [](auto& c) { return c.CreateCommand(17, 0); },
     "Could not create command 0 of group 17.\n"},
    {"remove command 32", [](auto& c) { return c.RemoveCommand(3, 32); },
     "Could not remove command 32 of group 3.\n"},
    {"erase in group -1 (erase message)", [](auto& c) { return c.EraseCommand(-1, 0); },
     "Could not erase command 0 of group -1.\n"},
    {"rename in group 52 (the remove letter)",
     [](auto& c) {
         std::string label = "AB";
         return c.RenameCommand(52, 1, label);
     },
     "Could not rename command 1 of group 52.\n"},
    {"import into command -1", [](auto& c) { return c.ImportCommandData(3, -1, CommandData()); },
     "Could not import command -1 in group 3.\n"},
    {"train in group -1 (trailing silence)",
     [](auto& c) {
         std::int32_t conflict = 0;
         int error = 0;
         return c.TrainCommand(-1, 5, conflict, error);
     },
     "Could not train command 5 of group -1.\n"},
    {"verify in group 16, command 32",
     [](auto& c) {
         std::int32_t conflict = 0;
         int error = 0;
         return c.VerifyCommand(16, 32, conflict, error);
     },
     "Could not verify command 32 of group 16.\n"},
    {"recognize group -1 (read message)",
     [](auto& c) {
         std::int32_t r = 0;
         return c.RecognizeCommand(-1, r);
     },
     "Could not recognize commands in group -1.\n"},
    {"recognize wordset 0",
     [](auto& c) {
         std::int32_t r = 0;
         return c.RecognizeWord(0, r);
     },
     "Could not recognize word in set 0.\n"},
    // Messages.
    {"record in slot 32",
     [](auto& c) {
         bool done = false;
         return c.RecordMessage(32, 8, 0, done);
     },
     "Could not record message 32 with 8 bits, timeout 0 ms.\n"},
    {"record with 32 bits",
     [](auto& c) {
         bool done = false;
         return c.RecordMessage(3, 32, 0, done);
     },
     "Could not record message 3 with 32 bits, timeout 0 ms.\n"},
    {"play slot -1", [](auto& c) { return c.PlayMessage(-1, 10); }, "Could not play message -1.\n"},
    {"erase slot 32", [](auto& c) { return c.EraseMessage(32); }, "Could not erase message 32.\n"},
    // Sounds and tones.
    {"sound -33 (the dial tone)", [](auto& c) { return c.PlaySound(-33, 256); },
     "Could not play sentence -33.\n"},
    {"sound 1024", [](auto& c) { return c.PlaySound(1024, 256); },
     "Could not play sentence 1024.\n"},
    {"volume 528", [](auto& c) { return c.PlaySound(37, 528); }, "Could not play sentence 37.\n"},
    {"tone 16", [](auto& c) { return c.PlayTone(16, 200); }, "Could not play tone 16.\n"},
    {"tone shorter than one step", [](auto& c) { return c.PlayTone(5, 39); },
     "Could not play tone 5.\n"},
    {"tone of 33 steps", [](auto& c) { return c.PlayTone(5, 1320); }, "Could not play tone 5.\n"},
    {"dial tone of 33 steps", [](auto& c) { return c.PlayTone(-1, 33); },
     "Could not play tone -1.\n"},
    // Tokens.
    {"8-bit token 1665", [](auto& c) { return c.SendToken(8, 1665, 0); },
     "Could not send token 1665 with 8 bits, delayed by 0 ms.\n"},
    {"8-bit token 256", [](auto& c) { return c.SendToken(8, 256, 0); },
     "Could not send token 256 with 8 bits, delayed by 0 ms.\n"},
    {"4-bit token 16", [](auto& c) { return c.SendToken(4, 16, 0); },
     "Could not send token 16 with 4 bits, delayed by 0 ms.\n"},
    {"token -5", [](auto& c) { return c.SendToken(8, -5, 0); },
     "Could not send token -5 with 8 bits, delayed by 0 ms.\n"},
    {"token of -8 bits", [](auto& c) { return c.SendToken(-8, 1, 0); },
     "Could not send token 1 with -8 bits, delayed by 0 ms.\n"},
    {"token delay 28091 ms", [](auto& c) { return c.SendToken(8, 5, 28091); },
     "Could not send token 5 with 8 bits, delayed by 28091 ms.\n"},
    {"listening for 6-bit tokens",
     [](auto& c) {
         int t = 0;
         return c.ReceiveToken(6, 1, 500, t);
     },
     "Could not receive token with 6 bits, rejection 1, timeout 500 ms.\n"},
    {"rejection 3",
     [](auto& c) {
         int t = 0;
         return c.ReceiveToken(8, 3, 0, t);
     },
     "Could not receive token with 8 bits, rejection 3, timeout 0 ms.\n"},
    {"listening 28091 ms",
     [](auto& c) {
         int t = 0;
         return c.ReceiveToken(4, 0, 28091, t);
     },
     "Could not receive token with 4 bits, rejection 0, timeout 28091 ms.\n"},
    // Pins and lip-sync.
    {"output pin 7", [](auto& c) { return c.SetPinOutput(7, 1); },
     "Could not query output pin 7.\n"},
    {"output in an input mode", [](auto& c) { return c.SetPinOutput(3, 2); },
     "Could not query output pin 3.\n"},
    {"input pin 0",
     [](auto& c) {
         int level = 0;
         return c.QueryPinInput(0, 2, level);
     },
     "Could not query input pin 0.\n"},
    {"input in an output mode",
     [](auto& c) {
         int level = 0;
         return c.QueryPinInput(3, 1, level);
     },
     "Could not query input pin 3.\n"},
    {"lip-sync threshold 1024", [](auto& c) { return StartLipsync(c, 1024, 20); },
     "Could not start real-time lipsync with threshold 1024 and timeout 20.\n"},
    {"lip-sync time-out 256", [](auto& c) { return StartLipsync(c, 100, 256); },
     "Could not start real-time lipsync with threshold 100 and timeout 256.\n"},
    {"lip-sync threshold -1", [](auto& c) { return StartLipsync(c, -1, 20); },
     "Could not start real-time lipsync with threshold -1 and timeout 20.\n"},
    // Settings.
    {"knob -1 (microphone distance)", [](auto& c) { return c.SetKnob(-1); },
     "Could not set confidence knob.\n"},
    {"microphone distance 32", [](auto& c) { return c.SetMicDistance(32); },
     "Could not set microphone distance.\n"},
    {"level -1 (memory check)", [](auto& c) { return c.SetLevel(-1); },
     "Could not set strictness level.\n"},
    {"trailing silence 32", [](auto& c) { return c.SetTrailingSilence(32); },
     "Could not set trailing silence.\n"},
    {"fast recognition -1", [](auto& c) { return c.SetFastRecognition(-1); },
     "Could not set fast recognition.\n"},
    {"language 6", [](auto& c) { return c.SetLanguage(6); }, "Could not set language.\n"},
    {"language -1 (lip-sync)", [](auto& c) { return c.SetLanguage(-1); },
     "Could not set language.\n"},
    {"time-out 32 s", [](auto& c) { return c.SetTimeout(32); }, "Could not set timeout.\n"},
    {"time-out -2 s", [](auto& c) { return c.SetTimeout(-2); }, "Could not set timeout.\n"},
    {"reset kind -1 (recording)", [](auto& c) { return c.ResetMemory(-1); },
     "Could not reset all memory.\n"},
    {"reset kind 0", [](auto& c) { return c.ResetMemory(0); }, "Could not reset all memory.\n"},
    {"reply delay -1 ms", [](auto& c) { return c.Link().SetReplyDelay(-1); },
     "Could not set reply delay.\n"},
    {"reply delay 1400 ms", [](auto& c) { return c.Link().SetReplyDelay(1400); },
     "Could not set reply delay.\n"},
};

class RefusedValuesTest : public ControllerFixture {
  protected:
    void SetUp() override { ConnectDirect(); }
};

TEST_F(RefusedValuesTest, OutOfRangeValuesAreReportedAndNothingIsSent) {
    for (const auto& c : kRefused) {
        SCOPED_TRACE(c.what);
        direct.calls.clear();
        front.Clear();
        // A status the module would give, so that a command that went out would succeed.
        direct.statuses = {'o'};
        controller.Link().SetFailure({});
        EXPECT_FALSE(c.call(controller));
        EXPECT_EQ(controller.Link().Failure(), Status::InvalidParameter);
        EXPECT_THAT(front.Messages(),
                    ElementsAre(ShownMessage{
                        std::string(c.failure) + "\n\nThe parameter is incorrect.", "Error", 16}));
        EXPECT_THAT(direct.calls, IsEmpty());  // not even a purge
        EXPECT_THAT(front.PromptEvents(), IsEmpty());
    }
}

// The last value each range allows still goes out, as the framing gives it.
TEST_F(RefusedValuesTest, ValuesAtTheEdgesOfTheirRangesAreSent) {
    struct Case {
        const char* what;
        Call call;
        const char* sent;
    };
    const Case cases[] = {
        {"password group, command 31",
         [](auto& c) {
             std::string label = "A";
             return c.RenameCommand(16, 31, label);
         },
         "send:n[16,31,1,0]"},
        {"grammar 31",
         [](auto& c) {
             int n = 0;
             return c.ReadGrammarWordCount(31, n);
         },
         "send:z[31]"},
        {"wordset 31",
         [](auto& c) {
             std::int32_t r = 0;
             return c.RecognizeWord(31, r);
         },
         "send:i[31]"},
        {"sound 1023 at volume 527", [](auto& c) { return c.PlaySound(1023, 527); },
         "send:w[31,31,31]"},
        {"tone 15 for 1319 ms", [](auto& c) { return c.PlayTone(15, 1319); }, "send:w[-1,15,31]"},
        {"dial tone of 32 steps", [](auto& c) { return c.PlayTone(-1, 32); }, "send:w[-1,-1,31]"},
        {"token 255 delayed 28090 ms", [](auto& c) { return c.SendToken(8, 255, 28090); },
         "send:j[8,7,31,31,31]"},
        {"pin 6 high", [](auto& c) { return c.SetPinOutput(6, 1); }, "send:q[6,1]"},
        {"language 5", [](auto& c) { return c.SetLanguage(5); }, "send:l[5]"},
        {"time-out -1", [](auto& c) { return c.SetTimeout(-1); }, "send:o[-1]"},
        {"reply delay 1399 ms", [](auto& c) { return c.Link().SetReplyDelay(1399); }, "send:y[31]"},
    };
    for (const auto& c : cases) {
        Reconnect();
        SCOPED_TRACE(c.what);
        direct.calls.clear();
        direct.statuses = {std::nullopt};
        c.call(controller);
        EXPECT_THAT(direct.calls, Contains(c.sent));
    }
}

using LinkRefusalTest = WireFixture;

// The link itself refuses a command with a value it cannot carry, whole: not
// even the bytes before the bad value go out.
TEST_F(LinkRefusalTest, DirectLinkSendsNothingOfACommandWithAnUncarriableValue) {
    PtyResponder device(ScriptedAnswers(ConnectionScript()));
    ConnectTo(device);
    VoiceProxy& link = *controller.Link().CurrentProxy();
    for (const std::vector<std::int32_t>& args :
         {std::vector<std::int32_t>{32}, {3, -2}, {-1, 5, 1000}}) {
        const LinkResult sent = link.SendCommand('p', args);
        EXPECT_FALSE(sent);
        EXPECT_EQ(sent.reason, Status::InvalidParameter);
    }
    // A whole exchange afterwards: its bytes are the first the module sees.
    int id = 0;
    ASSERT_TRUE(controller.ReadVersionId(id));
    EXPECT_EQ(device.ReceivedText(), "x ");
}

}  // namespace
}  // namespace parlix::test
