#include "app/ConnectJob.h"

#include "app/ModuleSession.h"

namespace parlix {

ConnectJob::~ConnectJob() {
    Cancel();
    Join();
}

bool ConnectJob::Start(std::function<void(bool connected)> ended) {
    if (running_) return false;
    Join();
    token_.Reset();
    running_ = true;
    thread_ = std::thread([this, ended = std::move(ended)] {
        bool connected = false;
        {
            const CancelScope scope(token_);
            connected = session_.Establish();
        }
        running_ = false;
        if (ended) ended(connected);
    });
    return true;
}

void ConnectJob::Join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace parlix
