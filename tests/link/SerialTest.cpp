// Serial on the real termios path, with a pseudo-terminal as the device.
#include "base/Cancellation.h"
#include "link/ModulePort.h"
#include "link/Serial.h"
#include "link/TermiosBackend.h"
#include "support/StatusCodes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace parlix {
namespace {

using test::ParlixCode;

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A pseudo-terminal: the test plays the device on the master side, the
// port under test opens the slave by its path.
class PtyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[128] = {};
        ASSERT_EQ(::openpty(&master_, &slave_, name, nullptr, nullptr), 0);
        path_ = name;
    }
    void TearDown() override {
        port_.Close();
        if (master_ >= 0) ::close(master_);
        ::close(slave_);
    }

    void DeviceSends(const std::string& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // What the device received within a while.
    std::string DeviceReceives(std::size_t count, Clock::duration within = 2s) {
        std::string got;
        const auto end = Clock::now() + within;
        while (got.size() < count && Clock::now() < end) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            char buf[64];
            const ssize_t n = ::read(master_, buf, sizeof(buf));
            if (n > 0) got.append(buf, static_cast<std::size_t>(n));
        }
        return got;
    }

    void OpenPort(bool overlapped = true) {
        ASSERT_FALSE(port_.Open(path_, 0, 0, overlapped)) << port_.LastError().message();
    }

    // Waits until the bytes the device sent are readable on the port.
    void AwaitInput() { ASSERT_FALSE(port_.WaitForEvent(nullptr, 2000)); }

    int master_ = -1;
    int slave_ = -1;
    std::string path_;
    Serial port_;
};

std::error_code Errno(int err) {
    return {err, std::system_category()};
}

TEST(SerialClosedTest, EveryOperationFailsWithInvalidHandle) {
    Serial port;
    std::uint8_t byte = 0;
    std::uint32_t count = 7;
    const std::error_code invalid = ParlixCode(6);
    EXPECT_EQ(port.Configure(9600, 8, 0, 0), invalid);
    EXPECT_EQ(port.SetEventChar('x'), invalid);
    EXPECT_EQ(port.SetEventMask(EV_RXCHAR), invalid);
    EXPECT_EQ(port.WaitForEvent(), invalid);
    EXPECT_EQ(port.SetHandshaking(0), invalid);
    EXPECT_EQ(port.SetReadMode(1), invalid);
    EXPECT_EQ(port.Write(&byte, 1, &count), invalid);
    EXPECT_EQ(count, 0u);
    count = 7;
    EXPECT_EQ(port.Read(&byte, 1, &count), invalid);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port.WriteText("x"), invalid);
    EXPECT_EQ(port.EscapeFunction(SETRTS), invalid);
    EXPECT_EQ(port.Purge(), invalid);
    EXPECT_EQ(port.FlushOutput(), invalid);

    EXPECT_EQ(port.GetBaudRate(), -1);
    EXPECT_EQ(port.GetDataBits(), -1);
    EXPECT_EQ(port.GetParity(), -1);
    EXPECT_EQ(port.GetStopBits(), -1);
    EXPECT_EQ(port.GetHandshaking(), -1);
    EXPECT_EQ(port.GetEventChar(), 0);
    EXPECT_EQ(port.GetEventMask(), 0u);
    EXPECT_EQ(port.LastError(), invalid);

    // Closing a closed port succeeds and clears its last error.
    EXPECT_FALSE(port.Close());
    EXPECT_FALSE(port.LastError());
}

TEST(SerialNameTest, DevicePathMapping) {
    struct Case {
        std::string name;
        std::string path;
    };
    const Case cases[] = {
        {"ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/pts/3", "/dev/pts/3"},
        {"/dev/serial/by-id/usb-x", "/dev/serial/by-id/usb-x"},
        {"pts/3", "/dev/pts/3"},
        {"sim:module", "sim:module"},
        {std::string(300, 'a'), "/dev/" + std::string(255, 'a')},
        {"/" + std::string(300, 'b'), "/" + std::string(300, 'b')},
    };
    for (const Case& c : cases) EXPECT_EQ(Serial::DevicePath(c.name), c.path) << c.name;
}

