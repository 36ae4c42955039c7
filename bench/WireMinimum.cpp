#include "WireMinimum.h"

#include "link/ModuleFraming.h"

namespace parlix::bench {

WireWindow MeasureWindow(const std::vector<sim::WireEntry>& entries, std::size_t first,
                         std::uint32_t baud, const LinkTiming& link) {
    using std::chrono::microseconds;
    const auto byteTime = microseconds(10'000'000LL / baud);
    const auto pacing = link.pacing;
    const auto pause = microseconds(50'000);
    WireWindow w;
    std::int64_t start = -1;
    std::int64_t end = 0;
    // The command being sent, to place the pauses after its arguments.
    std::uint8_t command = 0;
    std::vector<std::int32_t> args;
    bool lastWasHost = false;
    for (std::size_t i = first; i < entries.size(); ++i) {
        const auto& e = entries[i];
        if (e.isEvent) continue;
        end = e.micros;
        const bool answer = e.direction == sim::Direction::DeviceToHost;
        if (answer && lastWasHost) {
            ++w.turnarounds;
            if (link.storeAndForward) w.minimum += 2 * byteTime;
        }
        lastWasHost = !answer;
        if (answer) {
            ++w.deviceBytes;
            w.minimum += byteTime;
            continue;
        }
        ++w.hostBytes;
        w.minimum += byteTime;
        const bool paced = link.argumentRequestsPaced || e.value != kArgRequest;
        if (paced) w.minimum += pacing;
        if (start < 0) start = e.micros - byteTime.count() - (paced ? pacing.count() : 0);
        if (!link.pausesAfterArguments) continue;
        if (e.value > 0x60) {  // a command letter
            command = e.value;
            args.clear();
        } else if (e.value >= 0x40 && command != 0) {
            args.push_back(static_cast<std::int32_t>(e.value) - 0x41);
            // The rule looks only at the arguments up to the one just sent.
            if (NeedsPauseAfterArgument(command, args.size() - 1, args)) {
                w.minimum += pause;
                ++w.pauses;
            }
        }
    }
    if (start >= 0) w.wall = microseconds(end - start);
    return w;
}

}  // namespace parlix::bench
