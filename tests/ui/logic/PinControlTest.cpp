// Pin Control without a window: pins per module, what a click on a state
// runs, and the value the pin's box then shows.
#include "ui/logic/PinControl.h"

#include <gtest/gtest.h>

#include <string>

namespace parlix::ui::test {
namespace {

TEST(PinControlTest, ModulesBeforeFirmwareEightHaveThreePins) {
    const std::pair<int, int> cases[] = {{0, 3}, {1, 3}, {7, 3}, {8, 6}, {12, 6}};
    for (const auto& [id, pins] : cases) EXPECT_EQ(PinCountFor(id), pins) << id;
}

TEST(PinControlTest, StateClickSetsOrReadsThePin) {
    const struct {
        int state;
        bool ok;    // the module operation succeeds
        int level;  // what a read gives
        const char* call;
        char shown;
    } cases[] = {
        {0, true, 0, "set 4 0", '0'},    {1, true, 0, "set 4 1", '1'},
        {1, false, 0, "set 4 1", '?'},   {2, true, 1, "query 4 2", '1'},
        {3, true, 0, "query 4 3", '0'},  {4, true, 1, "query 4 4", '1'},
        {4, false, 1, "query 4 4", '?'}, {2, true, 7, "query 4 2", '?'},
        {5, true, 0, "", '?'},           {-1, true, 0, "", '?'},
    };
    for (const auto& c : cases) {
        std::string call;
        const PinCalls calls{[&](int pin, int mode) {
                                 call = "set " + std::to_string(pin) + " " + std::to_string(mode);
                                 return c.ok;
                             },
                             [&](int pin, int mode, int& level) {
                                 call = "query " + std::to_string(pin) + " " + std::to_string(mode);
                                 level = c.level;
                                 return c.ok;
                             }};
        EXPECT_EQ(RunPinState(calls, 4, c.state), c.shown) << c.state << " " << c.ok;
        EXPECT_EQ(call, c.call) << c.state;
    }
}

TEST(PinControlTest, StatusText) {
    EXPECT_EQ(PinStatusText(1, '?'), "Pin IO1 - Value: ?");
    EXPECT_EQ(PinStatusText(6, '1'), "Pin IO6 - Value: 1");
}

}  // namespace
}  // namespace parlix::ui::test
