// Telephone tones: the keypad's tones, the duration the module can play, the
// steps of a number; and the version line that About and --version show.
#include "app/ProgramVersion.h"
#include "app/ToneDialer.h"

#include <gtest/gtest.h>

#include <string>

namespace parlix::test {
namespace {

TEST(ToneDialerTest, KeysAndTheirTones) {
    const std::string keys = "0123456789*#ABCD";
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(ToneOf(keys[i]), static_cast<int>(i)) << keys[i];
    for (const char other : std::string("abcdE ,-+x\0", 11))
        EXPECT_FALSE(ToneOf(other).has_value()) << static_cast<int>(other);
}

TEST(ToneDialerTest, DurationFieldBecomesASteppedDuration) {
    const struct {
        const char* field;
        int ms;
    } cases[] = {
        {"100", 120},
        {"0", 40},
        {"5000", 1280},
        {"40", 40},
        {"59", 40},
        {"60", 80},
        {"1280", 1280},
        {"1300", 1280},
        {"-100", 40},
        {" 200 ", 200},
        {"+200", 200},
        {"", 40},
        {"abc", 40},
        {"12ms", 40},
        {"2147483647", 1280},
        {"99999999999999999999", 1280},
        {"-99999999999999999999", 40},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalisedToneDuration(ParseDurationField(c.field)), c.ms) << c.field;
}

// Steps as text: the tone numbers, "," for a pause.
std::string Steps(const std::vector<DialStep>& steps) {
    std::string text;
    for (const DialStep& step : steps) {
        if (!text.empty()) text += ' ';
        text += step.pause ? std::string(",") : std::to_string(step.tone);
    }
    return text;
}

TEST(ToneDialerTest, ComposePlaysWaitsAndSkips) {
    const struct {
        const char* number;
        const char* steps;
        const char* dialled;
    } cases[] = {
        {"12,3x", "1 2 , 3", "12,3"},
        {"123 A 456 B 789 C *0# D", "1 2 3 12 4 5 6 13 7 8 9 14 10 0 11 15", "123A456B789C*0#D"},
        {",,9", ", , 9", ",,9"},
        {"abcd (555)", "5 5 5", "555"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const auto steps = PlanDial(c.number);
        EXPECT_EQ(Steps(steps), c.steps) << c.number;
        EXPECT_EQ(DialledText(steps), c.dialled) << c.number;
    }
}

TEST(ProgramVersionTest, VersionLineAndTheProgramsOwnVersion) {
    EXPECT_EQ(VersionLine({3, 11, 0, 71}), "Version 3.11.0 (Build 71)");
    // The four numbers begin with the version the trace's first line shows.
    const ProgramVersion own = OwnVersion();
    EXPECT_EQ(std::to_string(own.major) + "." + std::to_string(own.minor) + "." +
                  std::to_string(own.patch),
              PARLIX_VERSION);
    EXPECT_GE(own.build, 0);
}

}  // namespace
}  // namespace parlix::test
