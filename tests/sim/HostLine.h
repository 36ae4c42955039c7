// The host's side of a line to a simulated device, for tests: raw bytes in
// and out over a pseudo-terminal, the socket, or straight into a LineEnd.
#pragma once

#include "link/SimLineProtocol.h"
#include "sim/Device.h"
#include "sim/LineEnd.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace parlix::sim::test {

using namespace std::chrono_literals;

class HostLine {
  public:
    virtual ~HostLine() = default;
    virtual void Send(const std::vector<std::uint8_t>& bytes) = 0;
    virtual std::optional<std::uint8_t> Read(std::chrono::milliseconds timeout) = 0;

    void Send(const std::string& bytes) {
        Send(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }
    // Sends a request and reads one reply byte (any value), like the host's Query.
    std::optional<std::uint8_t> Query(const std::string& bytes,
                                      std::chrono::milliseconds timeout = 1000ms);
    // Sends a command byte with its argument values ('A' + value each) and reads the status.
    std::optional<std::uint8_t> Command(char command, const std::vector<int>& args = {},
                                        std::chrono::milliseconds timeout = 1000ms);
    // Fetches `count` reply arguments, one space each; stops at a missing or invalid byte.
    std::vector<int> Fetch(std::size_t count, std::chrono::milliseconds timeout = 1000ms);
    // Reads whatever arrives until the line stays quiet for `quiet`.
    std::vector<std::uint8_t> Drain(std::chrono::milliseconds quiet = 100ms);
};

// Straight into a LineEnd served by the device on its own thread: no OS line in between.
class LoopHost : public HostLine {
  public:
    explicit LoopHost(std::shared_ptr<Device> device, TransportOptions options = {});
    ~LoopHost() override;
    void Send(const std::vector<std::uint8_t>& bytes) override;
    using HostLine::Send;
    std::optional<std::uint8_t> Read(std::chrono::milliseconds timeout) override;
    LineEnd& Line() { return *line_; }
    bool Unplugged() const { return line_->Unplugged(); }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::uint8_t> received_;
    std::unique_ptr<LineEnd> line_;
    std::shared_ptr<Device> device_;
    std::thread serve_;
};

// A pseudo-terminal slave opened the way a serial port is: O_RDWR | O_NOCTTY, raw.
class PtyHost : public HostLine {
  public:
    explicit PtyHost(const std::string& path, unsigned baud = 9600);
    ~PtyHost() override;
    bool IsOpen() const { return fd_ >= 0; }
    void Send(const std::vector<std::uint8_t>& bytes) override;
    using HostLine::Send;
    std::optional<std::uint8_t> Read(std::chrono::milliseconds timeout) override;
    // True when the line hung up (reads fail with end of file or EIO).
    bool HungUp(std::chrono::milliseconds timeout);

  private:
    int fd_ = -1;
};

// A raw client of the virtual serial line socket, speaking its frames.
class SocketHost : public HostLine {
  public:
    explicit SocketHost(const std::string& socketPath);
    ~SocketHost() override;
    bool IsConnected() const { return fd_ >= 0; }
    // Sends the Open frame; the reply frame type (Accept or Refuse) and its payload.
    std::optional<std::uint8_t> Open(const std::string& name, std::string* payload = nullptr);
    void SendFrame(std::uint8_t type, const std::vector<std::uint8_t>& payload);
    void Send(const std::vector<std::uint8_t>& bytes) override;
    using HostLine::Send;
    std::optional<std::uint8_t> Read(std::chrono::milliseconds timeout) override;
    // Module bytes that came in TimedData frames.
    std::size_t TimedBytes() const { return timedBytes_; }
    // True once an Unplug frame came and the server closed.
    bool SawUnplug(std::chrono::milliseconds timeout);
    void Close();

  private:
    bool Pump(std::chrono::milliseconds timeout);

    int fd_ = -1;
    simline::FrameDecoder decoder_;
    std::deque<std::pair<std::uint8_t, simline::Clock::time_point>> data_;   // with arrival
    std::deque<std::pair<std::uint8_t, std::vector<std::uint8_t>>> frames_;  // non-data frames
    bool closed_ = false;
    std::size_t timedBytes_ = 0;
};

// Wire time in microseconds from the host's last byte before the module's
// first answer in `log` to that answer; -1 when the log holds no answer.
std::int64_t AnswerDelay(const WireLog& log);

// A socket path unique to this test process.
std::string TempSocketPath(const std::string& tag);

}  // namespace parlix::sim::test
