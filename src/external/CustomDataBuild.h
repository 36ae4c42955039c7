// One custom-data build: checks that every project's outputs exist and are
// not older than the project, writes the builder's response file, runs the
// builder (kandata, from the program folder) and reads the data header it
// wrote back as the rows of the data list.
#pragma once

#include "external/DataHeader.h"
#include "external/DataProjectList.h"
#include "external/DataResponseFile.h"
#include "external/ToolProcess.h"

#include <chrono>
#include <string>
#include <vector>

namespace parlix {

class FrontEnd;
class ToolListener;

enum class DataBuildResult { Success, Warning, Error };

// Where a build shows what it does: the dialog's header line and status text.
class DataBuildView {
  public:
    virtual ~DataBuildView() = default;
    virtual void SetHeader(const std::string& text) = 0;
    virtual void SetStatus(const std::string& text) = 0;
};

// The image must be at least this recent when the builder has ended. The
// slack (11,644,473,600 units of 100 ns, some 19.4 minutes) is kept as the
// tools have always had it.
inline constexpr std::chrono::duration<long long, std::ratio<1, 10'000'000>> kImageTimeSlack{
    11'644'473'600LL};

class CustomDataBuild {
  public:
    // The builder's output lines go to `toolOutput`, on the tool's reader thread.
    CustomDataBuild(FrontEnd& frontEnd, DataBuildView& view, ToolListener& toolOutput,
                    std::string programFolder);

    // Builds the projects, in order, into `outputBase` + ".rsp", ".h" and ".hex".
    // A project newer than an output it uses gives Warning unless
    // `continueAnyway`. On Error the status text names the reason and
    // Failure() the system error or the builder's outcome (exit code |
    // 0x80000000, or 1223 when cancelled), if either was the cause.
    DataBuildResult Build(const std::vector<DataProjectEntry>& projects,
                          const std::string& outputBase, bool oldFormat, bool continueAnyway);

    // The rows read from the builder's header by the last successful build.
    const std::vector<DataRow>& Rows() const { return rows_; }
    // The built image after a successful build, else empty.
    const std::string& FileToDownload() const { return fileToDownload_; }
    const std::string& Status() const { return status_; }
    // Why the last build failed, when a system call or the builder said so.
    std::error_code Failure() const { return failure_; }
    void SetStatus(const std::string& text);

    // Cancel (from the waiting thread's own events) ends a running builder.
    ToolCancel& Cancel() { return cancel_; }

  private:
    enum class Step { Go, Warn, Fail };
    Step Fail(const std::string& status);
    Step AddSoundTable(const std::string& path, bool continueAnyway, DataBuildInputs& inputs);
    Step AddSingleGrammar(const std::string& path, bool continueAnyway, DataBuildInputs& inputs);
    Step AddCombinedGrammar(const std::string& path, bool continueAnyway, DataBuildInputs& inputs);
    // Adds the trigger and command grammar of `name` that exist; false when neither does.
    bool AddGrammars(const std::string& folder, const std::string& name, const std::string& project,
                     bool& newer, DataBuildInputs& inputs);
    Step ProjectChanged(bool continueAnyway);
    DataBuildResult RunBuilder(const std::string& outputBase);

    FrontEnd& frontEnd_;
    DataBuildView& view_;
    ToolListener& toolOutput_;
    std::string programFolder_;
    ToolCancel cancel_;
    std::string status_;
    std::error_code failure_;
    std::vector<DataRow> rows_;
    std::string fileToDownload_;
};

}  // namespace parlix
