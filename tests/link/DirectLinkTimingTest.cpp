// The direct link's timing as the module sees it. The simulated line stamps
// every byte with its time on the wire, so pauses, pacing and waits are read
// from the wire log rather than from the test's own clock.
#include "app/AppSettings.h"
#include "link/DirectProxy.h"
#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"
#include "support/StatusCodes.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace parlix::test {
namespace {

using sim::Direction;
using sim::WireEntry;

// Wire times are in microseconds. A byte takes ten bit times at 9600 baud.
constexpr std::int64_t kByte = 1000;  // 1042 us, less what the log's rounding may take
constexpr std::int64_t kPacing = 2000;
constexpr std::int64_t kPause = 50000;

const nlohmann::json kContent = nlohmann::json::parse(R"({
  "identity": "C",
  "groups": { "1": [ { "label": "ON", "trained": 1 }, { "label": "OFF" } ],
              "3": [ { "label": "A" } ] },
  "soundTable": { "name": "DEMO", "count": 12 },
  "messages": { "2": { "bits": 8, "length": 100 } },
  "script": { "speechMs": 20, "record": [ { "recorded": 20 } ] }
})");

class DirectLinkTimingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        server.AddDevice("module", module);
        ASSERT_FALSE(server.Start());
        ::setenv("PARLIX_SIM_SOCKET", server.SocketPath().c_str(), 1);
    }
    void TearDown() override {
        proxy.CloseLink();
        ::unsetenv("PARLIX_SIM_SOCKET");
    }

    // The bytes of both directions in wire order, without the line events.
    std::vector<WireEntry> WireBytes() const {
        std::vector<WireEntry> bytes;
        for (const auto& entry : log.Entries())
            if (!entry.isEvent) bytes.push_back(entry);
        return bytes;
    }
    static std::vector<WireEntry> HostBytes(const std::vector<WireEntry>& bytes) {
        std::vector<WireEntry> host;
        for (const auto& entry : bytes)
            if (entry.direction == Direction::HostToDevice) host.push_back(entry);
        return host;
    }
    // Wire time of the line event `text`, the first one logged, once the
    // server has taken it in.
    std::int64_t EventTime(const std::string& text) const {
        std::int64_t micros = -1;
        const bool seen = WaitUntil([&] {
            for (const auto& entry : log.Entries()) {
                if (entry.isEvent && entry.event == text) {
                    micros = entry.micros;
                    return true;
                }
            }
            return false;
        });
        EXPECT_TRUE(seen) << "no event " << text << "\n" << log.Dump();
        return micros;
    }

    TempDir dir;
    sim::WireLog log;  // outlives the server that writes to it
    std::shared_ptr<sim::ModuleDevice> module = sim::ModuleDevice::FromJson(kContent);
    sim::SimServer server{dir.File("sim.sock"), sim::TransportOptions{&log, true}};
    AppSettings settings{dir.File("parlix-desk"), dir.File("Settings.ini")};
    DirectProxy proxy{settings};
};

TEST_F(DirectLinkTimingTest, OpeningLetsTheLineSettleBeforeThePurge) {
    ASSERT_TRUE(proxy.OpenLink("sim:module"));
    // The module may be powered from the modem lines: half a second for it to wake.
    const std::int64_t settle = EventTime("purge") - EventTime("DTR on");
    EXPECT_GE(settle, 400000) << log.Dump();
    EXPECT_LT(settle, 2000000) << log.Dump();
}

// One exchange as the controller runs it, and where the wire shows its pauses.
struct Exchange {
    char command;
    std::vector<std::int32_t> args;
    std::vector<std::size_t> pausedAfter;  // argument indexes followed by 50 ms
    char status;
    std::size_t replies;  // reply arguments fetched after the status
};

// An import of a blank block, which the module refuses with an error code.
std::vector<std::int32_t> ImportArguments() {
    std::vector<std::int32_t> args = {8, 1, 1};
    args.resize(3 + 516, 0);
    return args;
}