TEST(SerialNameTest, OpenErrorsMapToStatuses) {
    struct Case {
        int err;
        std::error_code status;
    };
    const Case cases[] = {
        {EACCES, Status::PortAccessDenied},
        {EPERM, Status::PortAccessDenied},
        {EBUSY, Status::PortBusy},
        {EWOULDBLOCK, Status::PortBusy},
        {ENOENT, Errno(ENOENT)},
        {ENXIO, Errno(ENXIO)},
    };
    for (const Case& c : cases) EXPECT_EQ(TermiosBackend::OpenErrorCode(c.err), c.status) << c.err;
}

TEST(SerialNameTest, OpenFailuresLeaveThePortClosed) {
    Serial port;
    EXPECT_EQ(port.Open("parlix-no-such-tty"), Errno(ENOENT));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.LastError(), Errno(ENOENT));

    // A file that is no terminal.
    char file[] = "/tmp/parlix-serial-XXXXXX";
    const int fd = ::mkstemp(file);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(port.Open(file), Errno(ENOTTY));
    EXPECT_FALSE(port.IsOpen());
    ::close(fd);
    ::unlink(file);
}

TEST_F(PtyTest, OpenSetsDefaultsAndCloseRestoresTheTerminal) {
    termios before{};
    ASSERT_EQ(::tcgetattr(slave_, &before), 0);
    ASSERT_TRUE(before.c_lflag & ICANON);
    ::cfsetspeed(&before, B38400);
    ASSERT_EQ(::tcsetattr(slave_, TCSANOW, &before), 0);

    OpenPort(false);
    EXPECT_TRUE(port_.IsOpen());
    EXPECT_FALSE(port_.IsOverlapped());
    EXPECT_EQ(port_.GetEventMask(), EV_RXCHAR | EV_BREAK | EV_ERR);
    EXPECT_EQ(port_.GetBaudRate(), 9600);
    EXPECT_EQ(port_.GetDataBits(), 8);
    EXPECT_EQ(port_.GetParity(), 0);
    EXPECT_EQ(port_.GetStopBits(), 0);
    EXPECT_EQ(port_.GetHandshaking(), 0);
    termios raw{};
    ASSERT_EQ(::tcgetattr(master_, &raw), 0);
    EXPECT_FALSE(raw.c_lflag & (ICANON | ECHO));

    EXPECT_FALSE(port_.Close());
    EXPECT_FALSE(port_.IsOpen());
    termios after{};
    ASSERT_EQ(::tcgetattr(master_, &after), 0);
    EXPECT_TRUE(after.c_lflag & ICANON);
    EXPECT_EQ(::cfgetospeed(&after), static_cast<speed_t>(B38400));
}

// A byte still queued when the speed changes would go out at the new speed:
// every change after opening, the restore on close too, waits for the output.
TEST_F(PtyTest, SettingsChangeOnlyOnceTheOutputHasLeft) {
    termios before{};
    ASSERT_EQ(::tcgetattr(slave_, &before), 0);
    ::cfsetspeed(&before, B1200);
    ASSERT_EQ(::tcsetattr(slave_, TCSANOW, &before), 0);
    struct Change {
        int when;
        speed_t speed;
    };
    std::vector<Change> changes;
    auto record = [&changes](int fd, int when, const termios& t) {
        changes.push_back({when, ::cfgetospeed(&t)});
        return ::tcsetattr(fd, when, &t);
    };
    std::unique_ptr<SerialBackend> backend;
    ASSERT_FALSE(TermiosBackend::Open(path_, backend, record));
    const std::uint8_t byte = 'z';
    std::size_t written = 0;
    LineSettings line;
    for (const std::uint32_t baud : {9600u, 38400u}) {
        line.baud = baud;
        ASSERT_FALSE(backend->SetLine(line));
        ASSERT_FALSE(backend->Write(&byte, 1, Clock::now() + 1s, written));
    }
    ASSERT_FALSE(backend->Close());
    EXPECT_EQ(DeviceReceives(2), "zz");

    ASSERT_EQ(changes.size(), 3u);
    const speed_t speeds[] = {B9600, B38400, B1200};
    for (std::size_t i = 0; i < changes.size(); ++i) {
        EXPECT_EQ(changes[i].when, TCSADRAIN) << i;
        EXPECT_EQ(changes[i].speed, speeds[i]) << i;
    }
}

