#include "link/SerialTrace.h"

#include "base/Status.h"
#include "base/Trace.h"
#include "link/Serial.h"

#include <fmt/format.h>

namespace parlix {

void TraceLineEvent(std::string_view what, std::error_code ec) {
    if (!IsTracing()) return;
    if (ec)
        TraceEvent(fmt::format("{} failed: {}", what, ec.message()));
    else
        TraceEvent(what);
}

namespace {

template <std::size_t N>
std::string_view Named(const std::string_view (&names)[N], int i) {
    return i >= 0 && static_cast<std::size_t>(i) < N ? names[static_cast<std::size_t>(i)] : "?";
}

}  // namespace

void TraceLineSettings(const LineSettings& line, std::error_code ec) {
    if (!IsTracing()) return;
    constexpr std::string_view kParity[] = {"N", "O", "E", "M", "S"};
    constexpr std::string_view kStopBits[] = {"1", "1.5", "2"};
    TraceLineEvent(fmt::format("line {} baud {}{}{}", line.baud, line.dataBits,
                               Named(kParity, line.parity), Named(kStopBits, line.stopBits)),
                   ec);
}

void TraceHandshaking(int mode, std::error_code ec) {
    if (!IsTracing()) return;
    constexpr std::string_view kModes[] = {"off", "hardware", "software"};
    TraceLineEvent(fmt::format("handshaking {}", Named(kModes, mode)), ec);
}

void TraceEscapeFunction(int function, std::error_code ec) {
    if (!IsTracing()) return;
    std::string what;
    switch (function) {
        case SETRTS:
            what = "RTS on";
            break;
        case CLRRTS:
            what = "RTS off";
            break;
        case SETDTR:
            what = "DTR on";
            break;
        case CLRDTR:
            what = "DTR off";
            break;
        case SETBREAK:
            what = "break on";
            break;
        case CLRBREAK:
            what = "break off";
            break;
        default:
            what = fmt::format("line function {}", function);
            break;
    }
    TraceLineEvent(what, ec);
}

void WriteTransferFailure(std::string_view what, std::error_code ec, std::uint32_t timeoutMs,
                          std::size_t done, std::size_t size) {
    const std::string moved = size > 0 ? fmt::format(" ({} of {} bytes)", done, size) : "";
    if (ec == Status::Timeout)
        TraceEvent(fmt::format("{} time-out after {} ms{}", what, timeoutMs, moved));
    else
        TraceEvent(fmt::format("{} failed{}: {}", what, moved, ec.message()));
}

}  // namespace parlix
