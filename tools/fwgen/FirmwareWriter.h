// Firmware files of our own: an image (header "PXFW", identity byte, version,
// code length, then filler code) as Intel HEX records under the two header
// lines that the firmware check reads. The same inputs give the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fwgen {

struct FirmwareSpec {
    int firmwareId = 0;  // identity byte = 'A' + id
    int major = 1;
    int minor = 0;
    std::uint32_t codeBytes = 2048;
    std::string fileName;  // for the shipped set
};

// The files shipped in res/data/firmware: one per firmware ID that changes what
// the program offers.
std::vector<FirmwareSpec> ShippedFirmware();

std::vector<std::uint8_t> FirmwareImage(const FirmwareSpec& spec);
// The whole file, signature line included.
std::string FirmwareFileText(const FirmwareSpec& spec);

}  // namespace fwgen