TEST_F(PtyTest, SecondOpenFailsAndLeavesTheFirstWorking) {
    OpenPort();
    EXPECT_EQ(port_.Open(path_), ParlixCode(1247));
    EXPECT_EQ(port_.LastError(), ParlixCode(1247));
    EXPECT_TRUE(port_.IsOpen());

    DeviceSends("k");
    AwaitInput();
    char byte = 0;
    std::uint32_t got = 0;
    EXPECT_FALSE(port_.Read(&byte, 1, &got, nullptr, 1000));
    EXPECT_EQ(got, 1u);
    EXPECT_EQ(byte, 'k');
}

TEST_F(PtyTest, AnotherPortObjectFindsThePortBusyUntilItIsReleased) {
    OpenPort();
    {
        Serial other;
        EXPECT_EQ(other.Open(path_), std::error_code(Status::PortBusy));
        EXPECT_FALSE(other.IsOpen());
    }
    {
        // Destruction closes: the port can be opened again afterwards.
        Serial holder;
        ASSERT_FALSE(port_.Close());
        ASSERT_FALSE(holder.Open(path_));
    }
    Serial again;
    EXPECT_FALSE(again.Open(path_));
}

TEST_F(PtyTest, BoundedTransfersNeedOverlappedIo) {
    OpenPort(false);
    DeviceSends("z");
    std::uint8_t buf[4] = {};
    std::uint32_t count = 9;
    Overlapped ov;
    const std::error_code invalidFunction = ParlixCode(1);
    const auto start = Clock::now();
    EXPECT_EQ(port_.Read(buf, 1, &count, nullptr, 500), invalidFunction);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port_.Read(buf, 1, &count, &ov), invalidFunction);
    EXPECT_EQ(port_.Write(buf, 1, &count, nullptr, 500), invalidFunction);
    EXPECT_EQ(port_.Write(buf, 1, &count, &ov), invalidFunction);
    EXPECT_EQ(port_.WriteText("abc", &count, nullptr, 0), invalidFunction);
    EXPECT_EQ(port_.WaitForEvent(nullptr, 500), invalidFunction);
    EXPECT_EQ(port_.WaitForEvent(&ov), invalidFunction);
    EXPECT_LT(Clock::now() - start, 400ms);   // at once, no waiting
    EXPECT_EQ(DeviceReceives(1, 200ms), "");  // nothing transferred

    // Without a time-out the transfer goes ahead.
    EXPECT_FALSE(port_.Write("ab", 2, &count));
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(DeviceReceives(2), "ab");
}

TEST_F(PtyTest, ReadTimeOutExpiresAndTheNextReadWorks) {
    OpenPort();
    ASSERT_FALSE(port_.SetReadMode(1));
    std::uint8_t byte = 0;
    std::uint32_t got = 5;
    const auto start = Clock::now();
    EXPECT_EQ(port_.Read(&byte, 1, &got, nullptr, 250), ParlixCode(1460));
    const auto took = Clock::now() - start;
    EXPECT_GE(took, 240ms);
    EXPECT_LT(took, 2s);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(port_.LastError(), ParlixCode(1460));

    DeviceSends("Q");
    EXPECT_FALSE(port_.Read(&byte, 1, &got, nullptr, 2000));
    EXPECT_EQ(got, 1u);
    EXPECT_EQ(byte, 'Q');
    EXPECT_FALSE(port_.LastError());
}

TEST_F(PtyTest, ImmediateModeReturnsWhatIsBuffered) {
    OpenPort();
    char buf[16] = {};
    std::uint32_t got = 3;
    // Open leaves the port in the immediate mode.
    EXPECT_FALSE(port_.Read(buf, sizeof(buf), &got, nullptr, 1000));
    EXPECT_EQ(got, 0u);

    DeviceSends("ab");
    AwaitInput();
    EXPECT_FALSE(port_.Read(buf, sizeof(buf), &got, nullptr, 1000));
    EXPECT_EQ(std::string(buf, got), "ab");

    // Also without overlapped I/O and without a time-out.
    ASSERT_FALSE(port_.Close());
    OpenPort(false);
    const auto start = Clock::now();
    EXPECT_FALSE(port_.Read(buf, sizeof(buf), &got));
    EXPECT_EQ(got, 0u);
    EXPECT_LT(Clock::now() - start, 1s);
}

