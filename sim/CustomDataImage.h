// A custom-data image as the module's loader stores it: the sound table and
// the grammars that the next connection reads.
#pragma once

#include "sim/ModuleMemory.h"

#include <cstdint>
#include <map>

namespace parlix::sim {

// The bytes one download wrote, by their (extended) address.
using FlashBytes = std::map<std::uint32_t, std::uint8_t>;

// Puts the sound table and grammars of a downloaded custom-data image into
// memory. False, with memory unchanged, when the bytes hold no valid image.
bool ApplyCustomDataImage(const FlashBytes& bytes, ModuleMemory& memory);

}  // namespace parlix::sim
