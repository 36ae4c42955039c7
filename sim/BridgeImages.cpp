#include "sim/BridgeImages.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace parlix::sim {

namespace {

void PutText(Image& image, std::size_t at, const std::string& text) {
    std::copy(text.begin(), text.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

Image BuildStampImage(StampKind kind, const std::string& source) {
    const int dataPackets = static_cast<int>((source.size() + 15) / 16);
    const int packets = 1 + dataPackets;
    if (packets > 255) throw std::length_error("the Stamp bridge source is too long");
    Image image(kStampPacketCountOffset + 1, 0);
    PutText(image, 0,
            std::string("Parlix Desk bridge program for the ") + InfoOf(kind).name + "\n");
    image[kStampPacketCountOffset] = static_cast<std::uint8_t>(packets);
    for (int p = 0; p < packets; ++p) {
        std::uint8_t packet[18] = {static_cast<std::uint8_t>(p + 1)};
        if (p == 0) {
            std::memcpy(packet + 1, kStampMagic, 4);
            packet[5] = static_cast<std::uint8_t>(kind);
            packet[6] = static_cast<std::uint8_t>(packets);
            packet[7] = static_cast<std::uint8_t>(source.size() & 0xFF);
            packet[8] = static_cast<std::uint8_t>(source.size() >> 8);
        } else {
            const std::size_t from = static_cast<std::size_t>(p - 1) * 16;
            const std::size_t n = std::min<std::size_t>(16, source.size() - from);
            std::memcpy(packet + 1, source.data() + from, n);
        }
        std::uint8_t sum = 0;
        for (int i = 0; i < 17; ++i) sum = static_cast<std::uint8_t>(sum + packet[i]);
        packet[17] = static_cast<std::uint8_t>(0x100 - sum);
        image.insert(image.end(), packet, packet + 18);
    }
    image.push_back(0);
    return image;
}

Image BuildControllerImage(const std::string& source) {
    Image program(kControllerProgramBody, 0);
    PutText(program, 0, "PXRBRIDG");
    program[8] = 1;  // the bridge's own version
    program.insert(program.end(), source.begin(), source.end());
    if (program.size() > 0xFFFF) throw std::length_error("the controller program is too long");

    Image image(125, 0);
    PutText(image, 0, "Parlix Desk bridge program for the MRC3024\n");
    const auto length = static_cast<std::uint16_t>(program.size());
    const std::uint8_t counts[4] = {1, 0, static_cast<std::uint8_t>(length & 0xFF),
                                    static_cast<std::uint8_t>(length >> 8)};
    image.insert(image.end(), counts, counts + 4);
    Image entry(35, 0);
    PutText(entry, 0, "PARLIX BRIDGE");
    image.insert(image.end(), entry.begin(), entry.end());
    image.insert(image.end(), program.begin(), program.end());
    return image;
}

std::optional<StampProgramHeader> ReadStampHeader(const std::uint8_t* payload) {
    if (std::memcmp(payload, kStampMagic, 4) != 0 || payload[4] > 5) return std::nullopt;
    return StampProgramHeader{static_cast<StampKind>(payload[4]), payload[5],
                              payload[6] | (payload[7] << 8)};
}

}  // namespace parlix::sim
