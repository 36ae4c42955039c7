#include "cli/LoaderRun.h"

#include "base/Text.h"
#include "external/LoaderDownload.h"
#include "external/LoaderProgress.h"

#include <unistd.h>

namespace parlix::cli {
namespace {

// The loader's lines on the terminal, from the run's reader thread.
class LoaderLines : public ToolListener {
  public:
    LoaderLines(CliFrontEnd& front, bool bar) : front_(front), bar_(bar) {}

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
    const std::string port = session.Settings().CurrentPort();
    front.SetStatusText(DownloadHeader(firmware, port));
    front.SetStatusText(ConnectionText());

    const bool bar = ::isatty(STDERR_FILENO) != 0;
    front.SetShowProgress(bar);
    front.SetProgressRange(kLoaderProgressRange);
    LoaderLines lines(front, bar);
    ToolCancel cancel;
    const LoaderRun run =
        RunLoader(session.Settings().ProgramFolder(), port, path, slow, lines, front, cancel);
    front.SetProgressRange(1);
    front.FinishProgress();
    if (run.ok) {
        front.SetStatusText(DownloadSuccessText(firmware));
        return 0;
    }
    const std::string message = DownloadFailureMessage(run.outcome);
    if (!message.empty())
        front.MessageBox(message, Tr(PX_TR("Controller", "Error")), MB_OK | MB_ICONERROR);
    return 1;
}

}  // namespace parlix::cli
