// Connecting, control mode and the one report format.
#include "module/ControllerFixture.h"
#include "support/StatusCodes.h"

#include <gmock/gmock.h>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;

using ConnectionTest = ControllerFixture;

TEST_F(ConnectionTest, TriesEveryLinkInOrderAndClosesEachThatFindsNothing) {
    UseFakes();
    EXPECT_FALSE(controller.Link().Connect());
    EXPECT_THAT(log,
                ElementsAre("robo:open:COM3", "robo:detect", "robo:close", "direct:open:COM3",
                            "direct:detect", "direct:close", "shield:open:COM3", "shield:detect",
                            "shield:close", "stamp:open:COM3", "stamp:detect", "stamp:close"));
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{"Could not detect device connected to port \"COM3\".\n",
                                         "Error", 16}));
    EXPECT_FALSE(controller.Link().IsConnected());
}

TEST_F(ConnectionTest, PortThatCannotBeOpenedStopsTheSearchWithTheSystemReason) {
    UseFakes();
    robo.openResult = false;
    robo.openError = ErrnoCode(ENOENT);
    EXPECT_FALSE(controller.Link().Connect());
    EXPECT_THAT(log, ElementsAre("robo:open:COM3", "robo:close"));
    EXPECT_THAT(
        front.Messages(),
        ElementsAre(ShownMessage{
            "Could not open the port \"COM3\".\n\n\n" + ErrnoCode(ENOENT).message(), "Error", 16}));
    EXPECT_FALSE(controller.Link().IsConnected());
}

TEST_F(ConnectionTest, AnnouncesTheDetectedModuleWithItsRevision) {
    UseFakes();
    direct.detectResult = true;
    EXPECT_TRUE(controller.Link().Connect());
    EXPECT_THAT(front.StatusTexts(),
                ElementsAre("Detected Parlix on COM3...", "Connected to Parlix (Rev 2) on COM3"));
    EXPECT_TRUE(front.Messages().empty());
    EXPECT_EQ(controller.Link().CurrentProxy(), &direct);
    EXPECT_THAT(log, ElementsAre("robo:open:COM3", "robo:detect", "robo:close", "direct:open:COM3",
                                 "direct:detect", "direct:connect"));
}

TEST_F(ConnectionTest, DisplayNameWithoutDetailIsTheBareName) {
    UseFakes();
    direct.detectResult = true;
    direct.deviceDetail.clear();
    EXPECT_TRUE(controller.Link().Connect());
    EXPECT_EQ(front.StatusTexts().back(), "Connected to Parlix on COM3");
}

struct BridgeCase {
    const char* name;
    std::optional<std::string> bridgeFile;
    BoxAnswer answer;
    bool connected;
    std::vector<ShownMessage> messages;
    std::vector<std::string> calls;
};

class BridgeOfferTest : public ControllerFixture,
                        public ::testing::WithParamInterface<BridgeCase> {};

const char* kFoundNoAnswer =
    "A 'MRC3024' device has been found, but the \"bridge\" software is not responding or it is "
    "outdated.\n\n";

