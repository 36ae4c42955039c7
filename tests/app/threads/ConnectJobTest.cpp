// Connecting on a thread of its own: it connects as Connect does, a cancel
// ends it at the next byte with nothing reported, and the session is left
// disconnected and ready for the next attempt.
#include "app/ConnectJob.h"

#include "app/AppSettings.h"
#include "app/ModuleSession.h"
#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "support/PtyResponder.h"
#include "support/RecordingFrontEnd.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

namespace parlix {
namespace {

using namespace std::chrono_literals;

class ConnectJobTest : public ::testing::Test {
  protected:
    ConnectJobTest() : settings(dir.File("bin/parlix-desk"), dir.File("Settings.ini")) {
        session = std::make_unique<ModuleSession>(settings, front);
        ModuleController& controller = session->Controller();
        VoiceProxy* direct = &controller.Link().Direct();
        controller.Link().SetTryOrder({direct, direct, direct, direct});
        job = std::make_unique<ConnectJob>(*session);
    }
    ~ConnectJobTest() override {
        job.reset();
        session->Disconnect();
    }

    // Starts the job; `ended` and `connected` tell how it ended.
    void Start() {
        ASSERT_TRUE(job->Start([this](bool ok) {
            connected = ok;
            ended = true;
        }));
    }

    test::TempDir dir;
    AppSettings settings;
    test::RecordingFrontEnd front;
    std::unique_ptr<ModuleSession> session;
    std::unique_ptr<ConnectJob> job;
    std::atomic<bool> ended = false;
    std::atomic<bool> connected = false;
};

TEST_F(ConnectJobTest, ConnectsAndBeginsOnTheCallersThread) {
    auto module = sim::ModuleDevice::FromFile(PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json");
    std::error_code error;
    auto pty = sim::PtyTransport::Open(module, {}, error);
    ASSERT_TRUE(pty) << error.message();
    settings.UseCurrentPort(pty->SlavePath());
    Start();
    ASSERT_TRUE(test::WaitUntil([this] { return ended.load(); }, 60s));
    job->Join();
    EXPECT_TRUE(connected);
    EXPECT_FALSE(job->Cancelled());
    EXPECT_TRUE(session->IsConnected());
    EXPECT_GE(session->ModuleId(), 0);
    session->Begin();
    EXPECT_GT(session->BusyJobs(), 0);
    EXPECT_TRUE(front.Messages().empty());
}

TEST_F(ConnectJobTest, CancelEndsDetectionQuietlyAndAllowsTheNextRun) {
    test::PtyResponder silent;
    settings.UseCurrentPort(silent.Path());
    Start();
    ASSERT_TRUE(test::WaitUntil([&] { return !silent.ReceivedBytes().empty(); }, 10s));
    job->Cancel();
    // Detection of a silent port takes many seconds; the cancel ends it at once.
    ASSERT_TRUE(test::WaitUntil([this] { return ended.load(); }, 5s));
    job->Join();
    EXPECT_FALSE(connected);
    EXPECT_TRUE(job->Cancelled());
    EXPECT_FALSE(session->IsConnected());
    EXPECT_TRUE(front.Messages().empty());
    const std::size_t sent = silent.ReceivedBytes().size();

    // The next run starts afresh, and without a cancel runs to its end.
    ended = false;
    Start();
    ASSERT_TRUE(test::WaitUntil([&] { return silent.ReceivedBytes().size() > sent; }, 10s));
    EXPECT_FALSE(job->Cancelled());
    job->Cancel();
    ASSERT_TRUE(test::WaitUntil([this] { return ended.load(); }, 5s));
}

TEST_F(ConnectJobTest, DestroyingARunningJobCancelsAndWaitsForIt) {
    test::PtyResponder silent;
    settings.UseCurrentPort(silent.Path());
    Start();
    ASSERT_TRUE(test::WaitUntil([&] { return !silent.ReceivedBytes().empty(); }, 10s));
    job.reset();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(session->IsConnected());
    EXPECT_TRUE(front.Messages().empty());
}

}  // namespace
}  // namespace parlix
