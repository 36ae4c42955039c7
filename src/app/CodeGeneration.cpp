#include "app/CodeGeneration.h"

#include "app/AppSettings.h"
#include "module/ModuleController.h"
#include "module/VoiceModel.h"

#include <fstream>

namespace parlix {
namespace {

// An information box without system text, as the controller shows them.
void Inform(ModuleController& controller, std::string text) {
    controller.SetErrorText(std::move(text));
    controller.ReportError(SystemText::Omit, BoxIcon::Information);
}

}  // namespace

std::int32_t ModelCodeSource::CommandCount(int group) {
    // -1 while busy or unread; the command's rule asks every group to be read.
    return model_.GetListCount(group);
}

std::optional<std::string> ModelCodeSource::CommandLabel(int group, int index) {
    return model_.GetEntryLabel(group, index);
}

std::vector<TemplateSection> ConfigTemplates(const AppSettings& settings) {
    std::vector<TemplateSection> sections;
    for (std::string& name : settings.ConfigSections()) {
        std::string record = settings.Template(name);
        sections.push_back({std::move(name), std::move(record)});
    }
    return sections;
}

TemplateChoice TemplatesFor(ModuleController& controller, const AppSettings& settings) {
    const VoiceProxy* proxy = controller.Link().CurrentProxy();
    const std::string host = proxy ? proxy->GetTemplateName() : std::string();
    // Config.ini is read only when the host names no template.
    return host.empty() ? TemplateChoice(host, ConfigTemplates(settings))
                        : TemplateChoice(host, {});
}

CodeTemplate TemplateFrom(const AppSettings& settings, const TemplateRecord& record) {
    return {settings.ProgramFolder() + "/data/" + record.file, record.pattern};
}

GenerateResult GenerateCodeFile(VoiceModel& model, std::int32_t language,
                                const CodeTemplate& codeTemplate, const std::string& outputPath) {
    // Binary both ways: the template reader and the formatter handle line ends.
    std::ifstream in(codeTemplate.path, std::ios::binary);
    if (!in) return GenerateResult::TemplateUnreadable;
    std::ofstream out(outputPath, std::ios::binary | std::ios::trunc);
    if (!out) return GenerateResult::OutputUnwritable;
    ModelCodeSource source(model);
    const CodeOutcome outcome = CodeGenerator(source, language).Run(in, codeTemplate.pattern, out);
    out.close();
    if (!out) return GenerateResult::OutputUnwritable;
    switch (outcome) {
        case CodeOutcome::PatternRefused:
            return GenerateResult::PatternRefused;
        case CodeOutcome::EndlessLoop:
            return GenerateResult::EndlessLoop;
        case CodeOutcome::Written:
            break;
    }
    return GenerateResult::Written;
}

GenerateResult GenerateCode(VoiceModel& model, std::int32_t language, ModuleController& controller,
                            const AppSettings& settings, const SaveChooser& choose) {
    const TemplateChoice choice = TemplatesFor(controller, settings);
    if (!choice.Available()) {
        Inform(controller, NoTemplateAvailableText());
        return GenerateResult::NothingChosen;
    }
    const auto saved = choose(choice.Offer(ApplicationTitleText()));
    if (!saved) return GenerateResult::NothingChosen;
    const auto record = choice.Chosen(saved->filterIndex);
    if (!record) {
        Inform(controller, NoTemplateSelectedText());
        return GenerateResult::NothingChosen;
    }
    return GenerateCodeFile(model, language, TemplateFrom(settings, *record), saved->path);
}

}  // namespace parlix