TEST_P(BridgeOfferTest, SilentBridgeIsOfferedAnUpdate) {
    const BridgeCase& c = GetParam();
    UseFakes();
    robo.detectResult = true;
    robo.connectResult = false;
    robo.deviceName = "MRC3024";
    robo.bridgeFile = c.bridgeFile;
    front.Answer({c.answer});
    EXPECT_EQ(controller.Link().Connect(), c.connected);
    EXPECT_EQ(front.Messages(), c.messages);
    EXPECT_EQ(robo.calls, c.calls);
    EXPECT_EQ(controller.Link().IsConnected(), c.connected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BridgeOfferTest,
    ::testing::Values(
        // No bridge file: the user is told to download it by hand, and the connection fails.
        BridgeCase{"NoBridgeFile",
                   std::nullopt,
                   BoxAnswer::Ok,
                   false,
                   {{std::string(kFoundNoAnswer) +
                         "You need to manually download the updated \"bridge\" software to the "
                         "device (see instructions).\n",
                     "Warning", 48},
                    {"Could not connect to device at port \"COM3\".\n\n\n" + kWaitTimeoutText,
                     "Error", 16}},
                   {"open:COM3", "detect", "connect", "close"}},
        // No: the connection goes on without an update.
        BridgeCase{"No",
                   "bridge.bin",
                   BoxAnswer::No,
                   true,
                   {{std::string(kFoundNoAnswer) +
                         "Do you want to download the updated \"bridge\" software to the device?",
                     "Confirmation", 35}},
                   {"open:COM3", "detect", "connect"}},
        // Cancel: the connection fails.
        BridgeCase{"Cancel",
                   "bridge.bin",
                   BoxAnswer::Cancel,
                   false,
                   {{std::string(kFoundNoAnswer) +
                         "Do you want to download the updated \"bridge\" software to the device?",
                     "Confirmation", 35},
                    {"Could not connect to device at port \"COM3\".\n\n\n" + kWaitTimeoutText,
                     "Error", 16}},
                   {"open:COM3", "detect", "connect", "close"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ConnectionTest, YesDownloadsTheBridgeFromTheDataFolder) {
    UseFakes();
    robo.detectResult = true;
    robo.connectResult = false;
    robo.bridgeFile = "bridge.bin";
    front.Answer({BoxAnswer::Yes});
    EXPECT_TRUE(controller.Link().Connect());
    EXPECT_EQ(robo.calls.back(), "update:" + dir.File("bin/data/bridge.bin"));
}

TEST_F(ConnectionTest, DisconnectClosesTheLinkAndSaysSo) {
    ConnectDirect();
    controller.Link().Disconnect();
    EXPECT_THAT(direct.calls, ElementsAre("close"));
    EXPECT_THAT(front.StatusTexts(), ElementsAre("Disconnected"));
    EXPECT_FALSE(controller.Link().IsConnected());
}

TEST_F(ConnectionTest, FailedCloseIsAWarning) {
    ConnectDirect();
    direct.closeResult = false;
    direct.closeError = ParlixCode(6);
    controller.Link().Disconnect();
    ASSERT_EQ(front.Messages().size(), 1u);
    EXPECT_EQ(front.Messages()[0].title, "Warning");
    EXPECT_EQ(front.Messages()[0].style, 48u);
    EXPECT_EQ(front.Messages()[0].text.rfind("Error while closing the port \"COM3\".\n\n\n", 0),
              0u);
    EXPECT_FALSE(controller.Link().IsConnected());
}

TEST_F(ConnectionTest, ControlModeFailuresAreReportedWithTheirSeverity) {
    ConnectDirect();
    direct.controlModeResult = false;
    EXPECT_FALSE(controller.Link().EnterControlMode());
    EXPECT_FALSE(controller.Link().LeaveControlMode());
    EXPECT_THAT(
        front.Messages(),
        ElementsAre(
            ShownMessage{"Could not enter control mode.\n\n\n" + kTimeoutText, "Error", 16},
            ShownMessage{"Could not leave control mode.\n\n\n" + kTimeoutText, "Warning", 48}));
    EXPECT_THAT(direct.calls, ElementsAre("purge", "enter", "purge", "leave"));
}

TEST_F(ConnectionTest, CommandWithoutConnectionIsALinkFailure) {
    int id = -5;
    EXPECT_FALSE(controller.ReadVersionId(id));
    EXPECT_EQ(id, -5);
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{"Could not read version ID.\n\n\n" + kInvalidHandleText,
                                         "Error", 16}));
}

TEST_F(ConnectionTest, ReportErrorTitlesFollowTheIcon) {
    struct Case {
        BoxIcon icon;
        unsigned style;
        const char* title;
    };
    for (const Case c : {Case{BoxIcon::Error, 16, "Error"}, Case{BoxIcon::Warning, 48, "Warning"},
                         Case{BoxIcon::Information, 64, "Information"},
                         // Other styles keep the last title.
                         Case{BoxIcon::None, 0, "Information"}}) {
        controller.SetErrorText("text\n");
        controller.ReportError(SystemText::Omit, c.icon);
        EXPECT_EQ(front.Messages().back(), (ShownMessage{"text\n", c.title, c.style}));
    }
}

TEST_F(ConnectionTest, BusyPromptTellsTheLinkOnlyWhenAsked) {
    ConnectDirect();
    controller.Link().SetBusyPrompt("Speak now...", true);
    controller.Link().SetBusyPrompt(std::nullopt, true);
    controller.Link().SetBusyPrompt("Fixing memory...\n", false);
    controller.Link().SetBusyPrompt(std::nullopt, false);
    EXPECT_THAT(direct.calls, ElementsAre("busy:on", "busy:off"));
    EXPECT_THAT(front.PromptEvents(), ElementsAre("Speak now...", "-", "Fixing memory...\n", "-"));
}

}  // namespace
}  // namespace parlix::test
