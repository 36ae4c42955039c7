#include "base/Trace.h"

#include "base/FrontEnd.h"
#include "base/Status.h"

#include <fmt/format.h>

#include <sys/stat.h>
#include <sys/utsname.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace parlix {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kBytesPerLine = 16;

struct TraceState {
    std::mutex mutex;
    std::FILE* file = nullptr;
    std::string path;
    Clock::time_point start;
    TraceFailureHandler onFailure;
    // A write that failed under the lock, told once the lock is released.
    std::string failedPath;
    std::error_code failure;
};

// Never destroyed: a job thread may still trace while the program exits.
TraceState& State() {
    static auto* state = new TraceState;
    return *state;
}

// One record a line, whatever the text holds; UTF-8 passes unchanged.
std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\\')
            out += "\\\\";
        else if (u < 0x20 || u == 0x7F)
            out += fmt::format("\\x{:02X}", u);
        else
            out += c;
    }
    return out;
}

std::string StyleText(unsigned style) {
    std::string icon;
    switch (static_cast<BoxIcon>(style & 0xF0)) {
        case BoxIcon::Error:
            icon = "error, ";
            break;
        case BoxIcon::Question:
            icon = "question, ";
            break;
        case BoxIcon::Warning:
            icon = "warning, ";
            break;
        case BoxIcon::Information:
            icon = "information, ";
            break;
        default:
            break;
    }
    std::string buttons;
    switch (static_cast<Buttons>(style & 0x0F)) {
        case Buttons::Ok:
            buttons = "OK";
            break;
        case Buttons::OkCancel:
            buttons = "OK/Cancel";
            break;
        case Buttons::YesNoCancel:
            buttons = "Yes/No/Cancel";
            break;
        case Buttons::YesNo:
            buttons = "Yes/No";
            break;
        default:
            buttons = fmt::format("buttons {}", style & 0x0F);
            break;
    }
    return fmt::format("0x{:02X}: {}{}", style, icon, buttons);
}

std::string ButtonText(int button) {
    switch (static_cast<BoxAnswer>(button)) {
        case BoxAnswer::Ok:
            return "OK";
        case BoxAnswer::Cancel:
            return "Cancel";
        case BoxAnswer::Yes:
            return "Yes";
        case BoxAnswer::No:
            return "No";
        default:
            return fmt::format("button {}", button);
    }
}

void StopLocked(TraceState& state, int err) {
    detail::traceOpen.store(false, std::memory_order_relaxed);
    std::fclose(state.file);
    state.file = nullptr;
    state.failedPath = std::move(state.path);
    state.path.clear();
    state.failure = ErrnoCode(err != 0 ? err : EIO);
}

// The caller holds the state's lock and has checked that a file is open. A
// full disk must not end the program or its work: the trace stops instead.
void WriteLine(TraceState& state, const std::string& line) {
    errno = 0;
    if (std::fwrite(line.data(), 1, line.size(), state.file) != line.size() ||
        std::ferror(state.file))
        StopLocked(state, errno);
}

void WriteRecord(TraceState& state, std::string_view tag, std::string_view payload) {
    const auto us =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - state.start).count();
    WriteLine(state,
              fmt::format("{:>5}.{:06} {:<6} {}\n", us / 1000000, us % 1000000, tag, payload));
}

// Releases the lock, then tells of a trace that stopped, outside the lock,
// since the handler may show a message box that is traced itself.
void Unlock(std::unique_lock<std::mutex>& lock) {
    TraceState& state = State();
    if (!state.failure) {
        lock.unlock();
        return;
    }
    const std::string path = std::move(state.failedPath);
    const std::error_code failure = state.failure;
    state.failedPath.clear();
    state.failure.clear();
    const TraceFailureHandler handler = state.onFailure;
    lock.unlock();
    if (handler)
        handler(path, failure);
    else
        std::fprintf(stderr, "The trace \"%s\" stopped: %s\n", path.c_str(),
                     failure.message().c_str());
}

void Record(std::string_view tag, std::string_view payload) {
    TraceState& state = State();
    std::unique_lock lock(state.mutex);
    if (state.file) WriteRecord(state, tag, payload);
    Unlock(lock);
}

