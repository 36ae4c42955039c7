// The BASIC Stamp and RoboNova links against the simulated hosts: the bytes
// of each exchange as the host sees them, the bridge downloads with their
// error codes, and the mailbox.
#include "app/AppSettings.h"
#include "base/ProgressSink.h"
#include "base/Trace.h"
#include "link/BasicStampProxy.h"
#include "link/DirectProxy.h"
#include "link/RoboNovaProxy.h"
#include "link/StampIdentification.h"
#include "sim/BridgeImages.h"
#include "sim/RoboNovaHost.h"
#include "sim/SimServer.h"
#include "sim/StampHost.h"
#include "support/TempDir.h"
#include "support/TraceRecords.h"

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace parlix::test {
namespace {

using sim::Direction;
using Bytes = std::vector<std::uint8_t>;

const std::string kBridges = PARLIX_SOURCE_DIR "/res/data/bridges/";

std::string Hex(const Bytes& bytes) {
    std::string out;
    for (const std::uint8_t b : bytes) out += fmt::format("{:02X} ", b);
    return out;
}

bool StartsWith(const Bytes& all, const Bytes& head) {
    return all.size() >= head.size() && std::equal(head.begin(), head.end(), all.begin());
}

// Counts the steps and runs a hook when the section opens, so that a fault
// can be set up right after the host was identified.
class ProgressCounter : public ProgressSink {
  public:
    std::function<void()> onBegin;
    std::uint32_t total = 0;
    std::uint32_t steps = 0;
    int open = 0;
    std::uint32_t BeginProgress(std::uint32_t n) override {
        total = n;
        ++open;
        if (onBegin) onBegin();
        return 7;
    }
    void StepProgress(std::uint32_t, std::uint32_t n) override { steps += n; }
    void EndProgress(std::uint32_t) override { --open; }
    void SetStatusText(const std::string&) override {}
};

class StampLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.Path() / "data");
        std::filesystem::copy_file(PARLIX_SOURCE_DIR "/res/data/Config.ini",
                                   dir.Path() / "data" / "Config.ini");
        for (const auto& info : StampKinds()) {
            auto host = std::make_shared<sim::StampHost>(info.kind, Module());
            server.AddDevice(host->PortName(), host);
            stamps[info.kind] = host;
        }
        blankStamp = std::make_shared<sim::StampHost>(StampKind::BS2px, Module(), true);
        server.AddDevice(blankStamp->PortName(), blankStamp);
        robot = std::make_shared<sim::RoboNovaHost>(Module());
        blankRobot = std::make_shared<sim::RoboNovaHost>(Module(), true);
        server.AddDevice(robot->PortName(), robot);
        server.AddDevice(blankRobot->PortName(), blankRobot);
        ASSERT_FALSE(server.Start());
        ::setenv("PARLIX_SIM_SOCKET", server.SocketPath().c_str(), 1);
    }
    void TearDown() override {
        stamp.CloseLink();
        roboNova.CloseLink();
        ::unsetenv("PARLIX_SIM_SOCKET");
    }
    static std::shared_ptr<sim::ModuleDevice> Module() {
        return sim::ModuleDevice::FromFile(PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json");
    }
    Bytes HostBytes() const { return log.Bytes(Direction::HostToDevice); }
    Bytes DeviceBytes() const { return log.Bytes(Direction::DeviceToHost); }

    // Connected and in control mode: the bridge program relays.
    void ConnectHost(VoiceProxy& proxy, const std::string& port) {
        ASSERT_TRUE(proxy.OpenLink(port));
        ASSERT_TRUE(proxy.Detect());
        ASSERT_TRUE(proxy.ConnectModule());
        ASSERT_TRUE(proxy.EnterControlMode());
        log.Clear();
    }
    void ConnectStamp(const std::string& port) { ConnectHost(stamp, port); }
    // 'x' and its one argument, the module's firmware ID.
    static LinkResult AskId(VoiceProxy& proxy, std::int32_t& id) {
        std::uint8_t status = 0;
        LinkResult r = proxy.SendCommand('x', {});
        if (r) r = proxy.ReceiveStatus(status, 30);
        if (r && status != 'x') r = r.Refused();
        std::int32_t values[1] = {};
        if (r) r = proxy.ReceiveArguments(values);
        id = values[0];
        return r;
    }
    // Wire time of the first event `text` at or after `from`, in microseconds; -1 if none.
    std::int64_t EventAt(const std::string& text, std::int64_t from = 0) const {
        for (const auto& entry : log.Entries())
            if (entry.isEvent && entry.event == text && entry.micros >= from) return entry.micros;
        return -1;
    }

    TempDir dir;
    AppSettings settings{dir.File("parlix-desk"), dir.File("Settings.ini")};
    sim::WireLog log;
    sim::SimServer server{"/tmp/parlix-stamp-test-" + std::to_string(::getpid()) + ".sock",
                          sim::TransportOptions{&log, false}};
    std::map<StampKind, std::shared_ptr<sim::StampHost>> stamps;
    std::shared_ptr<sim::StampHost> blankStamp;
    std::shared_ptr<sim::RoboNovaHost> robot;
    std::shared_ptr<sim::RoboNovaHost> blankRobot;
    BasicStampProxy stamp{settings};
    RoboNovaProxy roboNova{settings};
};

