// Code generation for both front ends: which template (the host's, or one the
// user picks through a save dialog that the front end shows), and the
// expansion of that template over the data model into the chosen file.
#pragma once

#include "external/CodeGenerator.h"
#include "external/TemplateChoice.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace parlix {

class AppSettings;
class ModuleController;
class VoiceModel;

// The model's trained commands as the expansion reads them: the count of each
// group, and a label only when its entry is loaded.
class ModelCodeSource : public CodeSource {
  public:
    explicit ModelCodeSource(VoiceModel& model) : model_(model) {}
    std::int32_t CommandCount(int group) override;
    std::optional<std::string> CommandLabel(int group, int index) override;

  private:
    VoiceModel& model_;
};

struct CodeTemplate {
    std::string path;
    std::string pattern;
};

enum class GenerateResult {
    Written,
    NothingChosen,  // cancelled, or no template (the user was told)
    TemplateUnreadable,
    OutputUnwritable,
    PatternRefused,  // the template was copied unchanged
    EndlessLoop,     // the template's loop went round for ever and was stopped
};

// Every Config.ini section with its Template value, in file order.
std::vector<TemplateSection> ConfigTemplates(const AppSettings& settings);
// The host's template when the link names one, else the sections' templates.
TemplateChoice TemplatesFor(ModuleController& controller, const AppSettings& settings);
// A record's template in the data folder beside the program.
CodeTemplate TemplateFrom(const AppSettings& settings, const TemplateRecord& record);

// Expands the template over the model into `outputPath` (created or replaced).
GenerateResult GenerateCodeFile(VoiceModel& model, std::int32_t language,
                                const CodeTemplate& codeTemplate, const std::string& outputPath);

// The file the user chose in the save dialog and the filter shown then, counted from 1.
struct SaveChoice {
    std::string path;
    int filterIndex = 0;
};
// Shows the save dialog; none when it was cancelled.
using SaveChooser = std::function<std::optional<SaveChoice>(const SaveOffer& offer)>;

// The "Generate Code" command: the template and the output file through
// `choose`, the two information messages through the controller, then the
// expansion. Failures to open a file are not reported: the caller decides.
GenerateResult GenerateCode(VoiceModel& model, std::int32_t language, ModuleController& controller,
                            const AppSettings& settings, const SaveChooser& choose);

}  // namespace parlix
