#include "base/Status.h"
#include "external/LoaderDownload.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace parlix {
namespace {

TEST(LoaderDownloadTest, CommandLineQuotesFolderAndFileAndAddsNofast) {
    EXPECT_EQ(LoaderCommandLine("/opt/parlix desk", "sim:module", "/home/u/my fw.PLXFW", false),
              R"("/opt/parlix desk/kanloader" -p sim:module -c "/home/u/my fw.PLXFW")");
    EXPECT_EQ(LoaderCommandLine("/p", "ttyUSB0", "/d/a.hex", true),
              R"("/p/kanloader" -p ttyUSB0 -c "/d/a.hex" -nofast)");
}

TEST(LoaderDownloadTest, HeaderAndStatusTexts) {
    EXPECT_EQ(DownloadHeader(true, "ttyUSB0"), "Downloading firmware to \"ttyUSB0\"...");
    EXPECT_EQ(DownloadHeader(false, "ttyUSB0"), "Downloading custom data to \"ttyUSB0\"...");
    EXPECT_EQ(ConnectionText(), "Connection...");
    EXPECT_EQ(DownloadSuccessText(true), "Firmware downloaded successfully.");
    EXPECT_EQ(DownloadSuccessText(false), "Custom data downloaded successfully.");
}

std::error_code Outcome(std::uint32_t value) {
    return {static_cast<int>(value), status_category()};
}

const std::string kFailed = "Download failed, see status text on the top for a possible reason.\n";
const std::string kAdvice = "\nYou may check connection and settings and try again.";

struct OutcomeCase {
    const char* name;
    bool ran;
    std::error_code outcome;
    bool succeeded;
    std::string message;
};

class LoaderOutcomeTest : public testing::TestWithParam<OutcomeCase> {};

TEST_P(LoaderOutcomeTest, SuccessAndFailureMessage) {
    const OutcomeCase& c = GetParam();
    EXPECT_EQ((ToolOutcome{c.ran, c.outcome}.Succeeded()), c.succeeded);
    if (!c.succeeded) {
        EXPECT_EQ(DownloadFailureMessage(c.outcome), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoaderOutcomeTest,
    testing::Values(
        OutcomeCase{"ExitZero", true, Outcome(0x80000000u), true, ""},
        OutcomeCase{"ExitOneHasNoSystemText", true, Outcome(0x80000001u), false, kFailed + kAdvice},
        OutcomeCase{"ExitTwoBlamesTheFile", true, Outcome(0x80000002u), false,
                    kFailed + "\nThe file is not a valid image: build it again or choose another "
                              "file."},
        OutcomeCase{"CancelledShowsNothing", true, Outcome(1223), false, ""},
        OutcomeCase{
            "WaitFailedHasTheSystemText", true, Outcome(87), false,
            kFailed + "\nThe following system error occurred:\n" + Outcome(87).message() + kAdvice},
        OutcomeCase{"MissingLoaderHasTheSystemText", false, ErrnoCode(ENOENT), false,
                    kFailed + "\nThe following system error occurred:\nNo such file or directory" +
                        kAdvice}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace parlix
