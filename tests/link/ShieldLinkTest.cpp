// The Arduino bridge link against the simulated boards: the bytes of each
// boot loader's exchange as the board sees them, the EEPROM marker of the old
// boot loaders, the handshake's retries and the session's end.
#include "app/AppSettings.h"
#include "link/ShieldProxy.h"
#include "sim/ArduinoBoard.h"
#include "sim/SimServer.h"
#include "support/TempDir.h"

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace parlix::test {
namespace {

using sim::ArduinoBoard;
using sim::BoardKind;
using sim::Direction;
using Bytes = std::vector<std::uint8_t>;

Bytes B(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// Whether `parts` appear in `all` in this order, each as a contiguous run.
bool ContainsInOrder(const Bytes& all, const std::vector<Bytes>& parts) {
    auto from = all.begin();
    for (const Bytes& part : parts) {
        from = std::search(from, all.end(), part.begin(), part.end());
        if (from == all.end()) return false;
        from += static_cast<std::ptrdiff_t>(part.size());
    }
    return true;
}

std::string Hex(const Bytes& bytes) {
    std::string out;
    for (const std::uint8_t b : bytes) out += fmt::format("{:02X} ", b);
    return out;
}

const Bytes kHandshake = {0xBB, 0xDD};
const Bytes kFindModule = B("bbx ");
const Bytes kV2GetParameter = {0x1B, 0x01, 0x00, 0x02, 0x0E, 0x03, 0x90, 0x85};
const Bytes kV2Leave = {0x1B, 0x01, 0x00, 0x01, 0x0E, 0x11, 0x04};
const Bytes kSignOn = B("0 1 ");
const Bytes kEepromExchange = {'U', 0,   0,   ' ', 't', 0,   2,   'E', ' ', 'U', 0,
                               0,   ' ', 'd', 0,   2,   'E', 'B', 'b', ' ', 'U', 0,
                               0,   ' ', 't', 0,   2,   'E', ' ', 'Q', ' '};

// The marker read back is not "BB": the boot loader is left at once.
const Bytes kFailedCheck = {'U', 0, 0, ' ', 't', 0, 2, 'E', ' ', 'Q', ' '};

class ShieldLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const BoardKind kind : sim::AllBoardKinds()) {
            auto board =
                std::make_shared<ArduinoBoard>(kind, std::make_shared<sim::ModuleDevice>());
            board->ListIn(&server);
            server.AddDevice(board->PortName(), board);
            boards[kind] = board;
        }
        ASSERT_FALSE(server.Start());
        ::setenv("PARLIX_SIM_SOCKET", server.SocketPath().c_str(), 1);
    }
    void TearDown() override {
        proxy.CloseLink();
        ::unsetenv("PARLIX_SIM_SOCKET");
    }

    std::string Port(BoardKind kind) { return "sim:" + boards[kind]->PortName(); }
    Bytes HostBytes() const { return log.Bytes(Direction::HostToDevice); }

    // The line speed in force when the host first sent `byte`; 0 if it never did.
    std::uint32_t BaudWhenSent(std::uint8_t byte) const {
        std::uint32_t baud = 0;
        for (const auto& entry : log.Entries()) {
            if (entry.isEvent && entry.event.starts_with("line "))
                baud = static_cast<std::uint32_t>(std::stoul(entry.event.substr(5)));
            else if (!entry.isEvent && entry.direction == Direction::HostToDevice &&
                     entry.value == byte)
                return baud;
        }
        return 0;
    }
    // The line speed in force at each rise of DTR.
    std::vector<std::uint32_t> ResetPulseSpeeds() const {
        std::vector<std::uint32_t> speeds;
        std::uint32_t baud = 0;
        for (const auto& entry : log.Entries()) {
            if (entry.isEvent && entry.event.starts_with("line "))
                baud = static_cast<std::uint32_t>(std::stoul(entry.event.substr(5)));
            else if (entry.isEvent && entry.event == "DTR on")
                speeds.push_back(baud);
        }
        return speeds;
    }
    // Wire time of the first event `text` at or after `from`, in microseconds.
    std::int64_t EventAt(const std::string& text, std::int64_t from = 0) const {
        for (const auto& entry : log.Entries())
            if (entry.isEvent && entry.event == text && entry.micros >= from) return entry.micros;
        return -1;
    }

    // Opens the board's port and finds its boot loader; the log starts there.
    void OpenAndDetect(BoardKind kind) {
        ASSERT_TRUE(proxy.OpenLink(Port(kind)));
        log.Clear();
        ASSERT_TRUE(proxy.Detect());
    }

    TempDir dir;
    AppSettings settings{dir.File("parlix-desk"), dir.File("Settings.ini")};
    sim::WireLog log;
    sim::SimServer server{"/tmp/parlix-shield-test-" + std::to_string(::getpid()) + ".sock",
                          sim::TransportOptions{&log, false}};
    std::map<BoardKind, std::shared_ptr<ArduinoBoard>> boards;
    ShieldProxy proxy{settings};
};

