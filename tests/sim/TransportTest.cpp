// The module reached through each transport: a pseudo-terminal opened like a
// serial port, and the virtual serial line socket with its frames.
#include "sim/HostLine.h"
#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "sim/SimServer.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace parlix::sim::test {
namespace {

using simline::Frame;

std::uint8_t F(Frame frame) {
    return static_cast<std::uint8_t>(frame);
}

// What detection sends, and what a module must answer.
void ExpectDetected(HostLine& host, std::uint8_t identity) {
    EXPECT_TRUE(host.Query("b", 250ms).has_value());
    EXPECT_EQ(host.Query("b", 250ms), 'o');
    EXPECT_EQ(host.Query("b", 250ms), 'o');
    EXPECT_EQ(host.Query("x", 250ms), 'x');
    EXPECT_EQ(host.Query(" ", 250ms), identity);
}

std::shared_ptr<ModuleDevice> ModuleWithIdentity(std::uint8_t identity) {
    auto module = std::make_shared<ModuleDevice>();
    module->ChangeMemory([identity](ModuleMemory& m) { m.identity = identity; });
    return module;
}

class PtyTransportTest : public ::testing::Test {
  protected:
    void Open(std::shared_ptr<ModuleDevice> device, TransportOptions options = {}) {
        module = std::move(device);
        std::error_code error;
        pty = PtyTransport::Open(module, options, error);
        ASSERT_TRUE(pty) << error.message();
    }
    WireLog log;  // outlives the transport that writes to it
    std::shared_ptr<ModuleDevice> module;
    std::unique_ptr<PtyTransport> pty;
};

TEST_F(PtyTransportTest, AnswersDetectionAndSurvivesTheHostReopeningThePort) {
    Open(ModuleWithIdentity('J'));
    {
        PtyHost host(pty->SlavePath());
        ASSERT_TRUE(host.IsOpen());
        ExpectDetected(host, 'J');
    }
    // The host closes the port between proxies and opens it again.
    PtyHost again(pty->SlavePath());
    ASSERT_TRUE(again.IsOpen());
    ExpectDetected(again, 'J');
}

TEST_F(PtyTransportTest, DevicePacesBytesAtTheBaudTheHostSet) {
    TransportOptions options;
    options.log = &log;
    options.timing = true;
    Open(std::make_shared<ModuleDevice>(), options);
    PtyHost host(pty->SlavePath(), 2400);  // 4.17 ms a byte
    host.Send(std::string(20, 'b'));
    std::size_t got = 0;
    while (got < 20 && host.Read(1000ms)) ++got;
    EXPECT_EQ(got, 20u);
    // From the first request to the last answer: at least 20 byte times.
    std::int64_t first = -1;
    std::int64_t lastAnswer = -1;
    for (const auto& entry : log.Entries()) {
        if (entry.isEvent) continue;
        if (entry.direction == Direction::HostToDevice && first < 0) first = entry.micros;
        if (entry.direction == Direction::DeviceToHost) lastAnswer = entry.micros;
    }
    ASSERT_GE(first, 0);
    EXPECT_GE(lastAnswer - first, 20 * 4166) << log.Dump();
    EXPECT_LT(lastAnswer - first, 2000000) << log.Dump();
}

TEST_F(PtyTransportTest, UnplugHangsTheLineUp) {
    Open(std::make_shared<ModuleDevice>());
    PtyHost host(pty->SlavePath());
    EXPECT_EQ(host.Query("b"), 'o');
    module->Unplug();
    EXPECT_TRUE(host.HungUp(2000ms));
    EXPECT_TRUE(pty->Unplugged());
}

class SimServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = TempSocketPath("server");
        server = std::make_unique<SimServer>(path, TransportOptions{&log, false});
        module = std::make_shared<ModuleDevice>();
        server->AddDevice("module", module);
        ASSERT_FALSE(server->Start());
    }
    std::string path;
    WireLog log;
    std::shared_ptr<ModuleDevice> module;
    std::unique_ptr<SimServer> server;
};

