// Intel HEX text: data records of 16 bytes, an extended linear address
// record wherever the upper 16 address bits change, the end record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kandata {

std::string FormatIntelHex(std::uint32_t address, const std::vector<std::uint8_t>& bytes);

}  // namespace kandata
