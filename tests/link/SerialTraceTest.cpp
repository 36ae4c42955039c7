// The protocol trace as Serial writes it: every byte with its direction, the
// line events between them, and a trace closed while another thread transfers.
#include "base/Trace.h"
#include "link/Serial.h"
#include "support/RecordingFrontEnd.h"
#include "support/TempDir.h"
#include "support/TraceRecords.h"

#include <gmock/gmock.h>

#include <poll.h>
#include <pty.h>
#include <unistd.h>
#include <atomic>
#include <string>
#include <thread>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;
using namespace std::chrono_literals;

class SerialTraceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[128] = {};
        ASSERT_EQ(::openpty(&master_, &slave_, name, nullptr, nullptr), 0);
        device_ = name;
    }
    void TearDown() override {
        CloseTrace();
        port_.Close();
        ::close(master_);
        ::close(slave_);
    }

    // The device side: takes what the port sent, up to `count` bytes.
    std::string DeviceReceives(std::size_t count, int withinMs = 2000) {
        std::string got;
        while (got.size() < count) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, withinMs) <= 0) break;
            char buf[64];
            const ssize_t n = ::read(master_, buf, std::min(sizeof(buf), count - got.size()));
            if (n <= 0) break;
            got.append(buf, static_cast<std::size_t>(n));
        }
        return got;
    }

    TempDir dir;
    const std::string path = dir.File("trace.txt");
    int master_ = -1;
    int slave_ = -1;
    std::string device_;
    Serial port_;
};

TEST_F(SerialTraceTest, ExchangeAndLineEventsAppearInOrder) {
    ASSERT_FALSE(OpenTrace(path));
    ASSERT_FALSE(port_.Open(device_, 0, 0, true));
    ASSERT_FALSE(port_.Configure(9600, 8, 0, 0));
    ASSERT_FALSE(port_.SetHandshaking(0));
    ASSERT_FALSE(port_.SetReadMode(1));  // reads wait for their whole count
    ASSERT_FALSE(port_.Purge());
    ASSERT_FALSE(port_.Write("bx", 2, nullptr, nullptr, 1000));
    EXPECT_EQ(DeviceReceives(2), "bx");
    ASSERT_EQ(::write(master_, "o\0", 2), 2);
    char reply[2] = {};
    std::uint32_t got = 0;
    ASSERT_FALSE(port_.Read(reply, 2, &got, nullptr, 1000));
    EXPECT_TRUE(port_.Read(reply, 1, &got, nullptr, 20));  // the device says no more
    port_.Close();
    CloseTrace();

    const auto records = ReadTraceRecords(path);
    EXPECT_EQ(WireText(records), ">b>x<o<" + std::string(1, '\0'));
    // Line events, with the bytes marked where they came.
    std::vector<std::string> events;
    for (const TraceRecord& r : records) {
        if (r.tag == "LINE" || r.tag == "END")
            events.push_back(r.payload);
        else if (events.empty() || events.back() != r.tag)
            events.push_back(r.tag);
    }
    EXPECT_THAT(events, ElementsAre("open " + device_, "line 9600 baud 8N1", "handshaking off",
                                    "purge", "TX", "RX", "read time-out after 20 ms (0 of 1 bytes)",
                                    "close", "trace closed"));
}

// A front end closes and reopens the trace while a job thread exchanges bytes
// and another reports its status: every file stays whole, one record a line.
TEST_F(SerialTraceTest, ClosingWhileOtherThreadsTraceIsSafe) {
    ASSERT_FALSE(port_.Open(device_, 0, 0, true));
    std::atomic<bool> stop{false};
    std::thread device([&] {
        while (!stop) DeviceReceives(64, 10);
    });
    std::thread job([&] {
        while (!stop) {
            port_.Write("b", 1, nullptr, nullptr, 100);
            std::this_thread::sleep_for(50us);
        }
    });
    std::thread status([&] {
        RecordingFrontEnd front;
        while (!stop) {
            front.SetStatusText("Reading group 3");
            front.Clear();
            std::this_thread::sleep_for(50us);
        }
    });
    const std::string files[] = {dir.File("a.txt"), dir.File("b.txt")};
    for (int i = 0; i < 200; ++i) {
        EXPECT_FALSE(OpenTrace(files[i % 2]));
        std::this_thread::sleep_for(1ms);
        if (i % 3 == 0) CloseTrace();  // otherwise the next open replaces it
    }
    CloseTrace();
    stop = true;
    job.join();
    status.join();
    device.join();

    for (const std::string& file : files) {
        const auto lines = ReadTraceLines(file);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_THAT(lines[0], StartsWith("Parlix Desk "));
        const auto records = ReadTraceRecords(file);
        for (const TraceRecord& r : records) EXPECT_NE(r.tag, "?") << r.payload;
        EXPECT_EQ(records.back().tag, "END");
        for (const std::string& text : Payloads(records, "STATUS"))
            EXPECT_EQ(text, "Reading group 3");
    }
}

}  // namespace
}  // namespace parlix::test
