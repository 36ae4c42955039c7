#include "FirmwareWriter.h"

#include "external/FirmwareFile.h"

#include <fmt/format.h>

namespace fwgen {
namespace {

constexpr std::size_t kRecordBytes = 16;

std::string Record(std::uint8_t type, std::uint16_t offset, const std::uint8_t* data,
                   std::size_t size) {
    std::string line = fmt::format(":{:02X}{:04X}{:02X}", size, offset, type);
    unsigned sum = static_cast<unsigned>(size) + (offset >> 8) + (offset & 0xFF) + type;
    for (std::size_t i = 0; i < size; ++i) {
        line += fmt::format("{:02X}", data[i]);
        sum += data[i];
    }
    return line + fmt::format("{:02X}", (0x100 - (sum & 0xFF)) & 0xFF);
}

}  // namespace

std::vector<FirmwareSpec> ShippedFirmware() {
    std::vector<FirmwareSpec> shipped;
    for (const int id : {0, 1, 2, 3, 9, 12}) {
        FirmwareSpec spec;
        spec.firmwareId = id;
        spec.minor = id;
        spec.codeBytes = 2048 + 512u * static_cast<std::uint32_t>(id);
        spec.fileName = fmt::format("parlix-fw{:02}.PLXFW", id);
        shipped.push_back(spec);
    }
    return shipped;
}

std::vector<std::uint8_t> FirmwareImage(const FirmwareSpec& spec) {
    const std::uint32_t n = spec.codeBytes;
    std::vector<std::uint8_t> image{'P',
                                    'X',
                                    'F',
                                    'W',
                                    static_cast<std::uint8_t>('A' + spec.firmwareId),
                                    static_cast<std::uint8_t>(spec.major),
                                    static_cast<std::uint8_t>(spec.minor),
                                    0,
                                    static_cast<std::uint8_t>(n),
                                    static_cast<std::uint8_t>(n >> 8),
                                    static_cast<std::uint8_t>(n >> 16),
                                    static_cast<std::uint8_t>(n >> 24)};
    // Filler code from a fixed generator, different for each firmware.
    std::uint32_t state = 0x9E3779B9u ^ static_cast<std::uint32_t>(spec.firmwareId);
    for (std::uint32_t i = 0; i < n; ++i) {
        state = state * 1664525u + 1013904223u;
        image.push_back(static_cast<std::uint8_t>(state >> 24));
    }
    return image;
}

std::string FirmwareFileText(const FirmwareSpec& spec) {
    std::vector<std::string> lines;
    lines.push_back(fmt::format("; Parlix firmware ID {}, version {}.{}", spec.firmwareId,
                                spec.major, spec.minor));
    const std::uint8_t linear[] = {0, 0};
    lines.push_back(Record(4, 0, linear, 2));
    const std::vector<std::uint8_t> image = FirmwareImage(spec);
    for (std::size_t at = 0; at < image.size(); at += kRecordBytes) {
        const std::size_t size = std::min(kRecordBytes, image.size() - at);
        lines.push_back(Record(0, static_cast<std::uint16_t>(at), image.data() + at, size));
    }
    lines.push_back(Record(1, 0, nullptr, 0));

    std::uint32_t sum = 0;
    std::string body;
    for (const std::string& line : lines) {
        sum += parlix::FirmwareLineValue(line);
        body += line + "\n";
    }
    return fmt::format("# Parlix FW @{}\n", parlix::FirmwareChecksumOf(sum)) + body;
}

}  // namespace fwgen
