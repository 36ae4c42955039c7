#include "base/Cancellation.h"

#include <thread>

namespace parlix {
namespace {

thread_local CancelToken* currentToken = nullptr;

}  // namespace

void CancelToken::Cancel() {
    {
        const std::lock_guard lock(mutex_);
        cancelled_.store(true, std::memory_order_release);
    }
    wake_.notify_all();
}

void CancelToken::Reset() {
    const std::lock_guard lock(mutex_);
    cancelled_.store(false, std::memory_order_release);
}

bool CancelToken::SleepUntil(Clock::time_point until) {
    std::unique_lock lock(mutex_);
    return !wake_.wait_until(lock, until, [this] { return Cancelled(); });
}

CancelScope::CancelScope(CancelToken& token) : previous_(currentToken) {
    currentToken = &token;
}

CancelScope::~CancelScope() {
    currentToken = previous_;
}

CancelToken* CurrentCancelToken() {
    return currentToken;
}

bool CancelRequested() {
    return currentToken && currentToken->Cancelled();
}

bool SleepUntilUnlessCancelled(CancelToken::Clock::time_point until) {
    if (currentToken) return currentToken->SleepUntil(until);
    std::this_thread::sleep_until(until);
    return true;
}

}  // namespace parlix
