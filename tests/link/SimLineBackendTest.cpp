// Serial over the virtual serial line, against a fake server that plays
// parlix-sim's side of the frames.
#include "link/Serial.h"
#include "link/SimLineBackend.h"
#include "link/SimLineProtocol.h"
#include "support/StatusCodes.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <linux/sockios.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace parlix {
namespace {

using test::ParlixCode;

using namespace std::chrono_literals;
using simline::Frame;
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

Bytes B(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

// Listens on a socket in a private directory; serves one connection at a time.
class FakeSimServer {
  public:
    // AcceptUntimed is a server that does not take TimedData frames.
    enum class Answer { Accept, AcceptUntimed, Refuse, Silent };

    FakeSimServer() {
        char dir[] = "/tmp/parlix-simline-XXXXXX";
        if (!::mkdtemp(dir)) return;
        dir_ = dir;
        path_ = dir_ + "/sim.sock";
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, path_.c_str(), sizeof(addr.sun_path) - 1);
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 ||
            ::listen(listener_, 4) != 0) {
            ::close(listener_);
            listener_ = -1;
        }
    }
    ~FakeSimServer() {
        if (answering_.joinable()) answering_.join();
        Hangup();
        if (listener_ >= 0) ::close(listener_);
        ::unlink(path_.c_str());
        ::rmdir(dir_.c_str());
    }

    bool Ready() const { return listener_ >= 0; }
    const std::string& Path() const { return path_; }

    // Answers the next connection's Open frame on a thread, so that the
    // port's Open can wait for it.
    void AnswerNext(Answer answer) {
        answering_ = std::thread([this, answer] {
            conn_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            simline::FrameDecoder::Decoded open;
            if (!Next(open, 2s) || open.type != Frame::Open) return;
            openedName_.assign(open.payload.begin(), open.payload.end());
            if (answer == Answer::Accept)
                Send(Frame::Accept, Bytes(simline::kTimedLine.begin(), simline::kTimedLine.end()));
            if (answer == Answer::AcceptUntimed) Send(Frame::Accept, {});
            if (answer == Answer::Refuse) Send(Frame::Refuse, B("no such device"));
        });
    }
    void Join() { answering_.join(); }
    const std::string& OpenedName() const { return openedName_; }

    void Send(Frame type, const Bytes& payload) {
        SendEncoded(simline::EncodeFrame(type, payload.data(), payload.size()));
    }
    // Device bytes sent ahead of their arrival at `at`.
    void SendAhead(Clock::time_point at, const Bytes& bytes) {
        SendEncoded(simline::EncodeTimedData(at, bytes.data(), bytes.size()));
    }
    void SendEncoded(const Bytes& frame) {
        ASSERT_EQ(::send(conn_, frame.data(), frame.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(frame.size()));
    }

    // The next frame from the host, within `within`.
    bool Next(simline::FrameDecoder::Decoded& out, Clock::duration within = 2s) {
        const auto end = Clock::now() + within;
        while (!decoder_.Next(out)) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            pollfd p{conn_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0)
                return false;
            std::uint8_t buf[512];
            const ssize_t n = ::recv(conn_, buf, sizeof(buf), 0);
            if (n <= 0) return false;
            decoder_.Feed(buf, static_cast<std::size_t>(n));
        }
        return true;
    }

    // True once the host has taken in everything sent to it.
    bool WaitTaken() {
        return test::WaitUntil([this] {
            int unread = 0;
            return ::ioctl(conn_, SIOCOUTQ, &unread) == 0 && unread == 0;
        });
    }

    void Hangup() {
        if (conn_ >= 0) ::close(conn_);
        conn_ = -1;
    }

  private:
    std::string dir_;
    std::string path_;
    int listener_ = -1;
    int conn_ = -1;
    std::thread answering_;
    std::string openedName_;
    simline::FrameDecoder decoder_;
};

class SimLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Ready());
        ::setenv("PARLIX_SIM_SOCKET", server_.Path().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("PARLIX_SIM_SOCKET"); }

    // Opens "sim:module" and takes the default line settings that Open sends.
    void Attach(FakeSimServer::Answer answer = FakeSimServer::Answer::Accept) {
        server_.AnswerNext(answer);
        ASSERT_FALSE(port_.Open("sim:module", 0, 0, true)) << port_.LastError().message();
        server_.Join();
        ExpectFrame(Frame::Line, {0x80, 0x25, 0, 0, 8, 0, 0});
    }

    void ExpectFrame(Frame type, const Bytes& payload) {
        simline::FrameDecoder::Decoded frame;
        ASSERT_TRUE(server_.Next(frame)) << "no frame " << static_cast<int>(type);
        EXPECT_EQ(frame.type, type);
        EXPECT_EQ(frame.payload, payload);
    }

    FakeSimServer server_;
    Serial port_;
};

