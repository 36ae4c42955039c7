// The module's loader: the device side of the download protocol that
// tools/kanloader/README.md describes. It runs in place of the firmware from
// the wake sequence until a download is handed over with `G`; a download that
// breaks off leaves it active for the next connection.
#pragma once

#include "sim/CustomDataImage.h"
#include "sim/DeviceIo.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace parlix::sim {

class ModuleDevice;

// What the loader keeps across connections (inside the device's state).
struct LoaderState {
    bool active = false;
    char kind = 'F';   // 'F' firmware, 'D' custom data
    FlashBytes flash;  // what this download wrote; absent bytes read 0xFF
};

// Recognises the wake sequence in the bytes a running module receives.
class LoaderWake {
  public:
    static constexpr std::uint8_t kSequence[] = {0xA5, 0xC3, 0x96, 0xE1};
    // True when `byte` completes the sequence.
    bool Feed(std::uint8_t byte);

  private:
    std::size_t matched_ = 0;
};

// The firmware image header at address 0: "PXFW", identity byte, version
// major and minor, a reserved byte, the code length (4 bytes, little-endian).
inline constexpr std::uint32_t kFirmwareHeaderSize = 12;

class ModuleLoader {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::uint32_t kSlowBaud = 9600;
    static constexpr std::uint32_t kFastBaud = 115200;
    static constexpr std::uint32_t kSector = 1024;
    static constexpr std::uint32_t kFlashEnd = 0x400000;
    static constexpr std::chrono::milliseconds kEraseTime{5};
    static constexpr std::chrono::milliseconds kFrameGap{100};
    static constexpr std::chrono::milliseconds kRateFallback{2000};
    static constexpr std::size_t kMaxPayload = 4 + 256;

    ModuleLoader(ModuleDevice& device, DeviceIo& io) : device_(device), io_(io) {}

    // Serves the line while the loader is active; `greet` answers a wake
    // sequence the firmware just took. False when the line stopped or was
    // unplugged, true once the firmware runs again.
    bool Run(bool greet);

  private:
    void OnByte(std::uint8_t byte);
    void OnFrame();
    std::size_t PayloadSize() const;
    void Send(std::uint8_t byte);
    void Greet();
    std::uint8_t Verify(std::uint32_t address, std::uint32_t size, std::uint16_t& crc) const;

    ModuleDevice& device_;
    DeviceIo& io_;
    std::uint32_t rate_ = kSlowBaud;
    std::uint32_t nextRate_ = 0;
    bool handedOver_ = false;
    LoaderWake wake_;
    std::vector<std::uint8_t> frame_;
    Clock::time_point lastByte_{};
    Clock::time_point lastFrame_ = Clock::now();
};

// CRC-16 as the loader computes it (polynomial 0x1021, initial value 0xFFFF).
std::uint16_t LoaderCrc16(const std::uint8_t* data, std::size_t size, std::uint16_t crc = 0xFFFF);

// Applies a downloaded firmware image to the module: false when its header
// does not check.
bool ApplyFirmwareImage(const FlashBytes& flash, std::uint8_t& identity);

}  // namespace parlix::sim
