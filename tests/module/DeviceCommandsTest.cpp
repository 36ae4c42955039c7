// Sounds, tones, audio tokens, pins and lip-sync: what goes to the module,
// how long each answer is awaited, and how each outcome is reported.
#include "module/ControllerFixture.h"
#include "support/ModuleAnswers.h"
#include "support/StatusCodes.h"
#include "support/WaitUntil.h"

#include <gmock/gmock.h>

#include <atomic>
#include <functional>
#include <future>
#include <memory>

namespace parlix::test {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct CommandCase {
    const char* name;
    std::function<bool(ModuleController&)> call;
    std::string sent;  // the send entry of the fake link
    int tenths;        // the status wait
    std::uint8_t accepted;
    std::deque<std::optional<std::int32_t>> arguments;  // of the accepted status
    std::string sendText;
    std::string noReplyText;
    bool withArguments;  // the unexpected text mentions invalid arguments
};

// The lip-sync keeps the lock in every outcome; these cases end it at once.
bool StartAndEndLipsync(ModuleController& c, int threshold, int timeout) {
    const bool ok = c.StartLipsync(threshold, timeout);
    c.EndLipsync();
    return ok;
}

const CommandCase kCommands[] = {
    {"PlaySound",
     [](ModuleController& c) { return c.PlaySound(37, 256); },
     "send:w[1,5,15]",
     100,
     'o',
     {},
     "Could not play sentence 37.\n",
     "No reply while playing sentence 37.\n",
     false},
    {"PlayTone",
     [](ModuleController& c) { return c.PlayTone(5, 200); },
     "send:w[-1,5,4]",
     100,
     'o',
     {},
     "Could not play tone 5.\n",
     "No reply while playing tone 5.\n",
     false},
    {"SendToken",
     [](ModuleController& c) { return c.SendToken(8, 5, 0); },
     "send:j[8,0,5,0,0]",
     17,
     'o',
     {},
     "Could not send token 5 with 8 bits, delayed by 0 ms.\n",
     "No reply while sending token 5 with 8 bits, delayed by 0 ms.\n",
     false},
    {"SetPinOutput",
     [](ModuleController& c) { return c.SetPinOutput(3, 1); },
     "send:q[3,1]",
     100,
     'o',
     {},
     "Could not query output pin 3.\n",
     "No reply while querying output pin 3.\n",
     false},
    {"QueryPinInput",
     [](ModuleController& c) {
         int level = -1;
         return c.QueryPinInput(2, 4, level);
     },
     "send:q[2,4]",
     100,
     'p',
     {1},
     "Could not query input pin 2.\n",
     "No reply while querying input pin 2.\n",
     true},
    {"StartLipsync",
     [](ModuleController& c) { return StartAndEndLipsync(c, 100, 20); },
     "send:l[-1,3,4,1,4]",
     100,
     'l',
     {},
     "Could not start real-time lipsync with threshold 100 and timeout 20.\n",
     "No reply to real-time lipsync with threshold 100 and timeout 20.\n",
     false},
};

class DeviceCommandTest : public ControllerFixture,
                          public ::testing::WithParamInterface<CommandCase> {};

TEST_P(DeviceCommandTest, AcceptedStatusSucceedsSilently) {
    const CommandCase& c = GetParam();
    ConnectDirect();
    direct.statuses = {c.accepted};
    direct.arguments = c.arguments;
    EXPECT_TRUE(c.call(controller));
    std::vector<std::string> expected = {"purge", c.sent};
    if (!c.arguments.empty()) expected.push_back("fetch:" + std::to_string(c.arguments.size()));
    EXPECT_EQ(direct.calls, expected);
    EXPECT_THAT(direct.statusTimeouts, ElementsAre(c.tenths));
    EXPECT_THAT(front.Messages(), IsEmpty());
    EXPECT_THAT(front.PromptEvents(), IsEmpty());
}

TEST_P(DeviceCommandTest, MissingStatusIsAWarningWithTheSystemText) {
    const CommandCase& c = GetParam();
    ConnectDirect();
    EXPECT_FALSE(c.call(controller));
    EXPECT_THAT(front.Messages(), ElementsAre(ShownMessage{
                                      c.noReplyText + "\n\n" + kWaitTimeoutText, "Warning", 48}));
}

TEST_P(DeviceCommandTest, OtherStatusIsUnexpected) {
    const CommandCase& c = GetParam();
    ConnectDirect();
    direct.statuses = {'e'};
    EXPECT_FALSE(c.call(controller));
    const std::string text = c.withArguments ? "Unexpected reply (0x65) or invalid arguments.\n"
                                             : "Unexpected reply (0x65).\n";
    EXPECT_THAT(front.Messages(), ElementsAre(ShownMessage{text, "Error", 16}));
    EXPECT_THAT(direct.calls, ElementsAre("purge", c.sent));  // nothing fetched
}

TEST_P(DeviceCommandTest, UnsentCommandIsAnError) {
    const CommandCase& c = GetParam();
    EXPECT_FALSE(c.call(controller));  // no link
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{c.sendText + "\n\n" + kInvalidHandleText, "Error", 16}));
}