TEST_F(PtyTest, IntervalModeEndsAtAGapAfterTheFirstByte) {
    OpenPort();
    ASSERT_FALSE(port_.SetReadMode(0, 100));
    char buf[16] = {};
    std::uint32_t got = 0;
    // Nothing at all: the call's own time-out applies.
    EXPECT_EQ(port_.Read(buf, sizeof(buf), &got, nullptr, 200), ParlixCode(1460));

    std::thread device([this] {
        std::this_thread::sleep_for(50ms);
        DeviceSends("abc");
        std::this_thread::sleep_for(30ms);
        DeviceSends("de");
    });
    const auto start = Clock::now();
    EXPECT_FALSE(port_.Read(buf, sizeof(buf), &got, nullptr, 5000));
    const auto took = Clock::now() - start;
    device.join();
    EXPECT_EQ(std::string(buf, got), "abcde");
    EXPECT_LT(took, 3s);  // ended by the gap, not by the 5 s time-out
}

TEST_F(PtyTest, BlockingModeWaitsForTheWholeCount) {
    OpenPort();
    ASSERT_FALSE(port_.SetReadMode(1));
    std::thread device([this] {
        DeviceSends("ab");
        std::this_thread::sleep_for(100ms);
        DeviceSends("cd");
    });
    char buf[4] = {};
    std::uint32_t got = 0;
    EXPECT_FALSE(port_.Read(buf, 4, &got, nullptr, 5000));
    device.join();
    EXPECT_EQ(std::string(buf, got), "abcd");

    // A read that runs out of time still tells what it stored.
    DeviceSends("xy");
    EXPECT_EQ(port_.Read(buf, 4, &got, nullptr, 300), ParlixCode(1460));
    EXPECT_EQ(std::string(buf, got), "xy");
}

TEST_F(PtyTest, UnknownModesChangeNothing) {
    OpenPort();
    ASSERT_FALSE(port_.SetHandshaking(2));
    const std::error_code invalidArg = ParlixCode(0x80070057);
    EXPECT_EQ(port_.SetReadMode(2), invalidArg);
    EXPECT_EQ(port_.SetReadMode(-1, 5), invalidArg);
    EXPECT_EQ(port_.SetHandshaking(3), invalidArg);
    EXPECT_EQ(port_.LastError(), invalidArg);
    EXPECT_EQ(port_.GetHandshaking(), 2);

    // Still the immediate mode from Open: an empty read returns at once.
    char buf[4];
    std::uint32_t got = 1;
    const auto start = Clock::now();
    EXPECT_FALSE(port_.Read(buf, sizeof(buf), &got, nullptr, 3000));
    EXPECT_EQ(got, 0u);
    EXPECT_LT(Clock::now() - start, 1s);
}

TEST_F(PtyTest, ConfigureRoundTrip) {
    OpenPort();
    struct Case {
        std::uint32_t baud;
        int stopBits;
        speed_t speed;
    };
    for (const Case& c : {Case{1200, 0, B1200}, Case{19200, 2, B19200}, Case{115200, 0, B115200}}) {
        ASSERT_FALSE(port_.Configure(c.baud, 8, 0, c.stopBits)) << c.baud;
        EXPECT_EQ(port_.GetBaudRate(), static_cast<int>(c.baud));
        EXPECT_EQ(port_.GetDataBits(), 8);
        EXPECT_EQ(port_.GetParity(), 0);
        EXPECT_EQ(port_.GetStopBits(), c.stopBits);
        termios t{};
        ASSERT_EQ(::tcgetattr(master_, &t), 0);
        EXPECT_EQ(::cfgetospeed(&t), c.speed);
    }
    for (int mode : {1, 2, 0}) {
        ASSERT_FALSE(port_.SetHandshaking(mode));
        EXPECT_EQ(port_.GetHandshaking(), mode);
    }
}