TEST_F(SimLineTest, OpenAttachesTheNamedDevice) {
    Attach();
    EXPECT_EQ(server_.OpenedName(), "module");
    EXPECT_TRUE(port_.IsOpen());
    EXPECT_EQ(port_.GetBaudRate(), 9600);
}

TEST_F(SimLineTest, DeviceThatIsNotServedFailsToOpen) {
    const std::error_code noSim = Status::NoSimulator;
    server_.AnswerNext(FakeSimServer::Answer::Refuse);
    EXPECT_EQ(port_.Open("sim:nothing"), noSim);
    server_.Join();
    EXPECT_FALSE(port_.IsOpen());
    server_.Hangup();

    // A server that never answers is given up after the attach time-out.
    server_.AnswerNext(FakeSimServer::Answer::Silent);
    const auto start = Clock::now();
    EXPECT_EQ(port_.Open("sim:module"), noSim);
    const auto took = Clock::now() - start;
    server_.Join();
    EXPECT_GE(took, SimLineBackend::kAttachTimeout - 50ms);
    EXPECT_LT(took, SimLineBackend::kAttachTimeout + 2s);
    EXPECT_FALSE(port_.IsOpen());

    ::setenv("PARLIX_SIM_SOCKET", (server_.Path() + ".absent").c_str(), 1);
    EXPECT_EQ(port_.Open("sim:module"), noSim);
    EXPECT_EQ(port_.LastError(), noSim);
}

TEST_F(SimLineTest, DataTravelsBothWays) {
    Attach();
    ASSERT_FALSE(port_.SetReadMode(1));
    std::uint32_t count = 0;
    const auto before = Clock::now();
    EXPECT_FALSE(port_.Write("bx", 2, &count, nullptr, 1000));
    const auto after = Clock::now();
    EXPECT_EQ(count, 2u);
    // The bytes come with the time they started on the wire.
    simline::FrameDecoder::Decoded frame;
    ASSERT_TRUE(server_.Next(frame));
    ASSERT_EQ(frame.type, Frame::TimedData);
    Clock::time_point onWire;
    std::span<const std::uint8_t> bytes;
    ASSERT_TRUE(simline::DecodeTimedData(frame.payload, onWire, bytes));
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), B("bx"));
    EXPECT_GE(onWire, before);
    EXPECT_LE(onWire, after);

    char buf[4] = {};
    const auto start = Clock::now();
    EXPECT_EQ(port_.Read(buf, 1, &count, nullptr, 200), ParlixCode(1460));
    EXPECT_GE(Clock::now() - start, 190ms);

    server_.Send(Frame::Data, B("o"));
    server_.Send(Frame::Data, B("k!"));
    EXPECT_FALSE(port_.Read(buf, 3, &count, nullptr, 1000));
    EXPECT_EQ(std::string(buf, count), "ok!");
}

TEST_F(SimLineTest, ServerWithoutTimedFramesGetsPlainData) {
    Attach(FakeSimServer::Answer::AcceptUntimed);
    EXPECT_FALSE(port_.Write("bx", 2, nullptr, nullptr, 1000));
    ExpectFrame(Frame::Data, B("bx"));
}

TEST_F(SimLineTest, LineSettingsAndLineFunctionsBecomeFrames) {
    Attach();
    ASSERT_FALSE(port_.Configure(115200, 7, 2, 2));
    ExpectFrame(Frame::Line, {0x00, 0xC2, 0x01, 0x00, 7, 2, 2});
    EXPECT_EQ(port_.GetBaudRate(), 115200);
    EXPECT_EQ(port_.GetDataBits(), 7);
    EXPECT_EQ(port_.GetParity(), 2);
    EXPECT_EQ(port_.GetStopBits(), 2);

    struct Case {
        int function;
        Frame frame;
        std::uint8_t value;
    };
    const Case cases[] = {
        {SETRTS, Frame::Rts, 1}, {CLRRTS, Frame::Rts, 0},     {SETDTR, Frame::Dtr, 1},
        {CLRDTR, Frame::Dtr, 0}, {SETBREAK, Frame::Break, 1}, {CLRBREAK, Frame::Break, 0},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(port_.EscapeFunction(c.function)) << c.function;
        ExpectFrame(c.frame, {c.value});
    }
    EXPECT_FALSE(port_.FlushOutput());
    EXPECT_FALSE(port_.Purge());
    ExpectFrame(Frame::Purge, {});
}

TEST_F(SimLineTest, PurgeDropsWhatTheDeviceSent) {
    Attach();
    server_.Send(Frame::Data, B("stale"));
    EXPECT_FALSE(port_.Purge());
    char buf[8];
    std::uint32_t got = 1;
    EXPECT_FALSE(port_.Read(buf, sizeof(buf), &got, nullptr, 100));
    EXPECT_EQ(got, 0u);
}

