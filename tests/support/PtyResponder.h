// A device at the far end of a pseudo-terminal that answers each received
// byte through a function: the smallest fixture that pins down exact bytes
// and timings of the host side.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace parlix::test {

class PtyResponder {
  public:
    using Clock = std::chrono::steady_clock;
    // Given a received byte, the bytes to send back (none: stay silent).
    using Answer = std::function<std::vector<std::uint8_t>(std::uint8_t)>;

    struct Received {
        std::uint8_t byte;
        Clock::time_point when;
    };

    explicit PtyResponder(Answer answer = {});
    ~PtyResponder();
    PtyResponder(const PtyResponder&) = delete;
    PtyResponder& operator=(const PtyResponder&) = delete;

    const std::string& Path() const { return path_; }
    std::vector<Received> ReceivedBytes() const;
    std::string ReceivedText() const;  // the bytes as characters
    void Send(const std::vector<std::uint8_t>& bytes);
    void SetAnswer(Answer answer);
    void Clear();

  private:
    void Run();

    int master_ = -1;
    int slave_ = -1;  // kept open so that the host's close does not hang up the line
    int wake_[2] = {-1, -1};
    std::string path_;
    mutable std::mutex mutex_;
    Answer answer_;
    std::vector<Received> received_;
    std::thread thread_;
};

}  // namespace parlix::test