TEST_F(PtyTest, ConfigureRejectsWhatTheLineCannotDo) {
    OpenPort();
    ASSERT_FALSE(port_.Configure(19200, 8, 0, 2));
    struct Case {
        std::uint32_t baud;
        int dataBits, parity, stopBits;
    };
    const Case invalid[] = {
        {14400, 8, 0, 0}, {0, 8, 0, 0},    {9600, 4, 0, 0}, {9600, 9, 0, 0},
        {9600, 8, 5, 0},  {9600, 8, 0, 3}, {9600, 8, 0, 1}, {9600, 5, 0, 2},
    };
    for (const Case& c : invalid) {
        EXPECT_EQ(port_.Configure(c.baud, c.dataBits, c.parity, c.stopBits), Errno(EINVAL))
            << c.baud << " " << c.dataBits << c.parity << c.stopBits;
    }
    // A pseudo-terminal keeps neither parity nor short characters: the
    // settings read back tell, and the line stays as it was.
    EXPECT_EQ(port_.Configure(9600, 7, 2, 0), Errno(ENOTSUP));
    EXPECT_EQ(port_.GetBaudRate(), 19200);
    EXPECT_EQ(port_.GetStopBits(), 2);
    EXPECT_EQ(port_.GetParity(), 0);
}

TEST_F(PtyTest, WriteAndWriteText) {
    OpenPort();
    std::uint32_t written = 0;
    EXPECT_FALSE(port_.Write("\x62\x00\x6f", 3, &written, nullptr, 1000));
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(DeviceReceives(3), std::string("b\0o", 3));
    EXPECT_FALSE(port_.WriteText("hello", &written, nullptr, 1000));
    EXPECT_EQ(written, 5u);
    EXPECT_FALSE(port_.FlushOutput());
    EXPECT_EQ(DeviceReceives(5), "hello");
    EXPECT_EQ(port_.WriteText(nullptr, &written), ParlixCode(87));
}

TEST_F(PtyTest, PurgeDropsReceivedInput) {
    OpenPort();
    // Some input already taken in by an event wait, some still in the driver.
    DeviceSends("stale");
    AwaitInput();
    DeviceSends("more");
    pollfd p{slave_, POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 2000), 1);
    EXPECT_FALSE(port_.Purge());
    char buf[8];
    std::uint32_t got = 1;
    EXPECT_FALSE(port_.Read(buf, sizeof(buf), &got, nullptr, 100));
    EXPECT_EQ(got, 0u);
}

TEST_F(PtyTest, LineFunctionsOnAPseudoTerminal) {
    OpenPort();
    // No modem lines on a pty: the system says so, and callers ignore it.
    EXPECT_EQ(port_.EscapeFunction(SETRTS), Errno(ENOTTY));
    EXPECT_EQ(port_.EscapeFunction(CLRDTR), Errno(ENOTTY));
    EXPECT_FALSE(port_.EscapeFunction(SETBREAK));
    EXPECT_FALSE(port_.EscapeFunction(CLRBREAK));
    EXPECT_EQ(port_.EscapeFunction(7), ParlixCode(87));
}

TEST_F(PtyTest, EventCharacterWaitKeepsTheInputForReads) {
    OpenPort();
    ASSERT_FALSE(port_.SetEventChar('\n', true));
    EXPECT_EQ(port_.GetEventChar(), '\n');
    EXPECT_EQ(port_.GetEventMask(), EV_RXCHAR | EV_RXFLAG | EV_BREAK | EV_ERR);
    ASSERT_FALSE(port_.SetEventMask(EV_RXFLAG));

    DeviceSends("ab");
    EXPECT_EQ(port_.WaitForEvent(nullptr, 200), ParlixCode(1460));
    DeviceSends("\ncd");
    EXPECT_FALSE(port_.WaitForEvent(nullptr, 2000));
    EXPECT_EQ(port_.OccurredEvents(), EV_RXFLAG);

    char buf[16] = {};
    std::uint32_t got = 0;
    std::string all;
    const auto end = Clock::now() + 2s;
    while (all.size() < 5 && Clock::now() < end) {
        ASSERT_FALSE(port_.Read(buf, sizeof(buf), &got, nullptr, 100));
        all.append(buf, got);
    }
    EXPECT_EQ(all, "ab\ncd");
}