INSTANTIATE_TEST_SUITE_P(Commands, DeviceCommandTest, ::testing::ValuesIn(kCommands),
                         [](const auto& param) { return std::string(param.param.name); });

using DeviceCommandsTest = ControllerFixture;

// Wide values travel as n / 32 and the remainder, truncated toward zero;
// lip-sync values are cut to their fields by shifts and masks.
TEST_F(DeviceCommandsTest, ArgumentsSplitAndEncodeTheValues) {
    struct Case {
        std::function<bool(ModuleController&)> call;
        const char* sent;
    };
    const Case cases[] = {
        {[](ModuleController& c) { return c.PlaySound(0, 256); }, "send:w[0,0,15]"},
        {[](ModuleController& c) { return c.PlaySound(64, 128); }, "send:w[2,0,7]"},
        {[](ModuleController& c) { return c.PlayTone(-1, 3); }, "send:w[-1,-1,2]"},
        {[](ModuleController& c) { return c.PlayTone(15, 79); }, "send:w[-1,15,0]"},
        {[](ModuleController& c) { return c.SendToken(4, 15, 0); }, "send:j[4,0,15,0,0]"},
        {[](ModuleController& c) { return c.SendToken(8, 255, 0); }, "send:j[8,7,31,0,0]"},
        {[](ModuleController& c) { return StartAndEndLipsync(c, 1023, 255); },
         "send:l[-1,31,31,15,15]"},
    };
    ConnectDirect();
    for (const Case& c : cases) {
        Reconnect();
        direct.calls.clear();
        direct.statuses = {std::nullopt};
        c.call(controller);
        EXPECT_THAT(direct.calls, ElementsAre("purge", c.sent));
    }
}

// Token times go in units of 24576/895 ms, rounded, at least one when positive.
TEST_F(DeviceCommandsTest, TokenDelayTravelsInUnits) {
    struct Case {
        int ms;
        const char* units;  // the last two arguments
    };
    ConnectDirect();
    for (const Case c :
         {Case{0, "0,0"}, Case{1, "0,1"}, Case{10, "0,1"}, Case{41, "0,1"}, Case{42, "0,2"},
          Case{100, "0,4"}, Case{1000, "1,4"}, Case{20000, "22,24"}}) {
        direct.calls.clear();
        direct.statuses = {'o'};
        EXPECT_TRUE(controller.SendToken(8, 5, c.ms));
        EXPECT_THAT(direct.calls,
                    ElementsAre("purge", std::string("send:j[8,0,5,") + c.units + "]"))
            << c.ms;
    }
}

TEST_F(DeviceCommandsTest, TokenSendingWaitsByItsLength) {
    ConnectDirect();
    direct.statuses = {'o', 'o'};
    EXPECT_TRUE(controller.SendToken(4, 1, 0));
    EXPECT_TRUE(controller.SendToken(8, 1, 0));
    EXPECT_THAT(direct.statusTimeouts, ElementsAre(11, 17));
}

