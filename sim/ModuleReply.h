// What the module does about one command: answer a status (with reply
// arguments fetched on request), answer nothing, or get busy and answer later.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace parlix::sim {

// The lip-sync output: one reply byte for each request, a mouth level while
// lip-sync runs, then its end.
class LevelStream {
  public:
    using Clock = std::chrono::steady_clock;
    // Ends after `silenceSeconds` without sound (0: never).
    LevelStream(std::vector<int> levels, int silenceSeconds);
    std::uint8_t Next(Clock::time_point now);
    bool Ended() const { return ended_; }

  private:
    std::vector<int> levels_;
    std::size_t next_ = 0;
    const int silenceSeconds_;
    Clock::time_point lastSound_;
    bool ended_ = false;
};

struct Reply {
    using Ms = std::chrono::milliseconds;
    static constexpr Ms kUntilInterrupted = Ms::max();

    std::optional<std::uint8_t> status;   // none: the module says nothing
    std::vector<int> arguments;           // sent one per space the host sends
    std::shared_ptr<LevelStream> stream;  // lip-sync: answers every space until it ends
    // Busy or listening: after this long the module runs `finish` and answers its reply.
    std::optional<Ms> after;
    std::function<Reply()> finish;
    // A recording that the control byte ends early: the reply for what was
    // recorded so far.
    std::function<Reply(Ms elapsed)> stop;

    static Reply None() { return {}; }
    static Reply Status(std::uint8_t status, std::vector<int> arguments = {}) {
        Reply reply;
        reply.status = status;
        reply.arguments = std::move(arguments);
        return reply;
    }
    // 'e' with the 8-bit code as two arguments, high 4 bits first.
    static Reply Error(int code) { return Status('e', {(code >> 4) & 15, code & 15}); }
    static Reply Later(Ms delay, std::function<Reply()> finish) {
        Reply reply;
        reply.after = delay;
        reply.finish = std::move(finish);
        return reply;
    }
};

}  // namespace parlix::sim
