// The status line that says how an operation ended where no message box
// does: downloads, command files, recognition tests and training. It goes to
// the status pane through the front end, so the trace keeps it too.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace parlix {
class ModuleSession;
class VoiceModel;
}  // namespace parlix

namespace parlix::ui {

// "Firmware 12, version 1.12, downloaded" from a description that names
// them, else the description or the file name.
std::string FirmwareDownloadedLine(const std::string& description, const std::string& path);
// Names the projects the data was built from, without their folders: the
// image itself is a temporary file whose name says nothing.
std::string CustomDataDownloadedLine(const std::vector<std::string>& projects);

// "Exported 9 commands to set.vrcmd", "Imported 9 commands from set.vrcmd",
// or that it failed; the file without its folder.
std::string CommandFileLine(bool exporting, bool succeeded, int commands, const std::string& path);
// The line for the command file job `threadId` that ended, or empty when it
// is not one of those jobs.
std::string CommandFileJobLine(parlix::ModuleSession& session, std::uint64_t threadId,
                               const std::string& path);

// What a test of group row `row` heard: `result` as the model gives it (a
// command or word, -1 - t for trigger word t, or a failure value) and its
// label as shown, empty when unknown.
std::string RecognitionLine(int row, std::int32_t result, const std::string& label);
// The label the lists show for that result; empty when it is not known.
std::string RecognisedLabel(parlix::VoiceModel& model, int row, std::int32_t result);

std::string TrainingLine(const std::string& label, int command, bool trained);
// Command `index` of group row `row` as the list shows its label; empty when unknown.
std::string CommandLabel(parlix::VoiceModel& model, int row, int index);

}  // namespace parlix::ui
