// The window system as the core's front end: calls from job threads are
// served on the GUI thread, even while it waits for a lock a job holds.
#include "ModalAnswers.h"
#include "ui/QtFrontEnd.h"

#include <QtTest/QTest>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace parlix::ui::test {
namespace {

TEST(QtFrontEnd, WaitForALockServesTheBoxOfTheJobHoldingIt) {
    QWidget window;
    window.show();
    QtFrontEnd front(&window);
    ModalAnswers answers;
    answers.ThenButton(QMessageBox::Yes);

    std::mutex controllerLock;
    std::atomic<bool> holding{false};
    std::atomic<BoxAnswer> answer{BoxAnswer::Cancel};
    std::thread job([&] {
        std::lock_guard hold(controllerLock);
        holding = true;
        answer =
            front.MessageBox("Keep going?", "Confirmation", Buttons::YesNo | BoxIcon::Question);
    });
    while (!holding) std::this_thread::yield();
    // A plain lock() here would never return: the job waits for its box.
    front.DispatchingWait([&] {
        if (!controllerLock.try_lock()) return false;
        controllerLock.unlock();
        return true;
    });
    job.join();
    EXPECT_EQ(answer.load(), BoxAnswer::Yes);
    ASSERT_EQ(answers.Boxes().size(), 1u);
    EXPECT_EQ(answers.Boxes()[0].text, "Keep going?");
    EXPECT_EQ(answers.Boxes()[0].title, "Confirmation");
}

TEST(QtFrontEnd, StatusAndProgressFromAJobArriveOnTheGuiThread) {
    QWidget window;
    QtFrontEnd front(&window);
    QString status;
    std::uint32_t range = 0, pos = 0;
    std::thread::id seenOn;
    front.onStatusText = [&](const QString& text) {
        status = text;
        seenOn = std::this_thread::get_id();
    };
    front.onProgress = [&](std::uint32_t r, std::uint32_t p) {
        range = r;
        pos = p;
    };
    std::thread job([&] {
        front.SetStatusText("Connected to Parlix 3 on sim:module");
        front.SetProgressRange(40);
        front.SetProgressPos(12);
    });
    job.join();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pos == 12; }, 2000));
    EXPECT_EQ(status, "Connected to Parlix 3 on sim:module");
    EXPECT_EQ(seenOn, std::this_thread::get_id());
    EXPECT_EQ(range, 40u);
}

}  // namespace
}  // namespace parlix::ui::test
