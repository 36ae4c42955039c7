// What the Recognition Settings dialog enables and shows.
#include "ui/logic/ParamsRules.h"

#include <gtest/gtest.h>

namespace parlix::ui::test {
namespace {

TEST(ParamsRulesTest, OptionalControlsFollowTheConnectedModule) {
    const struct {
        bool connected;
        RecognitionSupport support;
        bool mic, fast, trail;
    } cases[] = {
        // Without a module every value can be chosen for the next one.
        {false, {false, false, false}, true, true, true},
        {true, {false, false, false}, false, false, false},
        {true, {true, false, false}, true, false, false},
        {true, {true, true, true}, true, true, true},
    };
    RecognitionSettings values;
    for (const auto& c : cases) {
        const ParamsControls enables = ParamsEnables(values, c.connected, c.support);
        EXPECT_EQ(enables.micDistance, c.mic) << c.connected;
        EXPECT_EQ(enables.fastSdsv, c.fast) << c.connected;
        EXPECT_EQ(enables.trailSilence, c.trail) << c.connected;
        // Nothing sent yet: Apply only needs a module; nothing changed since saved.
        EXPECT_EQ(enables.apply, c.connected);
        EXPECT_FALSE(enables.save);
    }
}

TEST(ParamsRulesTest, TrailingSilenceDurationText) {
    const std::pair<int, const char*> cases[] = {
        {0, "(100 ms)"}, {12, "(400 ms)"}, {31, "(875 ms)"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(TrailSilenceText(value), text) << value;
}

}  // namespace
}  // namespace parlix::ui::test