TEST_F(SimLineTest, BytesSentAheadAreReadOnceTheyArrive) {
    Attach();
    ASSERT_FALSE(port_.SetReadMode(1));
    const auto arrival = Clock::now() + 300ms;
    server_.SendAhead(arrival, B("ok"));
    char buf[4] = {};
    std::uint32_t got = 0;
    EXPECT_EQ(port_.Read(buf, 1, &got, nullptr, 100), ParlixCode(1460));
    EXPECT_EQ(got, 0u);
    // Still on its way, so a purge leaves it.
    EXPECT_FALSE(port_.Purge());
    EXPECT_FALSE(port_.Read(buf, 2, &got, nullptr, 2000));
    EXPECT_GE(Clock::now(), arrival);
    EXPECT_EQ(std::string(buf, got), "ok");

    // Once arrived it counts as received: a purge drops it.
    server_.SendAhead(Clock::now(), B("stale"));
    EXPECT_FALSE(port_.Purge());
    EXPECT_EQ(port_.Read(buf, sizeof(buf), &got, nullptr, 100), ParlixCode(1460));
    EXPECT_EQ(got, 0u);
}

TEST_F(SimLineTest, PauseKeepsTheLineQuietAfterTheOutputLeft) {
    Attach();
    ASSERT_FALSE(port_.Configure(1200, 8, 0, 0));  // 8.3 ms a byte
    ExpectFrame(Frame::Line, {0xB0, 0x04, 0, 0, 8, 0, 0});
    const auto onLine = 100ms / 3;  // four bytes

    // Right after a flush the pause runs from the end of the output.
    auto start = Clock::now();
    ASSERT_FALSE(port_.Write("abcd", 4, nullptr, nullptr, 1000));
    ASSERT_FALSE(port_.FlushOutput());
    EXPECT_GE(Clock::now() - start, onLine);
    port_.Pause(50);
    port_.Pause(20);  // a second pause follows the first
    EXPECT_GE(Clock::now() - start, onLine + 70ms);

    // Any other operation in between, and the pause runs from its call: here
    // a read that waits well past the end of the output.
    ASSERT_FALSE(port_.Write("b", 1, nullptr, nullptr, 1000));
    ASSERT_FALSE(port_.FlushOutput());
    ASSERT_FALSE(port_.SetReadMode(1));
    char byte = 0;
    ASSERT_EQ(port_.Read(&byte, 1, nullptr, nullptr, 40), ParlixCode(1460));
    start = Clock::now();
    port_.Pause(50);
    EXPECT_GE(Clock::now() - start, 50ms);
}

TEST_F(SimLineTest, BreakFromTheDeviceIsAnEvent) {
    Attach();
    ASSERT_FALSE(port_.SetEventMask(EV_BREAK));
    server_.Send(Frame::Break, {0});  // the end of a break is no event
    EXPECT_EQ(port_.WaitForEvent(nullptr, 200), ParlixCode(1460));

    // A byte that is no event under this mask: once the port has taken it,
    // the port is inside its wait, and the break comes during it.
    std::thread device([this] {
        server_.Send(Frame::Data, B("z"));
        ASSERT_TRUE(server_.WaitTaken());
        server_.Send(Frame::Break, {1});
    });
    EXPECT_FALSE(port_.WaitForEvent(nullptr, 3000));
    device.join();
    EXPECT_EQ(port_.OccurredEvents(), EV_BREAK);
}

TEST_F(SimLineTest, BreakDuringAReadDoesNotEndIt) {
    Attach();
    ASSERT_FALSE(port_.SetReadMode(1));
    // The break is taken in before the byte, which is still on its way.
    server_.Send(Frame::Break, {1});
    server_.SendAhead(Clock::now() + 100ms, B("z"));
    char byte = 0;
    std::uint32_t got = 0;
    EXPECT_FALSE(port_.Read(&byte, 1, &got, nullptr, 3000));
    EXPECT_EQ(got, 1u);
    EXPECT_EQ(byte, 'z');
}

TEST_F(SimLineTest, DeviceThatLeavesFailsEveryTransfer) {
    for (bool unplugFrame : {true, false}) {
        SCOPED_TRACE(unplugFrame ? "unplug frame" : "end of stream");
        Attach();
        ASSERT_FALSE(port_.SetReadMode(1));
        if (unplugFrame)
            server_.Send(Frame::Unplug, {});
        else
            server_.Hangup();
        const std::error_code gone = Status::DeviceUnplugged;
        char byte = 0;
        const auto start = Clock::now();
        EXPECT_EQ(port_.Read(&byte, 1, nullptr, nullptr, 3000), gone);
        EXPECT_LT(Clock::now() - start, 2s);
        EXPECT_EQ(port_.Write("b", 1, nullptr, nullptr, 1000), gone);
        EXPECT_EQ(port_.Configure(9600, 8, 0, 0), gone);
        EXPECT_EQ(port_.EscapeFunction(SETRTS), gone);
        EXPECT_FALSE(port_.Close());
        server_.Hangup();
    }
}

}  // namespace
}  // namespace parlix
