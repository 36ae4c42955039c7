// Request coalescing, cancellation and completion counts of the job worker.
#include "jobs/ProgramThread.h"
#include "support/RecordingFrontEnd.h"
#include "support/WaitUntil.h"

#include <gmock/gmock.h>

#include <chrono>
#include <condition_variable>
#include <vector>

namespace parlix {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;

// A job whose run lasts until it is cancelled or released.
class TestJob : public ProgramThreadImpl<TestJob, int> {
  public:
    TestJob() : ProgramThreadImpl("CTestJob") {}
    ~TestJob() { Stop(); }

    void Run(int argument) {
        {
            std::lock_guard lock(mutex_);
            started_.push_back(argument);
        }
        changed_.notify_all();
        while (IsRunning()) {
            std::unique_lock lock(mutex_);
            if (released_) break;
            changed_.wait_for(lock, 5ms);
        }
    }

    void Release() {
        std::lock_guard lock(mutex_);
        released_ = true;
    }
    bool WaitStarted(std::size_t runs) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 5s, [&] { return started_.size() >= runs; });
    }
    std::vector<int> Started() {
        std::lock_guard lock(mutex_);
        return started_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<int> started_;
    bool released_ = false;
};

class ProgramThreadTest : public ::testing::Test {
  protected:
    ProgramThreadTest() { job.SetNotifyTarget(&front); }

    std::vector<int> Served(std::size_t completions) {
        test::WaitUntil([&] { return front.JobsFinished().size() >= completions; });
        std::vector<int> served;
        for (const auto& [thread, count] : front.JobsFinished()) {
            EXPECT_EQ(thread, job.ThreadId());
            served.push_back(count);
        }
        return served;
    }

    test::RecordingFrontEnd front;
    TestJob job;
};

TEST_F(ProgramThreadTest, RequestsDuringARunCancelItAndOneMoreRunServesTheNewest) {
    job.Start();
    job.Request(1);
    ASSERT_TRUE(job.WaitStarted(1));
    job.Request(2);
    job.Request(3);
    job.Request(4);
    ASSERT_TRUE(job.WaitStarted(2));
    job.Release();
    EXPECT_THAT(Served(2), ElementsAre(3, 1));
    EXPECT_THAT(job.Started(), ElementsAre(1, 4));
}

TEST_F(ProgramThreadTest, RequestsBeforeStartAreServedByOneRun) {
    job.Release();
    for (int i = 1; i <= 4; ++i) job.Request(i);
    job.Start();
    EXPECT_THAT(Served(1), ElementsAre(4));
    EXPECT_THAT(job.Started(), ElementsAre(4));
}

TEST_F(ProgramThreadTest, StopEndsAWaitingOrRunningWorker) {
    job.Stop();  // no thread: returns at once
    EXPECT_FALSE(job.HasThread());
    job.Start();
    job.Request(7);
    ASSERT_TRUE(job.WaitStarted(1));
    job.Stop();  // the run notices the cancellation
    EXPECT_FALSE(job.HasThread());
    EXPECT_FALSE(job.IsRunning());
}

TEST_F(ProgramThreadTest, StartAfterStopServesNewRequests) {
    job.Release();
    job.Start();
    job.Stop();
    job.Request(9);
    job.Start();
    EXPECT_THAT(Served(1), ElementsAre(1));
    EXPECT_THAT(job.Started(), ElementsAre(9));
}

}  // namespace
}  // namespace parlix
