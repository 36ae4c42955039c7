#include "DataImage.h"

namespace kandata {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value);
    Put16(out, value >> 16);
}

void PutLabel(std::vector<std::uint8_t>& out, const std::string& label) {
    out.push_back(static_cast<std::uint8_t>(label.size()));
    out.insert(out.end(), label.begin(), label.end());
}

// Stand-in data that differs per name and position, the same on every build.
void PutData(std::vector<std::uint8_t>& out, const std::string& name, int size) {
    std::uint32_t state = 2166136261u;
    for (const char c : name) state = (state ^ static_cast<std::uint8_t>(c)) * 16777619u;
    for (int i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        out.push_back(static_cast<std::uint8_t>(state >> 24));
    }
}

constexpr int kSoundDataSize = 16;

std::vector<std::uint8_t> Payload(const Model& model) {
    std::vector<std::uint8_t> out;
    switch (model.type) {
        case ModelType::SoundTable:
            PutLabel(out, model.name);
            Put16(out, static_cast<std::uint32_t>(model.items.size()));
            for (const std::string& sound : model.items) {
                PutLabel(out, sound);
                Put16(out, kSoundDataSize);
                PutData(out, sound, kSoundDataSize);
            }
            break;
        case ModelType::Grammar:
            out.push_back(model.kind == GrammarKind::Trigger ? kTriggerGrammarFlags
                                                             : kCommandGrammarFlags);
            PutLabel(out, model.name);
            out.push_back(static_cast<std::uint8_t>(model.items.size()));
            for (const std::string& word : model.items) PutLabel(out, word);
            break;
        case ModelType::Acoustic:
            PutLabel(out, model.name);
            Put16(out, static_cast<std::uint32_t>(model.size));
            PutData(out, model.name, model.size);
            break;
    }
    return out;
}

std::uint8_t Tag(ModelType type) {
    switch (type) {
        case ModelType::SoundTable:
            return 'S';
        case ModelType::Grammar:
            return 'G';
        default:
            return 'M';
    }
}

}  // namespace

bool BuildImage(const std::vector<Model>& models, std::uint8_t layout,
                std::vector<std::uint8_t>& image, std::string& error) {
    int tables = 0;
    int grammars = 0;
    std::vector<std::uint8_t> chunks;
    for (const Model& model : models) {
        tables += model.type == ModelType::SoundTable;
        grammars += model.type == ModelType::Grammar;
        const std::vector<std::uint8_t> payload = Payload(model);
        chunks.push_back(Tag(model.type));
        Put32(chunks, static_cast<std::uint32_t>(payload.size()));
        chunks.insert(chunks.end(), payload.begin(), payload.end());
    }
    if (tables > 1) {
        error = "more than one sound table";
        return false;
    }
    if (grammars > kMaxCustomGrammars) {
        error = "more than 28 grammars";
        return false;
    }
    if (models.size() > 255) {
        error = "more than 255 models";
        return false;
    }
    std::uint32_t sum = 0;
    for (const std::uint8_t byte : chunks) sum += byte;
    image = {'P', 'X', 'C', 'D', layout, static_cast<std::uint8_t>(models.size()), 0, 0};
    Put32(image, static_cast<std::uint32_t>(chunks.size()));
    Put32(image, sum);
    image.insert(image.end(), chunks.begin(), chunks.end());
    return true;
}

}  // namespace kandata