void CloseLocked(TraceState& state) {
    if (!state.file) return;
    WriteRecord(state, "END", "trace closed");
    if (!state.file) return;
    detail::traceOpen.store(false, std::memory_order_relaxed);
    std::fclose(state.file);
    state.file = nullptr;
    state.path.clear();
}

bool SameFile(std::FILE* file, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(::fileno(file), &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

std::string StartLine() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char when[64] = "?";
    if (::localtime_r(&now, &local))
        std::strftime(when, sizeof(when), "%Y-%m-%d %H:%M:%S %z", &local);
    return fmt::format("Started {}; times are seconds since then", when);
}

}  // namespace

std::string TraceHeader(const std::string& qtVersion) {
    std::string system = "unknown system";
    utsname name{};
    if (::uname(&name) == 0)
        system = fmt::format("{} {} {}", name.sysname, name.release, name.machine);
    const std::string qt = qtVersion.empty() ? "no Qt" : "Qt " + qtVersion;
    return fmt::format("Parlix Desk {}; {}; {}", PARLIX_VERSION, qt, system);
}

std::error_code OpenTrace(const std::string& path, const std::string& qtVersion) {
    TraceState& state = State();
    std::unique_lock lock(state.mutex);
    // Truncated under the open trace, the file would get its last line past a hole.
    if (state.file && SameFile(state.file, path)) CloseLocked(state);
    // Close-on-exec: tool executables run meanwhile must not hold the file.
    std::FILE* file = std::fopen(path.c_str(), "we");
    if (!file) {
        const int err = errno;
        Unlock(lock);
        return ErrnoCode(err);
    }
    // Whole lines reach the file at once, so that a crash loses nothing.
    std::setvbuf(file, nullptr, _IOLBF, 0);
    CloseLocked(state);
    state.file = file;
    state.path = path;
    state.start = Clock::now();
    detail::traceOpen.store(true, std::memory_order_relaxed);
    // A file that opens but takes nothing (a full disk) stops like any other.
    WriteLine(state, fmt::format("{}\n{}\n", TraceHeader(qtVersion), StartLine()));
    Unlock(lock);
    return {};
}

void CloseTrace() {
    TraceState& state = State();
    std::unique_lock lock(state.mutex);
    CloseLocked(state);
    Unlock(lock);
}

std::string TracePath() {
    TraceState& state = State();
    std::lock_guard lock(state.mutex);
    return state.path;
}

void SetTraceFailureHandler(TraceFailureHandler handler) {
    TraceState& state = State();
    std::lock_guard lock(state.mutex);
    state.onFailure = std::move(handler);
}

namespace detail {

void WriteTraceBytes(TraceDirection direction, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    const std::string_view tag = direction == TraceDirection::Sent ? "TX" : "RX";
    TraceState& state = State();
    std::unique_lock lock(state.mutex);
    for (std::size_t at = 0; state.file && at < size; at += kBytesPerLine) {
        std::string hex;
        std::string shown;
        for (std::size_t i = at; i < size && i < at + kBytesPerLine; ++i) {
            hex += fmt::format("{:02X} ", bytes[i]);
            shown += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
        }
        WriteRecord(state, tag, fmt::format("{:<{}} {}", hex, kBytesPerLine * 3, shown));
    }
    Unlock(lock);
}

}  // namespace detail

void TraceEvent(std::string_view text) {
    if (IsTracing()) Record("LINE", Escaped(text));
}

void TraceStatusText(std::string_view text) {
    if (IsTracing()) Record("STATUS", Escaped(text));
}

void TraceMessageBox(std::string_view text, std::string_view title, unsigned style) {
    if (IsTracing())
        Record("BOX", fmt::format("{} ({}): {}", Escaped(title), StyleText(style), Escaped(text)));
}

void TraceMessageBoxAnswer(std::string_view title, int button) {
    if (IsTracing()) Record("ANSWER", fmt::format("{}: {}", Escaped(title), ButtonText(button)));
}

}  // namespace parlix
