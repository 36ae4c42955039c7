// The device end's wire timing when the host says when its bytes started and
// takes device bytes ahead of their arrival.
#include "sim/LineEnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace parlix::sim {
namespace {

using namespace std::chrono_literals;
using Clock = LineEnd::Clock;

struct Handed {
    std::uint8_t byte;
    Clock::time_point arrives;
    Clock::time_point handed;
};

class TimedLineEnd : public ::testing::Test {
  protected:
    TimedLineEnd()
        : line_({&log_, true},
                LineEnd::AheadEmitter([this](std::uint8_t byte, Clock::time_point at) {
                    handed_.push_back({byte, at, Clock::now()});
                }),
                nullptr) {
        LineSettings settings;
        settings.baud = 2400;
        line_.SetLine(settings);
        line_.SendAhead();
    }

    std::vector<std::int64_t> Times(Direction direction) const {
        std::vector<std::int64_t> times;
        for (const auto& entry : log_.Entries())
            if (!entry.isEvent && entry.direction == direction) times.push_back(entry.micros);
        return times;
    }

    static constexpr auto kByte = std::chrono::nanoseconds(4'166'666);  // 2400 baud
    WireLog log_;
    std::vector<Handed> handed_;  // only the test thread writes to the line
    LineEnd line_;
};

TEST_F(TimedLineEnd, HostBytesArriveAByteTimeAfterTheyStarted) {
    // Stamps, not the moment the frames came in, place the bytes on the wire.
    const auto start = Clock::now() + 100ms;
    const std::uint8_t first = 'a';
    const std::uint8_t second = 'b';
    line_.Deliver(&first, 1, start);
    line_.Deliver(&second, 1, start + 10ms);
    EXPECT_FALSE(line_.Read(20ms).has_value());  // still on its way

    const auto times = Times(Direction::HostToDevice);
    ASSERT_EQ(times.size(), 2u);
    EXPECT_NEAR(static_cast<double>(times[1] - times[0]), 10000.0, 1.0);

    EXPECT_EQ(line_.Read(1000ms), 'a');
    EXPECT_GE(Clock::now(), start + kByte);
    EXPECT_EQ(line_.Read(1000ms), 'b');
    EXPECT_GE(Clock::now(), start + 10ms + kByte);

    // Bytes sent together cannot overtake each other on the wire.
    const std::uint8_t pair[] = {'c', 'd'};
    line_.Deliver(pair, 2, Clock::now());
    const auto all = Times(Direction::HostToDevice);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_GE(all[3] - all[2], 4166);
}

TEST_F(TimedLineEnd, DeviceBytesAreHandedOverBeforeTheyArrive) {
    const std::uint8_t request = 'b';
    const auto start = Clock::now();
    line_.Deliver(&request, 1, start);
    ASSERT_EQ(line_.Read(1000ms), 'b');
    line_.Write('o');
    line_.Write('k');

    ASSERT_EQ(handed_.size(), 2u);
    // The answer cannot arrive before the request has arrived and it has crossed the wire.
    EXPECT_GE(handed_[0].arrives, start + 2 * kByte);
    // Each byte goes as it starts on the wire: ahead of its arrival, never ahead of the line.
    for (const auto& h : handed_) {
        EXPECT_LT(h.handed, h.arrives);
        EXPECT_GE(h.handed, h.arrives - kByte);
    }
    EXPECT_GE(handed_[1].arrives - handed_[0].arrives, kByte);

    const auto out = Times(Direction::DeviceToHost);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_GE(out[1] - out[0], 4166);
}

// A host that writes and closes at once: what it wrote still reaches the
// device, as a real port drains before it closes; an unplugged device gets nothing.
TEST(LineEndStop, BytesSentBeforeTheHostClosedStillReachTheDevice) {
    for (const bool unplug : {false, true}) {
        SCOPED_TRACE(unplug ? "unplugged" : "closed");
        LineEnd line({}, LineEnd::Emitter([](std::uint8_t) {}), nullptr);
        const std::uint8_t bytes[] = {'G', '#'};
        line.Deliver(bytes, 2);
        if (unplug)
            line.Unplug();
        else
            line.Stop();
        std::vector<std::uint8_t> read;
        while (!line.Stopping())
            if (const auto byte = line.Read(10ms)) read.push_back(*byte);
        EXPECT_EQ(read, unplug ? std::vector<std::uint8_t>{}
                               : std::vector<std::uint8_t>(bytes, bytes + 2));
        EXPECT_FALSE(line.Read(10ms).has_value());
    }
}

}  // namespace
}  // namespace parlix::sim
