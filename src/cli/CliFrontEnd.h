// The terminal as a front end: message boxes on standard error as
// "Title: text", questions answered by --yes/--no or at a prompt on the
// terminal, status texts on standard output, progress as a bar on a
// terminal and as a line each tenth of the way elsewhere.
#pragma once

#include "base/FrontEnd.h"
#include "cli/TenthSteps.h"

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

namespace parlix::cli {

class CliFrontEnd : public FrontEnd {
  public:
    CliFrontEnd(std::FILE* out, std::FILE* err);

    // The answer to every question, when given on the command line.
    void SetAnswer(std::optional<bool> yes) { answer_ = yes; }
    void SetShowProgress(bool on) { showProgress_ = on; }
    // --quiet: no progress at all, neither bar nor lines.
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    bool Quiet() const { return quiet_; }
    // What the progress stands for ("Reading"); each name counts from 0 again.
    void SetProgressLabel(const std::string& label);
    // Ends the progress line on the terminal, if one was drawn.
    void FinishProgress();
    // Where status texts go: standard output for a command whose output they
    // are, standard error where standard output carries results only.
    void SetStatusStream(std::FILE* stream) { status_ = stream; }

    void ShowBusyPrompt(const std::string& text) override;
    void RemoveBusyPrompt() override;
    void SetProgressRange(std::uint32_t range) override;
    void SetProgressPos(std::uint32_t pos) override;
    void PostJobFinished(std::uint64_t threadId, int served) override;

    // Message boxes that reported a failure: errors and warnings.
    int Failures() const { return failures_; }

    // The next job completion, in the order posted; waits for it.
    std::pair<std::uint64_t, int> WaitJobFinished();

  protected:
    BoxAnswer ShowMessageBox(const std::string& text, const std::string& title,
                             BoxStyle style) override;
    void ShowStatusText(const std::string& text) override;

  private:
    BoxAnswer Ask(BoxStyle style);
    void DrawProgress();
    void EndBarLine();

    std::FILE* out_;
    std::FILE* err_;
    std::FILE* status_ = out_;
    bool errIsTerminal_;
    std::mutex mutex_;
    std::optional<bool> answer_;
    std::atomic<int> failures_ = 0;
    bool showProgress_ = false;
    bool quiet_ = false;
    std::string label_ = "Connecting";  // a bridge download on the way in (info)
    TenthSteps lineSteps_;
    bool progressDrawn_ = false;
    std::string drawnBar_;
    std::uint32_t range_ = 1;
    std::uint32_t pos_ = 0;
    std::mutex queueMutex_;  // apart from mutex_, so that posting never waits for a prompt
    std::deque<std::pair<std::uint64_t, int>> finished_;
    std::condition_variable finishedChanged_;
};

}  // namespace parlix::cli
