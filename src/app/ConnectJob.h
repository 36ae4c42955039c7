// Connecting off the window's thread: the session's Establish runs on a
// thread of its own under a cancel token, so that detection, a bridge
// download and the first reads can be cancelled and never hold up the window.
#pragma once

#include "base/Cancellation.h"

#include <atomic>
#include <functional>
#include <thread>

namespace parlix {

class ModuleSession;

class ConnectJob {
  public:
    explicit ConnectJob(ModuleSession& session) : session_(session) {}
    ~ConnectJob();
    ConnectJob(const ConnectJob&) = delete;
    ConnectJob& operator=(const ConnectJob&) = delete;

    // Starts establishing the connection; `ended` is called on the job's
    // thread when it ends, with whether it connected. False when one runs.
    bool Start(std::function<void(bool connected)> ended);
    // Stops the run at the next byte boundary; its end is still reported.
    void Cancel() { token_.Cancel(); }
    bool Cancelled() const { return token_.Cancelled(); }
    // Between Start and the end of the run.
    bool Running() const { return running_; }
    // Waits for the thread after its end was reported.
    void Join();

  private:
    ModuleSession& session_;
    CancelToken token_;
    std::thread thread_;
    std::atomic<bool> running_ = false;
};

}  // namespace parlix
