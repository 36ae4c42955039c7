// The bridge programs in the download formats the desk sends to a BASIC Stamp
// and to the RoboNova controller, built from the bridge source and read back
// by the simulated hosts.
//
// The Stamp file: 943 bytes of header text, the packet count at 943, then the
// packets from 944 on, each 18 bytes that add up to 0: a sequence number from
// 1, 16 payload bytes and the balancing byte; a 0 where the next packet would
// start ends the file. Packet 1 carries "PXSB", the Stamp kind, the packet
// count and the program length, so that the Stamp knows when the download is
// complete (the count at 943 never reaches it); the program follows 16 bytes
// a packet.
//
// The controller file: 125 bytes of header text, the entry count and the
// program length (16 bits, low byte first) at 125, one 35-byte entry naming
// the program, then the program. The program's first 8 bytes are replaced by
// the signature when it is sent; bytes 16 to 31 are a data block that the
// program keeps free (the desk keeps the module language at 20); the bridge
// source follows from 32.
#pragma once

#include "link/StampIdentification.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parlix::sim {

using Image = std::vector<std::uint8_t>;

inline constexpr int kStampPacketCountOffset = 943;
inline constexpr char kStampMagic[] = "PXSB";
inline constexpr int kControllerProgramData = 16;
inline constexpr int kControllerProgramBody = 32;

Image BuildStampImage(StampKind kind, const std::string& source);
Image BuildControllerImage(const std::string& source);

// What packet 1 of a Stamp download announces.
struct StampProgramHeader {
    StampKind kind;
    int packets;
    int length;
};
std::optional<StampProgramHeader> ReadStampHeader(const std::uint8_t* payload);

}  // namespace parlix::sim
