// tw2tokengen BITS FIRST LAST BASE [-u MS] [-d MS] [-a LEVEL]: one sound file per token.
#include "TokenSound.h"

#include <fmt/format.h>
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written) errno = writeError;
    return written && closed;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Writes the sound of each audio token into a WAV file"};
    int bits = 0;
    int first = 0;
    int last = 0;
    std::string base;
    parlix::tokengen::Shape shape;
    app.add_option("BITS", bits, "data bits of a token")->required()->check(CLI::IsMember({4, 8}));
    app.add_option("FIRST", first, "first token")->required()->check(CLI::Range(0, 255));
    app.add_option("LAST", last, "last token")->required()->check(CLI::Range(0, 255));
    app.add_option("BASE", base, "files are named BASE_000.wav and on")->required();
    app.add_option("-u", shape.fadeInMs, "fade-in of each tone in ms")->check(CLI::Range(0, 15));
    app.add_option("-d", shape.fadeOutMs, "fade-out of each tone in ms")->check(CLI::Range(0, 15));
    app.add_option("-a", shape.level, "loudness in eighths of full scale")->check(CLI::Range(1, 8));
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : 2;
    }

    // The files are named after BASE: without a name of its own it would
    // write "_000.wav" into whatever folder it names, or into the current one.
    if (base.empty() || base.back() == '/') {
        fmt::print(stderr, "BASE \"{}\" names no file: give a name such as {}tokens.\n", base,
                   base);
        return 2;
    }
    const int highest = (1 << bits) - 1;
    if (last > highest || first > last) {
        fmt::print(stderr, "Tokens {} to {} do not fit {} bits (0 to {}).\n", first, last, bits,
                   highest);
        return 1;
    }
    for (int token = first; token <= last; ++token) {
        const std::string path = fmt::format("{}_{:03d}.wav", base, token);
        const auto file =
            parlix::tokengen::WaveFile(parlix::tokengen::TokenSamples(bits, token, shape));
        if (!WriteFile(path, file)) {
            fmt::print(stderr, "Could not write {}: {}\n", path, std::strerror(errno));
            return 1;
        }
        fmt::print("Written {}\n", path);
        std::fflush(stdout);
    }
    return 0;
}