TEST_F(DirectLinkTimingTest, EveryCommandIsPacedAndPausedWhereTheModuleNeedsIt) {
    const std::vector<Exchange> exchanges = {
        {'b', {}, {}, 'o', 0},
        {'x', {}, {}, 'x', 1},
        {'y', {0}, {}, 'o', 0},
        {'o', {5}, {}, 'o', 0},
        {'m', {}, {}, 'k', 8},
        {'c', {1}, {0}, 'c', 1},
        {'p', {1, 0}, {0}, 'd', 3},
        {'z', {-1}, {}, 'c', 1},
        {'h', {}, {}, 'h', 3},
        {'d', {-1, 2}, {0}, 'g', 7},
        {'d', {1}, {0}, 'r', 1},
        {'v', {-1, 0}, {}, 'o', 0},
        {'~', {23, 1, 0}, {1, 2}, '~', 517},
        {'~', {21, 1, 0}, {}, 'o', 0},
        {'~', ImportArguments(), {1}, 'e', 2},
        {'g', {3, 1}, {0}, 'o', 0},
        {'n', {3, 1, 2, 14, 13}, {0}, 'o', 0},
        {'t', {3, 1}, {0}, 'o', 0},
        {'t', {-1, 1}, {0}, 'o', 0},
        {'e', {3, 1}, {0}, 'o', 0},
        {'u', {3, 1}, {0}, 'o', 0},
        {'p', {-1, 2, 0}, {0}, 'o', 0},
        {'e', {-1, 2}, {0}, 'o', 0},
        {'i', {1}, {}, 's', 1},
        {'r', {-1, 5, 8, 0}, {}, 'o', 2},
        {'w', {-1, 5, 1}, {}, 'o', 0},
        {'j', {8, 0, 5, 0, 0}, {}, 'o', 0},
        {'f', {-1, 1}, {}, 'o', 0},
        {'q', {3, 4}, {}, 'p', 1},
        {'l', {3}, {}, 'o', 0},
        {'k', {-1, 2}, {}, 'o', 0},
    };
    ASSERT_TRUE(proxy.OpenLink("sim:module"));
    // From the module's answer to the host's next request: the shortest seen.
    std::int64_t quickestRequest = std::numeric_limits<std::int64_t>::max();
    for (const auto& e : exchanges) {
        const std::string name =
            std::string(1, e.command) + (e.args.empty() ? "" : " " + std::to_string(e.args[0]));
        SCOPED_TRACE(name);
        log.Clear();
        const bool failedBefore = HasFailure();
        ASSERT_TRUE(proxy.SendCommand(static_cast<std::uint8_t>(e.command), e.args));
        std::uint8_t status = 0;
        ASSERT_TRUE(proxy.ReceiveStatus(status, 30));
        ASSERT_EQ(status, static_cast<std::uint8_t>(e.status));
        std::vector<std::int32_t> replies(e.replies);
        ASSERT_TRUE(proxy.ReceiveArguments(replies));

        const auto bytes = WireBytes();
        const auto host = HostBytes(bytes);
        const std::size_t sent = 1 + e.args.size();
        std::string expected(1, e.command);
        for (const auto value : e.args) expected += static_cast<char>('A' + value);
        expected += std::string(e.replies, ' ');
        std::string got;
        for (const auto& entry : host) got += static_cast<char>(entry.value);
        ASSERT_EQ(got, expected) << log.Dump();
        auto paused = [&](std::size_t hostIndex) {  // a pause follows this host byte
            return hostIndex >= 1 &&
                   std::count(e.pausedAfter.begin(), e.pausedAfter.end(), hostIndex - 1) > 0;
        };
        // Within the command every byte waits for the pacing, and for the
        // pause after the argument before it where one is due; nowhere else
        // does the line stay quiet that long.
        for (std::size_t k = 1; k < sent; ++k) {
            const std::int64_t gap = host[k].micros - host[k - 1].micros;
            if (paused(k - 1)) {
                EXPECT_GE(gap, kByte + kPause + kPacing) << "after byte " << k - 1;
            } else {
                EXPECT_GE(gap, kByte + kPacing) << "before byte " << k;
                EXPECT_LT(gap, kPause) << "after byte " << k - 1;
            }
        }
        // A pause after the last argument keeps the first request back.
        if (paused(sent - 1)) {
            ASSERT_GT(e.replies, 0u) << "the table needs a request to see the last pause";
            EXPECT_GE(host[sent].micros - host[sent - 1].micros, kByte + kPause);
        }
        // Each request follows the module's byte before it without pacing.
        for (std::size_t i = 1; i < bytes.size(); ++i) {
            const bool request = bytes[i].direction == Direction::HostToDevice &&
                                 bytes[i - 1].direction == Direction::DeviceToHost;
            if (!request || (paused(sent - 1) && bytes[i].micros == host[sent].micros)) continue;
            quickestRequest = std::min(quickestRequest, bytes[i].micros - bytes[i - 1].micros);
        }
        if (!failedBefore && HasFailure()) std::printf("%s", log.Dump().c_str());
    }
    // A paced request could not follow its answer sooner than pacing plus a
    // byte; the host's own wake-up adds to each, so only the quickest counts.
    EXPECT_LT(quickestRequest, kByte + kPacing);
    EXPECT_EQ(proxy.Port().WritePacing(), 2) << "restored after the requests";
}

TEST_F(DirectLinkTimingTest, SilentModuleFailsDetectionAfterTwoShortWaits) {
    module->SetSilent(true);
    ASSERT_TRUE(proxy.OpenLink("sim:module"));
    log.Clear();
    EXPECT_FALSE(proxy.Detect());
    EXPECT_TRUE(proxy.GetDeviceName().empty());
    EXPECT_EQ(proxy.Port().ReadTimeout(), 1000);
    // A byte after detection shows when its second wait ended.
    ASSERT_TRUE(proxy.Port().WriteByte('#'));
    const auto host = HostBytes(WireBytes());
    ASSERT_EQ(host.size(), 3u) << log.Dump();
    EXPECT_EQ(host[0].value, 'b');
    EXPECT_EQ(host[1].value, 'b');
    // 250 ms for an answer, 200 ms before asking again, 250 ms once more.
    const std::int64_t retry = host[1].micros - host[0].micros;
    EXPECT_GE(retry, kByte + 250000 + 200000 + kPacing) << log.Dump();
    EXPECT_LT(retry, 900000) << log.Dump();
    const std::int64_t second = host[2].micros - host[1].micros;
    EXPECT_GE(second, kByte + 250000 + kPacing) << log.Dump();
    EXPECT_LT(second, 900000) << log.Dump();
}

