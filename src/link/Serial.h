// Serial: the one class through which the program touches a serial port.
//
// Operations return a status (an empty error_code for success) and also keep
// it as the port's last error. A port "opened for
// overlapped I/O" bounds every read, write and event wait by its time-out; one
// opened without it only takes kInfinite.
#pragma once

#include "base/Status.h"
#include "link/SerialBackend.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace parlix {

inline constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;  // no time-out
inline constexpr std::uint32_t kMaxDword = 0xFFFFFFFFu;

// Event bits of SetEventMask / WaitForEvent.
inline constexpr std::uint32_t EV_RXCHAR = 0x0001;
inline constexpr std::uint32_t EV_RXFLAG = 0x0002;
inline constexpr std::uint32_t EV_BREAK = 0x0040;
inline constexpr std::uint32_t EV_ERR = 0x0080;

// Extended line functions of EscapeFunction.
inline constexpr int SETRTS = 3;
inline constexpr int CLRRTS = 4;
inline constexpr int SETDTR = 5;
inline constexpr int CLRDTR = 6;
inline constexpr int SETBREAK = 8;
inline constexpr int CLRBREAK = 9;

// A caller-owned overlapped record: the transfer is tried once without
// waiting, and `pending` tells that it did not complete.
struct Overlapped {
    bool pending = false;
};

class Serial {
  public:
    // Longest port name kept (the part after the "/dev/" that it maps to).
    static constexpr std::size_t kMaxNameLength = 255;

    Serial() = default;
    Serial(const Serial&) = delete;
    Serial& operator=(const Serial&) = delete;
    virtual ~Serial();

    virtual std::error_code Open(const std::string& device, std::uint32_t inQueue = 0,
                                 std::uint32_t outQueue = 0, bool overlapped = false);
    virtual std::error_code Close();
    virtual std::error_code Configure(std::uint32_t baud, int dataBits, int parity, int stopBits);
    virtual std::error_code SetEventChar(std::uint8_t ch, bool adjustMask = true);
    virtual std::error_code SetEventMask(std::uint32_t mask);
    virtual std::error_code WaitForEvent(Overlapped* ov = nullptr,
                                         std::uint32_t timeoutMs = kInfinite);
    virtual std::error_code SetHandshaking(int mode);
    virtual std::error_code SetReadMode(int mode, std::uint32_t intervalMs = kMaxDword);
    virtual int GetBaudRate();
    virtual int GetDataBits();
    virtual int GetParity();
    virtual int GetStopBits();
    virtual int GetHandshaking();
    virtual std::uint32_t GetEventMask();
    virtual std::uint8_t GetEventChar();
    virtual std::error_code WriteText(const char* text, std::uint32_t* written = nullptr,
                                      Overlapped* ov = nullptr,
                                      std::uint32_t timeoutMs = kInfinite);
    virtual std::error_code Write(const void* data, std::uint32_t size,
                                  std::uint32_t* written = nullptr, Overlapped* ov = nullptr,
                                  std::uint32_t timeoutMs = kInfinite);
    // A read that runs out of time returns Status::Timeout; `got` still
    // counts the bytes that did arrive and were stored.
    virtual std::error_code Read(void* data, std::uint32_t size, std::uint32_t* got = nullptr,
                                 Overlapped* ov = nullptr, std::uint32_t timeoutMs = kInfinite);

    std::error_code EscapeFunction(int function);
    std::error_code Purge();
    std::error_code FlushOutput();
    // Keeps the line quiet for `ms`. Right after FlushOutput, or another
    // pause, the time counts from when the line went quiet rather than from
    // now, so that a late wake-up from the drain does not lengthen it.
    void Pause(int ms);

    bool IsOpen() const { return backend_ != nullptr; }
    bool IsOverlapped() const { return overlapped_; }
    std::error_code LastError() const { return lastError_; }
    std::uint32_t OccurredEvents() const { return occurredEvents_; }
    // The device path that a port name opens: "ttyUSB0" is "/dev/ttyUSB0",
    // an absolute path stays as it is, "sim:NAME" names a simulated device.
    static std::string DevicePath(const std::string& name);

  private:
    using Deadline = SerialBackend::Deadline;

    void Begin();
    std::error_code Finish(std::error_code ec);
    // Steps shared by Read, Write and WaitForEvent before any transfer.
    std::error_code CheckTransfer(const Overlapped* ov, std::uint32_t timeoutMs) const;
    static Deadline DeadlineAfter(std::uint32_t timeoutMs);
    std::error_code ApplyEventMask(std::uint32_t mask);
    std::error_code ApplyReadMode(int mode, std::uint32_t intervalMs);
    std::error_code ReadLine(LineSettings& line);
    template <typename Field>
    int LineField(Field LineSettings::*field);
    std::error_code ReadInto(std::uint8_t* data, std::size_t size, Deadline deadline,
                             std::size_t& got);
    std::size_t TakeAvailable(std::uint8_t* data, std::size_t size, std::error_code& ec);
    bool ReadComplete(std::size_t got, std::size_t size) const;
    void ResetState();

    std::error_code lastError_;
    std::unique_ptr<SerialBackend> backend_;
    std::uint32_t occurredEvents_ = 0;
    std::uint32_t eventMask_ = 0;
    bool overlapped_ = false;
    std::uint8_t eventChar_ = 0;
    // Gap allowed between bytes of a read: kMaxDword returns at once with
    // what is buffered, 0 waits for the whole count (blocking mode).
    std::uint32_t readInterval_ = kMaxDword;
    // Input that an event wait took from the device to look for the event
    // character; reads deliver it first.
    std::vector<std::uint8_t> lookahead_;
    // When the line went quiet after our last flush or pause; any other
    // operation forgets it.
    std::optional<SerialBackend::Clock::time_point> quietSince_;
};

}  // namespace parlix
