// The scripted person in front of the module: what happens each time the
// module listens. Outcomes are queued per activity and taken in order; when a
// queue is empty the module falls back to a default outcome.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace parlix::sim {

enum class Activity { Train, Verify, Recognize, RecognizeWord, ReceiveToken, Record, Lipsync };
inline constexpr std::size_t kActivityCount = 7;

struct Outcome {
    enum class Kind {
        Accept,          // training or verification accepted
        Similar,         // similar to command `value` of the same group
        SimilarTrigger,  // similar to trigger word `value`
        Error,           // the module reports error code `value`
        Silence,         // nobody speaks: the module times out
        Interrupted,     // recording interrupted
        MemoryFull,      // recording ran out of memory
        Command,         // recognized command `value`
        Trigger,         // recognized trigger word `value`
        Word,            // recognized word `value`
        Token,           // received token `value`
        Recorded,        // recorded `value` milliseconds
        Levels,          // lip-sync mouth levels, one per request
        Sound,           // the sound file `sound` reaches the microphone
    };
    Kind kind = Kind::Accept;
    int value = 0;
    std::vector<int> levels;
    std::optional<int> delayMs;  // how long until it happens; default the speech delay
    std::string sound;

    static Outcome Of(Kind kind, int value = 0, std::optional<int> delayMs = std::nullopt) {
        Outcome outcome;
        outcome.kind = kind;
        outcome.value = value;
        outcome.delayMs = delayMs;
        return outcome;
    }
};

class UserScript {
  public:
    void Push(Activity activity, Outcome outcome);
    std::optional<Outcome> Take(Activity activity);
    std::size_t Pending(Activity activity) const;
    void Clear();

    int speechMs = 300;  // how long a person takes to speak, when an outcome does not say

  private:
    std::array<std::deque<Outcome>, kActivityCount> queues_;
};

}  // namespace parlix::sim
