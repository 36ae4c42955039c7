// The protocol trace: every byte sent and received, every line event, status
// text and message box, each with its time, in a text file that a user can
// attach to a bug report. A front end opens and closes it at any time from any
// thread while other threads exchange bytes; while none is open, each hook
// costs one atomic load.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace parlix {

enum class TraceDirection { Sent, Received };

namespace detail {
inline std::atomic<bool> traceOpen{false};
void WriteTraceBytes(TraceDirection direction, const void* data, std::size_t size);
}  // namespace detail

// Starts a trace into `path`, replacing the open one, and writes its first
// line: the program version, the Qt version (a front end that links Qt passes
// qVersion(), others nothing) and the system. When the file cannot be
// opened, the trace that was open stays open; one that opens but takes no
// line stops as a trace does whose disk fills up.
std::error_code OpenTrace(const std::string& path, const std::string& qtVersion = {});
// Ends the trace with a last line; nothing happens when none is open.
void CloseTrace();
inline bool IsTracing() noexcept {
    return detail::traceOpen.load(std::memory_order_relaxed);
}
// The file being written, empty when none.
std::string TracePath();

// Told once, on the thread whose write failed and outside the trace's lock,
// when the trace stops because its file takes no more (a full disk, say).
// Without a handler the program's standard error says so.
using TraceFailureHandler = std::function<void(const std::string& path, std::error_code error)>;
void SetTraceFailureHandler(TraceFailureHandler handler);

// The first line of a trace.
std::string TraceHeader(const std::string& qtVersion);

// The hooks. Callers that build a text first check IsTracing().
inline void TraceBytes(TraceDirection direction, const void* data, std::size_t size) {
    if (IsTracing() && size > 0) detail::WriteTraceBytes(direction, data, size);
}
// A line event: the port opened or closed, line settings, modem lines, purge, time-outs.
void TraceEvent(std::string_view text);
// Status bar pane 1.
void TraceStatusText(std::string_view text);
// A message box as it is shown, and then the button that answered it. Boxes
// shown through FrontEnd are traced already; a front end traces those it
// shows by other ways.
void TraceMessageBox(std::string_view text, std::string_view title, unsigned style);
void TraceMessageBoxAnswer(std::string_view title, int button);

}  // namespace parlix
