// The hot-plug monitor sees tty events. A "change" event of a virtual
// console stands in for a plugged port: it touches no serial line.
#include "link/PortMonitor.h"

#include <gtest/gtest.h>

#include <fstream>

namespace parlix {
namespace {

TEST(PortMonitorTest, TtyEventWakesTheMonitorOnce) {
    PortMonitor monitor;
    EXPECT_EQ(monitor.Fd(), -1);
    EXPECT_FALSE(monitor.Drain());
    ASSERT_FALSE(monitor.Start());
    ASSERT_TRUE(monitor.IsRunning());
    EXPECT_GE(monitor.Fd(), 0);

    {
        std::ofstream trigger("/sys/class/tty/tty63/uevent");
        if (!(trigger << "change" << std::flush)) GTEST_SKIP() << "cannot send a tty event here";
    }
    EXPECT_TRUE(monitor.Wait(2000));
    EXPECT_TRUE(monitor.Drain());
    EXPECT_FALSE(monitor.Drain());  // drained

    monitor.Stop();
    EXPECT_FALSE(monitor.IsRunning());
    EXPECT_EQ(monitor.Fd(), -1);
    EXPECT_FALSE(monitor.Wait(0));
}

}  // namespace
}  // namespace parlix