TEST_F(ShieldLinkTest, EachBoardIsNamedByItsBootLoaderAndLeftForTheSketch) {
    struct Case {
        BoardKind kind;
        const char* name;
        const char* detail;
        std::vector<Bytes> sent;            // what the board receives, in this order
        std::uint32_t findBaud;             // the speed at which the module is looked for
        std::vector<std::uint32_t> pulses;  // the line speed at each reset pulse of Detect
    };
    // The old boot loaders' two speeds first, 57600 before 19200. The 1200
    // baud touch logs no rise: the board is gone by then.
    const std::vector<std::uint32_t> kAllPulses = {57600, 19200, 115200, 115200};
    const Case cases[] = {
        {BoardKind::Atmega328,
         "AVR/Arduino",
         "(atmega328)",
         {kSignOn, kEepromExchange, kFindModule},
         57600,
         {57600}},
        {BoardKind::Atmega168,
         "AVR/Arduino",
         "(atmega168)",
         {kSignOn, kEepromExchange, kFindModule},
         19200,
         {57600, 19200}},
        {BoardKind::Uno,
         "AVR/Arduino UNO",
         "(optiboot)",
         {B("A\x81 "), B("Q "), kHandshake, kFindModule},
         9600,
         {57600, 19200, 115200}},
        {BoardKind::Mega,
         "AVR/Arduino Mega",
         "(stk500v2)",
         {kV2GetParameter, kV2Leave, kHandshake, kFindModule},
         9600,
         kAllPulses},
        {BoardKind::Leonardo,
         "AVR/Arduino Leonardo",
         "(caterina)",
         {kV2GetParameter, B("!S"), B("E"), kHandshake, kFindModule},
         9600,
         kAllPulses},
        {BoardKind::Due,
         "SAM3/Arduino Due",
         "(samba)",
         {B("!N#"), B("W400E0A04,5A00010B#W400E1A00,A500000D#"), kHandshake, kFindModule},
         9600,
         kAllPulses},
        {BoardKind::Zero,
         "SAMD21/Arduino Zero",
         "(zeroboot)",
         {B("!N#"), kV2GetParameter, kV2Leave, kHandshake, kFindModule},
         9600,
         kAllPulses},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.detail);
        OpenAndDetect(c.kind);
        EXPECT_EQ(ResetPulseSpeeds(), c.pulses);
        EXPECT_EQ(proxy.GetDeviceName(), c.name);
        EXPECT_EQ(proxy.GetDeviceDetail(), c.detail);
        EXPECT_EQ(proxy.Port().ReadTimeout(), 500);

        ASSERT_TRUE(proxy.ConnectModule());
        EXPECT_EQ(proxy.GetDeviceName(), "Parlix Shield/Bridge");
        EXPECT_EQ(proxy.GetDeviceDetail(), "Parlix Rev 2");
        EXPECT_TRUE(ContainsInOrder(HostBytes(), c.sent)) << Hex(HostBytes());
        EXPECT_EQ(BaudWhenSent('b'), c.findBaud);
        if (c.findBaud == 9600) {
            EXPECT_EQ(BaudWhenSent(0xBB), 9600u);
        }
        // A board with a native USB port is back on its own port name.
        EXPECT_EQ(proxy.LastPort(), Port(c.kind));
        EXPECT_EQ(proxy.Port().WritePacing(), 5);
        EXPECT_EQ(proxy.Port().ReadTimeout(), 250);
        EXPECT_FALSE(boards[c.kind]->InBootLoader());
        proxy.CloseLink();
    }
}

// The old boot loaders' marker: "BB" is turned into "Bb" and the sketch, seeing
// it, talks at the boot loader's speed without a handshake; any other marker,
// or a "Bb" that did not stick, fails the check, and 'Q' with the handshake at
// 9600 is the way in instead.
TEST_F(ShieldLinkTest, EepromMarkerDecidesTheWayToTheSketch) {
    struct Case {
        sim::EepromMarker marker;
        bool writesTake;
        std::vector<Bytes> sent;
        bool handshake;
    };
    const Case cases[] = {
        {{'B', 'B'}, true, {kEepromExchange, kFindModule}, false},
        {{0xFF, 0xFF}, true, {kFailedCheck, kHandshake, kFindModule}, true},
        // The read-back after the write still finds "BB": its 'Q' is the way out.
        {{'B', 'B'}, false, {kEepromExchange, kHandshake, kFindModule}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Hex(Bytes(c.marker.begin(), c.marker.end())) +
                     (c.writesTake ? "" : "not taking writes"));
        boards[BoardKind::Atmega168]->SetMarker(c.marker);
        boards[BoardKind::Atmega168]->SetEepromTakesWrites(c.writesTake);
        OpenAndDetect(BoardKind::Atmega168);
        ASSERT_TRUE(proxy.ConnectModule());
        const Bytes sent = HostBytes();
        EXPECT_TRUE(ContainsInOrder(sent, c.sent)) << Hex(sent);
        EXPECT_EQ(std::count(sent.begin(), sent.end(), 0xBB) > 0, c.handshake) << Hex(sent);
        // The sketch leaves "BB" for the next connection's check.
        EXPECT_EQ(boards[BoardKind::Atmega168]->Marker(), (sim::EepromMarker{'B', 'B'}));
        proxy.CloseLink();
    }
}

