#include "Kandata.h"

#include "DataHeaderOutput.h"
#include "DataImage.h"
#include "HeaderInput.h"
#include "IntelHex.h"
#include "ModelFile.h"
#include "ResponseFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace kandata {
namespace {

bool ReadFile(const std::string& path, std::string& text, std::string& error) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "\"" + path + "\": cannot read it: " + std::strerror(errno ? errno : ENOENT);
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool WriteFile(const std::string& path, const std::string& text, std::string& error) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        error = "\"" + path + "\": cannot write it: " + std::strerror(errno ? errno : EIO);
        return false;
    }
    return true;
}

bool ReadModels(const Response& response, std::vector<NamedModel>& models, std::string& error) {
    std::size_t header = 0;
    for (const std::string& path : response.models) {
        std::string text;
        NamedModel named;
        if (!ReadFile(path, text, error)) return false;
        if (!ParseModel(text, named.model, error)) {
            error = "\"" + path + "\": " + error;
            return false;
        }
        if (named.model.type != ModelType::Acoustic) {
            // Sound tables and grammars take their names from the header inputs, in the same order.
            if (header == response.headers.size()) {
                error = "\"" + path + "\": no header input left for it";
                return false;
            }
            const std::string& headerPath = response.headers[header++];
            if (!ReadFile(headerPath, text, error)) return false;
            if (!ParseHeaderInput(text, named.model.items.size(), named.names, error)) {
                error = "\"" + headerPath + "\": " + error;
                return false;
            }
            if (named.model.type == ModelType::SoundTable) {
                for (const std::string& name : named.names) {
                    if (name.rfind("SND_", 0) != 0) {
                        error = "\"" + headerPath + "\": the sound name " + name +
                                " does not begin with SND_";
                        return false;
                    }
                }
            }
        }
        models.push_back(std::move(named));
    }
    if (header != response.headers.size()) {
        error = "more header inputs than sound tables and grammars";
        return false;
    }
    return true;
}

void PrintModels(const std::vector<NamedModel>& models, std::FILE* out) {
    int grammar = kFirstCustomGrammar;
    for (const NamedModel& named : models) {
        const Model& m = named.model;
        switch (m.type) {
            case ModelType::SoundTable:
                std::fprintf(out, "Sound table %s: %zu sound%s\n", m.name.c_str(), m.items.size(),
                             m.items.size() == 1 ? "" : "s");
                break;
            case ModelType::Grammar:
                std::fprintf(out, "Grammar %d %s: %zu word%s (%s)\n", grammar++, m.name.c_str(),
                             m.items.size(), m.items.size() == 1 ? "" : "s",
                             m.kind == GrammarKind::Trigger ? "trigger" : "command");
                break;
            case ModelType::Acoustic:
                std::fprintf(out, "Acoustic model %s: %d bytes\n", m.name.c_str(), m.size);
                break;
        }
    }
}

}  // namespace

int RunKandata(const std::string& responsePath, std::FILE* out, std::FILE* err) {
    std::string error;
    const auto fail = [&] {
        std::fprintf(err, "kandata: error: %s\n", error.c_str());
        return 1;
    };
    std::string text;
    Response response;
    if (!ReadFile(responsePath, text, error)) return fail();
    if (!ParseResponse(text, response, error)) {
        error = "\"" + responsePath + "\": " + error;
        return fail();
    }
    std::fprintf(out, "Reading %zu header and %zu model inputs\n", response.headers.size(),
                 response.models.size());
    std::fflush(out);

    std::vector<NamedModel> models;
    if (!ReadModels(response, models, error)) return fail();
    PrintModels(models, out);

    const bool newLayout = response.dataStart.has_value();
    const std::uint32_t start = newLayout ? *response.dataStart : kOldLayoutStart;
    const std::uint32_t end = newLayout ? *response.dataEnd : kOldLayoutEnd;
    std::vector<Model> plain;
    for (const NamedModel& named : models) plain.push_back(named.model);
    std::vector<std::uint8_t> image;
    if (!BuildImage(plain, newLayout ? kNewLayout : kOldLayout, image, error)) return fail();
    if (image.size() - 1 > end - start) {
        error = "the image (" + std::to_string(image.size()) +
                " bytes) does not fit between its addresses";
        return fail();
    }
    std::fprintf(out, "Image: %zu bytes at 0x%05X (%s layout)\n", image.size(), start,
                 newLayout ? "new" : "old");

    if (!WriteFile(response.outputBase + ".h", FormatDataHeader(models), error) ||
        !WriteFile(response.outputBase + ".hex", FormatIntelHex(start, image), error))
        return fail();
    std::fprintf(out, "Wrote %s.hex and %s.h\n", response.outputBase.c_str(),
                 response.outputBase.c_str());
    return 0;
}

}  // namespace kandata
