#include "sim/TokenListener.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <numbers>
#include <vector>

namespace parlix::sim {
namespace {

// The frame: 40 ms marker at 2400 Hz, then 30 ms per bit (1200 Hz for 0,
// 1800 Hz for 1), the data bits most significant first, then even parity.
constexpr int kMarkerMs = 40;
constexpr int kBitMs = 30;
constexpr double kMarkerHz = 2400;
constexpr double kZeroHz = 1200;
constexpr double kOneHz = 1800;

struct Sound {
    int rate = 0;
    std::vector<double> samples;  // -1 .. 1
};

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | b[at + static_cast<std::size_t>(i)];
    return value;
}

// Mono PCM, 8 or 16 bits; other files are not heard.
std::optional<Sound> ReadSound(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(in), {}};
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return std::nullopt;
    Sound sound;
    int sampleBits = 0;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string tag(b.begin() + static_cast<long>(at),
                              b.begin() + static_cast<long>(at) + 4);
        const std::size_t size = Le(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > b.size() - body) return std::nullopt;
        if (tag == "fmt " && size >= 16) {
            if (Le(b, body, 2) != 1 || Le(b, body + 2, 2) != 1) return std::nullopt;
            sound.rate = static_cast<int>(Le(b, body + 4, 4));
            sampleBits = static_cast<int>(Le(b, body + 14, 2));
        } else if (tag == "data" && sound.rate > 0) {
            if (sampleBits == 16) {
                for (std::size_t i = 0; i + 1 < size; i += 2)
                    sound.samples.push_back(static_cast<std::int16_t>(Le(b, body + i, 2)) /
                                            32768.0);
            } else if (sampleBits == 8) {
                for (std::size_t i = 0; i < size; ++i)
                    sound.samples.push_back((b[body + i] - 128) / 128.0);
            } else {
                return std::nullopt;
            }
            return sound;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

// Signal power at one frequency over samples [from, from + count).
double Power(const Sound& sound, std::size_t from, std::size_t count, double hz) {
    const double k = 2 * std::cos(2 * std::numbers::pi * hz / sound.rate);
    double s1 = 0;
    double s2 = 0;
    for (std::size_t i = from; i < from + count && i < sound.samples.size(); ++i) {
        const double s0 = sound.samples[i] + k * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - k * s1 * s2;
}

double Energy(const Sound& sound, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count && i < sound.samples.size(); ++i)
        sum += sound.samples[i] * sound.samples[i];
    return sum;
}

}  // namespace

std::optional<int> HearToken(const std::string& path, int bits) {
    const auto sound = ReadSound(path);
    if (!sound || sound->rate < 4000) return std::nullopt;
    const auto ms = [&](int count) { return static_cast<std::size_t>(count) * sound->rate / 1000; };
    std::size_t onset = 0;
    while (onset < sound->samples.size() && std::fabs(sound->samples[onset]) < 0.02) ++onset;
    const std::size_t frameEnd = onset + ms(kMarkerMs + (bits + 1) * kBitMs);
    if (frameEnd > sound->samples.size()) return std::nullopt;

    // Each slot is judged on its middle 20 ms, clear of the fades.
    const std::size_t window = ms(20);
    const double marker = Power(*sound, onset + ms(10), window, kMarkerHz);
    if (marker < 3 * Power(*sound, onset + ms(10), window, kOneHz)) return std::nullopt;
    int value = 0;
    int ones = 0;
    for (int slot = 0; slot <= bits; ++slot) {
        const std::size_t from = onset + ms(kMarkerMs + slot * kBitMs + 5);
        const double zero = Power(*sound, from, window, kZeroHz);
        const double one = Power(*sound, from, window, kOneHz);
        if (std::max(zero, one) < 4 * std::min(zero, one) || std::max(zero, one) < marker / 10)
            return std::nullopt;
        const bool bit = one > zero;
        ones += bit;
        if (slot < bits) value = value << 1 | bit;
    }
    if (ones % 2 != 0) return std::nullopt;
    // A longer token would go on where this one must have ended.
    const double after = Energy(*sound, frameEnd + ms(5), window);
    if (after > Energy(*sound, onset + ms(10), window) / 10) return std::nullopt;
    return value;
}

}  // namespace parlix::sim
