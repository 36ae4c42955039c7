// The direct link against a device on a pseudo-terminal: the bytes, pacing,
// pauses and time-outs that the module expects.
#include "app/AppSettings.h"
#include "link/ZorinProxy.h"
#include "support/ModuleAnswers.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace parlix::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using ::testing::ElementsAre;

class DirectLinkTest : public ::testing::Test {
  protected:
    void Open(PtyResponder& device) {
        ASSERT_TRUE(proxy.OpenLink(device.Path()));
        device.Clear();
    }
    TempDir dir;
    CAppSettings settings{dir.File("parlix-desk"), dir.File("Settings.ini")};
    CZorinProxy proxy{settings};
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

TEST_F(DirectLinkTest, SilentPortFailsDetectionAfterTwoShortWaits) {
    PtyResponder device;
    Open(device);
    const auto start = Clock::now();
    EXPECT_FALSE(proxy.Detect());
    const auto elapsed = Clock::now() - start;
    // 250 ms, a 200 ms pause, 250 ms.
    EXPECT_GE(elapsed, 690ms);
    EXPECT_LT(elapsed, 1500ms);
    EXPECT_EQ(device.ReceivedText(), "bb");
    EXPECT_TRUE(proxy.GetDeviceName().empty());
    EXPECT_EQ(proxy.Port().ReadTimeout(), 1000);
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

TEST_F(DirectLinkTest, CommandBytesArePacedAndPausedAfterChosenArguments) {
    PtyResponder device;
    Open(device);
    struct Case {
        std::uint8_t command;
        std::vector<std::int32_t> args;
        std::string bytes;
        std::vector<std::size_t> pausedAfter;  // byte positions followed by 50 ms
    };
    const std::vector<Case> cases = {
        {'c', {5}, "cF", {1}},
        {'c', {}, "c", {}},
        {'x', {}, "x", {}},
        {'p', {3, 0}, "pDA", {1}},
        {'~', {23, 1, 2}, "~XBC", {2, 3}},
        {'~', {8, 1, 2, 4}, "~IBCE", {2}},
        {'~', {21, 1, 2}, "~VBC", {}},
        {'w', {-1, 5, 4}, "w@FE", {}},
    };
    for (const auto& c : cases) {
        device.Clear();
        const auto start = Clock::now();
        ASSERT_TRUE(proxy.SendCommand(c.command, c.args));
        const auto end = Clock::now();
        std::this_thread::sleep_for(20ms);
        const auto got = device.ReceivedBytes();
        ASSERT_EQ(device.ReceivedText(), c.bytes);
        // Where the pauses fall, seen by the device. Its clock reads bytes
        // late under load, so the margins are wide; the host's own duration
        // below pins the lengths.
        for (std::size_t i = 0; i + 1 < got.size(); ++i) {
            const auto gap = got[i + 1].when - got[i].when;
            const bool paused =
                std::find(c.pausedAfter.begin(), c.pausedAfter.end(), i) != c.pausedAfter.end();
            if (paused) {
                EXPECT_GE(gap, 30ms) << c.bytes << " after byte " << i;
            } else {
                EXPECT_LT(gap, 30ms) << c.bytes << " after byte " << i;
            }
        }
        // 2 ms before every byte, 50 ms after each chosen argument.
        EXPECT_GE(end - start, c.bytes.size() * 2ms + c.pausedAfter.size() * 50ms) << c.bytes;
    }
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

TEST_F(DirectLinkTest, StatusWaitIsBoundedInTenthsAndNamesAWaitTimeOut) {
    PtyResponder device;
    Open(device);
    std::uint8_t status = 0;
    const auto start = Clock::now();
    EXPECT_FALSE(proxy.ReceiveStatus(status, 3));
    const auto elapsed = Clock::now() - start;
    EXPECT_GE(elapsed, 290ms);
    EXPECT_LT(elapsed, 1000ms);
    EXPECT_EQ(GetLastError(), Status::WaitTimeout);

    // Without a limit the wait lasts until a byte comes.
    std::thread late([&] {
        std::this_thread::sleep_for(1200ms);
        device.Send({'o'});
    });
    EXPECT_TRUE(proxy.ReceiveStatus(status, -1));
    EXPECT_EQ(status, 'o');
    late.join();
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
    EXPECT_FALSE(proxy.UpdateBridge("x", nullptr));
    EXPECT_EQ(GetLastError(), Status::Unsupported);
    EXPECT_FALSE(proxy.GetBridgeFile().has_value());
    EXPECT_TRUE(proxy.GetTemplateName().empty());
}

TEST_F(DirectLinkTest, PortThatDoesNotExistFailsToOpenWithTheSystemReason) {
    EXPECT_FALSE(proxy.OpenLink(dir.File("no-such-port")));
    EXPECT_EQ(GetLastError(), std::error_code(ENOENT, std::system_category()));
}

}  // namespace
}  // namespace parlix::test
