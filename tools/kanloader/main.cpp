// kanloader: downloads a firmware file or a custom-data image into the
// module's loader. The protocol is in README.md.
#include "LoaderImage.h"
#include "LoaderLink.h"
#include "link/Serial.h"

#include <fmt/format.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace kanloader;

namespace {

constexpr std::uint32_t kSector = 1024;
constexpr std::uint32_t kBlock = 256;

enum Exit {
    kOk = 0,
    kUsage = 1,
    kBadFile = 2,
    kBadPort = 3,
    kNoAnswer = 4,
    kRefusedExit = 5,
    kMismatch = 6
};

// A run of consecutive image bytes within one sector.
struct Piece {
    std::uint32_t address;
    std::vector<std::uint8_t> bytes;
};

std::vector<Piece> SectorPieces(const LoaderImage& image) {
    std::vector<Piece> pieces;
    for (const auto& [address, value] : image.bytes) {
        if (pieces.empty() || pieces.back().address + pieces.back().bytes.size() != address ||
            address % kSector == 0)
            pieces.push_back({address, {}});
        pieces.back().bytes.push_back(value);
    }
    return pieces;
}

std::vector<std::uint8_t> Le32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

// Prints "Phase NN%" with CR whenever the percentage changes.
class Progress {
  public:
    explicit Progress(const char* phase) : phase_(phase) { Show(0, 1); }
    void Show(std::size_t done, std::size_t total) {
        const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
        if (percent == shown_) return;
        shown_ = percent;
        std::printf("%s %d%%\r", phase_, percent);
        std::fflush(stdout);
    }

  private:
    const char* phase_;
    int shown_ = -1;
};

int Fail(int code, const std::string& text) {
    std::printf("\nError: %s\n", text.c_str());
    std::fflush(stdout);
    return code;
}

int FailExchange(Outcome outcome, const std::string& port, const std::string& what) {
    switch (outcome) {
        case Outcome::NoAnswer:
            return Fail(kNoAnswer,
                        fmt::format("no answer from the module on {} ({}).", port, what));
        case Outcome::LineLost:
            return Fail(kNoAnswer, fmt::format("the connection to the module on {} was lost ({}).",
                                               port, what));
        case Outcome::Refused:
            return Fail(kRefusedExit, fmt::format("the module refused {}.", what));
        case Outcome::Rejected:
            return Fail(kRefusedExit,
                        fmt::format("the module refused {} after {} tries.", what, kTries));
        case Outcome::Ok:
            break;
    }
    return kOk;
}

int Usage() {
    std::fprintf(stderr, "usage: kanloader -p PORT -c FILE [-nofast]\n");
    return kUsage;
}

int Download(const std::string& portName, const std::string& file, bool fast) {
    LoaderImage image;
    std::string error;
    if (!ReadLoaderImage(file, image, error)) return Fail(kBadFile, error);
    const std::vector<Piece> pieces = SectorPieces(image);

    parlix::Serial port;
    if (const std::error_code ec = port.Open(portName, 0, 0, true))
        return Fail(kBadPort, fmt::format("cannot open port {}: {}", portName, ec.message()));
    port.SetReadMode(1);
    LoaderLink link(port);
    if (!link.SetLine(kSlowBaud))
        return Fail(kBadPort,
                    fmt::format("cannot set up port {}: {}", portName, port.LastError().message()));

    int version = 0;
    if (const Outcome o = link.Wake(version); o != Outcome::Ok)
        return o == Outcome::NoAnswer
                   ? Fail(kNoAnswer, fmt::format("no answer from the module on {}.", portName))
                   : FailExchange(o, portName, "waking the loader");
    std::printf("Loader %d answered on %s\n", version, portName.c_str());
    std::vector<std::uint8_t> reply;
    if (const Outcome o = link.Exchange('B', {static_cast<std::uint8_t>(image.kind)}, reply);
        o != Outcome::Ok)
        return FailExchange(o, portName, "the start of the download");
    if (fast) {
        if (const Outcome o = link.SwitchRate(kFastBaud); o != Outcome::Ok)
            return FailExchange(o, portName, "the change of the transfer rate");
    }
    std::printf("%s, %zu bytes at %u baud\n",
                image.kind == ImageKind::Firmware ? "Firmware" : "Custom data", image.bytes.size(),
                link.Baud());

    std::vector<std::uint32_t> sectors;
    for (const Piece& piece : pieces)
        if (sectors.empty() || sectors.back() != piece.address / kSector * kSector)
            sectors.push_back(piece.address / kSector * kSector);
    Progress erasing("Erasing");
    for (std::size_t i = 0; i < sectors.size(); ++i) {
        if (const Outcome o = link.Exchange('E', Le32(sectors[i]), reply, 0, kEraseWaitMs);
            o != Outcome::Ok)
            return FailExchange(o, portName,
                                fmt::format("erasing the sector at 0x{:06X}", sectors[i]));
        erasing.Show(i + 1, sectors.size());
    }

    Progress programming("Programming");
    std::size_t done = 0;
    for (const Piece& piece : pieces) {
        for (std::size_t at = 0; at < piece.bytes.size(); at += kBlock) {
            const std::size_t size = std::min<std::size_t>(kBlock, piece.bytes.size() - at);
            const std::uint32_t address = piece.address + static_cast<std::uint32_t>(at);
            std::vector<std::uint8_t> payload = Le32(address);
            payload.insert(payload.end(), piece.bytes.begin() + static_cast<std::ptrdiff_t>(at),
                           piece.bytes.begin() + static_cast<std::ptrdiff_t>(at + size));
            if (const Outcome o = link.Exchange('W', payload, reply); o != Outcome::Ok)
                return FailExchange(o, portName, fmt::format("the block at 0x{:06X}", address));
            done += size;
            programming.Show(done, image.bytes.size());
        }
    }

    Progress verifying("Verifying");
    done = 0;
    for (const Piece& piece : pieces) {
        std::vector<std::uint8_t> payload = Le32(piece.address);
        payload.push_back(static_cast<std::uint8_t>(piece.bytes.size()));
        payload.push_back(static_cast<std::uint8_t>(piece.bytes.size() >> 8));
        if (const Outcome o = link.Exchange('V', payload, reply, 2); o != Outcome::Ok)
            return FailExchange(o, portName, fmt::format("verifying 0x{:06X}", piece.address));
        const std::uint16_t expected = Crc16(piece.bytes.data(), piece.bytes.size());
        if (reply[0] != (expected >> 8) || reply[1] != (expected & 0xFF))
            return Fail(kMismatch, fmt::format("verification failed at 0x{:06X}.", piece.address));
        done += piece.bytes.size();
        verifying.Show(done, image.bytes.size());
    }

    if (const Outcome o = link.Exchange('G', {}, reply); o != Outcome::Ok)
        return FailExchange(o, portName, "the downloaded image");
    std::printf("\nDownload complete.\n");
    std::fflush(stdout);
    port.Close();
    return kOk;
}

}  // namespace

int main(int argc, char** argv) {
    std::string port, file;
    bool fast = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-p" && i + 1 < argc)
            port = argv[++i];
        else if (arg == "-c" && i + 1 < argc)
            file = argv[++i];
        else if (arg == "-nofast")
            fast = false;
        else
            return Usage();
    }
    if (port.empty() || file.empty()) return Usage();
    return Download(port, file, fast);
}
