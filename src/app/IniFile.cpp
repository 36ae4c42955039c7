#include "app/IniFile.h"

#include <SimpleIni.h>

#include <unistd.h>
#include <cstdio>
#include <mutex>

namespace parlix {
namespace {

std::mutex g_writeMutex;

bool Load(CSimpleIniA& ini, const std::string& path) {
    ini.SetUnicode(false);
    ini.SetMultiKey(false);
    ini.SetSpaces(false);
    return !path.empty() && ini.LoadFile(path.c_str()) >= 0;
}

}  // namespace

int ParseProfileInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0xFFFFFFFFLL) value = 0xFFFFFFFFLL;  // saturate like a 32-bit read
    }
    return static_cast<int>(static_cast<unsigned>(negative ? -value : value));
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    CSimpleIniA ini;
    if (!Load(ini, path_)) return fallback;
    const char* value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return value ? std::string(value) : fallback;
}

int IniFile::ReadInt(const std::string& section, const std::string& key, int fallback) const {
    CSimpleIniA ini;
    if (!Load(ini, path_)) return fallback;
    const char* value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return value ? ParseProfileInt(value) : fallback;
}

bool IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (path_.empty()) return false;
    std::lock_guard lock(g_writeMutex);
    CSimpleIniA ini;
    Load(ini, path_);  // a missing file starts empty
    if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0) return false;
    const std::string temp = path_ + ".tmp" + std::to_string(::getpid());
    if (ini.SaveFile(temp.c_str(), false) < 0) {
        std::remove(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), path_.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool IniFile::WriteInt(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

std::vector<std::string> IniFile::SectionNames(std::size_t maxChars) const {
    std::vector<std::string> names;
    CSimpleIniA ini;
    if (!Load(ini, path_)) return names;
    CSimpleIniA::TNamesDepend sections;
    ini.GetAllSections(sections);
    sections.sort(CSimpleIniA::Entry::LoadOrder());
    std::size_t used = 0;
    for (const auto& entry : sections) {
        const std::string name = entry.pItem;
        // Each name takes its characters and a terminator; one more ends the list.
        if (used + name.size() + 1 + 1 > maxChars) break;
        used += name.size() + 1;
        names.push_back(name);
    }
    return names;
}

}  // namespace parlix
