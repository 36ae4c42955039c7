#include "jobs/CommandFileJobs.h"

#include "base/FrontEnd.h"
#include "base/ProgressSection.h"
#include "base/Text.h"
#include "jobs/CommandFile.h"
#include "jobs/ProgramData.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <variant>

namespace parlix {
namespace {

constexpr const char* kCtx = "CommandFile";

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File OpenFile(const std::string& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode), &std::fclose);
}

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

bool AllGroupsLoaded(CVoiceModel& model) {
    for (int group = 0; group < kGroupLists; ++group)
        if (!model.IsListLoaded(group)) return false;
    return true;
}

}  // namespace

void CCommandExporterThread::Run(const std::string& path) {
    DisabledWindow disabled(data_.Front());
    succeeded_.store(Export(path));
}

bool CCommandExporterThread::Export(const std::string& path) {
    CVoiceModel& model = data_.Model();
    if (!AllGroupsLoaded(model)) return false;
    int total = 0;
    for (int group = 0; group < kGroupLists; ++group)
        total += std::max(0, model.GetListCount(group));
    File file = OpenFile(path, "wb");
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
    return std::fflush(file.get()) == 0;
}

void CCommandImporterThread::Run(const std::string& path) {
    DisabledWindow disabled(data_.Front());
    succeeded_.store(Import(path));
}

bool CCommandImporterThread::Fail(const std::string& text) {
    CModuleController& controller = data_.Controller();
    controller.SetErrorText(text);
    controller.ReportError(false, MB_ICONERROR);
    return false;
}

bool CCommandImporterThread::Import(const std::string& path) {
    CVoiceModel& model = data_.Model();
    if (!AllGroupsLoaded(model))
        return Fail(Tr(kCtx, "Cannot import commands while the module is busy!"));
    // Read once: a pipe cannot be read again, and both passes see the same bytes.
    std::string text;
    switch (ReadCommandFile(path, text)) {
        case CommandFileRead::kRead:
            break;
        case CommandFileRead::kCannotRead:
            return Fail(Tr(kCtx, "Cannot open the specified file!"));
        case CommandFileRead::kTooLarge:  // far beyond any module's commands
            return Fail(Tr(kCtx, "Invalid command file format or empty file!"));
    }
    const auto contents = ParseCommandFile(text);
    if (!contents) return Fail(Tr(kCtx, "Invalid command file format or empty file!"));

    ProgressSection progress(data_.Progress(), static_cast<std::uint32_t>(contents->total));
    CModuleController& controller = data_.Controller();
    int group = -1;
    for (const CommandFileLine& line : contents->lines) {
        if (const auto* header = std::get_if<GroupHeaderLine>(&line)) {
            group = header->group;
            if (!ResizeGroup(group, header->count)) return false;
            continue;
        }
        const auto& command = std::get<CommandLine>(line);
        if (!model.ImportEntry(group, command.index, command.digits, controller) ||
            (model.RefreshCommand(group, command.index, controller),
             !model.IsEntryLoaded(group, command.index)))
            return Fail(Tr(kCtx, "Failed to import command data.\n\nImport may be incomplete!"));
        progress.Step();
    }
    return true;
}

bool CCommandImporterThread::ResizeGroup(int group, int count) {
    CVoiceModel& model = data_.Model();
    CModuleController& controller = data_.Controller();
    int have = model.GetListCount(group);
    for (int i = 0; i < count; ++i) {
        if (i < have) {
            model.EraseTraining(group, i, controller);
        } else if (!model.CanAddCommand()) {
            return Fail(TrFormat(
                kCtx, "No more room for commands in group %d.\n\nImport may be incomplete!",
                group));
        } else {
            model.InsertCommand(group, i, controller);
            ++have;
        }
    }
    while (count < have) {
        model.RemoveCommandAt(group, 0, controller);
        if (model.GetListCount(group) >= have)
            return Fail(TrFormat(
                kCtx, "Failed to reduce command group %d.\n\nImport may be incomplete!", group));
        --have;
    }
    if (model.GetListCount(group) != count)
        return Fail(TrFormat(
            kCtx, "Failed to resize command group %d.\n\nImport may be incomplete!", group));
    return true;
}

}  // namespace parlix
