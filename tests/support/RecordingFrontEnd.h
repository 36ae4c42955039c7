// A front end for tests: keeps every message box, status text and prompt, and
// answers message boxes from a script.
#pragma once

#include "base/FrontEnd.h"

#include <deque>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace parlix::test {

// A box's style as its code (the trace shows it so): tests give either the
// number or the style.
struct StyleCode {
    unsigned code = 0;
    StyleCode(unsigned value = 0) : code(value) {}  // NOLINT: implicit on purpose
    StyleCode(BoxStyle style) : code(style.Code()) {}
    StyleCode(BoxIcon icon) : code(BoxStyle(icon).Code()) {}
    bool operator==(const StyleCode&) const = default;
};
void PrintTo(const StyleCode& style, std::ostream* os);

struct ShownMessage {
    std::string text;
    std::string title;
    StyleCode style;
    bool operator==(const ShownMessage&) const = default;
};

// Readable failures: the text with its line breaks escaped.
void PrintTo(const ShownMessage& message, std::ostream* os);

class RecordingFrontEnd : public FrontEnd {
  public:
    void ShowBusyPrompt(const std::string& text) override;
    void RemoveBusyPrompt() override;
    void SetProgressRange(std::uint32_t range) override;
    void SetProgressPos(std::uint32_t pos) override;
    void PostJobFinished(std::uint64_t threadId, int served) override;

    // Buttons for the coming message boxes, in order; Ok (or Yes) once they run out.
    void Answer(std::vector<BoxAnswer> buttons);

    std::vector<ShownMessage> Messages() const;
    std::vector<std::string> StatusTexts() const;
    // Every prompt shown, and "-" for each removal, in order.
    std::vector<std::string> PromptEvents() const;
    bool PromptShown() const;
    std::uint32_t ProgressRange() const;
    std::uint32_t ProgressPos() const;
    std::vector<std::pair<std::uint64_t, int>> JobsFinished() const;
    void Clear();

  protected:
    BoxAnswer ShowMessageBox(const std::string& text, const std::string& title,
                             BoxStyle style) override;
    void ShowStatusText(const std::string& text) override;

  private:
    mutable std::mutex mutex_;
    std::deque<BoxAnswer> answers_;
    std::vector<ShownMessage> messages_;
    std::vector<std::string> statusTexts_;
    std::vector<std::string> promptEvents_;
    bool promptShown_ = false;
    std::uint32_t range_ = 0;
    std::uint32_t pos_ = 0;
    std::vector<std::pair<std::uint64_t, int>> jobsFinished_;
};

}  // namespace parlix::test
