#include "app/AppSettings.h"

#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace parlix {
namespace fs = std::filesystem;

std::string RunningProgramPath() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("parlix-desk") : exe.string();
}

std::string DefaultSettingsPath(const std::string& programPath) {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".config";
    }
    if (!base.empty()) {
        std::error_code ec;
        const fs::path folder = base / "Kanta" / "Parlix Desk";
        fs::create_directories(folder, ec);
        if (fs::is_directory(folder, ec)) return (folder / "Settings.ini").string();
    }
    const auto dot = programPath.find_last_of('.');
    const auto slash = programPath.find_last_of('/');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        return programPath.substr(0, dot) + ".ini";
    return programPath + ".ini";
}

AppSettings::AppSettings() : AppSettings(RunningProgramPath(), {}) {}

AppSettings::AppSettings(std::string programPath, std::string settingsPath)
    : programPath_(std::move(programPath)) {
    settings_.SetPath(settingsPath.empty() ? DefaultSettingsPath(programPath_)
                                           : std::move(settingsPath));
    InitConfigPath();
}

void AppSettings::InitConfigPath() {
    config_.SetPath(ProgramFolder() + "/data/Config.ini");
}

std::string AppSettings::ProgramFolder() const {
    const auto slash = programPath_.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : programPath_.substr(0, slash);
}

std::vector<std::string> AppSettings::Ports() const {
    std::lock_guard lock(portsMutex_);
    std::vector<std::string> all = ports_;
    for (const auto& extra : extraPorts_)
        if (std::find(all.begin(), all.end(), extra) == all.end()) all.push_back(extra);
    return all;
}

void AppSettings::SetPorts(std::vector<std::string> ports) {
    std::lock_guard lock(portsMutex_);
    ports_ = std::move(ports);
}

void AppSettings::SetExtraPorts(std::vector<std::string> ports) {
    std::lock_guard lock(portsMutex_);
    extraPorts_ = std::move(ports);
}

void AppSettings::LoadPortFromSettings() {
    const std::string remembered = settings_.ReadString(kSettingsSection, "ComPort", "*");
    const auto ports = Ports();
    std::lock_guard lock(portsMutex_);
    if (!ports.empty() && std::find(ports.begin(), ports.end(), remembered) == ports.end())
        currentPort_ = ports.front();
    else
        currentPort_ = remembered;
}

std::string AppSettings::RememberedPort() const {
    const std::string remembered = settings_.ReadString(kSettingsSection, "ComPort", "*");
    return remembered == "*" ? std::string() : remembered;
}

void AppSettings::SetCurrentPort(const std::string& name) {
    UseCurrentPort(name);
    settings_.WriteString(kSettingsSection, "ComPort", name);
}

void AppSettings::UseCurrentPort(const std::string& name) {
    std::lock_guard lock(portsMutex_);
    currentPort_ = name;
}

std::string AppSettings::CurrentPort() const {
    std::lock_guard lock(portsMutex_);
    return currentPort_;
}

int AppSettings::GetLangVR() const {
    return settings_.ReadInt(kSettingsSection, "LangVR", 0);
}

bool AppSettings::SetLangVR(int language) {
    return settings_.WriteInt(kSettingsSection, "LangVR", language);
}

std::string AppSettings::Bridge(const std::string& host) const {
    return config_.ReadString(host, "Bridge", "").substr(0, 259);
}

std::string AppSettings::Template(const std::string& host) const {
    return config_.ReadString(host, "Template", "").substr(0, 519);
}

std::vector<std::string> AppSettings::ConfigSections() const {
    return config_.SectionNames(1040);
}

}  // namespace parlix
