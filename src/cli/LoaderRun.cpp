#include "cli/LoaderRun.h"

#include "cli/TenthSteps.h"
#include "external/LoaderDownload.h"
#include "external/LoaderProgress.h"

#include <unistd.h>
#include <charconv>

namespace parlix::cli {
namespace {

// The loader's lines on the terminal, from the run's reader thread, and the
// download's texts as status lines. Off a terminal, each phase's progress
// lines are thinned to one a tenth of the way.
class LoaderLines : public ToolListener, public DownloadView {
  public:
    LoaderLines(CliFrontEnd& front, bool bar) : front_(front), bar_(bar) {}

    void ShowDownloadHeader(const std::string& text) override { front_.SetStatusText(text); }
    void ShowDownloadStatus(const std::string& text) override { front_.SetStatusText(text); }
    void LoaderStarting() override {
        front_.SetShowProgress(bar_);
        front_.SetProgressLabel("Downloading");
        front_.SetProgressRange(kLoaderProgressRange);
    }
    void LoaderEnded() override {
        front_.SetProgressRange(1);
        front_.FinishProgress();
    }

    void OnLine(std::string line, std::uint32_t) override {
        const LoaderLine parsed = ParseLoaderLine(line);
        if (parsed.position) {
            if (bar_) {
                front_.SetProgressPos(static_cast<std::uint32_t>(*parsed.position));
                return;
            }
            if (front_.Quiet() || !NextTenth(parsed.status)) return;
        }
        if (!parsed.status.empty()) {
            front_.FinishProgress();
            front_.SetStatusText(parsed.status);
        }
    }
    void OnFinished(std::uint32_t, std::uint32_t) override {}

  private:
    // Whether a progress line ("Programming 40%") reached a new tenth of its phase.
    bool NextTenth(const std::string& line) {
        const std::size_t digits = line.find_last_not_of("0123456789%") + 1;
        const std::string phase = line.substr(0, digits);
        if (phase != phase_) {
            phase_ = phase;
            steps_.Restart();
        }
        std::uint64_t percent = 100;  // a number too long to read is past the end
        std::from_chars(line.data() + digits, line.data() + line.size(), percent);
        return steps_.Reached(percent);
    }

    CliFrontEnd& front_;
    bool bar_;
    std::string phase_;
    TenthSteps steps_;
};

}  // namespace

int RunDownload(Session& session, const std::string& path, bool slow, bool firmware) {
    CliFrontEnd& front = session.Front();
    LoaderLines lines(front, ::isatty(STDERR_FILENO) != 0);
    ToolCancel cancel;
    const LoaderDownload download{session.Settings().ProgramFolder(),
                                  session.Settings().CurrentPort(), path, firmware, slow};
    const ToolOutcome outcome = DownloadWithLoader(download, lines, lines, front, cancel);
    if (outcome.Succeeded()) return 0;
    ReportDownloadFailure(outcome, front);
    return 1;
}

}  // namespace parlix::cli
