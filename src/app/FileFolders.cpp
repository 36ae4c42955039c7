#include "app/FileFolders.h"

#include "app/AppSettings.h"

#include <filesystem>
#include <system_error>

namespace parlix {
namespace {

constexpr const char* kCommandFolderKey = "CommandFolder";

bool IsFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

}  // namespace

std::string CommandFileFolder(const AppSettings& settings, const std::string& documents) {
    const std::string last =
        settings.Settings().ReadString(kSettingsSection, kCommandFolderKey, "");
    return IsFolder(last) ? last : documents;
}

void RememberCommandFileFolder(AppSettings& settings, const std::string& chosenFile) {
    const std::string folder = std::filesystem::path(chosenFile).parent_path().string();
    if (!folder.empty())
        settings.Settings().WriteString(kSettingsSection, kCommandFolderKey, folder);
}

std::string FirmwareFolder(const AppSettings& settings) {
    const std::string firmware =
        (std::filesystem::path(settings.ProgramFolder()) / "data" / "firmware").string();
    return IsFolder(firmware) ? firmware : settings.ProgramFolder();
}

}  // namespace parlix
