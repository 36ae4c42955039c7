// One download through the loader tool, for firmware files and custom-data
// images alike: its command line, the texts the download dialog shows around
// it, the run itself and the message of a failed run.
//
// The dialog's sequence: header DownloadHeader(...) and status
// ConnectionText(); RunLoader(...) while the tool's lines go to the listener
// (ParseLoaderLine turns them into status and progress); then, on success,
// DownloadSuccessText(...), else a message box with DownloadFailureMessage(...)
// unless that is empty (the user cancelled).
#pragma once

#include "external/ToolProcess.h"

#include <string>
#include <system_error>

namespace parlix {

class FrontEnd;

// The loader's file name in the program folder.
inline constexpr const char* kLoaderProgram = "kanloader";

// "\"FOLDER/kanloader\" -p PORT -c \"FILE\"", with " -nofast" for a slow transfer.
std::string LoaderCommandLine(const std::string& programFolder, const std::string& port,
                              const std::string& file, bool slow);

// "Downloading firmware to \"PORT\"..." or "Downloading custom data to \"PORT\"...".
std::string DownloadHeader(bool firmware, const std::string& port);
// "Connection...".
std::string ConnectionText();
// "Firmware downloaded successfully." or "Custom data downloaded successfully.".
std::string DownloadSuccessText(bool firmware);

// Whether a run succeeded: it was started and waited for (`ran`) and the
// tool exited with code 0 (the low 31 bits of the outcome).
bool DownloadSucceeded(bool ran, std::error_code outcome);

// The message box text of a failed download; the system's text for the
// outcome is included only when it is a system error rather than an exit code
// (bit 31 clear). Empty for a cancelled run (1223), which shows nothing.
std::string DownloadFailureMessage(std::error_code outcome);

struct LoaderRun {
    bool ok = false;
    std::error_code outcome;  // the thread's last error after the run
};

// Runs the loader in the program folder and waits for it as RunTool does.
LoaderRun RunLoader(const std::string& programFolder, const std::string& port,
                    const std::string& file, bool slow, ToolListener& listener, FrontEnd& frontEnd,
                    ToolCancel& cancel);

}  // namespace parlix
