// The simulated module's loader as a host's loader tool meets it: entering
// it, frames that do not check, the rate change and handing over an image.
#include "sim/ModuleFixture.h"

#include <gmock/gmock.h>

namespace parlix::sim::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kWake{0xA5, 0xC3, 0x96, 0xE1};
const Bytes kReady{0xB7, 0x01};
constexpr std::uint8_t kAck = 0x06, kNak = 0x15, kRefused = 0x18;

Bytes Frame(char command, const Bytes& payload) {
    Bytes frame{0x01, static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(payload.size()),
                static_cast<std::uint8_t>(payload.size() >> 8)};
    frame.insert(frame.end(), payload.begin(), payload.end());
    const std::uint16_t crc = LoaderCrc16(frame.data() + 1, frame.size() - 1);
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return frame;
}

Bytes Le32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

Bytes Write(std::uint32_t address, const Bytes& data) {
    Bytes payload = Le32(address);
    payload.insert(payload.end(), data.begin(), data.end());
    return Frame('W', payload);
}

class ModuleLoaderTest : public ModuleFixture {
  protected:
    Bytes Exchange(const Bytes& bytes) {
        host->Send(bytes);
        return host->Drain(100ms);
    }
    void Enter(char kind = 'F') {
        ASSERT_EQ(Exchange(kWake), kReady);
        ASSERT_EQ(Exchange(Frame('B', {static_cast<std::uint8_t>(kind)})), Bytes{kAck});
    }
};

TEST_F(ModuleLoaderTest, WakeSequenceEntersTheLoaderWhereCommandsGetNoAnswer) {
    EXPECT_EQ(Status('x'), 'x');
    host->Drain();
    Enter();
    EXPECT_TRUE(module->InLoader());
    EXPECT_FALSE(host->Command('x', {}, 200ms).has_value());
    // A loader tool that starts again finds the loader answering the same way.
    EXPECT_EQ(Exchange(kWake), kReady);
}

TEST_F(ModuleLoaderTest, FramesThatDoNotCheckOrCannotBeDone) {
    Enter();
    Bytes bad = Frame('P', {});
    bad.back() ^= 1;
    struct Case {
        const char* name;
        Bytes frame;
        Bytes answer;
    };
    const Case cases[] = {
        {"bad CRC", bad, {kNak}},
        {"unknown command", Frame('Q', {}), {kRefused}},
        {"erase off a sector start", Frame('E', Le32(10)), {kRefused}},
        {"write beyond the flash", Write(0x3FFFFF, {1, 2}), {kRefused}},
        {"unsupported rate", Frame('S', Le32(57600)), {kRefused}},
        {"verify of nothing", Frame('V', {0, 0, 0, 0, 0, 0}), {kRefused}},
        {"ping", Frame('P', {}), {kAck}},
    };
    for (const Case& c : cases) EXPECT_EQ(Exchange(c.frame), c.answer) << c.name;
    // A frame whose bytes stop half way is answered NAK once the gap has passed.
    host->Send(Bytes{0x01, 'P'});
    EXPECT_EQ(host->Drain(300ms), Bytes{kNak});
}

TEST_F(ModuleLoaderTest, VerifyReadsErasedBytesAsFF) {
    Enter();
    ASSERT_EQ(Exchange(Write(0x400, {0x12, 0x34})), Bytes{kAck});
    const Bytes expected{0x12, 0x34, 0xFF};
    const std::uint16_t crc = LoaderCrc16(expected.data(), expected.size());
    EXPECT_EQ(Exchange(Frame('V', {0x00, 0x04, 0, 0, 3, 0})),
              (Bytes{kAck, static_cast<std::uint8_t>(crc >> 8), static_cast<std::uint8_t>(crc)}));
    ASSERT_EQ(Exchange(Frame('E', Le32(0x400))), Bytes{kAck});
    const Bytes erased{0xFF, 0xFF, 0xFF};
    const std::uint16_t empty = LoaderCrc16(erased.data(), erased.size());
    EXPECT_EQ(
        Exchange(Frame('V', {0x00, 0x04, 0, 0, 3, 0})),
        (Bytes{kAck, static_cast<std::uint8_t>(empty >> 8), static_cast<std::uint8_t>(empty)}));
}

TEST_F(ModuleLoaderTest, TheLoaderHearsOnlyItsOwnRate) {
    Enter();
    ASSERT_EQ(Exchange(Frame('S', Le32(115200))), Bytes{kAck});
    // Still at 9600 on the host's side: the loader hears noise.
    EXPECT_TRUE(Exchange(Frame('P', {})).empty());
    LineSettings fast;
    fast.baud = 115200;
    host->Line().SetLine(fast);
    EXPECT_EQ(Exchange(Frame('P', {})), Bytes{kAck});
}

TEST_F(ModuleLoaderTest, GoHandsOverOnlyAnImageThatChecks) {
    Enter();
    Bytes image{'P', 'X', 'F', 'W', 'M', 1, 0, 0};
    const Bytes length = Le32(4);
    image.insert(image.end(), length.begin(), length.end());
    ASSERT_EQ(Exchange(Write(0, image)), Bytes{kAck});
    // The code is not all there yet.
    EXPECT_EQ(Exchange(Frame('G', {})), Bytes{kRefused});
    EXPECT_TRUE(module->InLoader());
    ASSERT_EQ(Exchange(Write(12, {1, 2, 3, 4})), Bytes{kAck});
    EXPECT_EQ(Exchange(Frame('G', {})), Bytes{kAck});
    EXPECT_FALSE(module->InLoader());
    EXPECT_EQ(module->Memory().FirmwareId(), 12);
    EXPECT_EQ(Status('x'), 'x');
    EXPECT_EQ(host->Fetch(1), std::vector<int>{12});
}

TEST_F(ModuleLoaderTest, CustomDataThatIsNoImageIsRefused) {
    Enter('D');
    ASSERT_EQ(Exchange(Write(0, {1, 2, 3})), Bytes{kAck});
    EXPECT_EQ(Exchange(Frame('G', {})), Bytes{kRefused});
    EXPECT_TRUE(module->InLoader());
}

}  // namespace
}  // namespace parlix::sim::test
