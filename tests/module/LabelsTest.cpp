// Labels in module form and as shown, derived names, conflicts and message texts.
#include "module/Labels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace parlix::test {
namespace {

TEST(LabelsTest, EncodeForTheModule) {
    struct Case {
        const char* typed;
        const char* sent;
    };
    const std::string letters31(31, 'A');
    const std::string letters30(30, 'B');
    for (const Case c : {
             Case{"room2", "ROOM^C"}, Case{"light 2", "LIGHT"},  // the blank ends the label
             Case{"Hi_there", "HI_THERE"}, Case{"a-b", "A"}, Case{"", ""}, Case{"0189", "^A^B^I^J"},
             Case{"ROOM^C", "ROOM^C"},  // module form passes unchanged
             Case{"cafés", "CAF"},      // no 8-bit character survives
         }) {
        EXPECT_EQ(EncodeLabel(c.typed), c.sent) << c.typed;
    }
    EXPECT_EQ(EncodeLabel(letters31 + "CDE"), letters31);
    // A digit cut in half would leave a lone '^' that shows as garbage.
    EXPECT_EQ(EncodeLabel(letters30 + "7"), letters30);
    EXPECT_EQ(EncodeLabel(std::string(29, 'B') + "7"), std::string(29, 'B') + "^H");
}

TEST(LabelsTest, DecodeForDisplay) {
    struct Case {
        const char* stored;
        const char* shown;
    };
    for (const Case c : {Case{"ROOM^C", "ROOM2"}, Case{"^B", "1"}, Case{"^A^J", "09"},
                         Case{"LIGHT", "LIGHT"}, Case{"", ""}, Case{"AB^", "AB^"}}) {
        EXPECT_EQ(DecodeLabel(c.stored), c.shown) << c.stored;
    }
    for (const char* typed : {"R2D2", "LEVEL_10", "9"})
        EXPECT_EQ(DecodeLabel(EncodeLabel(typed)), typed);
}

TEST(LabelsTest, DerivedNames) {
    EXPECT_EQ(SoundName("SOU", 0), "SND_BEEP");
    EXPECT_EQ(SoundName("SOU", 3), "SND_SOU_3");
    EXPECT_EQ(SoundName("FX^B", 12), "SND_FX1_12");
    EXPECT_EQ(CommandName("", 0), "UNNAMED_COMMAND_0");
    EXPECT_EQ(CommandName("", 17), "UNNAMED_COMMAND_17");
    EXPECT_EQ(CommandName("LIGHT^C", 4), "LIGHT2");
}

TEST(LabelsTest, HasConflictOnlyAboveTheNoneSentinel) {
    struct Case {
        std::uint32_t conflict;
        bool has;
    };
    for (const Case c : {Case{0xEBAD0000u, false}, Case{0xEBAD0001u, true}, Case{0xEBAD0002u, true},
                         Case{0xEBAD0003u, true}, Case{0, true}, Case{31, true},
                         Case{0xFFFFFFFFu, true} /* trigger word 0 */, Case{0xEBACFFFFu, false}}) {
        EXPECT_EQ(HasConflict(static_cast<std::int32_t>(c.conflict)), c.has)
            << std::hex << c.conflict;
    }
}

TEST(LabelsTest, MessageTexts) {
    EXPECT_EQ(MessageSlotLabel(0), "Empty Slot");
    EXPECT_EQ(MessageSlotLabel(8), "Recorded Message");
    EXPECT_EQ(MessageSlotLabel(-1), "Message Error");
    EXPECT_EQ(RecordingLabel(), "Recording...");
}

TEST(LabelsTest, MessageDuration) {
    struct Case {
        std::int32_t bits;
        std::int32_t length;
        int tenths;
    };
    for (const Case c : {Case{8, 7520, 10}, Case{8, 0, 0}, Case{8, 375, 0} /* below half */,
                         Case{8, 376, 1} /* half rounds up */, Case{4, 7520, 20}, Case{0, 7520, 0},
                         Case{-1, -1, 0}, Case{8, 0xFFFFFF, 22310}}) {
        EXPECT_EQ(MessageDuration(c.bits, c.length), c.tenths) << c.bits << " " << c.length;
    }
}

TEST(LabelsTest, FormatDuration) {
    struct Case {
        int tenths;
        const char* text;
    };
    for (const Case c : {Case{10, "0:01.0"}, Case{0, "0:00.0"}, Case{754, "1:15.4"},
                         Case{6005, "10:00.5"}, Case{599, "0:59.9"}}) {
        EXPECT_EQ(FormatDuration(c.tenths), c.text) << c.tenths;
    }
}

}  // namespace
}  // namespace parlix::test
