// Token sound files from the generator, checked as sound files and heard by
// the simulated module's token receiver.
#include "sim/ModuleFixture.h"
#include "sim/TokenListener.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace parlix::sim {
namespace {

using parlix::test::RunProgram;
using Kind = Outcome::Kind;

std::string Generate(const parlix::test::TempDir& dir, int bits, int first, int last,
                     const std::vector<std::string>& options = {"-u", "6", "-d", "6", "-a", "3"}) {
    std::vector<std::string> args = {std::to_string(bits), std::to_string(first),
                                     std::to_string(last), dir.File("tok")};
    args.insert(args.end(), options.begin(), options.end());
    const auto run = RunProgram("tw2tokengen", args);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    return dir.File("tok");
}

std::string Soxi(const std::string& option, const std::string& file) {
    const auto run = RunProgram("/usr/bin/soxi", {option, file});
    return run.exitCode == 0 ? run.out : "soxi failed: " + run.err;
}

TEST(TokenSoundTest, EveryFileIsAMonoPcmSoundThatSoxReads) {
    parlix::test::TempDir dir;
    const auto base = Generate(dir, 4, 0, 15);
    for (int token = 0; token <= 15; ++token) {
        const auto file = base + (token < 10 ? "_00" : "_0") + std::to_string(token) + ".wav";
        SCOPED_TRACE(file);
        EXPECT_EQ(Soxi("-c", file), "1\n");
        EXPECT_EQ(Soxi("-r", file), "8000\n");
        EXPECT_EQ(Soxi("-b", file), "16\n");
        EXPECT_EQ(Soxi("-e", file), "Signed Integer PCM\n");
        EXPECT_EQ(Soxi("-s", file), "1840\n") << "20 + 40 + 5 x 30 + 20 ms";
        // soxi does not read the byte rate, but players size their buffers by it.
        std::ifstream in(file, std::ios::binary);
        std::uint8_t header[36] = {};
        in.read(reinterpret_cast<char*>(header), sizeof header);
        const auto le = [&](int at, int size) {
            std::uint32_t v = 0;
            for (int i = size - 1; i >= 0; --i) v = v << 8 | header[at + i];
            return v;
        };
        EXPECT_EQ(le(28, 4), le(24, 4) * le(32, 2)) << "byte rate = sample rate x block align";
    }
    EXPECT_FALSE(std::filesystem::exists(base + "_016.wav"));
}

TEST(TokenSoundTest, ReceiverHearsExactlyTheTokenOfItsBitCount) {
    parlix::test::TempDir dir;
    const auto four = Generate(dir, 4, 9, 9);
    parlix::test::TempDir other;
    const auto eight = Generate(other, 8, 0, 255, {"-a", "6"});
    EXPECT_EQ(HearToken(four + "_009.wav", 4), 9);
    EXPECT_EQ(HearToken(four + "_009.wav", 8), std::nullopt) << "too short for 8 bits";
    for (int token = 0; token <= 255; ++token) {
        const auto file = eight +
                          (token < 10    ? "_00"
                           : token < 100 ? "_0"
                                         : "_") +
                          std::to_string(token) + ".wav";
        ASSERT_EQ(HearToken(file, 8), token) << file;
        ASSERT_EQ(HearToken(file, 4), std::nullopt) << file << ": sound goes on after 4 bits";
    }
}

TEST(TokenSoundTest, NoiseAndOtherFilesAreNotHeard) {
    parlix::test::TempDir dir;
    const auto base = Generate(dir, 4, 6, 6);
    // One flipped bit breaks the parity: swap the first data bit's tone for the other one.
    const auto good = base + "_006.wav";
    std::ifstream in(good, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    const std::size_t header = 44;
    const std::size_t bit0 = header + 2 * (160 + 320);  // after lead-in and marker
    const std::size_t bit1 = bit0 + 2 * 240;
    std::copy(bytes.begin() + static_cast<long>(bit1),
              bytes.begin() + static_cast<long>(bit1 + 480),
              bytes.begin() + static_cast<long>(bit0));
    const auto broken = dir.File("broken.wav");
    std::ofstream(broken, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    const auto text = dir.File("text.wav");
    std::ofstream(text) << "not a sound";

    EXPECT_EQ(HearToken(good, 4), 6);
    EXPECT_EQ(HearToken(broken, 4), std::nullopt);
    EXPECT_EQ(HearToken(text, 4), std::nullopt);
    EXPECT_EQ(HearToken(dir.File("missing.wav"), 4), std::nullopt);
}

TEST(TokenSoundTest, GeneratorRefusesTokensOutsideItsBitsAndBasesWithoutAName) {
    parlix::test::TempDir dir;
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{"4", "0", "16", dir.File("a")}, 1},
        {{"4", "5", "4", dir.File("a")}, 1},
        {{"5", "0", "1", dir.File("a")}, 2},
        {{"8", "0", "1", dir.File("a"), "-a", "9"}, 2},
        {{"8", "0", "1", dir.File("no/such/folder/a")}, 1},
        {{"4", "0", "1", ""}, 2},
        {{"4", "0", "1", dir.Path().string() + "/"}, 2},
    };
    for (const auto& c : cases) {
        const auto run = RunProgram("tw2tokengen", c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args[2] << " " << c.args[3] << run.err;
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("_000.wav")));
    EXPECT_FALSE(std::filesystem::exists("_000.wav"));
}

class TokenSoundModuleTest : public test::ModuleFixture {};

TEST_F(TokenSoundModuleTest, PlayedFileReachesTheListeningModule) {
    parlix::test::TempDir dir;
    const auto base = Generate(dir, 8, 200, 200);
    Outcome played = Outcome::Of(Kind::Sound);
    played.sound = base + "_200.wav";
    module->Script(Activity::ReceiveToken, played);
    auto answer = Ask('f', {8, 1, 0, 4}, 2);
    EXPECT_EQ(answer.status, 'f');
    EXPECT_EQ(answer.args, (std::vector<int>{6, 8}));

    module->Script(Activity::ReceiveToken, played);
    EXPECT_EQ(Status('f', {4, 1, 0, 4}), 't') << "a module listening for 4 bits hears no token";
}

}  // namespace
}  // namespace parlix::sim
