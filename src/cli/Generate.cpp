#include "cli/Generate.h"

#include "app/CodeGeneration.h"

#include <fmt/format.h>

#include <fstream>
#include <optional>

namespace parlix::cli {
namespace {

// What --template takes, on standard error; exits 2 as a usage error does.
int ListSections(const AppSettings& settings) {
    const TemplateChoice choice(std::string_view(), ConfigTemplates(settings));
    if (!choice.Available()) {
        fmt::print(stderr,
                   "parlix-cli: no section of {} names a code template; give one with "
                   "--template-file FILE --pattern PATTERN\n",
                   settings.ConfigPath());
        return 2;
    }
    fmt::print(stderr, "parlix-cli: choose a code template with --template SECTION:\n");
    for (const std::string& name : choice.SectionNames()) fmt::print(stderr, "  {}\n", name);
    return 2;
}

// The template that the options name before connecting; none: the host's.
std::optional<CodeTemplate> NamedTemplate(const AppSettings& settings,
                                          const GenerateOptions& options) {
    if (!options.templateFile.empty()) return CodeTemplate{options.templateFile, options.pattern};
    if (!options.section.empty())
        return TemplateFrom(settings, TemplateRecord::Split(settings.Template(options.section)));
    return std::nullopt;
}

int Outcome(GenerateResult result, const CodeTemplate& used, const std::string& output) {
    switch (result) {
        case GenerateResult::Written:
            return 0;
        case GenerateResult::TemplateUnreadable:
            fmt::print(stderr, "parlix-cli: cannot read the template \"{}\"\n", used.path);
            return 1;
        case GenerateResult::OutputUnwritable:
            fmt::print(stderr, "parlix-cli: cannot write \"{}\"\n", output);
            return 1;
        case GenerateResult::PatternRefused:
            fmt::print(stderr,
                       "parlix-cli: the directive pattern \"{}\" is not two %c conversions; "
                       "the template was copied unchanged\n",
                       used.pattern);
            return 1;
        case GenerateResult::EndlessLoop:
            fmt::print(stderr,
                       "parlix-cli: a loop of the template repeats for ever; \"{}\" ends "
                       "where it began to repeat\n",
                       output);
            return 1;
        case GenerateResult::NothingChosen:
            break;
    }
    return 1;
}

}  // namespace

int Generate(Session& session, const GenerateOptions& options) {
    const AppSettings& settings = session.Settings();
    // Mistakes in the options cost no connection.
    if (!options.section.empty() && settings.Template(options.section).empty()) {
        fmt::print(stderr, "parlix-cli: section \"{}\" of Config.ini names no template\n",
                   options.section);
        return ListSections(settings);
    }
    if (!options.templateFile.empty() && !DirectivePattern::Parse(options.pattern)) {
        fmt::print(stderr,
                   "parlix-cli: the pattern \"{}\" must hold exactly two %c and no other "
                   "conversion but %%\n",
                   options.pattern);
        return 2;
    }
    std::optional<CodeTemplate> used = NamedTemplate(settings, options);
    if (used && !std::ifstream(used->path).good())
        return Outcome(GenerateResult::TemplateUnreadable, *used, options.output);
    session.Front().SetStatusStream(stderr);
    session.Front().SetShowProgress(true);
    if (!session.ConnectAndRead()) return 1;
    ModuleSession& module = session.Module();
    if (module.Controller().Link().LinkLost()) {
        module.Disconnect();
        return 1;
    }
    if (!used) {
        const TemplateChoice host = TemplatesFor(module.Controller(), settings);
        if (!host.FromHost()) {
            module.Disconnect();
            fmt::print(stderr, "parlix-cli: the link names no code template\n");
            return ListSections(settings);
        }
        used = TemplateFrom(settings, host.Records().front());
    }
    const GenerateResult result =
        GenerateCodeFile(module.Model(), module.BuiltinLanguage(), *used, options.output);
    module.Disconnect();
    const int status = Outcome(result, *used, options.output);
    return status != 0 ? status : session.ExitStatus(true);
}

}  // namespace parlix::cli
