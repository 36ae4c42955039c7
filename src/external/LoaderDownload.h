// One download through the loader tool, for firmware files and custom-data
// images alike: its command line, the texts the download dialog shows around
// it, the run itself and the message of a failed run.
//
// The sequence, the same in the window and on the command line: header
// DownloadHeader(...) and status ConnectionText(); the loader's run while its
// lines go to the listener (ParseLoaderLine turns them into status and
// progress); then, on success, DownloadSuccessText(...), else a message box
// with DownloadFailureMessage(...) unless that is empty (the user cancelled).
#pragma once

#include "external/ToolProcess.h"

#include <cstdint>
#include <string>
#include <system_error>

namespace parlix {

class FrontEnd;

// The loader's file name in the program folder.
inline constexpr const char* kLoaderProgram = "kanloader";
// The loader's exit code for a file that is no image it can download.
inline constexpr std::uint32_t kLoaderBadFile = 2;

// "\"FOLDER/kanloader\" -p PORT -c \"FILE\"", with " -nofast" for a slow transfer.
std::string LoaderCommandLine(const std::string& programFolder, const std::string& port,
                              const std::string& file, bool slow);

// "Downloading firmware to \"PORT\"..." or "Downloading custom data to \"PORT\"...".
std::string DownloadHeader(bool firmware, const std::string& port);
// "Connection...".
std::string ConnectionText();
// "Firmware downloaded successfully." or "Custom data downloaded successfully.".
std::string DownloadSuccessText(bool firmware);

// The message box text of a failed download; the system's text for the
// outcome is included only when it is a system error rather than an exit code
// (bit 31 clear). A file that the loader refused points at the file rather
// than the connection. Empty for a cancelled run (1223), which shows nothing.
std::string DownloadFailureMessage(std::error_code outcome);

// Where a download shows its header, status and end; the download dialog
// and the command line each implement it.
class DownloadView {
  public:
    virtual ~DownloadView() = default;
    virtual void ShowDownloadHeader(const std::string& text) = 0;
    virtual void ShowDownloadStatus(const std::string& text) = 0;
    // The loader starts, and has ended: its progress display comes and goes.
    virtual void LoaderStarting() {}
    virtual void LoaderEnded() = 0;
};

struct LoaderDownload {
    std::string programFolder;
    std::string port;
    std::string file;
    bool firmware = false;  // a firmware file, else a custom-data image
    bool slow = false;
};

// Runs the loader in the program folder and waits for it as RunTool does,
// showing the sequence above up to the success text; a failure is only
// returned, so that the caller reports it with ReportDownloadFailure when
// its own state allows.
ToolOutcome DownloadWithLoader(const LoaderDownload& download, DownloadView& view,
                               ToolListener& listener, FrontEnd& frontEnd, ToolCancel& cancel);

// The error box of a failed download; nothing for a cancelled one.
void ReportDownloadFailure(const ToolOutcome& outcome, FrontEnd& frontEnd);

}  // namespace parlix
