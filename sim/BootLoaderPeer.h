// The boot loader of a simulated Arduino board: takes the bytes that reach it
// at the right speed and says what it answers and whether it hands over.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace parlix::sim {

// The two bytes at EEPROM address 0 that the old boot loaders' exchange checks.
using EepromMarker = std::array<std::uint8_t, 2>;

struct BootLoaderStep {
    enum class Then {
        Stay,         // keep listening
        StartSketch,  // hand over to the sketch
        Restart,      // reset and come back in the boot loader
    };
    std::vector<std::uint8_t> reply;
    Then then = Then::Stay;
};

class BootLoaderPeer {
  public:
    virtual ~BootLoaderPeer() = default;
    // Forgets a request half received (the board was reset).
    virtual void Reset() = 0;
    virtual BootLoaderStep OnByte(std::uint8_t byte) = 0;
    // A byte at the wrong speed arrived as a framing error.
    virtual BootLoaderStep OnFramingError() { return {}; }
};

}  // namespace parlix::sim
