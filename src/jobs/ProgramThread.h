// ProgramThreadImpl: a long-lived worker that sleeps until it is given a
// request, runs it, posts one completion and waits for the next. A newer
// request cancels the run in progress; requests that pile up are served by
// one run with the newest argument, and the completion says how many.
#pragma once

#include "base/FrontEnd.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>

namespace parlix {

struct Void {};

namespace detail {
// Thread plumbing kept out of the template: naming, priority, identifiers.
std::uint64_t CurrentThreadId();
void PrepareWorkerThread(const char* name);
}  // namespace detail

// The window that receives completion notifications.
class ProgramNotify {
  public:
    void SetNotifyTarget(FrontEnd* target) { notify_.store(target); }
    FrontEnd* NotifyTarget() const { return notify_.load(); }

  private:
    std::atomic<FrontEnd*> notify_{nullptr};
};

template <class Job, class Arg>
class ProgramThreadImpl : public ProgramNotify {
  public:
    explicit ProgramThreadImpl(const char* name) : name_(name) {}
    ProgramThreadImpl(const ProgramThreadImpl&) = delete;
    ProgramThreadImpl& operator=(const ProgramThreadImpl&) = delete;
    // Jobs call Stop() in their own destructors: Run must not outlive them.
    ~ProgramThreadImpl() = default;

    void Start() {
        std::lock_guard lock(lock_);
        if (thread_.joinable()) return;
        running_ = false;
        quit_ = false;
        finished_ = false;
        thread_ = std::thread([this] { Loop(); });
    }

    void Request(Arg argument = {}) {
        std::lock_guard lock(lock_);
        ++requests_;
        running_ = false;  // cancels a run in progress
        pending_ = true;
        argument_ = std::move(argument);
    }

    // Ends the thread. While it waits the front end keeps serving requests
    // that the worker makes of it (progress, message boxes).
    void Stop() {
        {
            std::lock_guard lock(lock_);
            quit_ = true;
            running_ = false;
            pending_ = false;
            if (!thread_.joinable()) return;
        }
        if (FrontEnd* front = NotifyTarget())
            front->DispatchingWait([this] { return finished_.load(); });
        thread_.join();
        std::lock_guard lock(lock_);
        thread_ = std::thread();
    }

    bool IsRunning() {
        std::lock_guard lock(lock_);
        return running_;
    }

    bool HasThread() {
        std::lock_guard lock(lock_);
        return thread_.joinable();
    }

    std::uint64_t ThreadId() const { return threadId_.load(); }
    const char* Name() const { return name_; }

  private:
    void Loop() {
        detail::PrepareWorkerThread(name_);
        threadId_.store(detail::CurrentThreadId());
        for (;;) {
            Arg argument;
            {
                std::unique_lock lock(lock_);
                while (!pending_) {
                    if (quit_) return Finish();
                    lock.unlock();
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                    lock.lock();
                }
                if (quit_) return Finish();
                running_ = true;
                pending_ = false;
                argument = argument_;
            }
            static_cast<Job*>(this)->Run(argument);
            int served = 0;
            {
                std::lock_guard lock(lock_);
                served = requests_;
                if (pending_) {
                    served = requests_ - 1;
                    requests_ = 1;
                } else {
                    requests_ = 0;
                }
                running_ = false;
            }
            if (FrontEnd* front = NotifyTarget()) front->PostJobFinished(threadId_.load(), served);
        }
    }

    void Finish() { finished_.store(true); }

    const char* name_;
    std::mutex lock_;
    std::thread thread_;
    std::atomic<std::uint64_t> threadId_{0};
    std::atomic<bool> finished_{false};
    bool running_ = false;
    bool pending_ = false;
    bool quit_ = false;
    int requests_ = 0;
    Arg argument_{};
};

}  // namespace parlix
