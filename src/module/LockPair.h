// The lock carried by every object of the data model: a recursive mutex and a
// busy count. Readers only try: an object that is busy counts as unknown, so
// the window never waits behind a job that is talking to the module. Updates
// enter unconditionally and keep the object busy while they work.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>

namespace parlix {

// How a thread that must keep serving others (the GUI thread) waits: it calls
// `ready` until that succeeds, dispatching requests of other threads meanwhile.
using LockWait = std::function<void(const std::function<bool()>& ready)>;

class LockPair {
  public:
    LockPair() = default;
    LockPair(const LockPair&) = delete;
    LockPair& operator=(const LockPair&) = delete;

    // Never waits: false when the object is busy or its mutex is taken.
    bool TryEnter() {
        if (busy_.load(std::memory_order_acquire) != 0) return false;
        if (!mutex_.try_lock()) return false;
        busy_.fetch_add(1, std::memory_order_acq_rel);
        return true;
    }

    // Waits for the object; with `wait` given, through that dispatching wait.
    void Enter(const LockWait* wait = nullptr) {
        if (wait == nullptr || !*wait) {
            mutex_.lock();
        } else if (!mutex_.try_lock()) {
            (*wait)([this] { return mutex_.try_lock(); });
        }
        busy_.fetch_add(1, std::memory_order_acq_rel);
    }

    // Busy is cleared before the mutex is released, once per Enter.
    void Leave() {
        busy_.fetch_sub(1, std::memory_order_acq_rel);
        mutex_.unlock();
    }

    bool IsBusy() const { return busy_.load(std::memory_order_acquire) != 0; }

  private:
    std::recursive_mutex mutex_;
    // A count rather than a flag, so that a nested Enter on the owning thread
    // does not clear it early.
    std::atomic<int> busy_{0};
};

// Holds a lock pair for an update, for a scope.
class UpdateLock {
  public:
    explicit UpdateLock(LockPair& pair, const LockWait* wait = nullptr) : pair_(pair) {
        pair_.Enter(wait);
    }
    ~UpdateLock() { pair_.Leave(); }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

  private:
    LockPair& pair_;
};

// Holds a list and one of its entries for an update, the list first: every
// update takes them in that order, so no two can wait on each other. The
// entry can be let go early, so that views read it while the list stays held.
class ListEntryLock {
  public:
    ListEntryLock(LockPair& list, LockPair& entry, const LockWait* wait = nullptr)
        : list_(list), entry_(&entry) {
        list_.Enter(wait);
        entry_->Enter(wait);
    }
    ~ListEntryLock() {
        ReleaseEntry();
        list_.Leave();
    }
    ListEntryLock(const ListEntryLock&) = delete;
    ListEntryLock& operator=(const ListEntryLock&) = delete;

    void ReleaseEntry() {
        if (entry_ == nullptr) return;
        entry_->Leave();
        entry_ = nullptr;
    }

  private:
    LockPair& list_;
    LockPair* entry_;
};

// Holds a lock pair for a read-out when it was free; test it before reading.
class TryLock {
  public:
    explicit TryLock(LockPair& pair) : pair_(pair), owned_(pair.TryEnter()) {}
    ~TryLock() {
        if (owned_) pair_.Leave();
    }
    TryLock(const TryLock&) = delete;
    TryLock& operator=(const TryLock&) = delete;

    explicit operator bool() const { return owned_; }

  private:
    LockPair& pair_;
    bool owned_;
};

}  // namespace parlix
