#include "TokenSound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace parlix::tokengen {
namespace {

constexpr int kLeadMs = 20;
constexpr int kMarkerMs = 40;
constexpr int kBitMs = 30;
constexpr int kTailMs = 20;
constexpr double kMarkerHz = 2400;
constexpr double kZeroHz = 1200;
constexpr double kOneHz = 1800;

int Samples(int ms) {
    return ms * kSampleRate / 1000;
}

void AppendSilence(std::vector<std::int16_t>& out, int ms) {
    out.insert(out.end(), Samples(ms), 0);
}

void AppendTone(std::vector<std::int16_t>& out, double hz, int ms, const Shape& shape) {
    const int count = Samples(ms);
    const int fadeIn = Samples(shape.fadeInMs);
    const int fadeOut = Samples(shape.fadeOutMs);
    const double peak = 32767.0 * shape.level / 8;
    for (int i = 0; i < count; ++i) {
        double gain = 1;
        if (i < fadeIn) gain = std::min(gain, static_cast<double>(i) / fadeIn);
        if (count - 1 - i < fadeOut)
            gain = std::min(gain, static_cast<double>(count - 1 - i) / fadeOut);
        const double phase = 2 * std::numbers::pi * hz * i / kSampleRate;
        out.push_back(static_cast<std::int16_t>(std::lround(peak * gain * std::sin(phase))));
    }
}

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::int16_t> TokenSamples(int bits, int token, const Shape& shape) {
    std::vector<std::int16_t> out;
    AppendSilence(out, kLeadMs);
    AppendTone(out, kMarkerHz, kMarkerMs, shape);
    int ones = 0;
    for (int bit = bits - 1; bit >= 0; --bit) {
        const bool one = (token >> bit) & 1;
        ones += one;
        AppendTone(out, one ? kOneHz : kZeroHz, kBitMs, shape);
    }
    AppendTone(out, ones % 2 ? kOneHz : kZeroHz, kBitMs, shape);
    AppendSilence(out, kTailMs);
    return out;
}

std::vector<std::uint8_t> WaveFile(const std::vector<std::int16_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    PutTag(out, "RIFF");
    PutLe(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);  // PCM
    PutLe(out, 1, 2);  // mono
    PutLe(out, kSampleRate, 4);
    PutLe(out, kSampleRate * 2, 4);
    PutLe(out, 2, 2);
    PutLe(out, 16, 2);
    PutTag(out, "data");
    PutLe(out, dataBytes, 4);
    for (std::int16_t sample : samples) PutLe(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

}  // namespace parlix::tokengen
