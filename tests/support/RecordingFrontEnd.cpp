#include "support/RecordingFrontEnd.h"

namespace parlix::test {

void PrintTo(const ShownMessage& message, std::ostream* os) {
    std::string text;
    for (const char c : message.text) text += c == '\n' ? std::string("\\n") : std::string(1, c);
    *os << "{\"" << text << "\", \"" << message.title << "\", " << message.style.code << "}";
}

void PrintTo(const StyleCode& style, std::ostream* os) {
    *os << style.code;
}

BoxAnswer RecordingFrontEnd::ShowMessageBox(const std::string& text, const std::string& title,
                                            BoxStyle style) {
    std::lock_guard lock(mutex_);
    messages_.push_back({text, title, style.Code()});
    if (!answers_.empty()) {
        const BoxAnswer button = answers_.front();
        answers_.pop_front();
        return button;
    }
    const Buttons buttons = style.buttons;
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? BoxAnswer::Yes
                                                                        : BoxAnswer::Ok;
}

void RecordingFrontEnd::ShowBusyPrompt(const std::string& text) {
    std::lock_guard lock(mutex_);
    promptEvents_.push_back(text);
    promptShown_ = true;
}

void RecordingFrontEnd::RemoveBusyPrompt() {
    std::lock_guard lock(mutex_);
    promptEvents_.push_back("-");
    promptShown_ = false;
}

void RecordingFrontEnd::ShowStatusText(const std::string& text) {
    std::lock_guard lock(mutex_);
    statusTexts_.push_back(text);
}

void RecordingFrontEnd::SetProgressRange(std::uint32_t range) {
    std::lock_guard lock(mutex_);
    range_ = range;
}

void RecordingFrontEnd::SetProgressPos(std::uint32_t pos) {
    std::lock_guard lock(mutex_);
    pos_ = pos;
}

void RecordingFrontEnd::PostJobFinished(std::uint64_t threadId, int served) {
    std::lock_guard lock(mutex_);
    jobsFinished_.emplace_back(threadId, served);
}

void RecordingFrontEnd::Answer(std::vector<BoxAnswer> buttons) {
    std::lock_guard lock(mutex_);
    answers_.assign(buttons.begin(), buttons.end());
}

std::vector<ShownMessage> RecordingFrontEnd::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

std::vector<std::string> RecordingFrontEnd::StatusTexts() const {
    std::lock_guard lock(mutex_);
    return statusTexts_;
}

std::vector<std::string> RecordingFrontEnd::PromptEvents() const {
    std::lock_guard lock(mutex_);
    return promptEvents_;
}

bool RecordingFrontEnd::PromptShown() const {
    std::lock_guard lock(mutex_);
    return promptShown_;
}

std::uint32_t RecordingFrontEnd::ProgressRange() const {
    std::lock_guard lock(mutex_);
    return range_;
}

std::uint32_t RecordingFrontEnd::ProgressPos() const {
    std::lock_guard lock(mutex_);
    return pos_;
}

std::vector<std::pair<std::uint64_t, int>> RecordingFrontEnd::JobsFinished() const {
    std::lock_guard lock(mutex_);
    return jobsFinished_;
}

void RecordingFrontEnd::Clear() {
    std::lock_guard lock(mutex_);
    messages_.clear();
    statusTexts_.clear();
    promptEvents_.clear();
    jobsFinished_.clear();
}

}  // namespace parlix::test
