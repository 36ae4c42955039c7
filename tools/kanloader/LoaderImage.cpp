#include "LoaderImage.h"

#include "base/FileText.h"

#include <fmt/format.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sstream>
#include <vector>

namespace kanloader {
namespace {

constexpr std::uint32_t kFlashEnd = 0x400000;

std::optional<std::vector<std::uint8_t>> HexBytes(const std::string& text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        for (std::size_t k = i; k < i + 2; ++k) {
            const int c = std::toupper(static_cast<unsigned char>(text[k]));
            if (!std::isxdigit(c)) return std::nullopt;
            value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : c - 'A' + 10);
        }
        out.push_back(static_cast<std::uint8_t>(value));
    }
    return out;
}

bool IsFirmwarePath(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext == ".PLXFW";
}

}  // namespace

bool ReadLoaderImage(const std::string& path, LoaderImage& image, std::string& error) {
    // Only a regular file of sane size: /dev/zero or a pipe without a writer
    // would hold the loader for ever.
    constexpr std::size_t kMaxImageBytes = std::size_t{64} << 20;
    std::string text;
    int err = 0;
    switch (
        parlix::ReadFileText(path, text, kMaxImageBytes, parlix::FileKinds::kRegularOnly, err)) {
        case parlix::FileTextRead::kRead:
            break;
        case parlix::FileTextRead::kNotRegular:
            error = fmt::format("cannot read \"{}\": not a regular file", path);
            return false;
        case parlix::FileTextRead::kTooLarge:
            error =
                fmt::format("cannot read \"{}\": larger than {} MB", path, kMaxImageBytes >> 20);
            return false;
        default:
            error = fmt::format("cannot read \"{}\": {}", path, std::strerror(err));
            return false;
    }
    std::istringstream in(std::move(text));
    image = LoaderImage{};
    image.kind = IsFirmwarePath(path) ? ImageKind::Firmware : ImageKind::CustomData;
    std::uint32_t base = 0;
    bool ended = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (image.kind == ImageKind::Firmware && number <= 2) continue;
        if (line.empty() || ended) continue;
        const auto bad = [&](const char* why) {
            error = fmt::format("\"{}\" line {}: {}", path, number, why);
            return false;
        };
        if (line.front() != ':') return bad("not a HEX record");
        const auto record = HexBytes(line.substr(1));
        if (!record || record->size() < 5 || record->size() != 5u + (*record)[0])
            return bad("malformed HEX record");
        std::uint8_t sum = 0;
        for (const std::uint8_t b : *record) sum = static_cast<std::uint8_t>(sum + b);
        if (sum != 0) return bad("HEX record checksum does not match");
        const std::uint8_t count = (*record)[0];
        const std::uint32_t offset = (static_cast<std::uint32_t>((*record)[1]) << 8) | (*record)[2];
        const std::uint8_t* data = record->data() + 4;
        switch ((*record)[3]) {
            case 0:
                for (std::uint32_t i = 0; i < count; ++i) {
                    const std::uint32_t address = base + offset + i;
                    if (address >= kFlashEnd) return bad("address beyond the module's flash");
                    image.bytes[address] = data[i];
                }
                break;
            case 1:
                ended = true;
                break;
            case 2:
                if (count != 2) return bad("malformed segment address record");
                base = ((static_cast<std::uint32_t>(data[0]) << 8) | data[1]) << 4;
                break;
            case 4:
                if (count != 2) return bad("malformed linear address record");
                base = ((static_cast<std::uint32_t>(data[0]) << 8) | data[1]) << 16;
                break;
            case 3:
            case 5:
                break;  // start addresses mean nothing to the loader
            default:
                return bad("unknown HEX record type");
        }
    }
    if (in.bad()) {
        error = fmt::format("cannot read \"{}\": {}", path, std::strerror(errno));
        return false;
    }
    if (image.bytes.empty()) {
        error = fmt::format("\"{}\" holds no data to download", path);
        return false;
    }
    return true;
}

}  // namespace kanloader
