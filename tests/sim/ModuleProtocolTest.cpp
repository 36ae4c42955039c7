// How the module frames its side of the protocol: statuses, reply arguments
// on request, argument collection, the reply delay and injected faults.
#include "sim/HostLine.h"
#include "sim/ModuleDevice.h"
#include "sim/ModuleSession.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

namespace parlix::sim::test {
namespace {

class ModuleProtocolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        module = std::make_shared<ModuleDevice>();
        TransportOptions options;
        options.log = &log;
        host = std::make_unique<LoopHost>(module, options);
    }
    WireLog log;
    std::shared_ptr<ModuleDevice> module;
    std::unique_ptr<LoopHost> host;
};

TEST_F(ModuleProtocolTest, VersionIdGivesTheIdentityByteOnRequest) {
    for (std::uint8_t identity : {'A', 'C', 'J', 'M'}) {
        module->ChangeMemory([identity](ModuleMemory& m) { m.identity = identity; });
        EXPECT_EQ(host->Query("x"), 'x');
        EXPECT_EQ(host->Query(" "), identity);
        // Nothing more is pending: another space goes unanswered.
        EXPECT_FALSE(host->Query(" ", 100ms).has_value());
    }
}

TEST_F(ModuleProtocolTest, BreakAlwaysAnswersO) {
    EXPECT_EQ(host->Query("b"), 'o');
    EXPECT_EQ(host->Query("x"), 'x');
    // 'b' while a reply argument is pending drops it.
    EXPECT_EQ(host->Query("b"), 'o');
    EXPECT_FALSE(host->Query(" ", 100ms).has_value());
}

TEST_F(ModuleProtocolTest, UnknownBytesAreIgnored) {
    for (const char* bytes : {"#", "Z", "\x01", " "}) {
        SCOPED_TRACE(bytes);
        EXPECT_FALSE(host->Query(bytes, 100ms).has_value());
    }
    EXPECT_EQ(host->Query("b"), 'o');
}

TEST_F(ModuleProtocolTest, CommandWaitsForAllItsArguments) {
    module->ChangeMemory([](ModuleMemory& m) { m.groups[2].resize(3); });
    host->Send("c");
    EXPECT_FALSE(host->Read(100ms).has_value());
    host->Send("C");  // group 2
    EXPECT_EQ(host->Read(1000ms), 'c');
    EXPECT_EQ(host->Fetch(1), std::vector<int>{3});
}

TEST_F(ModuleProtocolTest, ANonArgumentByteStartsANewCommand) {
    host->Send("c");
    EXPECT_EQ(host->Query("b"), 'o');
    // Reply arguments pending: a command byte drops them too.
    EXPECT_EQ(host->Query("x"), 'x');
    EXPECT_EQ(host->Command('c', {0}), 'c');
    EXPECT_EQ(host->Fetch(1), std::vector<int>{0});
}

TEST_F(ModuleProtocolTest, CommandWhoseArgumentsStopArrivingIsDropped) {
    module->ChangeMemory([](ModuleMemory& m) { m.groups[1].resize(1); });
    host->Send("g");
    // The arguments come later than the module waits for them. Had 'g' still
    // waited, they would create command 0 of group 1 and 'o' would come first.
    const std::uint8_t late[] = {'B', 'A'};
    host->Line().Deliver(late, sizeof late,
                         std::chrono::steady_clock::now() + ModuleSession::kArgumentGap + 300ms);
    EXPECT_EQ(host->Query("x", 3000ms), 'x');
    EXPECT_EQ(module->Memory().groups[1].size(), 1u);
}

