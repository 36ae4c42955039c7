#include "cli/DataCommands.h"

#include "cli/LoaderRun.h"

#include "base/Status.h"
#include "external/CustomDataRefresh.h"
#include "external/DataHeaderExport.h"
#include "external/ToolProcess.h"

#include <fmt/format.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

namespace parlix::cli {
namespace {

namespace fs = std::filesystem;

// The tool's lines as they arrive, and the build's header and status texts.
class PrintedProgress : public DataBuildView, public ToolListener {
  public:
    void SetHeader(const std::string& text) override { Print(text); }
    void SetStatus(const std::string& text) override { Print(text); }
    void OnLine(std::string line, std::uint32_t) override {
        if (!line.empty() && line[0] == '\r') line.erase(0, 1);
        Print(line);
    }
    void OnFinished(std::uint32_t, std::uint32_t) override {}

  private:
    void Print(const std::string& text) {
        std::lock_guard lock(mutex_);
        fmt::print("{}\n", text);
        std::fflush(stdout);
    }
    std::mutex mutex_;
};

bool CopyOutput(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (!ec) return true;
    fmt::print(stderr, "parlix-cli: cannot write \"{}\": {}\n", to, ec.message());
    return false;
}

}  // namespace

int DataBuild(Session& session, const DataBuildOptions& options) {
    DataProjectList list;
    for (const std::string& project : options.projects) {
        std::error_code ec;
        const std::string path = fs::absolute(project, ec).lexically_normal().string();
        if (!list.Add(path))
            fmt::print(stderr,
                       "parlix-cli: left out \"{}\": listed already, or not a .qxp, .rsc or .amc "
                       "project\n",
                       project);
    }
    if (list.Empty()) {
        fmt::print(stderr, "parlix-cli: no project to build\n");
        return 1;
    }
    // The question whether to build anyway: only --yes says OK.
    session.Front().SetAnswer(options.yes);
    PrintedProgress progress;
    CustomDataBuild build(session.Front(), progress, progress, session.Settings().ProgramFolder());
    DataOutputFiles outputs;
    const DataBuildResult result =
        RefreshCustomData(build, outputs, list, options.oldFormat, session.Front());
    if (result == DataBuildResult::Warning) {
        fmt::print(stderr, "parlix-cli: not built; --yes builds anyway\n");
        return 1;
    }
    if (result != DataBuildResult::Success) return 1;
    for (const DataRow& row : build.Rows()) fmt::print("{}\t{}\n", row.index, row.label);
    if (!options.outputBase.empty()) {
        const std::string built = build.FileToDownload();
        const std::string base = built.substr(0, built.size() - 4);
        if (!CopyOutput(built, options.outputBase + ".hex") ||
            !CopyOutput(base + ".h", options.outputBase + ".h"))
            return 1;
        fmt::print("Wrote {0}.hex and {0}.h\n", options.outputBase);
    }
    return 0;
}

int DataDownload(Session& session, const std::string& image, bool slow) {
    return RunDownload(session, image, slow, false);
}

int DataHeader(Session& session, const std::string& base, const std::string& out) {
    fs::path header(base);
    if (header.extension() == ".hex" || header.extension() == ".h") header.replace_extension();
    header += ".h";
    std::ifstream in(header, std::ios::binary);
    if (!in) {
        fmt::print(stderr, "parlix-cli: cannot read \"{}\"\n", header.string());
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ExportDataHeader(ParseDataHeader(text.str()), out, session.Front()) ? 0 : 1;
}

}  // namespace parlix::cli
