#include "ModelFile.h"

#include "base/Trim.h"

#include <charconv>

namespace kandata {
namespace {

using parlix::Trim;

constexpr std::string_view kMagic = "parlix-model 1";

struct Parser {
    Model& model;
    std::string& error;
    bool typeSeen = false;
    bool kindSeen = false;
    bool sizeSeen = false;

    bool Fail(int line, const std::string& what) {
        error = "line " + std::to_string(line) + ": " + what;
        return false;
    }

    bool Label(int line, std::string_view value, std::string& out) {
        if (!IsModuleLabel(value))
            return Fail(line, "\"" + std::string(value) +
                                  "\" is not a label (A to Z, _ and ^, at most 31 characters)");
        out = std::string(value);
        return true;
    }

    bool Entry(int line, std::string_view key, std::string_view value) {
        if (key == "type") {
            if (typeSeen) return Fail(line, "a second type");
            typeSeen = true;
            if (value == "sound-table")
                model.type = ModelType::SoundTable;
            else if (value == "grammar")
                model.type = ModelType::Grammar;
            else if (value == "acoustic")
                model.type = ModelType::Acoustic;
            else
                return Fail(line, "unknown type \"" + std::string(value) + "\"");
            return true;
        }
        if (!typeSeen) return Fail(line, "the type must come first");
        if (key == "name")
            return model.name.empty() ? Label(line, value, model.name)
                                      : Fail(line, "a second name");
        if (key == "kind" && model.type == ModelType::Grammar) {
            if (kindSeen) return Fail(line, "a second kind");
            kindSeen = true;
            if (value == "trigger")
                model.kind = GrammarKind::Trigger;
            else if (value == "command")
                model.kind = GrammarKind::Command;
            else
                return Fail(line, "the kind is trigger or command");
            return true;
        }
        if ((key == "sound" && model.type == ModelType::SoundTable) ||
            (key == "word" && model.type == ModelType::Grammar)) {
            std::string label;
            if (!Label(line, value, label)) return false;
            model.items.push_back(std::move(label));
            return true;
        }
        if (key == "size" && model.type == ModelType::Acoustic) {
            if (sizeSeen) return Fail(line, "a second size");
            sizeSeen = true;
            const auto result =
                std::from_chars(value.data(), value.data() + value.size(), model.size);
            if (result.ec != std::errc{} || result.ptr != value.data() + value.size() ||
                model.size < 1 || model.size > kMaxModelSize)
                return Fail(line, "the size is 1 to 65535 bytes");
            return true;
        }
        return Fail(line, "\"" + std::string(key) + "\" does not belong here");
    }

    bool Finish() {
        if (!typeSeen) return Fail(1, "no type");
        if (model.name.empty()) {
            error = "the model has no name";
            return false;
        }
        const int count = static_cast<int>(model.items.size());
        switch (model.type) {
            case ModelType::SoundTable:
                if (count < 1 || count > kMaxSounds) {
                    error = "a sound table holds 1 to 1023 sounds";
                    return false;
                }
                break;
            case ModelType::Grammar:
                if (!kindSeen) {
                    error = "the grammar has no kind";
                    return false;
                }
                if (count < 1 || count > kMaxWords) {
                    error = "a grammar holds 1 to 32 words";
                    return false;
                }
                break;
            case ModelType::Acoustic:
                if (!sizeSeen) {
                    error = "the acoustic model has no size";
                    return false;
                }
                break;
        }
        return true;
    }
};

}  // namespace

bool IsModuleLabel(std::string_view label) {
    if (label.empty() || label.size() > static_cast<std::size_t>(kMaxLabel)) return false;
    for (std::size_t i = 0; i < label.size(); ++i) {
        const char c = label[i];
        if (c == '^') {
            if (++i == label.size() || label[i] < 'A' || label[i] > 'J') return false;
        } else if (!((c >= 'A' && c <= 'Z') || c == '_')) {
            return false;
        }
    }
    return true;
}

bool ParseModel(std::string_view text, Model& model, std::string& error) {
    model = Model{};
    Parser parser{model, error};
    int number = 0;
    bool magicSeen = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (line.empty() || line[0] == '#') continue;
        if (!magicSeen) {
            if (line != kMagic)
                return parser.Fail(number, "not a model file (it begins with \"parlix-model 1\")");
            magicSeen = true;
            continue;
        }
        const auto gap = line.find_first_of(" \t");
        if (gap == std::string_view::npos) return parser.Fail(number, "a key without a value");
        if (!parser.Entry(number, line.substr(0, gap), Trim(line.substr(gap)))) return false;
    }
    if (!magicSeen) {
        error = "not a model file (it begins with \"parlix-model 1\")";
        return false;
    }
    return parser.Finish();
}

}  // namespace kandata
