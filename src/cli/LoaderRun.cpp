#include "cli/LoaderRun.h"

#include "external/LoaderDownload.h"
#include "external/LoaderProgress.h"

#include <unistd.h>

namespace parlix::cli {
namespace {

// The loader's lines on the terminal, from the run's reader thread, and the
// download's texts as status lines.
class LoaderLines : public ToolListener, public DownloadView {
  public:
    LoaderLines(CliFrontEnd& front, bool bar) : front_(front), bar_(bar) {}

    void ShowDownloadHeader(const std::string& text) override { front_.SetStatusText(text); }
    void ShowDownloadStatus(const std::string& text) override { front_.SetStatusText(text); }
    void LoaderStarting() override {
        front_.SetShowProgress(bar_);
        front_.SetProgressRange(kLoaderProgressRange);
    }
    void LoaderEnded() override {
        front_.SetProgressRange(1);
        front_.FinishProgress();
    }

    void OnLine(std::string line, std::uint32_t) override {
        const LoaderLine parsed = ParseLoaderLine(line);
        if (bar_ && parsed.position) {
            front_.SetProgressPos(static_cast<std::uint32_t>(*parsed.position));
            return;
        }
        if (!parsed.status.empty()) {
            front_.FinishProgress();
            front_.SetStatusText(parsed.status);
        }
    }
    void OnFinished(std::uint32_t, std::uint32_t) override {}

  private:
    CliFrontEnd& front_;
    bool bar_;
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
