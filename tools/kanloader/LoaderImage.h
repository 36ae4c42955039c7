// The bytes a download writes, read from a firmware file or a HEX image.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace kanloader {

enum class ImageKind : char { Firmware = 'F', CustomData = 'D' };

struct LoaderImage {
    ImageKind kind = ImageKind::CustomData;
    std::map<std::uint32_t, std::uint8_t> bytes;  // by address
};

// Reads `path`: a ".PLXFW" file (any letter case) is firmware whose first two
// lines are skipped; anything else is a custom-data HEX image. Empty lines
// are allowed. False with a one-line reason on an unreadable or malformed file.
bool ReadLoaderImage(const std::string& path, LoaderImage& image, std::string& error);

}  // namespace kanloader
