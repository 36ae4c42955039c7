// Recording, playing and erasing voice messages.
#include "module/ControllerFixture.h"
#include "support/StatusCodes.h"

#include <gmock/gmock.h>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using MessageCommandsTest = ControllerFixture;

// Starting only sends: the outcome of a recording comes when it ends.
TEST_F(MessageCommandsTest, RecordingStartsWithoutAwaitingAStatus) {
    ConnectDirect();
    direct.statuses = {'o'};
    bool completed = true;
    EXPECT_TRUE(controller.RecordMessage(3, 8, 0, completed));
    EXPECT_FALSE(completed);
    EXPECT_THAT(direct.calls, ElementsAre("purge", "send:r[-1,3,8,0]"));
    EXPECT_THAT(direct.statusTimeouts, IsEmpty());
    EXPECT_THAT(front.Messages(), IsEmpty());
}

TEST_F(MessageCommandsTest, UnsentRecordingIsAnError) {
    bool completed = true;
    EXPECT_FALSE(controller.RecordMessage(3, 8, 0, completed));
    EXPECT_FALSE(completed);
    EXPECT_THAT(
        front.Messages(),
        ElementsAre(ShownMessage{
            "Could not record message 3 with 8 bits, timeout 0 ms.\n\n\n" + kInvalidHandleText,
            "Error", 16}));
}

struct PollCase {
    const char* name;
    std::optional<std::uint8_t> status;
    std::deque<std::optional<std::int32_t>> arguments;
    bool result;
    bool completed;
    std::vector<std::string> calls;
    std::vector<ShownMessage> messages;
};

class RecordingPollTest : public ControllerFixture,
                          public ::testing::WithParamInterface<PollCase> {};

// A poll neither purges nor sends: it only looks for the status at once.
TEST_P(RecordingPollTest, EndsOnAnyStatus) {
    const PollCase& c = GetParam();
    ConnectDirect();
    direct.statuses = {c.status};
    direct.arguments = c.arguments;
    bool completed = !c.completed;
    EXPECT_EQ(controller.RecordMessage(3, 8, -1, completed), c.result);
    EXPECT_EQ(completed, c.completed);
    EXPECT_EQ(direct.calls, c.calls);
    EXPECT_THAT(direct.statusTimeouts, ElementsAre(0));
    EXPECT_EQ(front.Messages(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, RecordingPollTest,
    ::testing::Values(
        PollCase{"StillRecording", std::nullopt, {}, false, false, {}, {}},
        PollCase{"Recorded", 'o', {0, 1}, true, true, {"fetch:2"}, {}},
        PollCase{"TimedOut", 't', {}, true, true, {}, {{"Timeout expired.\n", "Information", 64}}},
        PollCase{"Interrupted", 'i', {}, true, true, {}, {{"Interrupted.\n", "Information", 64}}},
        PollCase{"MemoryFull", 'm', {}, true, true, {}, {{"Memory full.\n", "Information", 64}}},
        PollCase{"ArgumentsLost",
                 'o',
                 {0, std::nullopt},
                 false,
                 true,
                 {"fetch:2"},
                 {{"Unexpected reply (0x6F) or invalid arguments.\n", "Error", 16}}},
        PollCase{"OtherStatus",
                 'e',
                 {},
                 false,
                 true,
                 {},
                 {{"Unexpected reply (0x65) or invalid arguments.\n", "Error", 16}}}),
    [](const auto& param) { return std::string(param.param.name); });

// The mode byte carries the speed in bit 2 and the attenuation in bits 0-1;
// the status is awaited the message's length plus a second.
TEST_F(MessageCommandsTest, PlayingSendsTheModeAndWaitsForTheMessage) {
    struct Case {
        int wait, speed, attenuation;
        const char* sent;
        int tenths;
    };
    ConnectDirect();
    for (const Case c : {Case{42, 0, 0, "send:p[-1,5,0]", 52}, Case{0, 1, 3, "send:p[-1,5,7]", 10},
                         Case{10, 2, 1, "send:p[-1,5,1]", 20}, Case{10, 3, 6, "send:p[-1,5,6]", 20},
                         // a negative wait would otherwise mean "no limit"
                         Case{-100, 0, 0, "send:p[-1,5,0]", 0}}) {
        direct.calls.clear();
        direct.statusTimeouts.clear();
        direct.statuses = {'o'};
        EXPECT_TRUE(controller.PlayMessage(5, c.wait, c.speed, c.attenuation)) << c.sent;
        EXPECT_THAT(direct.calls, ElementsAre("purge", c.sent));
        EXPECT_THAT(direct.statusTimeouts, ElementsAre(c.tenths)) << c.sent;
    }
    EXPECT_THAT(front.Messages(), IsEmpty());
}

// A missing status is a warning; a command that could not go out, an error.
TEST_F(MessageCommandsTest, PlayingFailuresAreReportedBySeverity) {
    ConnectDirect();
    direct.statuses = {std::nullopt, 'e'};
    EXPECT_FALSE(controller.PlayMessage(5, 30));
    Reconnect();
    EXPECT_FALSE(controller.PlayMessage(5, 30));
    controller.Link().Disconnect();
    EXPECT_FALSE(controller.PlayMessage(6, 30));
    EXPECT_THAT(
        front.Messages(),
        ElementsAre(
            ShownMessage{"No reply while playing message 5.\n\n\n" + kWaitTimeoutText, "Warning",
                         48},
            ShownMessage{"Unexpected reply (0x65).\n", "Error", 16},
            ShownMessage{"Could not play message 6.\n\n\n" + kInvalidHandleText, "Error", 16}));
}

// Erasing has no text of its own for a missing status: it is an error.
TEST_F(MessageCommandsTest, ErasingSendsTheSlotAndReportsAsAnError) {
    ConnectDirect();
    direct.statuses = {'o', std::nullopt, 'x'};
    EXPECT_TRUE(controller.EraseMessage(4));
    EXPECT_THAT(direct.calls, ElementsAre("purge", "send:e[-1,4]"));
    EXPECT_FALSE(controller.EraseMessage(4));
    Reconnect();
    EXPECT_FALSE(controller.EraseMessage(4));
    EXPECT_THAT(direct.statusTimeouts, ElementsAre(100, 100, 100));
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{"Could not erase message 4.\n\n\n" + kWaitTimeoutText,
                                         "Error", 16},
                            ShownMessage{"Unexpected reply (0x78).\n", "Error", 16}));
}

}  // namespace
}  // namespace parlix::test