TEST_F(SimServerTest, OpenNamesTheDevice) {
    struct Case {
        const char* name;
        bool accepted;
        const char* reasonPart;
    };
    const Case cases[] = {
        {"module", true, ""},
        {"arduino-uno", false, "arduino-uno"},
        {"", false, "no simulated device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SocketHost host(path);
        ASSERT_TRUE(host.IsConnected());
        std::string reason;
        const auto reply = host.Open(c.name, &reason);
        ASSERT_TRUE(reply.has_value());
        EXPECT_EQ(*reply, F(c.accepted ? Frame::Accept : Frame::Refuse));
        EXPECT_NE(reason.find(c.reasonPart), std::string::npos) << reason;
        if (c.accepted) ExpectDetected(host, 'C');
    }
}

TEST_F(SimServerTest, RefusesADeviceAlreadyInUseUntilItIsFree) {
    auto first = std::make_unique<SocketHost>(path);
    ASSERT_EQ(first->Open("module"), F(Frame::Accept));
    SocketHost second(path);
    std::string reason;
    EXPECT_EQ(second.Open("module", &reason), F(Frame::Refuse));
    EXPECT_NE(reason.find("in use"), std::string::npos);

    first.reset();
    // The server notices the close and frees the device.
    ASSERT_TRUE(parlix::test::WaitUntil([this] { return server->ActiveConnections() == 0; }));
    SocketHost third(path);
    EXPECT_EQ(third.Open("module"), F(Frame::Accept));
}

TEST_F(SimServerTest, DeviceKeepsItsStateAcrossConnections) {
    {
        SocketHost host(path);
        ASSERT_EQ(host.Open("module"), F(Frame::Accept));
        EXPECT_EQ(host.Command('g', {3, 0}), 'o');
        EXPECT_EQ(host.Command('y', {2}), 'o');
    }
    ASSERT_TRUE(parlix::test::WaitUntil([this] { return server->ActiveConnections() == 0; }));
    SocketHost host(path);
    ASSERT_EQ(host.Open("module"), F(Frame::Accept));
    EXPECT_EQ(host.Command('c', {3}), 'c');
    EXPECT_EQ(host.Fetch(1), std::vector<int>{1});
    EXPECT_EQ(module->Memory().replyDelayMs, 2);
}

TEST_F(SimServerTest, LineFramesReachTheDeviceAndTheLog) {
    SocketHost host(path);
    ASSERT_EQ(host.Open("module"), F(Frame::Accept));
    host.SendFrame(F(Frame::Line), {0x60, 0x09, 0, 0, 8, 0, 0});  // 2400 8N1
    host.SendFrame(F(Frame::Rts), {1});
    host.SendFrame(F(Frame::Dtr), {0});
    host.SendFrame(F(Frame::Break), {1});
    host.SendFrame(F(Frame::Purge), {});
    EXPECT_EQ(host.Query("b"), 'o');

    std::vector<std::string> events;
    for (const auto& entry : log.Entries())
        if (entry.isEvent) events.push_back(entry.event);
    const std::vector<std::string> expected = {"open module", "line 2400 8N1", "RTS on",
                                               "DTR off",     "break on",      "purge"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(log.Bytes(Direction::HostToDevice), std::vector<std::uint8_t>{'b'});
    EXPECT_EQ(log.Bytes(Direction::DeviceToHost), std::vector<std::uint8_t>{'o'});
}

TEST_F(SimServerTest, TimedFramesOnlyToAHostThatSendsThem) {
    std::string accepted;
    SocketHost host(path);
    ASSERT_EQ(host.Open("module", &accepted), F(Frame::Accept));
    EXPECT_EQ(accepted, simline::kTimedLine);
    EXPECT_EQ(host.Query("b"), 'o');
    EXPECT_EQ(host.TimedBytes(), 0u);

    // Once the host sends them, it gets them.
    const std::uint8_t request = 'b';
    host.SendFrame(F(Frame::TimedData), simline::TimedPayload(simline::Clock::now(), &request, 1));
    EXPECT_EQ(host.Read(1000ms), 'o');
    EXPECT_EQ(host.Query("b"), 'o');
    EXPECT_EQ(host.TimedBytes(), 2u);
    EXPECT_EQ(log.Bytes(Direction::HostToDevice), (std::vector<std::uint8_t>{'b', 'b', 'b'}));
}

TEST_F(SimServerTest, UnplugSendsTheFrameAndCloses) {
    SocketHost host(path);
    ASSERT_EQ(host.Open("module"), F(Frame::Accept));
    EXPECT_EQ(host.Query("b"), 'o');
    module->Unplug();
    EXPECT_TRUE(host.SawUnplug(2000ms));
}

TEST_F(SimServerTest, UnplugAfterCommandsFromTheFaults) {
    ModuleFaults faults;
    faults.unplugAfterCommands = 2;
    module->SetFaults(faults);
    SocketHost host(path);
    ASSERT_EQ(host.Open("module"), F(Frame::Accept));
    EXPECT_EQ(host.Query("b"), 'o');
    EXPECT_EQ(host.Query("b"), 'o');
    EXPECT_FALSE(host.Query("b", 300ms).has_value());
    EXPECT_TRUE(host.SawUnplug(2000ms));
}

TEST(SimServerStart, RemovesAStaleSocketButNotALiveOne) {
    const std::string path = TempSocketPath("stale");
    {
        // A socket file left behind by a server that died.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    SimServer first(path);
    ASSERT_FALSE(first.Start());
    SimServer second(path);
    EXPECT_EQ(second.Start(), std::errc::address_in_use);
    first.Stop();
    struct stat info;
    EXPECT_NE(::stat(path.c_str(), &info), 0) << "the socket file is removed on stop";
}

}  // namespace
}  // namespace parlix::sim::test