TEST_F(DirectLinkTimingTest, StatusWaitIsBoundedInTenthsAndNamesAWaitTimeOut) {
    module->SetSilent(true);
    ASSERT_TRUE(proxy.OpenLink("sim:module"));
    log.Clear();
    ASSERT_TRUE(proxy.SendCommand('b', {}));
    std::uint8_t status = 0;
    const LinkResult waited = proxy.ReceiveStatus(status, 3);
    EXPECT_FALSE(waited);
    EXPECT_EQ(waited.reason, ParlixCode(258));
    EXPECT_EQ(waited.reason->message(), kWaitTimeoutText);
    ASSERT_TRUE(proxy.Port().WriteByte('#'));
    const auto host = HostBytes(WireBytes());
    ASSERT_EQ(host.size(), 2u) << log.Dump();
    const std::int64_t wait = host[1].micros - host[0].micros;
    EXPECT_GE(wait, kByte + 300000 + kPacing) << log.Dump();
    EXPECT_LT(wait, 1000000) << log.Dump();
}

TEST_F(DirectLinkTimingTest, StatusWaitWithoutLimitOutlastsTheReadTimeOut) {
    // The person speaks only after the port's own read time-out would have run out.
    module->Script(sim::Activity::Train, sim::Outcome::Of(sim::Outcome::Kind::Accept, 0, 1200));
    ASSERT_TRUE(proxy.OpenLink("sim:module"));
    log.Clear();
    ASSERT_TRUE(proxy.SendCommand('t', std::vector<std::int32_t>{1, 1}));
    std::uint8_t status = 0;
    ASSERT_TRUE(proxy.ReceiveStatus(status, -1));
    EXPECT_EQ(status, 'o');
    const auto bytes = WireBytes();
    ASSERT_EQ(bytes.size(), 4u) << log.Dump();
    EXPECT_GE(bytes[3].micros - bytes[2].micros, 1200000) << log.Dump();
}

// A module that answers detection after the read time-out: its late answers
// must never be taken for the identity.
enum class Outcome { Found, Fails, Either };

TEST_F(DirectLinkTimingTest, LateAnswersNeverNameTheModule) {
    // Detection replies are 'o' to each 'b', then 'x' to 'x'; `spared` of
    // them come in time before `late` replies come `lateMs` after their request
    // (the read time-out is 250 ms, and a retry follows 200 ms after it).
    struct Case {
        const char* name;
        int spared;
        int late;
        int lateMs;
        Outcome outcome;
    };
    const Case cases[] = {
        // Once: the retry gets a prompt answer.
        {"first wake-up answer in the pause before the retry", 0, 1, 300, Outcome::Found},
        {"first wake-up answer during the retry", 0, 1, 600, Outcome::Found},
        {"first firmware-ID answer in the pause before the retry", 3, 1, 300, Outcome::Found},
        // The stale 'x' passes for the retry's; the retry's own answer races
        // the purge before the identity request.
        {"first firmware-ID answer during the retry", 3, 1, 600, Outcome::Either},
        // Repeatedly: no answer is ever in time.
        {"every answer late", 0, 1000, 300, Outcome::Fails},
        {"every answer very late", 0, 1000, 600, Outcome::Fails},
        // The retry's answer comes just after the purge before the identity request.
        {"every firmware-ID answer late", 3, 1000, 480, Outcome::Fails},
        {"every firmware-ID answer very late", 3, 1000, 600, Outcome::Fails},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::ModuleFaults faults;
        faults.afterReplyBytes = c.spared;
        faults.slowReplyBytes = c.late;
        faults.slowReplyMs = c.lateMs;
        module->SetFaults(faults);
        ASSERT_TRUE(proxy.OpenLink("sim:module"));
        const bool found = proxy.Detect().ok;
        if (found) {
            EXPECT_EQ(proxy.GetDeviceName(), "Parlix");
            EXPECT_EQ(proxy.GetDeviceDetail(), "Rev 2");
        } else {
            EXPECT_EQ(proxy.GetDeviceName(), "");
        }
        if (c.outcome != Outcome::Either) {
            EXPECT_EQ(found, c.outcome == Outcome::Found);
        }
        EXPECT_EQ(proxy.Port().ReadTimeout(), 1000);
        proxy.CloseLink();
        module->SetFaults({});
    }
}

}  // namespace
}  // namespace parlix::test
