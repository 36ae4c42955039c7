#include "cli/CliFrontEnd.h"

#include <fmt/format.h>

#include <unistd.h>
#include <cctype>
#include <fstream>

namespace parlix::cli {

CliFrontEnd::CliFrontEnd(std::FILE* out, std::FILE* err)
    : out_(out), err_(err), errIsTerminal_(::isatty(::fileno(err)) != 0) {}

BoxAnswer CliFrontEnd::ShowMessageBox(const std::string& text, const std::string& title,
                                      BoxStyle style) {
    std::lock_guard lock(mutex_);
    // Information ("Timeout expired.") tells an outcome; the operation's result says the rest.
    if (style.icon == BoxIcon::Error || style.icon == BoxIcon::Warning) ++failures_;
    EndBarLine();
    fmt::print(err_, "{}: {}", title, text);
    if (text.empty() || text.back() != '\n') fmt::print(err_, "\n");
    std::fflush(err_);
    return Ask(style);
}

// Questions read the terminal itself: standard input may carry shell operations.
BoxAnswer CliFrontEnd::Ask(BoxStyle style) {
    const Buttons buttons = style.buttons;
    const bool question = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel;
    if (!question)
        return buttons == Buttons::OkCancel && answer_ == false ? BoxAnswer::Cancel : BoxAnswer::Ok;
    if (answer_) return *answer_ ? BoxAnswer::Yes : BoxAnswer::No;
    std::fstream tty("/dev/tty", std::ios::in | std::ios::out);
    if (!tty) return buttons == Buttons::YesNoCancel ? BoxAnswer::Cancel : BoxAnswer::No;
    for (;;) {
        tty << (buttons == Buttons::YesNoCancel ? "[y]es, [n]o or [c]ancel? " : "[y]es or [n]o? ")
            << std::flush;
        std::string line;
        if (!std::getline(tty, line))
            return buttons == Buttons::YesNoCancel ? BoxAnswer::Cancel : BoxAnswer::No;
        const char c = line.empty() ? '\0' : static_cast<char>(std::tolower(line[0]));
        if (c == 'y') return BoxAnswer::Yes;
        if (c == 'n') return BoxAnswer::No;
        if (c == 'c' && buttons == Buttons::YesNoCancel) return BoxAnswer::Cancel;
    }
}

void CliFrontEnd::ShowBusyPrompt(const std::string& text) {
    std::lock_guard lock(mutex_);
    // Where a progress bar runs it says enough; per-command prompts would only scroll it away.
    if (showProgress_ || !errIsTerminal_) return;
    fmt::print(err_, "{}\n", text);
    std::fflush(err_);
}

void CliFrontEnd::RemoveBusyPrompt() {}

void CliFrontEnd::ShowStatusText(const std::string& text) {
    std::lock_guard lock(mutex_);
    EndBarLine();
    fmt::print(status_, "{}\n", text);
    std::fflush(status_);
}

void CliFrontEnd::SetProgressRange(std::uint32_t range) {
    std::lock_guard lock(mutex_);
    range_ = range;
    DrawProgress();
}

void CliFrontEnd::SetProgressPos(std::uint32_t pos) {
    std::lock_guard lock(mutex_);
    pos_ = pos;
    DrawProgress();
}

void CliFrontEnd::SetProgressLabel(const std::string& label) {
    std::lock_guard lock(mutex_);
    if (label == label_) return;
    EndBarLine();
    label_ = label;
    lineSteps_.Restart();
}

void CliFrontEnd::DrawProgress() {
    // Only while a job or operation has a section open; the idle bar says
    // nothing, and what comes next (a read after a bridge download) counts afresh.
    if (range_ <= 1) {
        EndBarLine();
        lineSteps_.Restart();
    }
    if (!showProgress_ || quiet_ || range_ <= 1) return;
    const std::uint32_t pos = pos_ > range_ ? range_ : pos_;
    const std::uint64_t percent = static_cast<std::uint64_t>(pos) * 100 / range_;
    if (!errIsTerminal_) {
        // Sections open and close while the jobs run, so the sum may step back;
        // a log only ever moves on.
        if (lineSteps_.Reached(percent)) {
            fmt::print(err_, "{}: {}%\n", label_, lineSteps_.ShownPercent());
            std::fflush(err_);
        }
        return;
    }
    const int width = 40;
    const int filled = static_cast<int>(static_cast<std::uint64_t>(pos) * width / range_);
    std::string bar =
        fmt::format("\r{} [{:<{}}] {:3}%", label_,
                    std::string(static_cast<std::size_t>(filled), '#'), width, percent);
    // Most steps move neither the bar nor the number.
    if (progressDrawn_ && bar == drawnBar_) return;
    fmt::print(err_, "{}", bar);
    std::fflush(err_);
    drawnBar_ = std::move(bar);
    progressDrawn_ = true;
}

// Anything else printed starts on a line of its own, not behind the bar.
void CliFrontEnd::EndBarLine() {
    if (!progressDrawn_) return;
    fmt::print(err_, "\n");
    std::fflush(err_);
    progressDrawn_ = false;
}

void CliFrontEnd::FinishProgress() {
    std::lock_guard lock(mutex_);
    EndBarLine();
    lineSteps_.Restart();
}

}  // namespace parlix::cli

namespace parlix::cli {

void CliFrontEnd::PostJobFinished(std::uint64_t threadId, int served) {
    {
        std::lock_guard lock(queueMutex_);
        finished_.emplace_back(threadId, served);
    }
    finishedChanged_.notify_all();
}

std::pair<std::uint64_t, int> CliFrontEnd::WaitJobFinished() {
    std::unique_lock lock(queueMutex_);
    finishedChanged_.wait(lock, [this] { return !finished_.empty(); });
    const auto next = finished_.front();
    finished_.pop_front();
    return next;
}

}  // namespace parlix::cli
