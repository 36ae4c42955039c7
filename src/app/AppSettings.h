// AppSettings: the settings object that lives for the whole process: file
// locations, the per-user Settings.ini, the read-only Config.ini, and the
// list of serial ports the user picks from.
#pragma once

#include "app/IniFile.h"
#include "base/SettingsStore.h"

#include <mutex>
#include <string>
#include <vector>

namespace parlix {

inline constexpr const char* kSettingsSection = "Settings";

class AppSettings : public SettingsStore {
  public:
    // Locations of the running program: the executable's folder holds data/.
    AppSettings();
    // Explicit locations, for tests and tools.
    AppSettings(std::string programPath, std::string settingsPath);

    const std::string& ProgramPath() const { return programPath_; }
    // The program path up to, not including, its last separator.
    std::string ProgramFolder() const override;
    const std::string& SettingsPath() const { return settings_.Path(); }
    const std::string& ConfigPath() const { return config_.Path(); }
    IniFile& Settings() { return settings_; }
    const IniFile& Settings() const { return settings_; }
    const IniFile& Config() const { return config_; }

    // The port list: port order, unique; simulated ports follow at the end.
    std::vector<std::string> Ports() const;
    void SetPorts(std::vector<std::string> ports);
    void SetExtraPorts(std::vector<std::string> ports);
    // ComPort as stored; empty when no port was ever picked.
    std::string RememberedPort() const;
    // ComPort at start-up: a remembered port that is gone gives way to the first present one.
    void LoadPortFromSettings();
    // The user picked a port: remembered in ComPort at once.
    void SetCurrentPort(const std::string& name);
    // A port chosen for this run only (command line), not remembered.
    void UseCurrentPort(const std::string& name);
    std::string CurrentPort() const override;

    // The module's built-in wordset language, kept for the direct and Arduino links.
    int GetLangVR() const override;
    bool SetLangVR(int language) override;

    // Config.ini, per host section.
    std::string Bridge(const std::string& host) const override;
    std::string Template(const std::string& host) const override;
    std::vector<std::string> ConfigSections() const;

  private:
    void InitConfigPath();

    std::string programPath_;
    IniFile settings_;
    IniFile config_;
    mutable std::mutex portsMutex_;
    std::vector<std::string> ports_;
    std::vector<std::string> extraPorts_;
    std::string currentPort_ = "*";
};

// The full path of the running executable.
std::string RunningProgramPath();
// Settings.ini under $XDG_CONFIG_HOME (or ~/.config), folders created;
// the program path with ".ini" when no such folder can be had.
std::string DefaultSettingsPath(const std::string& programPath);

}  // namespace parlix
