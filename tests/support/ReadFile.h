// A whole file's bytes, for comparing what a program wrote.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace parlix::test {

// Empty when the file cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace parlix::test
