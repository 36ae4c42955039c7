// The check of a firmware file before it goes to the loader: the signature
// line, the description line, the record lines and the checksum over them.
//
// Layout: line 1 starts with "# Parlix" and holds " FW @" followed by the
// expected checksum in decimal; line 2 is the description from its third
// character on; every further line is empty or an Intel HEX record (":...").
// The checksum adds one value per line from line 2 on (see FirmwareLineValue)
// and seals the sum with kFirmwareSeal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace parlix {

inline constexpr std::uint32_t kFirmwareLineSeed = 0x12345678u;
inline constexpr std::uint32_t kFirmwareSeal = 0xEA51C0DEu;
// A firmware image fills a few hundred KB as text; anything past this is no
// firmware file, and an endless device must not be read forever.
inline constexpr std::size_t kFirmwareFileMaxBytes = std::size_t{64} << 20;

struct FirmwareCheck {
    std::string project;      // file name without folder and last extension, upper case
    bool hasDataRow = false;  // opened and signed: the description row is shown
    std::string description;
    bool valid = false;
    std::string status;  // the translated reason when not valid, else empty
    std::uint32_t expected = 0;
    std::uint32_t sum = 0;

    const char* Result() const { return valid ? "OK" : "ERR"; }
};

// Reflected CRC-32 steps (polynomial 0xEDB88320) over the line's bytes, from
// kFirmwareLineSeed, without a final inversion.
std::uint32_t FirmwareLineValue(std::string_view line);

// The sealed checksum that a signature line carries for the given lines 2..n.
std::uint32_t FirmwareChecksumOf(std::uint32_t lineValueSum);

// The project name shown for a path: "/a/b/fw12.v2.plxfw" gives "FW12.V2".
std::string FirmwareProjectName(const std::string& path);

// Checks a firmware file; nothing but the result reports a failure. Only a
// regular file is read, so neither a device nor a pipe can hold the check.
FirmwareCheck CheckFirmwareFile(const std::string& path);
// The same for an opened stream (`project` is taken as it is).
FirmwareCheck CheckFirmwareStream(std::istream& in, std::string project);

}  // namespace parlix
