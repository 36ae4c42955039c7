// What Serial tells the protocol trace beside the bytes: the port opened and
// closed, line settings, modem lines, break, purge, and transfers that ran out
// of time or failed. Each returns at once when no trace is open.
#pragma once

#include "base/Trace.h"
#include "link/SerialBackend.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace parlix {

// `what` happened, or failed with `ec`.
void TraceLineEvent(std::string_view what, std::error_code ec);
// Baud rate and data format; handshaking apart.
void TraceLineSettings(const LineSettings& line, std::error_code ec);
void TraceHandshaking(int mode, std::error_code ec);
// One of EscapeFunction's functions (SETRTS ... CLRBREAK).
void TraceEscapeFunction(int function, std::error_code ec);
// The end of a read, write or event wait that did not succeed: `done` of
// `size` bytes moved before it ran out of time or failed.
void WriteTransferFailure(std::string_view what, std::error_code ec, std::uint32_t timeoutMs,
                          std::size_t done, std::size_t size);
// Nothing but a test of `ec` on success.
inline void TraceTransferFailed(std::string_view what, std::error_code ec, std::uint32_t timeoutMs,
                                std::size_t done, std::size_t size) {
    if (ec && IsTracing()) WriteTransferFailure(what, ec, timeoutMs, done, size);
}

}  // namespace parlix
