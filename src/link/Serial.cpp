#include "link/Serial.h"

#include "base/Cancellation.h"
#include "base/Trace.h"
#include "link/SerialTrace.h"
#include "link/SimDeviceList.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace parlix {
namespace {

// Every event bit that a port accepts in its mask.
constexpr std::uint32_t kKnownEvents = 0x1FFF;

constexpr std::array<std::uint32_t, 8> kBaudRates{1200,  2400,  4800,  9600,
                                                  19200, 38400, 57600, 115200};

bool ValidLine(std::uint32_t baud, int dataBits, int parity, int stopBits) {
    if (std::find(kBaudRates.begin(), kBaudRates.end(), baud) == kBaudRates.end()) return false;
    if (dataBits < 5 || dataBits > 8 || parity < 0 || parity > 4) return false;
    // One and a half stop bits exist only with five data bits, two only without.
    if (stopBits == 0) return true;
    if (stopBits == 1) return dataBits == 5;
    if (stopBits == 2) return dataBits != 5;
    return false;
}

}  // namespace

Serial::~Serial() {
    // Not through Close(): destruction leaves no trace line.
    if (backend_) backend_->Close();
}

std::string Serial::DevicePath(const std::string& name) {
    if (name.starts_with('/')) return name;
    std::string kept = name.substr(0, kMaxNameLength);
    if (kept.starts_with(kSimPortPrefix)) return kept;
    return "/dev/" + kept;
}

void Serial::Begin() {
    quietSince_.reset();
    lastError_.clear();
}

std::error_code Serial::Finish(std::error_code ec) {
    lastError_ = ec;
    return ec;
}

void Serial::ResetState() {
    occurredEvents_ = 0;
    eventMask_ = 0;
    overlapped_ = false;
    eventChar_ = 0;
    readInterval_ = kMaxDword;
    lookahead_.clear();
}

std::error_code Serial::Open(const std::string& device, std::uint32_t /*inQueue*/,
                             std::uint32_t /*outQueue*/, bool overlapped) {
    // The queue sizes are the driver's business here: they are accepted and ignored.
    Begin();
    const std::string path = DevicePath(device);
    if (backend_) return Finish(Status::AlreadyOpen);
    std::unique_ptr<SerialBackend> backend;
    const std::error_code opened = OpenSerialBackend(path, backend);
    TraceLineEvent("open " + path, opened);
    if (opened) return Finish(opened);
    backend_ = std::move(backend);
    ResetState();
    overlapped_ = overlapped;

    // Failures from here on leave the port open.
    std::error_code ec = ApplyEventMask(EV_RXCHAR | EV_BREAK | EV_ERR);
    if (!ec) ec = ApplyReadMode(0, kMaxDword);
    // The device's default configuration; callers apply their own afterwards.
    backend_->SetLine(LineSettings{});
    return Finish(ec);
}

std::error_code Serial::Close() {
    Begin();
    if (!backend_) return Finish({});
    const std::error_code ec = backend_->Close();
    TraceLineEvent("close", ec);
    backend_.reset();
    ResetState();
    return Finish(ec);
}

std::error_code Serial::ReadLine(LineSettings& line) {
    if (!backend_) return Status::InvalidHandle;
    return backend_->GetLine(line);
}

template <typename Field>
int Serial::LineField(Field LineSettings::*field) {
    Begin();
    LineSettings line;
    if (auto ec = ReadLine(line)) {
        Finish(ec);
        return -1;
    }
    return static_cast<int>(line.*field);
}

std::error_code Serial::Configure(std::uint32_t baud, int dataBits, int parity, int stopBits) {
    Begin();
    LineSettings line;
    if (auto ec = ReadLine(line)) return Finish(ec);
    if (!ValidLine(baud, dataBits, parity, stopBits)) return Finish(ErrnoCode(EINVAL));
    line.baud = baud;
    line.dataBits = dataBits;
    line.parity = parity;
    line.stopBits = stopBits;
    const std::error_code ec = backend_->SetLine(line);
    TraceLineSettings(line, ec);
    return Finish(ec);
}

std::error_code Serial::ApplyEventMask(std::uint32_t mask) {
    if (!backend_) return Status::InvalidHandle;
    if (mask & ~kKnownEvents) return Status::InvalidParameter;
    eventMask_ = mask;
    return {};
}

std::error_code Serial::SetEventMask(std::uint32_t mask) {
    Begin();
    return Finish(ApplyEventMask(mask));
}

std::error_code Serial::SetEventChar(std::uint8_t ch, bool adjustMask) {
    Begin();
    if (!backend_) return Finish(Status::InvalidHandle);
    if (adjustMask) {
        if (auto ec = ApplyEventMask(eventMask_ | EV_RXFLAG)) return Finish(ec);
    }
    eventChar_ = ch;
    return Finish({});
}

std::error_code Serial::SetHandshaking(int mode) {
    Begin();
    LineSettings line;
    if (auto ec = ReadLine(line)) return Finish(ec);
    if (mode < 0 || mode > 2) return Finish(Status::InvalidArgument);
    line.handshaking = mode;
    const std::error_code ec = backend_->SetLine(line);
    TraceHandshaking(mode, ec);
    return Finish(ec);
}

