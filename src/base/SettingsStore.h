// The settings that the layers below the application read and keep: the
// current port, the program folder and its data, and the module language
// that the direct and Arduino links remember between connections.
// AppSettings implements it over Settings.ini and Config.ini.
#pragma once

#include <string>

namespace parlix {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    virtual std::string CurrentPort() const = 0;
    // The folder of the running program, which holds data/.
    virtual std::string ProgramFolder() const = 0;
    // The module's built-in wordset language (LangVR).
    virtual int GetLangVR() const = 0;
    virtual bool SetLangVR(int language) = 0;
    // Config.ini, per host section.
    virtual std::string Bridge(const std::string& host) const = 0;
    virtual std::string Template(const std::string& host) const = 0;
};

}  // namespace parlix
