// The shortest time a stretch of wire traffic can take: every byte at ten
// bits, the pacing before each paced host byte and the pauses the module
// needs after some argument bytes. Nothing overlaps on a half-duplex exchange.
#pragma once

#include "sim/WireLog.h"

#include <chrono>
#include <cstdint>
#include <vector>

namespace parlix::bench {

struct WireWindow {
    std::chrono::microseconds wall{0};     // first byte's start to last byte's end
    std::chrono::microseconds minimum{0};  // what the protocol cannot go below
    std::size_t hostBytes = 0;
    std::size_t deviceBytes = 0;
    int pauses = 0;
    int turnarounds = 0;  // host bytes answered by the device
};

// What a link adds to the bytes themselves.
struct LinkTiming {
    std::chrono::microseconds pacing{2000};  // the wait before each paced host byte
    bool argumentRequestsPaced = false;      // the direct link sends them back to back
    bool pausesAfterArguments = true;        // the module's 50 ms after some arguments
    // A bridge that passes each byte on once it has it whole: where the host
    // waits for an answer, its last byte and the answer's first also cross
    // the bridge's line to the module. Elsewhere that overlaps the waits.
    bool storeAndForward = false;
};

// Over the byte entries of `entries` from `first` on, at `baud`.
WireWindow MeasureWindow(const std::vector<sim::WireEntry>& entries, std::size_t first,
                         std::uint32_t baud, const LinkTiming& link = {});

}  // namespace parlix::bench
