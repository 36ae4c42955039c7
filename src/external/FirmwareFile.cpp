#include "external/FirmwareFile.h"

#include "base/FileText.h"
#include "base/Status.h"
#include "base/Text.h"

#include <array>
#include <cctype>
#include <filesystem>
#include <sstream>

namespace parlix {
namespace {

constexpr std::string_view kSignature = "# Parlix";
constexpr std::string_view kMarker = " FW @";

constexpr std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        table[i] = value;
    }
    return table;
}

constexpr auto kTable = MakeTable();

// Text mode: a line read from a file written with CR LF ends before the CR.
bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// Leading blanks, then digits up to the first other character; saturates.
std::uint32_t ParseExpected(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value > 0xFFFFFFFFu) return 0xFFFFFFFFu;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

std::uint32_t FirmwareLineValue(std::string_view line) {
    std::uint32_t value = kFirmwareLineSeed;
    for (const char ch : line) {
        const auto c = static_cast<std::uint8_t>(ch);
        value = (value >> 8) ^ kTable[(c ^ value) & 0xFFu];
    }
    return value;
}

std::uint32_t FirmwareChecksumOf(std::uint32_t lineValueSum) {
    return lineValueSum ^ kFirmwareSeal;
}

std::string FirmwareProjectName(const std::string& path) {
    std::string name = std::filesystem::path(path).stem().string();
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

FirmwareCheck CheckFirmwareFile(const std::string& path) {
    std::string text;
    int error = 0;
    const FileTextRead read =
        ReadFileText(path, text, kFirmwareFileMaxBytes, FileKinds::kRegularOnly, error);
    if (read == FileTextRead::kRead) {
        std::istringstream in(std::move(text));
        return CheckFirmwareStream(in, FirmwareProjectName(path));
    }
    FirmwareCheck check;
    check.project = FirmwareProjectName(path);
    switch (read) {
        case FileTextRead::kFolder:
            check.status = Tr(PX_TR("Firmware", "The firmware file is a folder."));
            break;
        case FileTextRead::kNotRegular:
            check.status = Tr(
                PX_TR("Firmware", "The firmware file is not a regular file (a device or pipe)."));
            break;
        case FileTextRead::kTooLarge:
            check.status = TrFormat(
                PX_TR("Firmware",
                      "The firmware file is larger than %d MB; no firmware is that large."),
                static_cast<int>(kFirmwareFileMaxBytes >> 20));
            break;
        case FileTextRead::kCannotRead:
            check.status = TrFormat(PX_TR("Firmware", "Could not read firmware file: %s"),
                                    ErrnoCode(error).message());
            break;
        default:
            check.status = Tr(PX_TR("Firmware", "Could not open firmware file."));
            break;
    }
    return check;
}

FirmwareCheck CheckFirmwareStream(std::istream& in, std::string project) {
    FirmwareCheck check;
    check.project = std::move(project);
    std::string line;
    if (!ReadLine(in, line)) line.clear();
    const std::size_t marker = line.find(kMarker, kSignature.size());
    if (line.compare(0, kSignature.size(), kSignature) != 0 || marker == std::string::npos) {
        check.status = Tr(PX_TR("Firmware", "Invalid signature in update file."));
        return check;
    }
    check.expected = ParseExpected(std::string_view(line).substr(marker + kMarker.size()));

    // A missing description line counts as an empty one.
    if (!ReadLine(in, line)) line.clear();
    check.hasDataRow = true;
    check.description = line.size() > 2 ? line.substr(2) : std::string();
    std::uint32_t sum = FirmwareLineValue(line);
    while (ReadLine(in, line)) {
        if (!line.empty() && line.front() != ':') {
            check.status = Tr(PX_TR("Firmware", "Invalid format in firmware file."));
            return check;
        }
        sum += FirmwareLineValue(line);
    }
    check.sum = sum;
    check.valid = check.expected == FirmwareChecksumOf(sum);
    if (!check.valid) check.status = Tr(PX_TR("Firmware", "Checksum verification failed."));
    return check;
}

}  // namespace parlix
