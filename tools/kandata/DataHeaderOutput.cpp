#include "DataHeaderOutput.h"

namespace kandata {

std::string LabelToName(const std::string& label) {
    std::string name;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '^' && i + 1 < label.size())
            name += static_cast<char>('0' + (label[++i] - 'A'));
        else
            name += label[i];
    }
    return name;
}

std::string FormatDataHeader(const std::vector<NamedModel>& models) {
    std::string out = "// Custom data for Parlix modules, written by kandata\n";
    int grammar = kFirstCustomGrammar;
    for (const NamedModel& named : models) {
        const Model& model = named.model;
        const std::size_t count = model.items.size();
        if (model.type == ModelType::SoundTable) {
            out += "// Sound table " + model.name + " (" + std::to_string(count) +
                   (count == 1 ? " sound)\n" : " sounds)\n");
            for (std::size_t i = 0; i < count; ++i)
                out += "#define " + named.names[i] + " " + std::to_string(i) + "\n";
        } else if (model.type == ModelType::Grammar) {
            out += "// Grammar " + std::to_string(grammar) + " " + model.name + " (" +
                   (model.kind == GrammarKind::Trigger ? "trigger, " : "command, ") +
                   std::to_string(count) + (count == 1 ? " word)\n" : " words)\n");
            out += "#define WS_" + LabelToName(model.name) + " " + std::to_string(grammar) + "\n";
            for (std::size_t i = 0; i < count; ++i)
                out += "#define " + named.names[i] + " " + std::to_string(i) + "\n";
            ++grammar;
        }
    }
    return out;
}

}  // namespace kandata
