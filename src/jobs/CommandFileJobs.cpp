#include "jobs/CommandFileJobs.h"

#include "base/FrontEnd.h"
#include "base/ProgressSection.h"
#include "base/Text.h"
#include "jobs/CommandFile.h"
#include "jobs/ProgramData.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <variant>

#include <sys/stat.h>
#include <unistd.h>

namespace parlix {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Where an export writes: a temporary file beside the target that replaces it
// once every command was written. A failed export leaves an earlier file as
// it was; with no earlier file, what was written stays, ending in the line
// that says where it stopped. A target that is no regular file (a pipe, a
// terminal) is written directly.
class ExportTarget {
  public:
    explicit ExportTarget(const std::string& path) : path_(path) {
        struct stat st {};
        existed_ = ::stat(path.c_str(), &st) == 0;
        if (existed_ && !S_ISREG(st.st_mode)) {
            file_.reset(std::fopen(path.c_str(), "wb"));
            return;
        }
        std::string pattern = path + ".XXXXXX";
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) return;
        ::fchmod(fd, 0666 & ~CurrentUmask());
        file_.reset(::fdopen(fd, "wb"));
        if (!file_) {
            ::close(fd);
            ::unlink(pattern.c_str());
            return;
        }
        temp_ = pattern;
    }
    ~ExportTarget() {
        if (temp_.empty()) return;
        const bool closed = std::fclose(file_.release()) == 0;
        if (existed_ || !closed || ::rename(temp_.c_str(), path_.c_str()) != 0)
            ::unlink(temp_.c_str());
    }
    ExportTarget(const ExportTarget&) = delete;
    ExportTarget& operator=(const ExportTarget&) = delete;

    std::FILE* get() const { return file_.get(); }
    explicit operator bool() const { return file_ != nullptr; }

    // Everything written: the target becomes the new content.
    bool Commit() {
        if (temp_.empty()) return std::fflush(file_.get()) == 0;
        bool ok = std::fflush(file_.get()) == 0 && ::fsync(::fileno(file_.get())) == 0;
        ok = std::fclose(file_.release()) == 0 && ok;
        ok = ok && ::rename(temp_.c_str(), path_.c_str()) == 0;
        if (!ok) ::unlink(temp_.c_str());
        temp_.clear();
        return ok;
    }

  private:
    // Read, not set and restored: umask() would change it for every thread.
    static mode_t CurrentUmask() {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("Umask:", 0) == 0)
                return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        return 022;
    }

    std::string path_;
    std::string temp_;
    bool existed_ = false;
    File file_{nullptr, &std::fclose};
};

// The main window is disabled while a command file job runs.
class DisabledWindow {
  public:
    explicit DisabledWindow(FrontEnd& front)
        : front_(front), wasEnabled_(front.EnableMainWindow(false)) {}
    ~DisabledWindow() { front_.EnableMainWindow(wasEnabled_); }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

  private:
    FrontEnd& front_;
    bool wasEnabled_;
};

bool AllGroupsLoaded(VoiceModel& model) {
    for (int group = 0; group < kGroupLists; ++group)
        if (!model.IsListLoaded(group)) return false;
    return true;
}

}  // namespace

void CommandExporterThread::Run(const std::string& path) {
    DisabledWindow disabled(data_.Front());
    succeeded_.store(Export(path));
}

bool CommandExporterThread::Export(const std::string& path) {
    VoiceModel& model = data_.Model();
    if (!AllGroupsLoaded(model)) return false;
    int total = 0;
    for (int group = 0; group < kGroupLists; ++group)
        total += std::max(0, model.GetListCount(group));
    ExportTarget file(path);
    if (!file) return false;
    ProgressSection progress(data_.Progress(), static_cast<std::uint32_t>(total));
    for (int group = 0; group < kGroupLists; ++group) {
        const int count = std::max(0, model.GetListCount(group));
        std::fputs(FormatGroupHeader(group, count).c_str(), file.get());
        std::fflush(file.get());
        for (int index = 0; index < count; ++index) {
            std::string digits;
            if (!data_.Controller().ExportCommandData(group, index, digits)) {
                std::fputs(FormatErrorLine(group, index).c_str(), file.get());
                return false;
            }
            std::fputs(FormatCommandLine(index, digits).c_str(), file.get());
            std::fflush(file.get());
            progress.Step();
        }
    }
    return file.Commit();
}

void CommandImporterThread::Run(const std::string& path) {
    DisabledWindow disabled(data_.Front());
    succeeded_.store(Import(path));
}

bool CommandImporterThread::Fail(const std::string& text) {
    ModuleController& controller = data_.Controller();
    controller.SetErrorText(text);
    controller.ReportError(SystemText::Omit, BoxIcon::Error);
    return false;
}

bool CommandImporterThread::Import(const std::string& path) {
    VoiceModel& model = data_.Model();
    if (!AllGroupsLoaded(model))
        return Fail(Tr(PX_TR("CommandFile", "Cannot import commands while the module is busy!")));
    // Read once: a pipe cannot be read again, and both passes see the same bytes.
    std::string text;
    switch (ReadCommandFile(path, text)) {
        case CommandFileRead::kRead:
            break;
        case CommandFileRead::kCannotRead:
            return Fail(Tr(PX_TR("CommandFile", "Cannot open the specified file!")));
        case CommandFileRead::kTooLarge:  // far beyond any module's commands
            return Fail(Tr(PX_TR("CommandFile", "Invalid command file format or empty file!")));
    }
    const auto contents = ParseCommandFile(text);
    if (!contents)
        return Fail(Tr(PX_TR("CommandFile", "Invalid command file format or empty file!")));

    ProgressSection progress(data_.Progress(), static_cast<std::uint32_t>(contents->total));
    ModuleController& controller = data_.Controller();
    int group = -1;
    for (const CommandFileLine& line : contents->lines) {
        if (controller.Link().LinkLost()) return false;  // said once already; nothing more to try
        if (const auto* header = std::get_if<GroupHeaderLine>(&line)) {
            group = header->group;
            if (!ResizeGroup(group, header->count)) return false;
            continue;
        }
        const auto& command = std::get<CommandLine>(line);
        if (!model.ImportEntry(group, command.index, command.digits, controller) ||
            (model.RefreshCommand(group, command.index, controller),
             !model.IsEntryLoaded(group, command.index)))
            return Fail(Tr(PX_TR("CommandFile",
                                 "Failed to import command data.\n\nImport may be incomplete!")));
        progress.Step();
    }
    return true;
}

bool CommandImporterThread::ResizeGroup(int group, int count) {
    VoiceModel& model = data_.Model();
    ModuleController& controller = data_.Controller();
    int have = model.GetListCount(group);
    for (int i = 0; i < count; ++i) {
        if (i < have) {
            model.EraseTraining(group, i, controller);
        } else if (!model.CanAddCommand()) {
            return Fail(TrFormat(
                PX_TR("CommandFile",
                      "No more room for commands in group %d.\n\nImport may be incomplete!"),
                group));
        } else {
            model.InsertCommand(group, i, controller);
            ++have;
        }
    }
    while (count < have) {
        model.RemoveCommandAt(group, 0, controller);
        if (model.GetListCount(group) >= have)
            return Fail(
                TrFormat(PX_TR("CommandFile",
                               "Failed to reduce command group %d.\n\nImport may be incomplete!"),
                         group));
        --have;
    }
    if (model.GetListCount(group) != count)
        return Fail(TrFormat(
            PX_TR("CommandFile", "Failed to resize command group %d.\n\nImport may be incomplete!"),
            group));
    return true;
}

}  // namespace parlix