std::error_code Serial::ApplyReadMode(int mode, std::uint32_t intervalMs) {
    if (!backend_) return Status::InvalidHandle;
    if (mode != 0 && mode != 1) return Status::InvalidArgument;
    readInterval_ = mode == 0 ? intervalMs : 0;
    return {};
}

std::error_code Serial::SetReadMode(int mode, std::uint32_t intervalMs) {
    Begin();
    return Finish(ApplyReadMode(mode, intervalMs));
}

int Serial::GetBaudRate() {
    const int baud = LineField(&LineSettings::baud);
    // A rate that the device cannot name counts as a failure.
    if (baud == 0) {
        Finish(ErrnoCode(EINVAL));
        return -1;
    }
    return baud;
}

int Serial::GetDataBits() {
    return LineField(&LineSettings::dataBits);
}

int Serial::GetParity() {
    return LineField(&LineSettings::parity);
}

int Serial::GetStopBits() {
    return LineField(&LineSettings::stopBits);
}

int Serial::GetHandshaking() {
    return LineField(&LineSettings::handshaking);
}

std::uint32_t Serial::GetEventMask() {
    Begin();
    if (!backend_) {
        Finish(Status::InvalidHandle);
        return 0;
    }
    return eventMask_;
}

std::uint8_t Serial::GetEventChar() {
    Begin();
    if (!backend_) {
        Finish(Status::InvalidHandle);
        return 0;
    }
    return eventChar_;
}

std::error_code Serial::CheckTransfer(const Overlapped* ov, std::uint32_t timeoutMs) const {
    if (!backend_) return Status::InvalidHandle;
    // Without overlapped I/O nothing can bound or hand back a transfer.
    if (!overlapped_ && (ov != nullptr || timeoutMs != kInfinite)) return Status::InvalidFunction;
    // A cancelled run sends and takes nothing more.
    if (CancelRequested()) return Status::Cancelled;
    return {};
}

Serial::Deadline Serial::DeadlineAfter(std::uint32_t timeoutMs) {
    if (timeoutMs == kInfinite) return Deadline::max();
    return SerialBackend::Clock::now() + std::chrono::milliseconds(timeoutMs);
}

std::size_t Serial::TakeAvailable(std::uint8_t* data, std::size_t size, std::error_code& ec) {
    const std::size_t early = std::min(size, lookahead_.size());
    std::copy_n(lookahead_.begin(), early, data);
    lookahead_.erase(lookahead_.begin(), lookahead_.begin() + static_cast<std::ptrdiff_t>(early));
    std::size_t more = 0;
    if (early < size) {
        ec = backend_->ReadAvailable(data + early, size - early, more);
        TraceBytes(TraceDirection::Received, data + early, more);
    }
    return early + more;
}

bool Serial::ReadComplete(std::size_t got, std::size_t size) const {
    return readInterval_ == kMaxDword || got == size;
}

std::error_code Serial::ReadInto(std::uint8_t* data, std::size_t size, Deadline deadline,
                                 std::size_t& got) {
    got = 0;
    if (size == 0) return {};
    const bool immediate = readInterval_ == kMaxDword;
    const bool gapped = !immediate && readInterval_ != 0;
    // Until the first byte only the call's deadline counts; after it, in
    // gapped mode, a pause longer than the interval also ends the read.
    Deadline waitUntil = deadline;
    bool gapBounds = false;
    for (;;) {
        std::error_code ec;
        const std::size_t n = TakeAvailable(data + got, size - got, ec);
        got += n;
        if (ec) return ec;
        if (got == size || immediate) return {};
        if (gapped && n > 0) {
            const Deadline gapEnd =
                SerialBackend::Clock::now() + std::chrono::milliseconds(readInterval_);
            gapBounds = gapEnd < deadline;
            waitUntil = gapBounds ? gapEnd : deadline;
        }
        bool readable = false;
        if (auto wec = backend_->WaitReadable(waitUntil, readable)) return wec;
        if (!readable && SerialBackend::Clock::now() >= waitUntil)
            return gapBounds ? std::error_code{} : make_error_code(Status::Timeout);
    }
}

std::error_code Serial::Read(void* data, std::uint32_t size, std::uint32_t* got, Overlapped* ov,
                             std::uint32_t timeoutMs) {
    Begin();
    std::uint32_t ownCount = 0;
    std::uint32_t& count = got ? *got : ownCount;
    count = 0;
    if (auto ec = CheckTransfer(ov, timeoutMs)) return Finish(ec);
    if (data == nullptr && size != 0) return Finish(Status::InvalidParameter);
    auto* bytes = static_cast<std::uint8_t*>(data);
    std::error_code ec;
    if (ov) {
        const std::size_t n = TakeAvailable(bytes, size, ec);
        count = static_cast<std::uint32_t>(n);
        ov->pending = !ec && !ReadComplete(n, size);
        TraceTransferFailed("read", ec, timeoutMs, n, size);
        return Finish(ec);
    }
    std::size_t n = 0;
    ec = ReadInto(bytes, size, DeadlineAfter(timeoutMs), n);
    count = static_cast<std::uint32_t>(n);
    TraceTransferFailed("read", ec, timeoutMs, n, size);
    return Finish(ec);
}

