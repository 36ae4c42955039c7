#include "app/LanguageCatalogs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace parlix {
namespace {

struct KnownLanguage {
    int id;
    const char* locale;
};

// Primary languages and their main regions, by identifier.
constexpr KnownLanguage kLanguages[] = {
    {1025, "ar_SA"}, {1026, "bg_BG"}, {1027, "ca_ES"}, {1028, "zh_TW"}, {1029, "cs_CZ"},
    {1030, "da_DK"}, {1031, "de_DE"}, {1032, "el_GR"}, {1033, "en_US"}, {1034, "es_ES"},
    {1035, "fi_FI"}, {1036, "fr_FR"}, {1037, "he_IL"}, {1038, "hu_HU"}, {1039, "is_IS"},
    {1040, "it_IT"}, {1041, "ja_JP"}, {1042, "ko_KR"}, {1043, "nl_NL"}, {1044, "nb_NO"},
    {1045, "pl_PL"}, {1046, "pt_BR"}, {1048, "ro_RO"}, {1049, "ru_RU"}, {1050, "hr_HR"},
    {1051, "sk_SK"}, {1053, "sv_SE"}, {1054, "th_TH"}, {1055, "tr_TR"}, {1057, "id_ID"},
    {1058, "uk_UA"}, {1060, "sl_SI"}, {1061, "et_EE"}, {1062, "lv_LV"}, {1063, "lt_LT"},
    {1066, "vi_VN"}, {2052, "zh_CN"}, {2057, "en_GB"}, {2070, "pt_PT"}, {3082, "es_ES"},
    {3084, "fr_CA"},
};

}  // namespace

std::optional<std::string> LocaleOfLanguageId(int id) {
    for (const KnownLanguage& language : kLanguages)
        if (language.id == id) return language.locale;
    return std::nullopt;
}

std::vector<LanguageCatalog> FindLanguageCatalogs(const std::string& programPath) {
    namespace fs = std::filesystem;
    std::vector<LanguageCatalog> catalogs;
    const fs::path program(programPath);
    const std::string prefix = program.stem().string() + "-";
    std::error_code error;
    for (const auto& item : fs::directory_iterator(program.parent_path(), error)) {
        const fs::path& path = item.path();
        const std::string title = path.stem().string();
        if (path.extension() != ".qm" || !title.starts_with(prefix)) continue;
        const std::string tail = title.substr(title.rfind('-') + 1);
        const auto digits =
            std::find_if(tail.begin(), tail.end(), [](char c) { return c < '0' || c > '9'; });
        if (digits == tail.begin() || digits - tail.begin() > 5) continue;
        catalogs.push_back({std::stoi(std::string(tail.begin(), digits)), path.string()});
    }
    // A stable order, as a folder listing sorted by name gives.
    std::sort(catalogs.begin(), catalogs.end(),
              [](const auto& a, const auto& b) { return a.path < b.path; });
    return catalogs;
}

}  // namespace parlix
