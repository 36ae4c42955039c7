// Key-at-a-time access to an INI file, as the settings are used: every read
// looks at the file as it is now, every write reaches the file at once.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlix {

// Integer read of a profile value: optional minus sign, then leading decimal
// digits; text that is not a number reads as 0.
int ParseProfileInt(std::string_view text);

class IniFile {
  public:
    explicit IniFile(std::string path = {}) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    void SetPath(std::string path) { path_ = std::move(path); }

    // A missing file or key gives the default.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    int ReadInt(const std::string& section, const std::string& key, int fallback) const;
    // Creates the file as needed. Written through a temporary file and a
    // rename, and serialised within the process (job threads write too).
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteInt(const std::string& section, const std::string& key, int value);
    // Section names in file order, cut to what fits in `maxChars` characters
    // of a double-zero-terminated list (names beyond it are lost).
    std::vector<std::string> SectionNames(std::size_t maxChars) const;

  private:
    std::string path_;
};

}  // namespace parlix
