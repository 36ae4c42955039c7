// The sound of one audio token: marker, bits and parity as tone bursts.
#pragma once

#include <cstdint>
#include <vector>

namespace parlix::tokengen {

inline constexpr int kSampleRate = 8000;

struct Shape {
    int fadeInMs = 6;
    int fadeOutMs = 6;
    int level = 6;  // eighths of full scale
};

// The 16-bit samples of `token` sent with `bits` data bits.
std::vector<std::int16_t> TokenSamples(int bits, int token, const Shape& shape);

// A mono 16-bit PCM RIFF file holding the samples.
std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples);

}  // namespace parlix::tokengen
