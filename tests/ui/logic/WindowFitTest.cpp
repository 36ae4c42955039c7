// The main window's fit to the desktop without a window: its first-start
// size and when its progress bar shows.
#include "ui/logic/FirstWindowSize.h"
#include "ui/logic/ProgressShown.h"

#include "jobs/StatusProgress.h"
#include "support/RecordingFrontEnd.h"

#include <gtest/gtest.h>

namespace parlix::ui {
namespace {

TEST(FirstWindowSizeTest, WideEnoughForTheToolBarWithinTheScreen) {
    struct Case {
        const char* what;
        FirstWindowInput in;
        WindowRect expected;
    };
    const Case cases[] = {
        {"the tool bar decides the width",
         {{0, 0, 1280, 800}, 1150, 756, 448, 4},
         {65, 133, 1150, 533}},
        {"a short tool bar keeps the classic width",
         {{0, 0, 1280, 800}, 600, 756, 448, 4},
         {262, 133, 756, 533}},
        {"a small screen caps both", {{0, 0, 640, 400}, 1150, 756, 448, 4}, {4, 4, 632, 392}},
        {"a panel moves the area", {{0, 30, 1920, 1050}, 1150, 756, 448, 4}, {385, 205, 1150, 700}},
        {"a tall classic height wins over two thirds",
         {{0, 0, 1280, 600}, 1150, 756, 448, 0},
         {65, 76, 1150, 448}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WindowRect r = FirstWindowSize(c.in);
        EXPECT_EQ(r, c.expected) << r.left << "," << r.top << " " << r.width << "x" << r.height;
    }
}

// The bar as the shared progress drives it through a connection with a read,
// and as a download drives it alone.
TEST(ProgressShownTest, ShownOnlyWhileSomethingRuns) {
    parlix::test::RecordingFrontEnd front;
    StatusProgress progress(front);
    auto shown = [&] { return ProgressShown(front.ProgressRange(), front.ProgressPos()); };

    progress.AttachBars();
    EXPECT_FALSE(shown()) << "idle, not connected";
    progress.MarkConnected(true);
    EXPECT_FALSE(shown()) << "connected, nothing read yet";
    const std::uint32_t groups = progress.BeginProgress(3);
    EXPECT_TRUE(shown()) << "a read begins";
    progress.StepProgress(groups, 2);
    EXPECT_TRUE(shown());
    const std::uint32_t commands = progress.BeginProgress(2);
    progress.StepProgress(groups);
    EXPECT_TRUE(shown()) << "one read done, another runs";
    progress.EndProgress(groups);
    progress.StepProgress(commands, 2);
    EXPECT_FALSE(shown()) << "every step done";
    progress.EndProgress(commands);
    EXPECT_FALSE(shown()) << "all ended, still connected";
    progress.MarkConnected(false);
    EXPECT_FALSE(shown()) << "disconnected";

    // A download that sets its own range and position.
    EXPECT_TRUE(ProgressShown(100, 0));
    EXPECT_TRUE(ProgressShown(100, 99));
    EXPECT_FALSE(ProgressShown(100, 100));
    EXPECT_FALSE(ProgressShown(0, 0));
}

}  // namespace
}  // namespace parlix::ui
