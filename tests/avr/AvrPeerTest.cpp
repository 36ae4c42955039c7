// The Arduino link and our bridge sketch against Debian's real boot loaders,
// running in a simulated AVR with a simulated module behind the sketch.
#include "app/AppSettings.h"
#include "avr/AvrHost.h"
#include "link/BootLoaderExchanges.h"
#include "link/DirectProxy.h"
#include "link/ShieldProxy.h"
#include "sim/ModuleDevice.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace parlix::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Peer {
    const char* name;
    const char* mcu;
    std::uint32_t bootStart;
    ModuleWiring wiring;
    const char* deviceName;
    const char* bootLoader;
    std::uint32_t bootBaud;
};

std::string Image(const char* name) {
    return std::string(PARLIX_AVR_IMAGES) + "/" + name + ".hex";
}

class AvrPeerTest : public ::testing::TestWithParam<Peer> {
  protected:
    AvrPeerTest() : host_({GetParam().mcu, GetParam().bootStart, Image(GetParam().name)}) {
        host_.AttachModule(std::make_shared<sim::ModuleDevice>(), GetParam().wiring);
    }
    ~AvrPeerTest() override {
        proxy_.CloseLink();
        host_.Stop();
    }

    bool ReadVersion(std::int32_t& id) {
        std::uint8_t status = 0;
        std::array<std::int32_t, 1> value{};
        if (!proxy_.SendCommand('x', {}) || !proxy_.ReceiveStatus(status, 30) || status != 'x')
            return false;
        if (!proxy_.ReceiveArguments(value)) return false;
        id = value[0];
        return true;
    }

    TempDir dir_;
    AppSettings settings_{dir_.File("parlix-desk"), dir_.File("Settings.ini")};
    ShieldProxy proxy_{settings_};
    AvrHost host_;
};

TEST_P(AvrPeerTest, BootLoaderIsNamedAndTheModuleAnswersThroughTheSketch) {
    host_.SetEeprom(0, {'B', 'B'});
    host_.Start();
    ASSERT_TRUE(proxy_.OpenLink(host_.Port()));
    ASSERT_TRUE(proxy_.Detect());
    EXPECT_EQ(proxy_.GetDeviceName(), GetParam().deviceName);
    EXPECT_EQ(proxy_.GetDeviceDetail(), GetParam().bootLoader);

    ASSERT_TRUE(proxy_.ConnectModule()) << proxy_.GetDeviceName();
    EXPECT_EQ(proxy_.GetDeviceName(), "Parlix Shield/Bridge");
    EXPECT_EQ(proxy_.GetDeviceDetail(), "Parlix Rev 2");
    std::int32_t id = -1;
    ASSERT_TRUE(ReadVersion(id));
    EXPECT_EQ(id, 2);
    EXPECT_FALSE(host_.Crashed());
}

// '?' after leaving control mode ends the relay: the direct link, tried before
// the Arduino link, then finds no module through the board; the next
// handshake starts the relay again.
TEST_P(AvrPeerTest, AfterTheSessionTheSketchRelaysOnlyAfterTheNextHandshake) {
    host_.Start();
    ASSERT_TRUE(proxy_.OpenLink(host_.Port()));
    ASSERT_TRUE(proxy_.Detect());
    ASSERT_TRUE(proxy_.ConnectModule());
    ASSERT_TRUE(proxy_.EnterControlMode());
    ASSERT_TRUE(proxy_.LeaveControlMode());
    proxy_.CloseLink();

    DirectProxy direct{settings_};
    ASSERT_TRUE(direct.OpenLink(host_.Port()));
    EXPECT_FALSE(direct.Detect());
    direct.CloseLink();

    ASSERT_TRUE(proxy_.OpenLink(host_.Port()));
    ASSERT_TRUE(proxy_.Detect());
    ASSERT_TRUE(proxy_.ConnectModule());
    std::int32_t id = -1;
    EXPECT_TRUE(ReadVersion(id));
}

// The Uno's module is on the sketch's software serial pins, the Mega's on Serial1.
const Peer kBoards[] = {
    {"uno", "atmega328p", 0x7C00, ModuleWiring::PinsD2D3, "AVR/Arduino UNO", "(optiboot)", 115200},
    {"mega", "atmega2560", 0x3E000, ModuleWiring::Uart1, "AVR/Arduino Mega", "(stk500v2)", 115200},
};

INSTANTIATE_TEST_SUITE_P(Boards, AvrPeerTest, ::testing::ValuesIn(kBoards),
                         [](const auto& test) { return std::string(test.param.name); });

class OldBootLoaderTest : public AvrPeerTest {
  protected:
    // The sketch puts "BB" back when it starts.
    bool WaitForSketch() {
        return WaitUntil(
            [this] {
                return host_.Eeprom(0, 2) == Bytes{'B', 'B'};
            },
            std::chrono::seconds(3));
    }
};

