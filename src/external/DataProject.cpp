#include "external/DataProject.h"

#include <algorithm>
#include <cctype>

namespace parlix {
namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string_view FileName(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view Extension(std::string_view path) {
    const std::string_view name = FileName(path);
    const auto dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

DataProjectType DataProjectTypeOf(std::string_view path) {
    const std::string_view ext = Extension(path);
    if (EqualsNoCase(ext, ".qxp")) return DataProjectType::SoundTable;
    if (EqualsNoCase(ext, ".rsc")) return DataProjectType::SingleGrammar;
    if (EqualsNoCase(ext, ".amc")) return DataProjectType::CombinedGrammar;
    return DataProjectType::Other;
}

std::string DataProjectName(std::string_view path) {
    const std::string_view name = FileName(path);
    const auto dot = name.find_last_of('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string DataProjectDisplayName(std::string_view path) {
    std::string name = DataProjectName(path);
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return name;
}

int DataProjectIcon(DataProjectType type) {
    switch (type) {
        case DataProjectType::SoundTable:
            return 4;
        case DataProjectType::SingleGrammar:
            return 6;
        default:
            return 0;
    }
}

std::string DataProjectFolder(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? std::string{} : std::string(path.substr(0, slash + 1));
}

}  // namespace parlix
