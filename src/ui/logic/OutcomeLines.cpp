#include "ui/logic/OutcomeLines.h"

#include "app/ModelRows.h"
#include "app/ModuleSession.h"
#include "base/Text.h"
#include "module/ListNumbers.h"
#include "module/ModuleController.h"

#include <filesystem>
#include <regex>

namespace parlix::ui {
namespace {

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// A fetched trigger word number is one argument: -1 - t lies in -32..-1,
// far from the failure values.
bool IsTriggerWord(std::int32_t result) {
    return result < 0 && result >= -32;
}

// "group 3", "wordset 1" and so on, as the parentheses of a recognition line.
std::string ListName(int row) {
    if (row == kTriggerList) return Tr(PX_TR("MainFrame", "trigger group"));
    if (row == kPasswordList) return Tr(PX_TR("MainFrame", "password group"));
    if (row >= kFirstWordsetList) return TrFormat(PX_TR("MainFrame", "wordset %d"), row - 18);
    return TrFormat(PX_TR("MainFrame", "group %d"), row);
}

}  // namespace

std::string FirmwareDownloadedLine(const std::string& description, const std::string& path) {
    // Our firmware files describe themselves as "... firmware ID 12, version 1.12".
    static const std::regex kIdAndVersion(R"(ID\s+(\d+),\s*version\s+([0-9][0-9A-Za-z.]*))",
                                          std::regex::icase);
    std::smatch match;
    if (std::regex_search(description, match, kIdAndVersion))
        return TrFormat(PX_TR("MainFrame", "Firmware %s, version %s, downloaded"), match[1].str(),
                        match[2].str());
    const std::string name = description.empty() ? FileName(path) : description;
    return TrFormat(PX_TR("MainFrame", "Firmware \"%s\" downloaded"), name);
}

std::string CustomDataDownloadedLine(const std::vector<std::string>& projects) {
    std::string names;
    for (const std::string& project : projects)
        names += (names.empty() ? "" : ", ") + FileName(project);
    return TrFormat(PX_TR("MainFrame", "Custom data from %s downloaded"), names);
}

std::string CommandFileLine(bool exporting, bool succeeded, int commands, const std::string& path) {
    const std::string file = FileName(path);
    if (!succeeded)
        return exporting ? TrFormat(PX_TR("MainFrame", "Commands not exported to %s"), file)
                         : TrFormat(PX_TR("MainFrame", "Commands not imported from %s"), file);
    if (commands == 1)
        return exporting ? TrFormat(PX_TR("MainFrame", "Exported 1 command to %s"), file)
                         : TrFormat(PX_TR("MainFrame", "Imported 1 command from %s"), file);
    return exporting ? TrFormat(PX_TR("MainFrame", "Exported %d commands to %s"), commands, file)
                     : TrFormat(PX_TR("MainFrame", "Imported %d commands from %s"), commands, file);
}

std::string CommandFileJobLine(ModuleSession& session, std::uint64_t threadId,
                               const std::string& path) {
    if (threadId == session.Exporter().ThreadId())
        return CommandFileLine(true, session.Exporter().Succeeded(), session.Exporter().Commands(),
                               path);
    if (threadId == session.Importer().ThreadId()) {
        CommandImporterThread& importer = session.Importer();
        // A failed import that changed the module says which groups it changed.
        if (std::string note = importer.PartialNote(); !importer.Succeeded() && !note.empty())
            return note;
        return CommandFileLine(false, importer.Succeeded(), importer.Commands(), path);
    }
    return {};
}

std::string RecognitionLine(int row, std::int32_t result, const std::string& label) {
    const std::string list = ListName(row);
    std::string heard = label;
    if (heard.empty() && IsTriggerWord(result))
        heard = TrFormat(PX_TR("MainFrame", "trigger word %d"), -1 - result);
    else if (heard.empty() && result >= 0)
        heard = row >= kFirstWordsetList ? TrFormat(PX_TR("MainFrame", "word %d"), result)
                                         : TrFormat(PX_TR("MainFrame", "command %d"), result);
    // The module heard something but its number got lost on the line.
    if (heard.empty() && result == kConflictUnnamed)
        return TrFormat(PX_TR("MainFrame", "Recognised, but not which one (%s)"), list);
    if (heard.empty()) return TrFormat(PX_TR("MainFrame", "Nothing recognised (%s)"), list);
    return TrFormat(PX_TR("MainFrame", "Recognised: %s (%s)"), heard, list);
}

std::string RecognisedLabel(VoiceModel& model, int row, std::int32_t result) {
    if (IsTriggerWord(result)) {
        const auto word = ReadTriggerWord(model, -1 - result, false);
        return word && word->known ? word->word : std::string();
    }
    if (result < 0) return {};
    if (row >= kFirstWordsetList) {
        const auto word = ReadWordEntry(model, row, result, false);
        return word && word->known ? word->word : std::string();
    }
    return CommandLabel(model, row, result);
}

std::string TrainingLine(const std::string& label, int command, bool trained) {
    const std::string name =
        label.empty() ? TrFormat(PX_TR("MainFrame", "command %d"), command) : label;
    return trained ? TrFormat(PX_TR("MainFrame", "Trained: %s"), name)
                   : TrFormat(PX_TR("MainFrame", "Not trained: %s"), name);
}

std::string CommandLabel(VoiceModel& model, int row, int index) {
    const auto entry = ReadCommandEntry(model, row, index, false);
    return entry && entry->known ? entry->label : std::string();
}

}  // namespace parlix::ui