TEST_F(DeviceCommandsTest, PinInputLevelIsTheReplyArgument) {
    ConnectDirect();
    direct.statuses = {'p', 'p'};
    direct.arguments = {1, std::nullopt};
    int level = -1;
    EXPECT_TRUE(controller.QueryPinInput(4, 3, level));
    EXPECT_EQ(level, 1);
    level = 7;
    EXPECT_FALSE(controller.QueryPinInput(4, 3, level));
    EXPECT_EQ(level, 7);
    EXPECT_THAT(
        front.Messages(),
        ElementsAre(ShownMessage{"Unexpected reply (0x70) or invalid arguments.\n", "Error", 16}));
}

struct TokenCase {
    const char* name;
    int timeoutMs;
    std::deque<std::optional<std::uint8_t>> statuses;
    std::deque<std::optional<std::int32_t>> arguments;
    bool result;
    int token;  // 99: left alone
    std::vector<std::string> calls;
    std::vector<int> waits;
    std::vector<std::string> prompts;
    std::vector<ShownMessage> messages;
};

class ReceiveTokenTest : public ControllerFixture,
                         public ::testing::WithParamInterface<TokenCase> {};

TEST_P(ReceiveTokenTest, ListensPollsOrStarts) {
    const TokenCase& c = GetParam();
    ConnectDirect();
    direct.statuses = c.statuses;
    direct.arguments = c.arguments;
    int token = 99;
    EXPECT_EQ(controller.ReceiveToken(8, 2, c.timeoutMs, token), c.result);
    EXPECT_EQ(token, c.token);
    EXPECT_EQ(direct.calls, c.calls);
    EXPECT_EQ(direct.statusTimeouts, c.waits);
    EXPECT_EQ(front.PromptEvents(), c.prompts);
    EXPECT_EQ(front.Messages(), c.messages);
}

const std::vector<std::string> kListen = {"purge", "send:f[8,2,3,13]", "busy:on", "busy:off"};
const std::vector<std::string> kListening = {"Listening...", "-"};

