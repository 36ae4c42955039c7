// Cancelling a long exchange from another thread. A job installs its token
// for the thread that runs it; the port's waits and the protocol's pauses on
// that thread look at it and end early, so that the exchange stops at the
// next byte boundary.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace parlix {

class CancelToken {
  public:
    using Clock = std::chrono::steady_clock;

    void Cancel();
    // Before the token serves another run.
    void Reset();
    bool Cancelled() const { return cancelled_.load(std::memory_order_acquire); }
    // Sleeps until `until`; false when cancelled first.
    bool SleepUntil(Clock::time_point until);

  private:
    std::atomic<bool> cancelled_ = false;
    std::mutex mutex_;
    std::condition_variable wake_;
};

// Installs a token for the calling thread for the scope's lifetime.
class CancelScope {
  public:
    explicit CancelScope(CancelToken& token);
    ~CancelScope();
    CancelScope(const CancelScope&) = delete;
    CancelScope& operator=(const CancelScope&) = delete;

  private:
    CancelToken* previous_;
};

// The calling thread's token; null when nothing can cancel it.
CancelToken* CurrentCancelToken();
// Whether the calling thread's run was cancelled.
bool CancelRequested();
// Sleeps until `until`, or less when the calling thread's run is cancelled;
// false then.
bool SleepUntilUnlessCancelled(CancelToken::Clock::time_point until);
// How long one wait may block before it looks at the token again.
inline constexpr std::chrono::milliseconds kCancelCheckInterval{20};

}  // namespace parlix
