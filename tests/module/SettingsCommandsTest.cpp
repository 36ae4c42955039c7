// Recognition settings, language, module time-out and memory reset.
#include "module/ControllerFixture.h"
#include "support/StatusCodes.h"

#include <gmock/gmock.h>

#include <functional>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct SettingCase {
    const char* name;
    std::function<bool(ModuleController&)> call;
    std::string sent;
    int tenths;
    std::string failText;
    std::vector<std::string> prompts;
};

const std::vector<std::string> kErasing = {"Erasing memory...\n", "-"};

const SettingCase kSettings[] = {
    {"SetKnob",
     [](ModuleController& c) { return c.SetKnob(4); },
     "send:k[4]",
     30,
     "Could not set confidence knob.\n",
     {}},
    {"SetMicDistance",
     [](ModuleController& c) { return c.SetMicDistance(2); },
     "send:k[-1,2]",
     30,
     "Could not set microphone distance.\n",
     {}},
    {"SetLevel",
     [](ModuleController& c) { return c.SetLevel(3); },
     "send:v[3]",
     30,
     "Could not set strictness level.\n",
     {}},
    {"SetTrailingSilence",
     [](ModuleController& c) { return c.SetTrailingSilence(7); },
     "send:t[-1,7]",
     30,
     "Could not set trailing silence.\n",
     {}},
    {"SetFastRecognition",
     [](ModuleController& c) { return c.SetFastRecognition(1); },
     "send:f[-1,1]",
     30,
     "Could not set fast recognition.\n",
     {}},
    {"SetTimeout",
     [](ModuleController& c) { return c.SetTimeout(5); },
     "send:o[5]",
     30,
     "Could not set timeout.\n",
     {}},
    {"ResetMemory", [](ModuleController& c) { return c.ResetMemory(kResetMessages); }, "send:r[12]",
     400, "Could not reset all memory.\n", kErasing},
};

class SettingTest : public ControllerFixture, public ::testing::WithParamInterface<SettingCase> {};

TEST_P(SettingTest, AcceptedStatusSucceedsSilently) {
    const SettingCase& c = GetParam();
    ConnectDirect();
    direct.statuses = {'o'};
    EXPECT_TRUE(c.call(controller));
    EXPECT_THAT(direct.calls, ElementsAre("purge", c.sent));  // the link is never told of a prompt
    EXPECT_THAT(direct.statusTimeouts, ElementsAre(c.tenths));
    EXPECT_THAT(front.Messages(), IsEmpty());
    EXPECT_EQ(front.PromptEvents(), c.prompts);
}

// No command of these has a text for a missing status: it is an error.
TEST_P(SettingTest, MissingStatusIsAnErrorWithTheSystemText) {
    const SettingCase& c = GetParam();
    ConnectDirect();
    EXPECT_FALSE(c.call(controller));
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{c.failText + "\n\n" + kWaitTimeoutText, "Error", 16}));
    EXPECT_EQ(front.PromptEvents(), c.prompts);
}

TEST_P(SettingTest, OtherStatusIsUnexpected) {
    const SettingCase& c = GetParam();
    ConnectDirect();
    direct.statuses = {'e'};
    EXPECT_FALSE(c.call(controller));
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{"Unexpected reply (0x65).\n", "Error", 16}));
}

TEST_P(SettingTest, UnsentCommandIsAnError) {
    const SettingCase& c = GetParam();
    EXPECT_FALSE(c.call(controller));
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{c.failText + "\n\n" + kInvalidHandleText, "Error", 16}));
}

INSTANTIATE_TEST_SUITE_P(Commands, SettingTest, ::testing::ValuesIn(kSettings),
                         [](const auto& param) { return std::string(param.param.name); });

using SettingsCommandsTest = ControllerFixture;

// Listening commands wait as long as the module listens.
TEST_F(SettingsCommandsTest, AcceptedTimeOutBecomesTheRecognitionWait) {
    struct Case {
        int seconds;
        std::optional<std::uint8_t> status;
        int wait;
    };
    ConnectDirect();
    for (const Case c : {Case{5, 'o', 50}, Case{-1, 'o', -10}, Case{12, 'o', 120},
                         Case{9, 'e', 120}, Case{9, std::nullopt, 120}, Case{0, 'o', 0}}) {
        Reconnect();
        direct.statuses = {c.status};
        controller.SetTimeout(c.seconds);
        EXPECT_EQ(controller.RecognitionWait(), c.wait) << c.seconds;
    }
}

TEST_F(SettingsCommandsTest, AcceptedLanguageIsKeptByTheLink) {
    ConnectDirect();
    direct.statuses = {'o', 'e'};
    EXPECT_TRUE(controller.SetLanguage(3));
    EXPECT_FALSE(controller.SetLanguage(5));  // refused: not kept
    EXPECT_THAT(direct.calls,
                ElementsAre("purge", "send:l[3]", "save-language:3", "purge", "send:l[5]"));
    EXPECT_EQ(direct.language, 3);
}

// A link that cannot keep the language.
class ForgetfulLink : public FakeProxy {
  public:
    using FakeProxy::FakeProxy;
    LinkResult DoSaveLanguage(int) override { return LinkResult::Fail(ParlixCode(20)); }
};

TEST_F(SettingsCommandsTest, LanguageThatCannotBeKeptIsAnError) {
    ForgetfulLink link{"forgetful"};
    link.detectResult = true;
    controller.Link().SetTryOrder({&link, &link, &link, &link});
    ASSERT_TRUE(controller.Link().Connect());
    link.statuses = {'o'};
    EXPECT_FALSE(controller.SetLanguage(1));
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{
                    "Could not save language permanently.\n\n\n" + kUnsupportedText, "Error", 16}));
    controller.Link().Disconnect();
}

}  // namespace
}  // namespace parlix::test
