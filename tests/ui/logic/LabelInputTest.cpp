// The label editor's rules for typed characters.
#include "ui/logic/LabelInput.h"

#include <gtest/gtest.h>

#include <string>

namespace parlix::ui {
namespace {

// Types each character at the end, as a user does.
std::string Type(const std::string& keys, std::string text = {}, int* beeps = nullptr) {
    for (const char key : keys) {
        const TypedResult result = TypeLabelChar(text, text.size(), text.size(), key);
        if (result.outcome == TypedOutcome::Accepted) text = result.text;
        if (result.outcome == TypedOutcome::TooLong && beeps) ++*beeps;
    }
    return text;
}

TEST(LabelInput, MapsAndDropsCharacters) {
    EXPECT_EQ(Type("ab-c 1"), "AB_C_1");
    EXPECT_EQ(Type("x.y,z!@#\t\xC3\xA9"), "XYZ");
    EXPECT_EQ(Type("Go_9"), "GO_9");
}

TEST(LabelInput, DigitsWeighTwoAndTheModuleKeeps31) {
    int beeps = 0;
    // Fifteen digits weigh 30; the sixteenth would make 32.
    EXPECT_EQ(Type("1234567890123456", {}, &beeps), "123456789012345");
    EXPECT_EQ(beeps, 1);
    // A letter still fits at 31.
    EXPECT_EQ(Type("12345678901234567A"), "123456789012345A");
    EXPECT_EQ(LabelWeight("A1_"), 4);
    EXPECT_EQ(Type(std::string(40, 'a')), std::string(31, 'A'));
}

TEST(LabelInput, TypingOverASelectionWeighsTheResult) {
    const std::string full(31, 'A');
    // Replacing one letter by a digit makes 32: refused.
    EXPECT_EQ(TypeLabelChar(full, 0, 1, '5').outcome, TypedOutcome::TooLong);
    // Replacing two letters by a digit makes 31: taken.
    const TypedResult result = TypeLabelChar(full, 0, 2, '5');
    ASSERT_EQ(result.outcome, TypedOutcome::Accepted);
    EXPECT_EQ(result.text, "5" + std::string(29, 'A'));
    EXPECT_EQ(result.ch, '5');
}

}  // namespace
}  // namespace parlix::ui
