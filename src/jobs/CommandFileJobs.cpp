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
    // What the user needs to know to put it right: which groups changed.
    const std::string note = PartialNote();
    controller.SetErrorText(note.empty() ? text : text + "\n\n" + note);
    controller.ReportError(SystemText::Omit, BoxIcon::Error);
    return false;
}

bool CommandImporterThread::Import(const std::string& path) {
    NoteGroups({}, -1);
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

    // Each group with its commands in index order: a command is created on
    // the module only when its data follows at once, so that a failure
    // leaves no blank command behind.
    std::vector<std::pair<GroupHeaderLine, std::vector<const CommandLine*>>> groups;
    for (const CommandFileLine& line : contents->lines) {
        if (const auto* header = std::get_if<GroupHeaderLine>(&line))
            groups.push_back({*header, {}});
        else
            groups.back().second.push_back(&std::get<CommandLine>(line));
    }
    for (auto& [header, commands] : groups)
        std::stable_sort(
            commands.begin(), commands.end(),
            [](const CommandLine* a, const CommandLine* b) { return a->index < b->index; });

    ProgressSection progress(data_.Progress(), static_cast<std::uint32_t>(contents->total));
    ModuleController& controller = data_.Controller();
    std::vector<int> replaced;
    for (const auto& [header, commands] : groups) {
        if (controller.Link().LinkLost()) return Stopped();  // said once already
        NoteGroups(replaced, header.group);
        if (!ImportGroup(header, commands, progress)) return Stopped();
        replaced.push_back(header.group);
    }
    NoteGroups({}, -1);
    commands_.store(contents->total);
    return true;
}

bool CommandImporterThread::ImportGroup(const GroupHeaderLine& header,
                                        const std::vector<const CommandLine*>& commands,
                                        ProgressSection& progress) {
    VoiceModel& model = data_.Model();
    ModuleController& controller = data_.Controller();
    const int group = header.group;
    int have = model.GetListCount(group);
    while (header.count < have) {
        model.RemoveCommandAt(group, 0, controller);
        if (model.GetListCount(group) >= have)
            return Fail(
                TrFormat(PX_TR("CommandFile",
                               "Failed to reduce command group %d.\n\nImport may be incomplete!"),
                         group));
        --have;
    }
    for (const CommandLine* command : commands) {
        const int i = command->index;
        if (controller.Link().LinkLost()) return false;
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
        if (!model.ImportEntry(group, i, command->digits, controller) ||
            (model.RefreshCommand(group, i, controller), !model.IsEntryLoaded(group, i)))
            return Fail(Tr(PX_TR("CommandFile",
                                 "Failed to import command data.\n\nImport may be incomplete!")));
        progress.Step();
    }
    if (model.GetListCount(group) != header.count)
        return Fail(TrFormat(
            PX_TR("CommandFile", "Failed to resize command group %d.\n\nImport may be incomplete!"),
            group));
    return true;
}

void CommandImporterThread::NoteGroups(std::vector<int> replaced, int touched) {
    const std::lock_guard lock(noteMutex_);
    replaced_ = std::move(replaced);
    touched_ = touched;
}

bool CommandImporterThread::Stopped() {
    const std::string note = PartialNote();
    if (!note.empty()) data_.Front().SetStatusText(note);
    return false;
}

std::string CommandImporterThread::PartialNote() const {
    const std::lock_guard lock(noteMutex_);
    if (replaced_.empty() && touched_ < 0) return {};
    std::string groups;
    for (const int group : replaced_)
        groups += (groups.empty() ? "" : ", ") + std::to_string(group);
    if (replaced_.empty())
        return TrFormat(PX_TR("CommandFile",
                              "The module is now partly overwritten (group %d partly written). "
                              "Import the file again."),
                        touched_);
    if (touched_ < 0)
        return TrFormat(PX_TR("CommandFile",
                              "The module is now partly overwritten (groups replaced: %s). "
                              "Import the file again."),
                        groups);
    return TrFormat(PX_TR("CommandFile",
                          "The module is now partly overwritten (groups replaced: %s; group %d "
                          "partly written). Import the file again."),
                    groups, touched_);
}

}  // namespace parlix
