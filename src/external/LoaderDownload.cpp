#include "external/LoaderDownload.h"

#include "base/FrontEnd.h"
#include "base/Status.h"
#include "base/Text.h"

#include <fmt/format.h>

namespace parlix {

std::string LoaderCommandLine(const std::string& programFolder, const std::string& port,
                              const std::string& file, bool slow) {
    std::string command =
        fmt::format("\"{}/{}\" -p {} -c \"{}\"", programFolder, kLoaderProgram, port, file);
    if (slow) command += " -nofast";
    return command;
}

std::string DownloadHeader(bool firmware, const std::string& port) {
    return firmware ? TrFormat(PX_TR("Firmware", "Downloading firmware to \"%s\"..."), port)
                    : TrFormat(PX_TR("Firmware", "Downloading custom data to \"%s\"..."), port);
}

std::string ConnectionText() {
    return Tr(PX_TR("Firmware", "Connection..."));
}

std::string DownloadSuccessText(bool firmware) {
    return firmware ? Tr(PX_TR("Firmware", "Firmware downloaded successfully."))
                    : Tr(PX_TR("Firmware", "Custom data downloaded successfully."));
}

std::string DownloadFailureMessage(std::error_code outcome) {
    const auto code = static_cast<std::uint32_t>(outcome.value());
    if (code == kToolCancelled) return {};
    std::string text = Tr(
        PX_TR("Firmware", "Download failed, see status text on the top for a possible reason.\n"));
    if ((code & kToolEnded) == 0) {
        text += Tr(PX_TR("Firmware", "\nThe following system error occurred:\n"));
        text += outcome.message();
    }
    if (code == (kToolEnded | kLoaderBadFile))
        text += Tr(PX_TR(
            "Firmware", "\nThe file is not a valid image: build it again or choose another file."));
    else
        text += Tr(PX_TR("Firmware", "\nYou may check connection and settings and try again."));
    return text;
}

ToolOutcome DownloadWithLoader(const LoaderDownload& download, DownloadView& view,
                               ToolListener& listener, FrontEnd& frontEnd, ToolCancel& cancel) {
    view.ShowDownloadHeader(DownloadHeader(download.firmware, download.port));
    view.ShowDownloadStatus(ConnectionText());
    view.LoaderStarting();
    const ToolOutcome outcome = RunTool(
        LoaderCommandLine(download.programFolder, download.port, download.file, download.slow),
        download.programFolder, listener, frontEnd, cancel);
    view.LoaderEnded();
    if (outcome.Succeeded()) view.ShowDownloadStatus(DownloadSuccessText(download.firmware));
    return outcome;
}

void ReportDownloadFailure(const ToolOutcome& outcome, FrontEnd& frontEnd) {
    const std::string message = DownloadFailureMessage(outcome.code);
    if (!message.empty())
        frontEnd.MessageBox(message, Tr(PX_TR("Controller", "Error")),
                            Buttons::Ok | BoxIcon::Error);
}

}  // namespace parlix