TEST_F(ModuleProtocolTest, ReplyDelayComesBeforeEveryReplyByte) {
    struct Case {
        int argument;
        int ms;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {10, 10}, {11, 20}, {19, 100}, {20, 200}, {28, 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(host->Command('y', {c.argument}, 2000ms), 'o');
        EXPECT_EQ(module->Memory().replyDelayMs, c.ms);
    }
    EXPECT_EQ(host->Command('y', {29}, 2000ms), 'e');

    EXPECT_EQ(host->Command('y', {20}, 2000ms), 'o');  // 200 ms
    for (const char* request : {"x", " "}) {
        log.Clear();
        EXPECT_TRUE(host->Query(request, 2000ms).has_value());
        EXPECT_GE(AnswerDelay(log), 200000) << log.Dump();
        EXPECT_LT(AnswerDelay(log), 1500000) << log.Dump();
    }
}

TEST_F(ModuleProtocolTest, FaultsSpoilTheNextReplyBytes) {
    module->DropNextReplyBytes(1);
    EXPECT_FALSE(host->Query("b", 200ms).has_value());
    EXPECT_EQ(host->Query("b"), 'o');

    module->GarbleNextReplyBytes(1, 0x3F);
    EXPECT_EQ(host->Query("x"), 0x3F);
    EXPECT_EQ(host->Query(" "), 'C');

    module->SetSilent(true);
    EXPECT_FALSE(host->Query("b", 200ms).has_value());
    EXPECT_FALSE(host->Query("x", 200ms).has_value());
    module->SetSilent(false);
    EXPECT_EQ(host->Query("b"), 'o');
}

TEST_F(ModuleProtocolTest, UnplugClosesTheLine) {
    EXPECT_EQ(host->Query("b"), 'o');
    module->Unplug();
    EXPECT_TRUE(parlix::test::WaitUntil([this] { return host->Unplugged(); }));
}

TEST_F(ModuleProtocolTest, WireLogRecordsEveryByteWithItsDirection) {
    host->Query("x");
    host->Query(" ");
    const auto entries = log.Entries();
    ASSERT_EQ(entries.size(), 4u);
    const std::pair<Direction, std::uint8_t> expected[] = {{Direction::HostToDevice, 'x'},
                                                           {Direction::DeviceToHost, 'x'},
                                                           {Direction::HostToDevice, ' '},
                                                           {Direction::DeviceToHost, 'C'}};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].direction, expected[i].first) << i;
        EXPECT_EQ(entries[i].value, expected[i].second) << i;
        if (i > 0) {
            EXPECT_GE(entries[i].micros, entries[i - 1].micros);
        }
    }
    const std::string dump = log.Dump();
    EXPECT_NE(dump.find("H>D 0x78 'x'"), std::string::npos) << dump;
    EXPECT_NE(dump.find("D>H 0x43 'C'"), std::string::npos) << dump;
}

TEST(ModuleWireTiming, TenBitsAByteAt9600BothWays) {
    WireLog log;
    TransportOptions options;
    options.log = &log;
    options.timing = true;
    LoopHost host(std::make_shared<ModuleDevice>(), options);  // 9600 unless the host sets another
    const int count = 50;
    host.Send(std::string(count, 'b'));
    int got = 0;
    while (got < count && host.Read(1000ms)) ++got;
    EXPECT_EQ(got, count);
    // Consecutive requests arrive a byte time (1042 us) apart, and the last
    // answer a byte time after the last request: 50 byte times after the first.
    std::int64_t first = -1;
    std::int64_t previous = -1;
    std::int64_t lastAnswer = -1;
    for (const auto& entry : log.Entries()) {
        if (entry.isEvent) continue;
        if (entry.direction == Direction::DeviceToHost) {
            lastAnswer = entry.micros;
            continue;
        }
        if (previous >= 0) {
            EXPECT_GE(entry.micros - previous, 1041);
        }
        if (first < 0) first = entry.micros;
        previous = entry.micros;
    }
    ASSERT_GE(first, 0);
    EXPECT_GE(lastAnswer - first, 52000) << log.Dump();
    EXPECT_LT(lastAnswer - first, 1000000) << log.Dump();
}

}  // namespace
}  // namespace parlix::sim::test
