// The recognition parameters: normalising, applying in order, enabling.
#include "app/RecognitionSettings.h"
#include "module/ControllerFixture.h"

#include <gmock/gmock.h>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;

class RecognitionSettingsTest : public ControllerFixture {
  protected:
    void Store(const char* key, int value) { settings.Settings().WriteInt("Settings", key, value); }
    RecognitionSettings params;
};

TEST_F(RecognitionSettingsTest, StoredValuesAreNormalised) {
    Store("Level", 0);
    Store("MicDist", 5);
    Store("Knob", -3);
    params.LoadFromSettings(settings);
    EXPECT_EQ(params.Current(), (RecognitionValues{3, 2, 1, 12, 0}));
    EXPECT_FALSE(params.SaveEnabled());
}

// Each value out of its range falls back as the dialog's table says.
TEST_F(RecognitionSettingsTest, EachValueIsNormalisedOnItsOwn) {
    const struct {
        RecognitionValues in;
        RecognitionValues out;
    } cases[] = {
        {{0, 2, 1, 12, 0}, {3, 2, 1, 12, 0}},  {{-7, 2, 1, 12, 0}, {3, 2, 1, 12, 0}},
        {{6, 2, 1, 12, 0}, {5, 2, 1, 12, 0}},  {{1, 2, 1, 12, 0}, {1, 2, 1, 12, 0}},
        {{2, -1, 1, 12, 0}, {2, 2, 1, 12, 0}}, {{2, 5, 1, 12, 0}, {2, 4, 1, 12, 0}},
        {{2, 0, 1, 12, 0}, {2, 0, 1, 12, 0}},  {{2, 2, -1, 12, 0}, {2, 2, 1, 12, 0}},
        {{2, 2, 3, 12, 0}, {2, 2, 1, 12, 0}},  {{2, 2, 5, 12, 0}, {2, 2, 1, 12, 0}},
        {{2, 2, 2, 12, 0}, {2, 2, 2, 12, 0}},  {{2, 2, 1, -1, 0}, {2, 2, 1, 12, 0}},
        {{2, 2, 1, 32, 0}, {2, 2, 1, 12, 0}},  {{2, 2, 1, 0, 0}, {2, 2, 1, 0, 0}},
        {{2, 2, 1, 31, 0}, {2, 2, 1, 31, 0}},  {{2, 2, 1, 12, -1}, {2, 2, 1, 12, 0}},
        {{2, 2, 1, 12, 2}, {2, 2, 1, 12, 0}},  {{2, 2, 1, 12, 1}, {2, 2, 1, 12, 1}},
    };
    for (const auto& c : cases) {
        const RecognitionValues out = RecognitionSettings::Normalised(c.in);
        EXPECT_EQ(out, c.out) << c.in.level << " " << c.in.knob << " " << c.in.micDistance << " "
                              << c.in.trailSilence << " " << c.in.fastSdsv;
    }
}

TEST_F(RecognitionSettingsTest, TrailingSilenceDuration) {
    EXPECT_EQ(RecognitionSettings::TrailSilenceMs(0), 100);
    EXPECT_EQ(RecognitionSettings::TrailSilenceMs(12), 400);
    EXPECT_EQ(RecognitionSettings::TrailSilenceMs(31), 875);
}

TEST_F(RecognitionSettingsTest, ApplySendsWhatTheModuleSupportsInOrder) {
    ConnectDirect();
    params.LoadFromSettings(settings);
    params.Current().fastSdsv = 1;
    for (int i = 0; i < 5; ++i) direct.statuses.push_back('o');
    EXPECT_TRUE(params.Apply(controller, {true, true, true}));
    std::vector<std::string> sends;
    for (const auto& call : direct.calls)
        if (call.rfind("send:", 0) == 0) sends.push_back(call);
    EXPECT_THAT(sends, ElementsAre("send:k[2]", "send:v[2]", "send:k[-1,2]", "send:f[-1,1]",
                                   "send:t[-1,12]"));
}

TEST_F(RecognitionSettingsTest, ApplyStopsAtTheFirstFailureAndStaysEnabled) {
    ConnectDirect();
    params.LoadFromSettings(settings);
    const RecognitionSupport basic{};
    EXPECT_TRUE(params.ApplyEnabled(true, basic)) << "nothing sent yet";
    direct.statuses = {'o', 'e'};
    EXPECT_FALSE(params.Apply(controller, basic));
    EXPECT_TRUE(params.ApplyEnabled(true, basic));
    direct.statuses = {'o', 'o'};
    EXPECT_TRUE(params.Apply(controller, basic));
    EXPECT_FALSE(params.ApplyEnabled(true, basic));
    params.Current().micDistance = 2;  // not supported: no reason to apply
    EXPECT_FALSE(params.ApplyEnabled(true, basic));
    EXPECT_TRUE(params.ApplyEnabled(true, {true, false, false}));
    EXPECT_FALSE(params.ApplyEnabled(false, {true, false, false}));
}

TEST_F(RecognitionSettingsTest, SaveWritesTheFiveKeysAndSendsNothing) {
    params.LoadFromSettings(settings);
    params.Current().level = 5;
    EXPECT_TRUE(params.SaveEnabled());
    params.Current().level = 2;
    EXPECT_FALSE(params.SaveEnabled()) << "moved back to the saved value";
    params.Current().trailSilence = 20;
    params.Save(settings);
    EXPECT_FALSE(params.SaveEnabled());
    RecognitionSettings again;
    again.LoadFromSettings(settings);
    EXPECT_EQ(again.Current(), (RecognitionValues{2, 2, 1, 20, 0}));
}

}  // namespace
}  // namespace parlix::test