const Bytes kSignOnThenExchange = {
    '0', ' ', '1', ' ',                                  // sign-on
    'U', 0,   0,   ' ', 't', 0, 2, 'E', ' ',             // read the marker
    'U', 0,   0,   ' ', 'd', 0, 2, 'E', 'B', 'b', ' ',   // write "Bb"
    'U', 0,   0,   ' ', 't', 0, 2, 'E', ' ', 'Q', ' '};  // read it back, leave

// The exchange runs byte for byte against the boot loader's real EEPROM code,
// and the sketch that finds "Bb" talks at the boot loader's speed.
//
// The boot loader does not start the sketch on 'Q': it waits for about 1.1 s
// of silence (or five bad bytes), so the link keeps the line quiet for 1.5 s
// before it looks for the module through the sketch.
TEST_P(OldBootLoaderTest, ExchangeWithTheRealEepromThenTheSketchRelaysAtTheBootLoaderSpeed) {
    host_.SetEeprom(0, {'B', 'B'});
    host_.Start();
    ASSERT_TRUE(proxy_.OpenLink(host_.Port()));
    ASSERT_TRUE(proxy_.Detect());
    EXPECT_EQ(proxy_.GetDeviceName(), "AVR/Arduino");
    EXPECT_EQ(proxy_.GetDeviceDetail(), GetParam().bootLoader);

    ASSERT_TRUE(proxy_.ConnectModule());
    EXPECT_EQ(proxy_.GetDeviceDetail(), "Parlix Rev 2");
    const Bytes received = host_.Received();
    EXPECT_TRUE(std::search(received.begin(), received.end(), kSignOnThenExchange.begin(),
                            kSignOnThenExchange.end()) != received.end());
    ASSERT_TRUE(WaitForSketch());
    std::int32_t id = -1;
    ASSERT_TRUE(ReadVersion(id));
    EXPECT_EQ(id, 2);
    EXPECT_FALSE(host_.Crashed());
}

// The fall-back after a failed marker check (a fresh board), done so that it
// works with this boot loader: 'Q' does not start the sketch, so the line
// stays quiet until the boot loader has timed out before the handshake. Sent
// at once, as the link does, the handshake bytes reach the boot loader, which
// starts the sketch only after the fifth.
TEST_P(OldBootLoaderTest, FallBackReachesTheSketchOnceTheBootLoaderHasTimedOut) {
    host_.SetEeprom(0, {0xFF, 0xFF});
    host_.Start();
    ModulePort port;
    ASSERT_FALSE(port.Open(host_.Port(), 0, 0, true));
    ASSERT_FALSE(port.SetReadMode(1));
    port.SetReadTimeout(500);
    port.SetWritePacing(0);
    ASSERT_FALSE(port.Configure(GetParam().bootBaud, 8, 0, 0));
    port.EscapeFunction(CLRDTR);
    SleepMs(50);
    port.EscapeFunction(SETDTR);
    SleepMs(150);
    port.Purge();
    ASSERT_TRUE(bootloader::Stk500SignOn(port));
    ASSERT_FALSE(bootloader::EepromExchange(port));
    ASSERT_TRUE(port.WriteByte('Q') && port.WriteByte(' '));
    ASSERT_FALSE(port.Configure(9600, 8, 0, 0));
    SleepMs(1500);
    port.Purge();
    port.SetReadTimeout(100);
    EXPECT_TRUE(port.Expect(0xBB, 0xCC));
    EXPECT_TRUE(port.Expect(0xDD, 0xEE));
    port.SetWritePacing(5);
    port.SetReadTimeout(250);
    std::uint8_t reply = 0;
    EXPECT_TRUE(port.Query('b', reply));
    EXPECT_TRUE(port.Expect('b', 'o'));
    // The marker for the next connection's check.
    EXPECT_EQ(host_.Eeprom(0, 2), (Bytes{'B', 'B'}));
}

// The same fall-back through the link itself: a fresh board has no marker.
TEST_P(OldBootLoaderTest, LinkFallsBackOnAFreshBoardAndConnects) {
    host_.SetEeprom(0, {0xFF, 0xFF});
    host_.Start();
    ASSERT_TRUE(proxy_.OpenLink(host_.Port()));
    ASSERT_TRUE(proxy_.Detect());
    ASSERT_TRUE(proxy_.ConnectModule());
    std::int32_t id = -1;
    ASSERT_TRUE(ReadVersion(id));
    EXPECT_EQ(id, 2);
    EXPECT_EQ(host_.Eeprom(0, 2), (Bytes{'B', 'B'}));
}

// Told apart by their speed: 57600 on the ATmega328, 19200 on the ATmega168.
const Peer kOldBoards[] = {
    {"atmega328", "atmega328p", 0x7800, ModuleWiring::PinsD2D3, "AVR/Arduino", "(atmega328)",
     57600},
    {"atmega168", "atmega168", 0x3800, ModuleWiring::PinsD2D3, "AVR/Arduino", "(atmega168)", 19200},
};

INSTANTIATE_TEST_SUITE_P(Boards, OldBootLoaderTest, ::testing::ValuesIn(kOldBoards),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace parlix::test