INSTANTIATE_TEST_SUITE_P(
    Modes, ReceiveTokenTest,
    ::testing::Values(
        // 3000 ms are 109 units, awaited 30 + 10 tenths behind the prompt.
        TokenCase{"Heard",
                  3000,
                  {'f'},
                  {1, 7},
                  true,
                  39,
                  {"purge", "send:f[8,2,3,13]", "busy:on", "busy:off", "fetch:2"},
                  {40},
                  kListening,
                  {}},
        TokenCase{"ModuleTimedOut",
                  3000,
                  {'t'},
                  {},
                  true,
                  -1,
                  kListen,
                  {40},
                  kListening,
                  {{"Timeout expired.\n", "Information", 64}}},
        TokenCase{
            "NoReply",
            3000,
            {std::nullopt},
            {},
            false,
            99,
            kListen,
            {40},
            kListening,
            {{"No reply while receiving token with 8 bits, rejection 2, timeout 3000 ms.\n\n\n" +
                  kWaitTimeoutText,
              "Warning", 48}}},
        TokenCase{"OtherStatus",
                  3000,
                  {'o'},
                  {},
                  false,
                  99,
                  kListen,
                  {40},
                  kListening,
                  {{"Unexpected reply (0x6F) or invalid arguments.\n", "Error", 16}}},
        TokenCase{"MissingArgument",
                  3000,
                  {'f'},
                  {3, std::nullopt},
                  false,
                  99,
                  {"purge", "send:f[8,2,3,13]", "busy:on", "busy:off", "fetch:2"},
                  {40},
                  kListening,
                  {{"Unexpected reply (0x66) or invalid arguments.\n", "Error", 16}}},
        TokenCase{"StartsContinuousListening",
                  0,
                  {'f'},
                  {},
                  true,
                  99,
                  {"purge", "send:f[8,2,0,0]"},
                  {},
                  {},
                  {}},
        TokenCase{"PollFindsNothingYet", -1, {}, {}, false, 99, {}, {0}, {}, {}},
        TokenCase{"PollFindsAToken", -1, {'f'}, {7, 31}, true, 255, {"fetch:2"}, {0}, {}, {}},
        TokenCase{"PollFindsTheTimeOut",
                  -1,
                  {'t'},
                  {},
                  true,
                  -1,
                  {},
                  {0},
                  {},
                  {{"Timeout expired.\n", "Information", 64}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(DeviceCommandsTest, UnsentTokenListeningIsAnErrorWithoutPrompt) {
    int token = 99;
    EXPECT_FALSE(controller.ReceiveToken(4, 1, 500, token));
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{
                    "Could not receive token with 4 bits, rejection 1, timeout 500 ms.\n\n\n" +
                        kInvalidHandleText,
                    "Error", 16}));
    EXPECT_THAT(front.PromptEvents(), IsEmpty());
}

// The running lip-sync owns the controller lock until EndLipsync; another
// thread gets the module only afterwards.
TEST_F(DeviceCommandsTest, LipsyncKeepsTheLockInEveryOutcome) {
    ConnectDirect();
    for (const std::optional<std::uint8_t> status :
         {std::optional<std::uint8_t>('l'), std::optional<std::uint8_t>('x'),
          std::optional<std::uint8_t>()}) {
        direct.statuses = {status};
        controller.StartLipsync(100, 20);
        std::atomic<bool> taken = false;
        auto other = std::async(std::launch::async, [&] {
            controller.Link().Lock();
            taken = true;
            controller.Link().Unlock();
        });
        EXPECT_EQ(other.wait_for(100ms), std::future_status::timeout);
        EXPECT_FALSE(taken);
        controller.EndLipsync();  // one release balances the start
        ASSERT_EQ(other.wait_for(10s), std::future_status::ready);
        EXPECT_TRUE(taken);
    }
}

// A link that leaves a reply byte that is no argument in the buffer, as the
// lip-sync stream needs to see the module's end of stream.
class StreamLink : public FakeProxy {
  public:
    using FakeProxy::FakeProxy;
    std::optional<std::int32_t> leftByte;
    LinkResult DoReceiveArguments(std::span<std::int32_t> values) override {
        if (!leftByte) return FakeProxy::DoReceiveArguments(values);
        calls.push_back("fetch:" + std::to_string(values.size()));
        values[0] = *leftByte;
        return LinkResult::WithoutLine(false);
    }
};

struct LipsyncValueCase {
    const char* name;
    std::optional<std::int32_t> argument;  // none: no reply
    std::optional<std::int32_t> leftByte;
    bool result;
    int value;
    std::vector<ShownMessage> messages;
};

class LipsyncValueTest : public ControllerFixture,
                         public ::testing::WithParamInterface<LipsyncValueCase> {
  protected:
    StreamLink link{"stream"};
};

TEST_P(LipsyncValueTest, FetchesOneValueWithoutTakingTheLine) {
    const LipsyncValueCase& c = GetParam();
    link.detectResult = true;
    controller.Link().SetTryOrder({&link, &link, &link, &link});
    ASSERT_TRUE(controller.Link().Connect());
    link.calls.clear();
    link.arguments = {c.argument};
    link.leftByte = c.leftByte;
    int value = 99;
    EXPECT_EQ(controller.ReadLipsyncValue(value), c.result);
    EXPECT_EQ(value, c.value);
    EXPECT_THAT(link.calls, ElementsAre("fetch:1"));  // no purge, no command
    EXPECT_EQ(front.Messages(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, LipsyncValueTest,
    ::testing::Values(LipsyncValueCase{"Level", 17, std::nullopt, true, 17, {}},
                      LipsyncValueCase{"NothingNew", std::nullopt, std::nullopt, true, -2, {}},
                      LipsyncValueCase{"ModuleTimedOut", std::nullopt, 't', false, -2, {}},
                      LipsyncValueCase{"Interrupted", std::nullopt, 'i', false, -2, {}},
                      LipsyncValueCase{"OtherByte",
                                       std::nullopt,
                                       'x',
                                       false,
                                       -2,
                                       {{"Unexpected reply (0x78).\n", "Error", 16}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(DeviceCommandsTest, LipsyncValueWithoutLinkEndsTheStream) {
    int value = 99;
    EXPECT_FALSE(controller.ReadLipsyncValue(value));
    EXPECT_EQ(value, -2);
    EXPECT_THAT(front.Messages(), IsEmpty());
}

// Answers one command: once the bytes since connecting spell it, the status
// (none: the module stays silent for now), then one reply byte for each
// argument request.
PtyResponder::Answer Answering(std::string command, std::optional<std::uint8_t> status,
                               std::string replies = {}) {
    auto got = std::make_shared<std::string>();
    auto next = std::make_shared<std::size_t>(0);
    return [=](std::uint8_t b) -> std::vector<std::uint8_t> {
        if (*got == command) {
            if (b != ' ' || *next >= replies.size()) return {};
            return {static_cast<std::uint8_t>(replies[(*next)++])};
        }
        *got += static_cast<char>(b);
        if (*got == command && status) return {*status};
        return {};
    };
}

// The same operations against a device on a pseudo-terminal, through the
// real direct link: the exact bytes on the wire.
class DeviceWireTest : public ControllerFixture {
  protected:
    void Connect() {
        settings.UseCurrentPort(device.Path());
        VoiceProxy* link = &controller.Link().Direct();
        controller.Link().SetTryOrder({link, link, link, link});
        ASSERT_TRUE(controller.Link().Connect());
    }
    PtyResponder device{ModuleAnswers('C')};
};

TEST_F(DeviceWireTest, CommandsGoOutAsTheModuleReadsThem) {
    struct Case {
        std::function<bool(ModuleController&)> call;
        std::string bytes;
        std::uint8_t status;
        std::string replies;
    };
    const Case cases[] = {
        {[](ModuleController& c) { return c.PlaySound(37, 256); }, "wBFP", 'o', ""},
        {[](ModuleController& c) { return c.PlayTone(5, 200); }, "w@FE", 'o', ""},
        {[](ModuleController& c) { return c.PlayTone(-1, 3); }, "w@@C", 'o', ""},
        {[](ModuleController& c) { return c.SendToken(8, 5, 0); }, "jIAFAA", 'o', ""},
        {[](ModuleController& c) { return c.SendToken(8, 5, 10); }, "jIAFAB", 'o', ""},
        {[](ModuleController& c) { return c.SendToken(8, 5, 100); }, "jIAFAE", 'o', ""},
        {[](ModuleController& c) { return c.SetPinOutput(1, 0); }, "qBA", 'o', ""},
        {[](ModuleController& c) {
             int level = -1;
             return c.QueryPinInput(6, 2, level) && level == 1;
         },
         "qGC", 'p', "B"},
        {[](ModuleController& c) {
             int token = -1;
             return c.ReceiveToken(8, 0, 1000, token) && token == 39;
         },
         "fIABE", 'f', "BH"},
        {[](ModuleController& c) {
             int value = -1;
             const bool ok = c.StartLipsync(100, 20) && c.ReadLipsyncValue(value) && value == 15;
             c.EndLipsync();
             return ok;
         },
         "l@DEBE", 'l', "P"},
    };
    Connect();
    for (const Case& c : cases) {
        device.SetAnswer(Answering(c.bytes, c.status, c.replies));
        device.Clear();
        EXPECT_TRUE(c.call(controller)) << c.bytes;
        EXPECT_EQ(device.ReceivedText(), c.bytes + std::string(c.replies.size(), ' ')) << c.bytes;
    }
    EXPECT_THAT(front.Messages(), IsEmpty());
}

// Continuous listening returns at once; polling sends nothing and finds the
// token once the module has heard one.
TEST_F(DeviceWireTest, ContinuousListeningIsPolledWithoutSending) {
    Connect();
    device.SetAnswer(Answering("fEAAA", std::nullopt, "AF"));
    device.Clear();
    int token = -1;
    EXPECT_TRUE(controller.ReceiveToken(4, 0, 0, token));
    EXPECT_FALSE(controller.ReceiveToken(4, 0, -1, token));
    device.Send({'f'});
    EXPECT_TRUE(WaitUntil([&] { return controller.ReceiveToken(4, 0, -1, token); }));
    EXPECT_EQ(token, 5);
    EXPECT_EQ(device.ReceivedText(), "fEAAA  ");
    EXPECT_THAT(front.Messages(), IsEmpty());
}

}  // namespace
}  // namespace parlix::test
