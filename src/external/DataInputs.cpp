#include "external/DataInputs.h"

namespace parlix {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    std::string out(hasExtension ? path.substr(0, dot) : path);
    out += extension;
    return out;
}

std::string Join(std::string_view folder, std::string_view prefix, std::string_view name,
                 std::string_view extension) {
    std::string out(folder);
    out += prefix;
    out += name;
    out += extension;
    return out;
}

}  // namespace

std::string SoundTableModel(std::string_view projectPath) {
    return ReplaceExtension(projectPath, ".mco");
}

std::string SoundTableHeader(std::string_view projectPath) {
    return ReplaceExtension(projectPath, ".h");
}

GrammarInputs TriggerGrammarInputs(std::string_view folder, std::string_view name) {
    return {Join(folder, "trig_rscGram_", name, ".mco"), Join(folder, "trig_rscApp_", name, ".h")};
}

GrammarInputs CommandGrammarInputs(std::string_view folder, std::string_view name) {
    return {Join(folder, "comm_rscGram_", name, ".mco"), Join(folder, "comm_rscApp_", name, ".h")};
}

std::string AcousticModelInput(std::string_view folder, std::string_view name) {
    return Join(folder, "rscNet_", name, ".mco");
}

std::vector<std::string> ParseCombinedGrammarNames(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);

        const auto first = line.find_first_not_of(kBlanks);
        if (first == std::string_view::npos) continue;
        line = line.substr(first, line.find_last_not_of(kBlanks) - first + 1);

        // Written on Windows the paths use backslashes; a slash only counts without one.
        auto cut = line.find_last_of('\\');
        if (cut == std::string_view::npos) cut = line.find_last_of('/');
        if (cut != std::string_view::npos) line = line.substr(cut + 1);
        const auto dot = line.find_last_of('.');
        if (dot != std::string_view::npos) line = line.substr(0, dot);
        names.emplace_back(line);
    }
    return names;
}

}  // namespace parlix
