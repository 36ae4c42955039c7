#include "jobs/StatusProgress.h"
#include "support/RecordingFrontEnd.h"

#include <gtest/gtest.h>

namespace parlix {
namespace {

class StatusProgressTest : public ::testing::Test {
  protected:
    StatusProgressTest() { progress.AttachBars(); }
    test::RecordingFrontEnd front;
    StatusProgress progress{front};
};

TEST_F(StatusProgressTest, TwoOpenSectionsAddUpAndCloseSeparately) {
    const auto a = progress.BeginProgress(20);
    const auto b = progress.BeginProgress(5);
    EXPECT_NE(a, b);
    EXPECT_EQ(front.ProgressRange(), 26u);
    progress.StepProgress(a, 3);
    progress.StepProgress(b);
    EXPECT_EQ(front.ProgressPos(), 4u);
    progress.EndProgress(a);
    EXPECT_EQ(front.ProgressRange(), 6u);
    EXPECT_EQ(front.ProgressPos(), 1u);
    progress.EndProgress(b);
    EXPECT_EQ(front.ProgressRange(), 1u);
    EXPECT_EQ(front.ProgressPos(), 0u);
}

TEST_F(StatusProgressTest, ConnectionMarkFillsTheIdleBar) {
    progress.MarkConnected(true);
    EXPECT_EQ(front.ProgressRange(), 1u);
    EXPECT_EQ(front.ProgressPos(), 1u);
    const auto s = progress.BeginProgress(10);
    progress.StepProgress(s, 10);
    progress.EndProgress(s);
    EXPECT_EQ(front.ProgressPos(), 1u);
    progress.MarkConnected(false);
    EXPECT_EQ(front.ProgressPos(), 0u);
}

TEST_F(StatusProgressTest, HandlesStayUniqueWhenSectionsCloseOutOfOrder) {
    const auto a = progress.BeginProgress(1);
    const auto b = progress.BeginProgress(2);
    progress.EndProgress(a);
    const auto c = progress.BeginProgress(3);
    EXPECT_NE(c, b);
    progress.EndProgress(b);
    EXPECT_EQ(progress.Range(), 4u);
    progress.EndProgress(c);
    EXPECT_EQ(progress.Range(), 1u);
}

TEST_F(StatusProgressTest, StepOfAClosedSectionIsUndoneWhenItEnds) {
    const auto a = progress.BeginProgress(2);
    progress.EndProgress(a);
    progress.StepProgress(a, 2);
    EXPECT_EQ(progress.Position(), 2u);
    progress.EndProgress(a);
    EXPECT_EQ(progress.Position(), 0u);
}

}  // namespace
}  // namespace parlix