// The one-letter kinds' replies, in both letter cases: a lower-case reply
// sets the version's top bit.
TEST(StampVersionTest, ReplyGivesTheVersionInEitherLetterCase) {
    const struct {
        StampKind kind;
        std::uint8_t reply;
        std::optional<std::uint8_t> version;
    } cases[] = {
        {StampKind::BS2p, 'P', 0x10},         {StampKind::BS2p, 'p', 0x90},
        {StampKind::BS2p, 'R', 0x12},         {StampKind::BS2p, 'r', 0x92},
        {StampKind::BS2p, 'O', std::nullopt}, {StampKind::BS2p, 'o', std::nullopt},
        {StampKind::BS2pe, 'i', 0x90},        {StampKind::BS2pe, 'k', 0x92},
        {StampKind::BS2px, 't', 0x90},        {StampKind::BS2px, 'V', 0x12},
        {StampKind::BS2e, 'e', 0x10},         {StampKind::BS2sx, 'X', 0x10},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VersionFromReply(c.kind, c.reply), c.version)
            << InfoOf(c.kind).name << " reply " << static_cast<char>(c.reply);
    }
}

TEST_F(StampLinkTest, EachStampIsNamedWithItsVersionAndBridge) {
    struct Case {
        StampKind kind;
        const char* name;
        const char* detail;
        Bytes exchange;  // what the Stamp sends back: echo, then reply
        int baud;        // the line after detection
    };
    const Case cases[] = {
        {StampKind::BS2,
         "BASIC Stamp 2",
         "Ver 2.5",
         {'B', 0xBE, 'S', 0xAD, '2', 0xCE, 0x00, 0x25},
         9600},
        {StampKind::BS2e, "BASIC Stamp 2e", "Ver 1.3", {'e', 0x68, 0x00}, 9600},
        {StampKind::BS2sx, "BASIC Stamp 2sx", "Ver 1.3", {'X', 0x5B, 0x00}, 9600},
        {StampKind::BS2p, "BASIC Stamp 2p", "Ver 1.3", {'P', 'S', 0x00}, 9600},
        {StampKind::BS2pe, "BASIC Stamp 2pe", "Ver 1.3", {'I', 'L', 0x00}, 9600},
        {StampKind::BS2px, "BASIC Stamp 2px", "Ver 1.3", {'T', 'W', 0x00}, 19200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(stamp.OpenLink("sim:" + stamps[c.kind]->PortName()));
        log.Clear();
        ASSERT_TRUE(stamp.Detect());
        EXPECT_EQ(stamp.GetDeviceName(), c.name);
        EXPECT_EQ(stamp.GetDeviceDetail(), c.detail);
        const std::string suffix = std::string(c.name).substr(13);
        EXPECT_EQ(stamp.GetBridgeFile(), "bridges/stamp-bridge-bs2" + suffix + ".pxs");
        EXPECT_EQ(stamp.Port().ReadTimeout(), 1000);
        EXPECT_EQ(stamp.Port().GetBaudRate(), c.baud);
        const Bytes back = DeviceBytes();
        EXPECT_TRUE(std::search(back.begin(), back.end(), c.exchange.begin(), c.exchange.end()) !=
                    back.end())
            << Hex(back);
        // The bridge's sign comes after the run byte, at 9600.
        ASSERT_TRUE(stamp.ConnectModule());
        EXPECT_EQ(stamp.Port().GetBaudRate(), 9600);
        stamp.CloseLink();
    }
}

// Every byte is echoed by the Stamp and repeated by the bridge program.
TEST_F(StampLinkTest, StampSlotsFrameTheirBytes) {
    ConnectStamp("sim:bs2");
    struct Case {
        const char* name;
        std::function<bool()> run;
        Bytes sent;
        Bytes back;  // the start of what comes back
    };
    std::uint8_t status = 0;
    std::uint8_t language = 0;
    std::int32_t id[1] = {};
    const std::int32_t three[] = {3};
    // Commands wait for their status, so that no reply is left for the next case.
    const Case cases[] = {
        {"command with one argument",
         [&] { return stamp.SendCommand('c', three) && stamp.ReceiveStatus(status, 30); },
         {1, 'c', 2, 'D'},
         {1, 1, 'c', 'c', 2, 2, 'D', 'D'}},
        {"command alone",
         [&] { return stamp.SendCommand('b', {}) && stamp.ReceiveStatus(status, 30); },
         {2, 'b'},
         {2, 2, 'b', 'b', 'o'}},
        {"reply argument",
         [&] {
             return stamp.SendCommand('x', {}) && stamp.ReceiveStatus(status, 30) &&
                    stamp.ReceiveArguments(id);
         },
         {2, 'x', 3},
         {2, 2, 'x', 'x', 'x', 3, 3, 'A' + 12}},
        {"busy on", [&] { return stamp.SetBusy(true).ok; }, {4, '1'}, {4, 4, '1', '1'}},
        {"busy off", [&] { return stamp.SetBusy(false).ok; }, {4, '0'}, {4, 4, '0', '0'}},
        {"save language", [&] { return stamp.SaveLanguage(2).ok; }, {5, 2}, {5, 5, 2, 2}},
        {"load language", [&] { return stamp.LoadLanguage(language).ok; }, {6}, {6, 6, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        stamp.PurgeLine();
        ASSERT_TRUE(c.run());
        EXPECT_EQ(HostBytes(), c.sent) << Hex(HostBytes());
        EXPECT_TRUE(StartsWith(DeviceBytes(), c.back)) << Hex(DeviceBytes());
    }
    EXPECT_EQ(id[0], 12);
    EXPECT_EQ(language, 2);
    EXPECT_EQ(stamps[StampKind::BS2]->Language(), 2);
}

TEST_F(StampLinkTest, StampDownloadChecksEachPacket) {
    const std::string good = kBridges + "stamp-bridge-bs2px.pxs";
    Bytes image;
    {
        std::ifstream in(good, std::ios::binary);
        image.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ASSERT_GT(image.size(), 944u + 18u);
    Bytes badSum = image;
    ++badSum[944 + 18 + 3];  // the second packet no longer adds up to 0
    const std::string badFile = dir.File("bad.pxs");
    std::ofstream(badFile, std::ios::binary)
        .write(reinterpret_cast<const char*>(badSum.data()), static_cast<long>(badSum.size()));

    struct Case {
        const char* name;
        std::string file;
        sim::ModuleFaults fault;  // set once the Stamp is identified
        Status error;
    };
    sim::ModuleFaults lost;
    lost.dropReplyBytes = 1;
    sim::ModuleFaults badEcho;
    badEcho.garbleReplyBytes = 1;
    sim::ModuleFaults refused;
    refused.afterReplyBytes = 18;
    refused.garbleReplyBytes = 1;
    const Case cases[] = {
        {"sum", badFile, {}, Status::BadPacketSum},
        {"short reply", good, lost, Status::ShortReply},
        {"echo differs", good, badEcho, Status::BadReply},
        {"packet refused", good, refused, Status::PacketRejected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(stamp.OpenLink("sim:bs2px-blank"));
        ProgressCounter progress;
        progress.onBegin = [&] { blankStamp->SetFaults(c.fault); };
        const LinkResult updated = stamp.UpdateBridge(c.file, &progress);
        EXPECT_FALSE(updated);
        EXPECT_EQ(updated.reason, make_error_code(c.error));
        EXPECT_EQ(progress.open, 0);
        blankStamp->SetFaults({});
        stamp.CloseLink();
    }
    EXPECT_FALSE(blankStamp->HasProgram());

    ASSERT_TRUE(stamp.OpenLink("sim:bs2px-blank"));
    EXPECT_FALSE(stamp.UpdateBridge(dir.File("missing.pxs"), nullptr));
    ProgressCounter progress;
    ASSERT_TRUE(stamp.UpdateBridge(good, &progress));
    EXPECT_EQ(progress.total, image[943]);
    EXPECT_EQ(progress.steps, image[943]);
    EXPECT_EQ(progress.open, 0);
    EXPECT_EQ(stamp.Port().GetBaudRate(), 9600);
    EXPECT_TRUE(blankStamp->HasProgram());
    EXPECT_TRUE(stamp.EnterControlMode());
    stamp.CloseLink();

    // A line with no Stamp on it: nothing answers the identification.
    sim::ModuleFaults silent;
    silent.silent = true;
    stamps[StampKind::BS2]->SetFaults(silent);
    ASSERT_TRUE(stamp.OpenLink("sim:bs2"));
    const LinkResult unanswered = stamp.UpdateBridge(good, &progress);
    EXPECT_FALSE(unanswered);
    EXPECT_EQ(unanswered.reason, make_error_code(Status::Unsupported));
}

TEST_F(StampLinkTest, ControllerIdentifiesAndChecksTheBridgeSignature) {
    ASSERT_TRUE(roboNova.OpenLink("sim:mrc3024"));
    log.Clear();
    ASSERT_TRUE(roboNova.Detect());
    EXPECT_EQ(roboNova.GetDeviceName(), "MRC3024");
    EXPECT_EQ(roboNova.GetDeviceDetail(), "Ver 2.5 - Rom(32K) Ram(64) Stack(32)");
    EXPECT_EQ(roboNova.GetBridgeFile(), "bridges/robonova-bridge.pxr");
    // Each request is the previous answer.
    EXPECT_EQ(HostBytes(), (Bytes{0xF0, 0x00, 2, 2, 5, 32, 64}));
    EXPECT_EQ(DeviceBytes(), (Bytes{0xF0, 2, 2, 5, 32, 64, 32}));
    log.Clear();
    EXPECT_TRUE(roboNova.ConnectModule());
    EXPECT_TRUE(StartsWith(HostBytes(), {0xF2, 0, 0, 0, 0xF2, 1, 0, 0})) << Hex(HostBytes());
    roboNova.CloseLink();

    ASSERT_TRUE(roboNova.OpenLink("sim:mrc3024-blank"));
    ASSERT_TRUE(roboNova.Detect());
    EXPECT_FALSE(roboNova.ConnectModule());
}

TEST_F(StampLinkTest, ControllerDownloadSignsTheFirstPage) {
    const std::string file = kBridges + "robonova-bridge.pxr";
    const auto size = std::filesystem::file_size(file);
    ASSERT_TRUE(roboNova.OpenLink("sim:mrc3024-blank"));
    ASSERT_TRUE(roboNova.Detect());
    ProgressCounter progress;
    log.Clear();
    ASSERT_TRUE(roboNova.UpdateBridge(file, &progress));
    const std::uint32_t length = static_cast<std::uint32_t>(size - 129 - 35);
    EXPECT_EQ(progress.total, (length + 127) / 128);
    EXPECT_EQ(progress.steps, progress.total);
    EXPECT_EQ(progress.open, 0);
    const Bytes sent = HostBytes();
    EXPECT_TRUE(StartsWith(sent, {0xEC, static_cast<std::uint8_t>(length & 0xFF),
                                  static_cast<std::uint8_t>(length >> 8), '?'}))
        << Hex(sent);
    EXPECT_EQ(sent.back(), 0xFC);
    EXPECT_EQ(DeviceBytes().back(), 0xFC);
    EXPECT_EQ(roboNova.Port().GetBaudRate(), 9600);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(blankRobot->MemoryAt(i), "$Zorin.1"[i]);
    EXPECT_TRUE(roboNova.ConnectModule());

    // The language lives in the program's data block and leaves the signature alone.
    std::uint8_t language = 0;
    ASSERT_TRUE(roboNova.SaveLanguage(3));
    ASSERT_TRUE(roboNova.LoadLanguage(language));
    EXPECT_EQ(language, 3);
    EXPECT_EQ(blankRobot->MemoryAt(20), 3);
    EXPECT_TRUE(roboNova.ConnectModule());
}

TEST_F(StampLinkTest, ControllerMailboxCarriesTheModuleProtocol) {
    ASSERT_TRUE(roboNova.OpenLink("sim:mrc3024"));
    ASSERT_TRUE(roboNova.Detect());
    ASSERT_TRUE(roboNova.ConnectModule());
    ASSERT_TRUE(roboNova.EnterControlMode());
    log.Clear();
    ASSERT_TRUE(roboNova.SendCommand('x', {}));
    // Attention 2 at RAM 320, then polls until the bridge took it.
    EXPECT_TRUE(StartsWith(HostBytes(), {0xF8, 0x40, 0x01, 2, 0xF7, 0x40, 0x01, 0x00}))
        << Hex(HostBytes());
    std::uint8_t status = 0;
    ASSERT_TRUE(roboNova.ReceiveStatus(status, 30));
    EXPECT_EQ(status, 'x');
    std::int32_t id[1] = {};
    ASSERT_TRUE(roboNova.ReceiveArguments(id));
    EXPECT_EQ(id[0], 12);

    ASSERT_TRUE(roboNova.SetBusy(true));
    const std::int32_t none[] = {0};
    ASSERT_TRUE(roboNova.SendCommand('k', none));
    EXPECT_EQ(robot->LastOutput(), (std::array<std::uint8_t, 2>{52, 0}));
    ASSERT_TRUE(roboNova.SetBusy(false));
    EXPECT_EQ(robot->LastOutput(), (std::array<std::uint8_t, 2>{52, 1}));
    ASSERT_TRUE(roboNova.LeaveControlMode());
    roboNova.CloseLink();

    // Without a bridge program nothing takes the mailbox: 40 polls, then 258.
    ASSERT_TRUE(roboNova.OpenLink("sim:mrc3024-blank"));
    log.Clear();
    const LinkResult untaken = roboNova.SendCommand('x', {});
    EXPECT_FALSE(untaken);
    EXPECT_EQ(untaken.reason, make_error_code(Status::WaitTimeout));
    const Bytes sent = HostBytes();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), 0xF7), 40);
}

// A status read polls the mailbox 2 x t + 1 times, 50 ms apart: a module
// that answers late but within that time is heard; after it, the poll gives up.
TEST_F(StampLinkTest, ControllerStatusWaitPollsTwiceATenth) {
    struct Case {
        int tenths;
        int lateMs;  // the module's status comes this long after the command
        bool heard;
    };
    const Case cases[] = {
        {20, 1500, true},  // three quarters of the wait
        {3, 1500, false},  // 7 polls, nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tenths);
        ConnectHost(roboNova, "sim:mrc3024");
        sim::ModuleFaults late;
        late.slowReplyBytes = 1;
        late.slowReplyMs = c.lateMs;
        robot->Module().SetFaults(late);
        ASSERT_TRUE(roboNova.SendCommand('x', {}));
        log.Clear();
        std::uint8_t status = 0;
        const LinkResult r = roboNova.ReceiveStatus(status, c.tenths);
        EXPECT_EQ(r.ok, c.heard);
        if (c.heard) {
            EXPECT_EQ(status, 'x');
        } else {
            EXPECT_EQ(r.reason, make_error_code(Status::WaitTimeout));
            const Bytes sent = HostBytes();
            EXPECT_EQ(std::count(sent.begin(), sent.end(), 0xF7), 2 * c.tenths + 1);
        }
        roboNova.CloseLink();
        robot->Module().SetFaults({});
    }
}

// Break set, DTR raised for 10 ms and cleared, the break held 50 ms more,
// then 20 ms before the purge: the Stamp starts its monitor when DTR falls
// under the break, and DTR must end cleared, since it holds the Stamp in reset.
TEST_F(StampLinkTest, StampResetHoldsTheBreakAcrossTheDtrPulse) {
    // The pauses are the host's: timed from its own trace, since the
    // simulator logs line events only when they come over the socket, which
    // a loaded machine delays.
    const std::string tracePath = dir.File("reset.trace");
    ASSERT_FALSE(OpenTrace(tracePath));
    ASSERT_TRUE(stamp.OpenLink("sim:bs2"));
    log.Clear();
    const bool detected = stamp.Detect().ok;
    CloseTrace();
    ASSERT_TRUE(detected);
    std::vector<std::pair<double, std::string>> events;  // seconds, what
    for (const std::string& line : ReadTraceLines(tracePath)) {
        std::istringstream fields(line);
        double seconds = 0;
        std::string tag;
        if (!(fields >> seconds >> tag) || tag != "LINE") continue;
        std::string what;
        std::getline(fields >> std::ws, what);
        events.emplace_back(seconds, what);
    }
    auto at = [&](const std::string& what, double from) {
        for (const auto& [seconds, event] : events)
            if (event == what && seconds >= from) return seconds;
        return -1.0;
    };
    const double breakOn = at("break on", 0);
    const double dtrOn = at("DTR on", breakOn);
    const double dtrOff = at("DTR off", dtrOn);
    const double breakOff = at("break off", dtrOff);
    const double purge = at("purge", breakOff);
    ASSERT_GE(breakOn, 0);
    ASSERT_GE(dtrOn, 0);
    ASSERT_GE(dtrOff, 0);
    ASSERT_GE(breakOff, 0);
    ASSERT_GE(purge, 0);
    // A trace line is written after its call, so each gap may be a little short.
    EXPECT_GE(dtrOff - dtrOn, 0.009);
    EXPECT_GE(breakOff - dtrOff, 0.049);
    EXPECT_GE(purge - breakOff, 0.019);
    // The simulated Stamp saw the same order and DTR ends cleared.
    std::vector<std::string> lineEvents;
    for (const auto& entry : log.Entries())
        if (entry.isEvent && (entry.event.starts_with("DTR ") || entry.event.starts_with("break ")))
            lineEvents.push_back(entry.event);
    ASSERT_GE(lineEvents.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(lineEvents.begin(), lineEvents.begin() + 4),
              (std::vector<std::string>{"break on", "DTR on", "DTR off", "break off"}));
    std::string lastDtr;
    for (const std::string& event : lineEvents)
        if (event.starts_with("DTR ")) lastDtr = event;
    EXPECT_EQ(lastDtr, "DTR off");
}

// A Stamp whose link was lost while it relayed is reset and its program
// restarted when the port closes, so that the next connection's probes (the
// controller's 0xF0 and zeros, the direct link's 'b') never reach a relaying
// bridge; that connection then needs no reset by hand.
TEST_F(StampLinkTest, StampLostWhileRelayingIsRestartedAtClose) {
    sim::ModuleFaults silent;
    silent.silent = true;
    struct Case {
        StampKind kind;
        bool hostSilent;  // else the module behind it
    };
    for (const Case& c : {Case{StampKind::BS2, true}, Case{StampKind::BS2px, false}}) {
        auto& host = *stamps[c.kind];
        const std::string port = "sim:" + host.PortName();
        SCOPED_TRACE(port);
        ConnectStamp(port);
        std::int32_t id = 0;
        ASSERT_TRUE(AskId(stamp, id));
        if (c.hostSilent) {
            host.SetFaults(silent);
        } else {
            host.Module().SetFaults(silent);
        }
        EXPECT_FALSE(AskId(stamp, id));
        // The controller leaves control mode no more once the link is lost: it only closes.
        stamp.CloseLink();
        host.SetFaults({});
        host.Module().SetFaults({});

        RoboNovaProxy robotProbe{settings};
        DirectProxy directProbe{settings};
        for (VoiceProxy* probe : std::initializer_list<VoiceProxy*>{&robotProbe, &directProbe}) {
            ASSERT_TRUE(probe->OpenLink(port));
            EXPECT_FALSE(probe->Detect());
            probe->CloseLink();
        }
        ConnectStamp(port);
        EXPECT_TRUE(AskId(stamp, id));
        EXPECT_EQ(id, 12);
        EXPECT_EQ(host.Violations(), 0);
        stamp.CloseLink();
    }
}

// One garbled byte from the host leaves its bridge mid-command: the next
// command resynchronises first (the Stamp reset and control mode again, the
// rest of the controller's operation) and goes through, and no byte reaches
// the bridge where its framing does not allow it.
TEST_F(StampLinkTest, GarbledByteIsFollowedByAResynchronisedCommand) {
    struct Case {
        const char* name;
        const char* port;
        int spared;  // host bytes that pass before the garbled one
    };
    const Case cases[] = {
        {"bs2: echo of the marker", "sim:bs2", 0},
        {"bs2: acknowledgement of the marker", "sim:bs2", 1},
        {"bs2px: echo of the command", "sim:bs2px", 2},
        {"bs2: reply argument", "sim:bs2", 7},
        {"controller: mailbox write code", "sim:mrc3024", 0},
        {"controller: mailbox address", "sim:mrc3024", 1},
        {"controller: mailbox poll address", "sim:mrc3024", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool robotHost = std::string(c.port) == "sim:mrc3024";
        VoiceProxy& proxy = robotHost ? static_cast<VoiceProxy&>(roboNova) : stamp;
        ConnectHost(proxy, c.port);
        sim::ModuleFaults garble;
        garble.afterReplyBytes = c.spared;
        garble.garbleReplyBytes = 1;
        garble.garbage = 0x01;
        std::shared_ptr<sim::StampHost> host;
        if (robotHost) {
            robot->SetFaults(garble);
        } else {
            host = stamps[c.port == std::string("sim:bs2") ? StampKind::BS2 : StampKind::BS2px];
            host->SetFaults(garble);
        }
        std::int32_t id = 0;
        EXPECT_FALSE(AskId(proxy, id));
        proxy.PurgeLine();
        ASSERT_TRUE(AskId(proxy, id));
        EXPECT_EQ(id, 12);
        EXPECT_EQ(host ? host->Violations() : robot->Violations(), 0);
        proxy.CloseLink();
        robot->SetFaults({});
        if (host) host->SetFaults({});
    }
}

}  // namespace
}  // namespace parlix::test
