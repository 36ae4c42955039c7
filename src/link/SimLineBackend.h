// The host end of the virtual serial line to parlix-sim: data bytes and line
// events travel as frames over a Unix-domain socket (see SimLineProtocol.h).
#pragma once

#include "link/SerialBackend.h"
#include "link/SimLineProtocol.h"

#include <chrono>
#include <deque>
#include <vector>

namespace parlix {

class SimLineBackend final : public SerialBackend {
  public:
    // How long the server may take to accept or refuse a device: a simulator
    // just started on a loaded machine can take seconds before it answers,
    // and a server that is there answers a refusal at once.
    static constexpr std::chrono::milliseconds kAttachTimeout{10000};

    // Connects to the server at `socketPath` and attaches device `name`.
    // No server, a refusal or no answer all fail with Status::NoSimulator.
    static std::error_code Connect(const std::string& socketPath, const std::string& name,
                                   std::unique_ptr<SerialBackend>& out);

    SimLineBackend(const SimLineBackend&) = delete;
    SimLineBackend& operator=(const SimLineBackend&) = delete;
    ~SimLineBackend() override;

    std::error_code Close() override;
    std::error_code SetLine(const LineSettings& settings) override;
    std::error_code GetLine(LineSettings& settings) override;
    std::error_code SetRts(bool on) override;
    std::error_code SetDtr(bool on) override;
    std::error_code SetBreak(bool on) override;
    std::error_code Purge() override;
    std::error_code Drain(Clock::time_point& sentAt) override;
    std::error_code WaitReadable(Deadline deadline, bool& readable) override;
    std::error_code ReadAvailable(std::uint8_t* data, std::size_t size, std::size_t& got) override;
    std::error_code Write(const std::uint8_t* data, std::size_t size, Deadline deadline,
                          std::size_t& written) override;
    bool TakeBreakEvent() override;

  private:
    explicit SimLineBackend(int fd) : fd_(fd) {}

    // Takes in whatever the socket holds without waiting; `breakArrived`
    // tells whether a break was set by it.
    void Pump(bool* breakArrived = nullptr);
    void Handle(const simline::FrameDecoder::Decoded& frame, bool* breakArrived);
    // Sends one whole frame. A frame cut short would garble the stream, so
    // once started it is finished even past the deadline, within a grace.
    std::error_code Send(simline::Frame type, const std::uint8_t* payload, std::size_t size,
                         Deadline deadline);
    std::error_code SendEncoded(const std::vector<std::uint8_t>& frame, Deadline deadline);
    std::error_code SendControl(simline::Frame type, const std::uint8_t* payload, std::size_t size);
    // The error of a line that the device left, after taking in what is there.
    std::error_code Check();

    int fd_;
    // Bytes the device sent that have not yet arrived count as unread.
    bool Arrived() const { return !received_.empty() && received_.front().at <= Clock::now(); }

    struct Incoming {
        std::uint8_t value;
        Clock::time_point at;  // when it has arrived
    };

    simline::FrameDecoder decoder_;
    std::deque<Incoming> received_;
    LineSettings line_;
    // When the bytes written so far have left the line at its baud rate:
    // draining waits for it, as a real port does.
    Clock::time_point sentUntil_{};
    bool timed_ = false;  // the server takes TimedData frames
    bool unplugged_ = false;
    bool breakEvent_ = false;
};

}  // namespace parlix
