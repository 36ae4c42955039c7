// The exchange pattern, seen through the first commands built on it.
#include "module/ControllerFixture.h"
#include "support/StatusCodes.h"

#include <gmock/gmock.h>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;

using ExchangeTest = ControllerFixture;

TEST_F(ExchangeTest, ReadVersionIdFetchesOneArgument) {
    ConnectDirect();
    direct.statuses = {'x'};
    direct.arguments = {2};
    int id = -1;
    EXPECT_TRUE(controller.ReadVersionId(id));
    EXPECT_EQ(id, 2);
    EXPECT_THAT(direct.calls, ElementsAre("purge", "send:x[]", "fetch:1"));
    EXPECT_THAT(direct.statusTimeouts, ElementsAre(30));
    EXPECT_TRUE(front.Messages().empty());
}

struct FailureCase {
    const char* name;
    std::optional<std::uint8_t> status;
    std::deque<std::optional<std::int32_t>> arguments;
    ShownMessage message;
};

class VersionFailureTest : public ControllerFixture,
                           public ::testing::WithParamInterface<FailureCase> {};

TEST_P(VersionFailureTest, IsReportedOnceAndLeavesTheOutput) {
    ConnectDirect();
    direct.statuses = {GetParam().status};
    direct.arguments = GetParam().arguments;
    int id = 77;
    EXPECT_FALSE(controller.ReadVersionId(id));
    EXPECT_EQ(id, 77);
    EXPECT_THAT(front.Messages(), ElementsAre(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, VersionFailureTest,
    ::testing::Values(
        FailureCase{"Timeout",
                    std::nullopt,
                    {},
                    {"Could not read version ID.\n\n\n" + kWaitTimeoutText, "Error", 16}},
        FailureCase{"OtherStatus",
                    'o',
                    {},
                    {"Unexpected reply (0x6F) or invalid arguments.\n", "Error", 16}},
        FailureCase{"MissingArgument",
                    'x',
                    {std::nullopt},
                    {"Unexpected reply (0x78) or invalid arguments.\n", "Error", 16}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ExchangeTest, ReplyDelayEncodingAndOutcome) {
    struct Case {
        int ms;
        int argument;
    };
    ConnectDirect();
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{10, 10}, Case{11, 10}, Case{20, 11},
                         Case{100, 19}, Case{101, 19}, Case{200, 20}, Case{1000, 28}}) {
        direct.calls.clear();
        direct.statuses = {'o'};
        EXPECT_TRUE(controller.Link().SetReplyDelay(c.ms)) << c.ms;
        EXPECT_THAT(direct.calls,
                    ElementsAre("purge", "send:y[" + std::to_string(c.argument) + "]"))
            << c.ms;
    }
    direct.statuses = {'e'};
    EXPECT_FALSE(controller.Link().SetReplyDelay(0));
    direct.statuses = {std::nullopt};
    EXPECT_FALSE(controller.Link().SetReplyDelay(0));
    EXPECT_THAT(front.Messages(),
                ElementsAre(ShownMessage{"Unexpected reply (0x65).\n", "Error", 16},
                            ShownMessage{"Could not set reply delay.\n\n\n" + kWaitTimeoutText,
                                         "Error", 16}));
}

}  // namespace
}  // namespace parlix::test
