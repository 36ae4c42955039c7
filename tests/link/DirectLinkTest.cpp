// The direct link against a device on a pseudo-terminal that answers from a
// script: detection, replies and the operations that need no module.
#include "app/AppSettings.h"
#include "link/DirectProxy.h"
#include "support/ModuleAnswers.h"
#include "support/StatusCodes.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <memory>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;

class DirectLinkTest : public ::testing::Test {
  protected:
    void Open(PtyResponder& device) {
        ASSERT_TRUE(proxy.OpenLink(device.Path()));
        device.Clear();
    }
    TempDir dir;
    AppSettings settings{dir.File("parlix-desk"), dir.File("Settings.ini")};
    DirectProxy proxy{settings};
};

TEST_F(DirectLinkTest, DetectionNamesTheModelAndRevision) {
    struct Case {
        std::uint8_t identity;
        const char* name;
        const char* detail;
    };
    for (const Case c :
         {Case{'A', "Zorin", "Rev 0"}, Case{'C', "Parlix", "Rev 2"}, Case{'H', "Parlix", "Rev 7"},
          Case{'I', "Parlix 3", "Rev 0"}, Case{'J', "Parlix 3", "Rev 1"}}) {
        PtyResponder device(ModuleAnswers(c.identity));
        Open(device);
        EXPECT_TRUE(proxy.Detect());
        EXPECT_EQ(proxy.GetDeviceName(), c.name);
        EXPECT_EQ(proxy.GetDeviceDetail(), c.detail);
        EXPECT_EQ(device.ReceivedText(), "bbbx ");
        EXPECT_EQ(proxy.Port().ReadTimeout(), 1000);
        proxy.CloseLink();
    }
}

TEST_F(DirectLinkTest, FirstQueryAnsweredLateIsRetriedOnce) {
    int calls = 0;
    auto answers = ModuleAnswers('C');
    PtyResponder device([&](std::uint8_t b) -> std::vector<std::uint8_t> {
        if (b == 'b' && calls++ == 0) return {};  // the first 'b' is lost
        return answers(b);
    });
    Open(device);
    EXPECT_TRUE(proxy.Detect());
    EXPECT_EQ(device.ReceivedText().substr(0, 4), "bbbb");
}

// A device that answers argument requests from its own list of bytes.
PtyResponder::Answer ArgumentReplies(std::vector<std::uint8_t> replies) {
    auto queue = std::make_shared<std::vector<std::uint8_t>>(std::move(replies));
    return [queue](std::uint8_t b) -> std::vector<std::uint8_t> {
        if (b != ' ' || queue->empty()) return {};
        const std::uint8_t r = queue->front();
        queue->erase(queue->begin());
        return {r};
    };
}

TEST_F(DirectLinkTest, ReceiveArgumentsDecodesAndStopsAtAnInvalidByte) {
    PtyResponder device(ArgumentReplies({'Q', '@'}));
    Open(device);
    std::int32_t values[2] = {};
    EXPECT_TRUE(proxy.ReceiveArguments(values));
    EXPECT_THAT(values, ElementsAre(16, -1));
    EXPECT_EQ(proxy.Port().WritePacing(), 2);

    device.SetAnswer(ArgumentReplies({'a', 'A'}));
    device.Clear();
    EXPECT_FALSE(proxy.ReceiveArguments(values));
    EXPECT_EQ(device.ReceivedText(), " ") << "no request after the invalid byte";
    EXPECT_EQ(values[0], 'a') << "the byte stays for a caller that reads a status there";
}

TEST_F(DirectLinkTest, ControlModeIsTwoQueries) {
    PtyResponder device(ModuleAnswers('C'));
    Open(device);
    EXPECT_TRUE(proxy.EnterControlMode());
    EXPECT_TRUE(proxy.LeaveControlMode());
    EXPECT_EQ(device.ReceivedText(), "bbbb");
    device.SetAnswer([](std::uint8_t) { return std::vector<std::uint8_t>{'e'}; });
    EXPECT_FALSE(proxy.EnterControlMode());
}

TEST_F(DirectLinkTest, LanguageIsKeptInTheSettingsFile) {
    std::uint8_t language = 9;
    EXPECT_TRUE(proxy.LoadLanguage(language));
    EXPECT_EQ(language, 0);
    EXPECT_TRUE(proxy.SaveLanguage(4));
    EXPECT_TRUE(proxy.LoadLanguage(language));
    EXPECT_EQ(language, 4);
    EXPECT_EQ(settings.Settings().ReadString("Settings", "LangVR", ""), "4");
}

TEST_F(DirectLinkTest, BridgeOperationsAreUnsupported) {
    const LinkResult updated = proxy.UpdateBridge("x", nullptr);
    EXPECT_FALSE(updated);
    EXPECT_EQ(updated.reason, ParlixCode(20));
    EXPECT_EQ(updated.reason->message(), kUnsupportedText);
    EXPECT_FALSE(proxy.GetBridgeFile().has_value());
    EXPECT_TRUE(proxy.GetTemplateName().empty());
}

TEST_F(DirectLinkTest, PortThatDoesNotExistFailsToOpenWithTheSystemReason) {
    const LinkResult opened = proxy.OpenLink(dir.File("no-such-port"));
    EXPECT_FALSE(opened);
    EXPECT_EQ(opened.reason, std::error_code(ENOENT, std::system_category()));
}

}  // namespace
}  // namespace parlix::test