TEST_F(PtyTest, EventWaitsAndCallerRecords) {
    OpenPort();
    EXPECT_EQ(port_.SetEventMask(0x4000), ParlixCode(87));
    ASSERT_FALSE(port_.SetEventMask(0));
    EXPECT_EQ(port_.WaitForEvent(nullptr, 100), ParlixCode(87));
    ASSERT_FALSE(port_.SetEventMask(EV_RXCHAR));

    Overlapped ov;
    EXPECT_FALSE(port_.WaitForEvent(&ov));
    EXPECT_TRUE(ov.pending);
    DeviceSends("x");
    AwaitInput();
    EXPECT_EQ(port_.OccurredEvents(), EV_RXCHAR);
    EXPECT_FALSE(port_.WaitForEvent(&ov));
    EXPECT_FALSE(ov.pending);

    // A read on a caller's record takes what is there and tells what is missing.
    ASSERT_FALSE(port_.SetReadMode(1));
    char buf[4] = {};
    std::uint32_t got = 0;
    EXPECT_FALSE(port_.Read(buf, 2, &got, &ov));
    EXPECT_EQ(got, 1u);
    EXPECT_TRUE(ov.pending);
    EXPECT_FALSE(port_.Write("y", 1, &got, &ov));
    EXPECT_EQ(got, 1u);
    EXPECT_FALSE(ov.pending);
}

TEST_F(PtyTest, HangUpEndsReadsWithoutWaitingOut) {
    OpenPort();
    ASSERT_FALSE(port_.SetReadMode(1));
    ::close(master_);
    master_ = -1;
    char byte = 0;
    const auto start = Clock::now();
    EXPECT_EQ(port_.Read(&byte, 1, nullptr, nullptr, 3000),
              std::error_code(Status::DeviceUnplugged));
    EXPECT_LT(Clock::now() - start, 2s);
}

// A run cancelled from another thread: each wait of the port or of the
// protocol ends at once, and nothing more reaches the line.
TEST_F(PtyTest, CancelEndsWaitsAndStopsTransfers) {
    OpenPort();
    ASSERT_FALSE(port_.SetReadMode(1));  // blocking reads, as the links use
    CancelToken token;
    const CancelScope scope(token);
    const std::vector<std::function<std::error_code()>> waits = {
        [this] {
            std::uint8_t byte = 0;
            return port_.Read(&byte, 1, nullptr, nullptr, kInfinite);
        },
        [this] { return port_.WaitForEvent(nullptr, kInfinite); },
        [] {
            SleepMs(3600 * 1000);
            return make_error_code(Status::Cancelled);
        },
    };
    for (std::size_t i = 0; i < waits.size(); ++i) {
        token.Reset();
        std::thread canceller([&token] {
            std::this_thread::sleep_for(50ms);
            token.Cancel();
        });
        EXPECT_EQ(waits[i](), ParlixCode(1223)) << "wait " << i;
        canceller.join();
    }
    // Cancelled before it starts, a write sends nothing.
    EXPECT_EQ(port_.Write("b", 1, nullptr, nullptr, 1000), ParlixCode(1223));
    EXPECT_EQ(DeviceReceives(1, 200ms), "");
    // The next run of the same port works again.
    token.Reset();
    EXPECT_FALSE(port_.Write("b", 1, nullptr, nullptr, 1000));
    EXPECT_EQ(DeviceReceives(1), "b");
}

// Without a token in scope nothing cancels: another thread's token is not this one's.
TEST_F(PtyTest, AnotherThreadsTokenDoesNotCancel) {
    OpenPort();
    CancelToken token;
    token.Cancel();
    std::thread other([&token] {
        const CancelScope scope(token);
        EXPECT_TRUE(CancelRequested());
    });
    other.join();
    EXPECT_FALSE(CancelRequested());
    EXPECT_FALSE(port_.Write("x", 1, nullptr, nullptr, 1000));
    EXPECT_EQ(DeviceReceives(1), "x");
}

}  // namespace
}  // namespace parlix
