// Arbitrary bytes as Settings.ini or Config.ini, read the way the settings
// read them. IniFile reads files only, so each input is written to one file
// in a private folder first.
#include "FuzzCheck.h"
#include "app/IniFile.h"

#include <stdlib.h>
#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

using parlix::fuzz::Check;
namespace fs = std::filesystem;

std::string g_folder;

void RemoveFolder() {
    std::error_code ignored;
    fs::remove_all(g_folder, ignored);
}

const std::string& IniPath() {
    static const std::string path = [] {
        // In memory where there is such a folder: the file is rewritten every run.
        const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
        std::string folder = (base / "parlix-fuzz-ini-XXXXXX").string();
        Check(mkdtemp(folder.data()) != nullptr, "a private folder for the file");
        g_folder = folder;
        std::atexit(RemoveFolder);
        return folder + "/Settings.ini";
    }();
    return path;
}

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

// Marks a key the file does not hold; no file value can contain it.
const std::string kAbsent("\n", 1);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    parlix::ParseProfileInt(std::string_view(reinterpret_cast<const char*>(data), size));

    const std::string& path = IniPath();
    Check(WriteFile(path, data, size), "the input is written");
    const parlix::IniFile ini(path);

    // The list is cut to what fits: each name and its terminator, then one more.
    const auto names = ini.SectionNames(1040);
    std::size_t used = 1;
    for (const auto& name : names) used += name.size() + 1;
    Check(used <= 1040, "section names fit their list");
    const auto few = ini.SectionNames(24);
    Check(few.size() <= names.size(), "a shorter list holds no more names");
    for (std::size_t i = 0; i < few.size(); ++i)
        Check(few[i] == names[i], "a shorter list is the start of the longer one");

    // Each read loads the file anew, so one read of each kind: a host section
    // of Config.ini, and an integer of Settings.ini against its text.
    if (!names.empty()) ini.ReadString(names[0], "Bridge", "");
    const std::string text = ini.ReadString("Settings", "LangVR", kAbsent);
    const int value = ini.ReadInt("Settings", "LangVR", 12345);
    Check(text == kAbsent ? value == 12345 : value == parlix::ParseProfileInt(text),
          "an integer reads as its text parses");
    return 0;
}