TEST_F(ShieldLinkTest, HandshakeTriesFiveTimesEachHalf) {
    struct Case {
        int lost;  // handshake answers lost
        bool connects;
        Bytes handshake;
    };
    const Case cases[] = {
        {0, true, {0xBB, 0xDD}},
        {4, true, {0xBB, 0xBB, 0xBB, 0xBB, 0xBB, 0xDD}},
        {5, false, {0xBB, 0xBB, 0xBB, 0xBB, 0xBB}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lost);
        OpenAndDetect(BoardKind::Uno);
        sim::ModuleFaults faults;
        faults.afterReplyBytes = 2;  // optiboot's answer to 'Q'
        faults.dropReplyBytes = c.lost;
        boards[BoardKind::Uno]->SetFaults(faults);
        EXPECT_EQ(proxy.ConnectModule().ok, c.connects);
        Bytes handshake;
        for (const std::uint8_t b : HostBytes())
            if (b == 0xBB || b == 0xDD) handshake.push_back(b);
        EXPECT_EQ(handshake, c.handshake);
        if (!c.connects) {
            EXPECT_EQ(proxy.GetDeviceName(), "AVR/Arduino UNO");
        }
        boards[BoardKind::Uno]->SetFaults({});
        proxy.CloseLink();
    }
}

// RTS and DTR low for 50 ms, then 150 ms before the probe starts.
TEST_F(ShieldLinkTest, ResetPulseGivesTheBootLoaderItsTime) {
    OpenAndDetect(BoardKind::Mega);
    std::int64_t from = 0;
    for (std::uint32_t baud : {57600u, 19200u, 115200u, 115200u}) {
        SCOPED_TRACE(baud);
        const std::int64_t low = EventAt("DTR off", from);
        const std::int64_t high = EventAt("DTR on", low);
        const std::int64_t purge = EventAt("purge", high);
        ASSERT_GE(low, 0);
        EXPECT_LE(EventAt("RTS off", from), low);
        // Line events are logged when they arrive over the socket: a few
        // milliseconds of its jitter are allowed, not a missing wait.
        EXPECT_GE(high - low, 40'000);
        EXPECT_GE(purge - high, 140'000);
        from = purge;
    }
}

// The '?' comes 200 ms after the last byte of leaving control mode.
TEST_F(ShieldLinkTest, SessionKeepsItsPacingAndEndsWithTheSketchsQuestionMark) {
    OpenAndDetect(BoardKind::Mega);
    ASSERT_TRUE(proxy.ConnectModule());
    ASSERT_TRUE(proxy.EnterControlMode());
    const std::int32_t none[1] = {};
    ASSERT_TRUE(proxy.SendCommand('x', std::span(none, 0)));
    std::uint8_t status = 0;
    ASSERT_TRUE(proxy.ReceiveStatus(status, 30));
    EXPECT_EQ(status, 'x');
    std::int32_t id[1] = {};
    ASSERT_TRUE(proxy.ReceiveArguments(id));
    EXPECT_EQ(id[0], 2);
    EXPECT_EQ(proxy.Port().WritePacing(), 5);

    log.Clear();
    ASSERT_TRUE(proxy.LeaveControlMode());
    EXPECT_EQ(HostBytes(), B("bb?"));
    // The sketch takes a '?' that follows another byte closely for a module byte.
    std::vector<std::int64_t> sentAt;
    for (const auto& entry : log.Entries())
        if (!entry.isEvent && entry.direction == Direction::HostToDevice)
            sentAt.push_back(entry.micros);
    ASSERT_EQ(sentAt.size(), 3u);
    EXPECT_GE(sentAt[2] - sentAt[1], 195'000);
    // The sketch relays no more until the next handshake.
    std::uint8_t reply = 0;
    EXPECT_FALSE(proxy.Port().Query('b', reply));
}

}  // namespace
}  // namespace parlix::test