std::error_code Serial::Write(const void* data, std::uint32_t size, std::uint32_t* written,
                              Overlapped* ov, std::uint32_t timeoutMs) {
    Begin();
    std::uint32_t ownCount = 0;
    std::uint32_t& count = written ? *written : ownCount;
    count = 0;
    if (auto ec = CheckTransfer(ov, timeoutMs)) return Finish(ec);
    if (data == nullptr && size != 0) return Finish(Status::InvalidParameter);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::size_t n = 0;
    const Deadline deadline = ov ? SerialBackend::Clock::now() : DeadlineAfter(timeoutMs);
    std::error_code ec = backend_->Write(bytes, size, deadline, n);
    TraceBytes(TraceDirection::Sent, bytes, n);
    count = static_cast<std::uint32_t>(n);
    if (ov) {
        ov->pending = ec == Status::Timeout;
        if (ov->pending) ec.clear();
    }
    TraceTransferFailed("write", ec, timeoutMs, n, size);
    return Finish(ec);
}

std::error_code Serial::WriteText(const char* text, std::uint32_t* written, Overlapped* ov,
                                  std::uint32_t timeoutMs) {
    if (text == nullptr) {
        Begin();
        if (written) *written = 0;
        return Finish(Status::InvalidParameter);
    }
    return Write(text, static_cast<std::uint32_t>(std::strlen(text)), written, ov, timeoutMs);
}

std::error_code Serial::WaitForEvent(Overlapped* ov, std::uint32_t timeoutMs) {
    Begin();
    if (auto ec = CheckTransfer(ov, timeoutMs)) return Finish(ec);
    if (eventMask_ == 0) return Finish(Status::InvalidParameter);  // would wait for ever
    const Deadline deadline = ov ? SerialBackend::Clock::now() : DeadlineAfter(timeoutMs);
    const auto failWait = [&](std::error_code ec) {
        TraceTransferFailed("event wait", ec, timeoutMs, 0, 0);
        return Finish(ec);
    };
    for (;;) {
        // Input is taken into the look-ahead so that the event character can
        // be seen and so that the wait below sleeps until something new comes.
        std::uint8_t chunk[256];
        std::size_t n = 0;
        do {
            if (auto ec = backend_->ReadAvailable(chunk, sizeof(chunk), n)) return failWait(ec);
            TraceBytes(TraceDirection::Received, chunk, n);
            lookahead_.insert(lookahead_.end(), chunk, chunk + n);
        } while (n == sizeof(chunk));

        std::uint32_t events = 0;
        if (backend_->TakeBreakEvent()) events |= EV_BREAK;
        if (!lookahead_.empty()) events |= EV_RXCHAR;
        if (std::find(lookahead_.begin(), lookahead_.end(), eventChar_) != lookahead_.end())
            events |= EV_RXFLAG;
        events &= eventMask_;
        if (events != 0) {
            occurredEvents_ = events;
            if (ov) ov->pending = false;
            return Finish({});
        }
        if (ov) {
            ov->pending = true;
            return Finish({});
        }
        if (SerialBackend::Clock::now() >= deadline) return failWait(Status::Timeout);
        bool readable = false;
        if (auto ec = backend_->WaitReadable(deadline, readable)) return failWait(ec);
    }
}

std::error_code Serial::EscapeFunction(int function) {
    Begin();
    if (!backend_) return Finish(Status::InvalidHandle);
    std::error_code ec;
    switch (function) {
        case SETRTS:
        case CLRRTS:
            ec = backend_->SetRts(function == SETRTS);
            break;
        case SETDTR:
        case CLRDTR:
            ec = backend_->SetDtr(function == SETDTR);
            break;
        case SETBREAK:
        case CLRBREAK:
            ec = backend_->SetBreak(function == SETBREAK);
            break;
        default:
            return Finish(Status::InvalidParameter);
    }
    TraceEscapeFunction(function, ec);
    return Finish(ec);
}

std::error_code Serial::Purge() {
    Begin();
    if (!backend_) return Finish(Status::InvalidHandle);
    lookahead_.clear();
    const std::error_code ec = backend_->Purge();
    TraceLineEvent("purge", ec);
    return Finish(ec);
}

std::error_code Serial::FlushOutput() {
    Begin();
    if (!backend_) return Finish(Status::InvalidHandle);
    SerialBackend::Clock::time_point sentAt;
    const std::error_code ec = backend_->Drain(sentAt);
    if (!ec) quietSince_ = sentAt;
    return Finish(ec);
}

void Serial::Pause(int ms) {
    if (ms <= 0) return;
    const auto until =
        quietSince_.value_or(SerialBackend::Clock::now()) + std::chrono::milliseconds(ms);
    SleepUntilUnlessCancelled(until);
    quietSince_ = until;
}

}  // namespace parlix
