#include "sim/CommandFraming.h"
#include "sim/ModuleReply.h"

#include <algorithm>

namespace parlix::sim {

LevelStream::LevelStream(std::vector<int> levels, int silenceSeconds)
    : levels_(std::move(levels)), silenceSeconds_(silenceSeconds), lastSound_(Clock::now()) {}

std::uint8_t LevelStream::Next(Clock::time_point now) {
    if (!ended_) {
        int level = 0;
        if (next_ < levels_.size()) level = std::clamp(levels_[next_++], 0, 31);
        if (level > 0) lastSound_ = now;
        if (level > 0 || silenceSeconds_ <= 0 ||
            now - lastSound_ < std::chrono::seconds(silenceSeconds_))
            return EncodeArgument(level);
        ended_ = true;
    }
    return 't';  // the lip-sync time-out ran out
}

}  // namespace parlix::sim
