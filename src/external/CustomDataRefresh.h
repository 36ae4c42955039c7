// The Refresh command of the Update Custom Data dialog without the dialog:
// a new output base, the build, the question when a project changed after
// its build, and the message box when the build failed.
#pragma once

#include "external/CustomDataBuild.h"
#include "external/DataOutputFiles.h"

#include <optional>
#include <string>
#include <system_error>

namespace parlix {

class FrontEnd;

// Deletes the previous build's files, builds into a new output base and, for
// a warning, asks whether to continue anyway (OK builds again without the
// time checks). A failure is shown in an error box, except a cancelled one.
DataBuildResult RefreshCustomData(CustomDataBuild& build, DataOutputFiles& outputs,
                                  const DataProjectList& projects, bool oldFormat,
                                  FrontEnd& frontEnd);

// The text of the failure box for the thread's last error; nothing when the
// build was cancelled (1223).
std::optional<std::string> BuildFailureMessage(std::error_code lastError);

// The warning question: the status text and whether to go on.
std::string ContinueAnywayQuestion(const std::string& status);

}  // namespace parlix
