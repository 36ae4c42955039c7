#include "external/LoaderProgress.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace parlix {
namespace {

struct LineCase {
    const char* name;
    const char* line;
    std::string status;
    std::optional<int> position;
};

class LoaderProgressTest : public testing::TestWithParam<LineCase> {};

TEST_P(LoaderProgressTest, GivesStatusAndBarPosition) {
    const LoaderLine parsed = ParseLoaderLine(GetParam().line);
    EXPECT_EQ(parsed.status, GetParam().status);
    EXPECT_EQ(parsed.position, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoaderProgressTest,
    testing::Values(
        LineCase{"Programming", "Programming 45%", "Programming 45%", 145},
        LineCase{"VerifyingDone", "Verifying 100%", "Verifying 100%", 300},
        LineCase{"Erasing", "Erasing 7%", "Erasing 7%", 7},
        LineCase{"OverwritingLineWithBlanks", "\r  Programming 3%  ", "Programming 3%", 103},
        LineCase{"AnyLetterCase", "VERIFY 5%", "VERIFY 5%", 205},
        LineCase{"ProgramWinsOverVerif", "verify program 1%", "verify program 1%", 101},
        LineCase{"OtherCharacterBeforeDigitsGivesZero", "Programming:45%", "Programming:45%", 100},
        LineCase{"PlusSign", "Erasing +9%", "Erasing +9%", 9},
        LineCase{"NegativeIsIgnored", "Erasing -5%", "Erasing -5%", std::nullopt},
        LineCase{"OnlyTheNumber", "45%", "45%", std::nullopt},
        LineCase{"NoPercentSign", "Programming 45", "Programming 45", std::nullopt},
        LineCase{"NoDigitsBeforePercent", "Erasing %", "Erasing %", std::nullopt},
        LineCase{"NoPhaseWord", "Loading 50%", "Loading 50%", std::nullopt},
        LineCase{"HugeNumberStopsAtTheEnd", "Verifying 99999999999999%",
                 "Verifying 99999999999999%", 300},
        LineCase{"BlankLineKeepsTheStatus", "  \r", "", std::nullopt}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace parlix
