#include "external/ToolLineSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace parlix {
namespace {

struct SplitCase {
    const char* name;
    std::vector<std::string> reads;  // one entry per read of the pipe
    std::vector<std::string> lines;  // every line, the last ones after the end
};

std::vector<std::string> Split(const std::vector<std::string>& reads) {
    std::vector<std::string> lines;
    const auto sink = [&](std::string line) { lines.push_back(std::move(line)); };
    ToolLineSplitter splitter;
    for (const std::string& read : reads) splitter.Feed(read, sink);
    splitter.Finish(sink);
    return lines;
}

class ToolLineSplitterTest : public testing::TestWithParam<SplitCase> {};

TEST_P(ToolLineSplitterTest, CutsLinesAsAConsoleShowsThem) {
    EXPECT_EQ(Split(GetParam().reads), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolLineSplitterTest,
    testing::Values(
        SplitCase{"CrLfAndLf", {"a\r\nb\n"}, {"a", "b"}},
        SplitCase{
            "ProgressLinesOverwriteEachOther", {"10%\r20%\r30%\n"}, {"10%", "\r20%", "\r30%"}},
        SplitCase{"CrLfSplitAcrossReadsIsOneLineEnd", {"a\r", "\nb\n"}, {"a", "b"}},
        SplitCase{"LoneCrAtTheEndOfAReadWaitsForTheNext", {"10%\r", "20%\n"}, {"10%", "\r20%"}},
        SplitCase{"TextWithoutLineEndIsTheLastLine", {"a\nb"}, {"a", "b"}},
        SplitCase{"LeftoverAfterALoneCrIsNoOverwrite", {"10%\r20%"}, {"10%", "20%"}},
        SplitCase{"FinalLoneCrEndsTheLastLine",
                  {"Verifying 99%\r", "Verifying 100%\r"},
                  {"Verifying 99%", "\rVerifying 100%"}},
        SplitCase{"OnlyLineIsALoneCrLine", {"Verifying 100%\r"}, {"Verifying 100%"}},
        // An LF before the first CR ends the line there: the CR belongs to a later line.
        SplitCase{"LfBeforeCrCutsAtTheLf", {"a\nb\rc\n"}, {"a", "b", "\rc"}},
        SplitCase{"LfBeforeCrLfCutsAtTheLf", {"a\nb\r\n"}, {"a", "b"}},
        SplitCase{"EmptyLines", {"\n\r\n\n"}, {"", "", ""}},
        SplitCase{"CrCrLfIsAnEmptyOverwriteThenAnEnd", {"a\r\r\nb\n"}, {"a", "\r", "b"}},
        SplitCase{"LineAcrossManyReads",
                  {"Era", "sing", " 5%", "\r", "Erasing 6%", "\r\n"},
                  {"Erasing 5%", "\rErasing 6%"}},
        SplitCase{"BytesPassUnchanged",
                  {std::string("\xc3\xa8\t\0x\n", 6)},
                  {std::string("\xc3\xa8\t\0x", 5)}},
        SplitCase{"NoOutputNoLine", {}, {}}),
    [](const testing::TestParamInfo<SplitCase>& param) { return std::string(param.param.name); });

// A tool that prints a progress line and then works for a while: the line is
// shown when its CR arrives, not when the tool next prints.
TEST(ToolLineSplitterTiming, LineEndedByCrAtTheEndOfAReadIsDeliveredAtOnce) {
    std::vector<std::string> lines;
    const auto sink = [&](std::string line) { lines.push_back(std::move(line)); };
    ToolLineSplitter splitter;
    splitter.Feed("Erasing 40%\r", sink);
    EXPECT_EQ(lines, std::vector<std::string>{"Erasing 40%"});
    splitter.Feed("\nDone", sink);
    splitter.Finish(sink);
    EXPECT_EQ(lines, (std::vector<std::string>{"Erasing 40%", "Done"}))
        << "no overwrite, no empty line";
}

}  // namespace
}  // namespace parlix
