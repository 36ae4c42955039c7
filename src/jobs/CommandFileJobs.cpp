#include "jobs/CommandFileJobs.h"

#include "base/FrontEnd.h"
#include "base/ProgressSection.h"
#include "base/Status.h"
#include "base/Text.h"
#include "jobs/CommandFile.h"
#include "jobs/ExportTarget.h"
#include "jobs/ProgramData.h"

#include <algorithm>
#include <variant>

namespace parlix {
namespace {

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
    commands_.store(0);
    succeeded_.store(Export(path));
}

bool CommandExporterThread::Export(const std::string& path) {
    VoiceModel& model = data_.Model();
    if (!AllGroupsLoaded(model)) return false;
    int total = 0;
    for (int group = 0; group < kGroupLists; ++group)
        total += std::max(0, model.GetListCount(group));
    ExportTarget file(path);
    if (!file.Opened()) return WriteFailed(path, file.Error());
    ProgressSection progress(data_.Progress(), static_cast<std::uint32_t>(total));
    for (int group = 0; group < kGroupLists; ++group) {
        const int count = std::max(0, model.GetListCount(group));
        if (!file.Write(FormatGroupHeader(group, count))) return WriteFailed(path, file.Error());
        for (int index = 0; index < count; ++index) {
            std::string digits;
            if (!data_.Controller().ExportCommandData(group, index, digits)) {
                file.Write(FormatErrorLine(group, index));
                return false;
            }
            if (!file.Write(FormatCommandLine(index, digits)))
                return WriteFailed(path, file.Error());
            progress.Step();
        }
    }
    if (!file.Commit()) return WriteFailed(path, file.Error());
    commands_.store(total);
    return true;
}

// A full disk or a target that cannot take a file is said once, with its reason.
bool CommandExporterThread::WriteFailed(const std::string& path, int error) {
    std::string text =
        TrFormat(PX_TR("CommandFile", "Could not write the command file \"%s\".\n"), path);
    if (error != 0) {
        text += Tr(PX_TR("CommandFile", "\nThe following system error occurred:\n"));
        text += ErrnoCode(error).message();
    }
    ModuleController& controller = data_.Controller();
    controller.SetErrorText(text);
    controller.ReportError(SystemText::Omit, BoxIcon::Error);
    return false;
}

void CommandImporterThread::Run(const std::string& path) {
    DisabledWindow disabled(data_.Front());
    commands_.store(0);
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
    commands_.store(contents->total);
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
