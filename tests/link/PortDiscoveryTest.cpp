// Port discovery on fake sysfs trees, the natural port-name order, and the
// wait for a port that comes back under a new name.
#include "base/Status.h"
#include "link/PortDiscovery.h"
#include "support/StatusCodes.h"

#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

namespace parlix {
namespace {

using test::ParlixCode;

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

int Sign(int v) {
    return (v > 0) - (v < 0);
}

TEST(PortNameOrderTest, ComparesDigitRunsAsNumbers) {
    struct Case {
        std::string a, b;
        int order;
    };
    const Case cases[] = {
        {"COM1", "COM2", -1},
        {"COM2", "COM10", -1},
        {"ttyUSB9", "ttyUSB10", -1},
        {"ttyUSB10", "ttyUSB10", 0},
        {"ttyACM0", "ttyUSB0", -1},  // letters by code value
        {"ttyS4", "ttyUSB0", -1},
        {"COM", "COM1", -1},    // the shorter first
        {"COM1", "COM01", -1},  // equal numbers, then the shorter first
        {"COM01", "COM1x", 0},  // the walk ends equal at equal length
        {"COM007", "COM7ab", 0},
        {"a2b3", "a2b10", -1},
        {"COM99999999999999999999", "COM100000000000000000000", -1},  // beyond 64 bits
        {"", "", 0},
        {"", "COM1", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sign(ComparePortNames(c.a, c.b)), c.order) << c.a << " vs " << c.b;
        // The same with the names swapped, where swapping does not change the walk.
        if (c.a.size() != c.b.size() || c.order != 0) {
            EXPECT_EQ(Sign(ComparePortNames(c.b, c.a)), -c.order) << c.b << " vs " << c.a;
        }
    }
}

TEST(PortNameOrderTest, SortedInsertKeepsOneOfEachName) {
    struct Case {
        Names input;
        Names sorted;
    };
    const Case cases[] = {
        {{"COM10", "COM2", "COM1", "COM2"}, {"COM1", "COM2", "COM10"}},
        {{"ttyUSB10", "ttyUSB9", "ttyACM0", "ttyS4", "ttyUSB9"},
         {"ttyACM0", "ttyUSB9", "ttyUSB10", "ttyS4"}},
        {{"COM01", "COM1x"}, {"COM01"}},  // equal in the port-name order
        {{}, {}},
    };
    for (const Case& c : cases) {
        Names list;
        for (const std::string& name : c.input) InsertPortSorted(list, name);
        EXPECT_EQ(list, c.sorted);
    }
}

// A temporary tty class directory with entries as the kernel makes them.
class FakeSysfs : public ::testing::Test {
  protected:
    void SetUp() override {
        char dir[] = "/tmp/parlix-sysfs-XXXXXX";
        ASSERT_TRUE(::mkdtemp(dir));
        root_ = dir;
        options_.sysfsRoot = root_.string();
    }
    void TearDown() override { fs::remove_all(root_); }

    // An entry; with a device link when it stands for hardware.
    void AddTty(const std::string& name, bool deviceLink, const char* type = nullptr) {
        fs::create_directories(root_ / name);
        if (deviceLink)
            fs::create_directory_symlink("../../devices/fake/" + name, root_ / name / "device");
        if (type) std::ofstream(root_ / name / "type") << type << "\n";
    }

    std::vector<PortRecord> Enumerate() {
        std::vector<PortRecord> records;
        EXPECT_FALSE(EnumerateSerialPorts(
            [&records](const PortRecord& r) {
                records.push_back(r);
                return true;
            },
            options_));
        return records;
    }

    fs::path root_;
    DiscoveryOptions options_;
};

// Adapters first, then on-board UARTs and other ttys, then paths, then
// simulated devices; the natural order within each kind.
TEST(PortNameOrderTest, AdaptersBeforeUartsBeforePathsBeforeSimulated) {
    struct Case {
        std::string a, b;
        int order;
    };
    const Case cases[] = {
        {"ttyUSB0", "ttyS0", -1},
        {"ttyACM3", "ttyS0", -1},
        {"ttyACM0", "ttyUSB0", -1},
        {"ttyUSB2", "ttyUSB10", -1},
        {"ttyXRUSB0", "ttyAMA0", -1},  // other USB drivers' names
        {"ttyAMA0", "ttyS0", -1},
        {"ttyS9", "/dev/pts/3", -1},
        {"/dev/pts/3", "sim:module", -1},
        {"ttyUSB0", "sim:arduino-uno", -1},
        {"sim:arduino-uno", "sim:module", -1},
        {"ttyS1", "ttyS1", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Sign(ComparePortOrder(c.a, c.b)), c.order) << c.a << " vs " << c.b;
        EXPECT_EQ(Sign(ComparePortOrder(c.b, c.a)), -c.order) << c.b << " vs " << c.a;
    }
}

TEST_F(FakeSysfs, PortsAreEntriesWithADeviceExceptPlaceholders) {
    AddTty("ttyUSB10", true);
    AddTty("ttyUSB2", true);
    AddTty("ttyS0", true, "4");
    AddTty("ttyS1", true, "0");    // a UART slot without a UART
    AddTty("ttyS2", true);         // no type to tell: kept
    AddTty("ttyAMA0", true, "0");  // only the 8250's placeholders are left out
    AddTty("ttyACM1", true);
    AddTty("tty1", false);
    AddTty("ptmx", false);

    const std::vector<PortRecord> records = Enumerate();
    Names names;
    for (const PortRecord& r : records) {
        names.push_back(r.name);
        // No udev record for a tree outside /sys: the name stands in.
        EXPECT_EQ(r.friendlyName, r.name);
        EXPECT_EQ(r.technology, "");
    }
    EXPECT_EQ(names, (Names{"ttyACM1", "ttyUSB2", "ttyUSB10", "ttyAMA0", "ttyS0", "ttyS2"}));
}

TEST_F(FakeSysfs, ExtraPathsThatExistAreOffered) {
    int master = -1, slave = -1;
    char name[128] = {};
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    AddTty("ttyACM0", true);
    options_.extraPaths = {name, "/dev/parlix-no-such-port"};

    const std::vector<PortRecord> records = Enumerate();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].name, name);
    EXPECT_EQ(records[1].friendlyName, name);
    EXPECT_EQ(records[1].technology, "");

    // The same path twice still lists once.
    options_.extraPaths = {name, name};
    Names list;
    EXPECT_FALSE(ListPortNames(list, options_));
    EXPECT_EQ(list, (Names{"ttyACM0", name}));
    ::close(master);
    ::close(slave);
}

TEST_F(FakeSysfs, CallbackEndsTheWalk) {
    AddTty("ttyUSB0", true);
    AddTty("ttyUSB1", true);
    int calls = 0;
    EXPECT_FALSE(EnumerateSerialPorts(
        [&calls](const PortRecord&) {
            ++calls;
            return false;
        },
        options_));
    EXPECT_EQ(calls, 1);
}

TEST_F(FakeSysfs, FailuresAndEmptyTrees) {
    EXPECT_EQ(EnumerateSerialPorts(nullptr, options_), ParlixCode(87));

    // No tty class at all: no ports, and no failure.
    Names list{"stale"};
    options_.sysfsRoot = (root_ / "absent").string();
    EXPECT_FALSE(ListPortNames(list, options_));
    EXPECT_TRUE(list.empty());

    // A tty class that cannot be read is a failure.
    std::ofstream(root_ / "file") << "x";
    options_.sysfsRoot = (root_ / "file").string();
    EXPECT_EQ(ListPortNames(list, options_), std::error_code(ENOTDIR, std::system_category()));
}

TEST(PortDiscoveryTest, RealSystemListsWithoutFailing) {
    // Whatever this machine has; the records must name something.
    EXPECT_FALSE(EnumerateSerialPorts([](const PortRecord& r) {
        EXPECT_FALSE(r.name.empty());
        EXPECT_FALSE(r.friendlyName.empty());
        return true;
    }));
}

// A refresh that replays one list per call, and a clock that only counts.
class ScriptedPorts {
  public:
    explicit ScriptedPorts(std::vector<std::optional<Names>> script) : script_(std::move(script)) {}

    PortListRefresh Refresh() {
        return [this](Names& list) {
            const std::size_t at = std::min(calls_++, script_.size() - 1);
            if (!script_[at]) return false;  // a failed enumeration
            list = *script_[at];
            return true;
        };
    }
    SleepFunction Sleep() {
        return [this](std::chrono::milliseconds ms) { slept_ += ms; };
    }

    std::size_t calls_ = 0;
    std::chrono::milliseconds slept_{0};

  private:
    std::vector<std::optional<Names>> script_;
};

TEST(WaitForNewPortTest, ScriptedPortChanges) {
    using std::nullopt;
    const Names before{"ttyACM0", "ttyUSB0"};
    struct Case {
        const char* what;
        std::uint32_t timeoutMs;
        std::vector<std::optional<Names>> script;
        std::optional<std::string> result;
        std::size_t calls;
        int sleptMs;
    };
    const Case cases[] = {
        {"no time: no look", 0, {Names{}}, nullopt, 0, 0},
        {"comes back under a new name",
         10000,
         {before, Names{"ttyUSB0"}, Names{"ttyUSB0"}, Names{"ttyACM1", "ttyUSB0"}},
         "ttyACM1",
         4,
         300},
        {"first new name in list order",
         10000,
         {Names{"ttyUSB0"}, Names{"ttyACM2", "ttyACM5", "ttyUSB0"}},
         "ttyACM2",
         2,
         100},
        {"never leaves", 300, {before}, nullopt, 3, 300},
        {"leaves and comes back under the same name",
         500,
         {Names{"ttyUSB0"}, before},
         nullopt,
         6,
         500},
        {"failed refreshes are skipped",
         10000,
         {nullopt, Names{"ttyUSB0"}, nullopt, Names{"ttyACM1", "ttyUSB0"}},
         "ttyACM1",
         4,
         300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPorts ports(c.script);
        EXPECT_EQ(WaitForNewPort(before, "ttyACM0", c.timeoutMs, c.timeoutMs, ports.Refresh(),
                                 ports.Sleep()),
                  c.result);
        EXPECT_EQ(ports.calls_, c.calls);
        EXPECT_EQ(ports.slept_.count(), c.sleptMs);
    }
}

TEST(WaitForNewPortTest, PortNotInTheListNeverLeavesIt) {
    ScriptedPorts ports({Names{"ttyUSB0"}, Names{"ttyUSB0", "ttyUSB1"}});
    EXPECT_EQ(WaitForNewPort({"ttyUSB0"}, "/dev/pts/4", 1000, 1000, ports.Refresh(), ports.Sleep()),
              std::nullopt);
}

// A board that restarts drops its port soon after the touch; one whose port
// stays has not restarted, and the full wait for a new name would be idle.
TEST(WaitForNewPortTest, RemovalMustComeWithinItsWindow) {
    const Names before{"ttyACM0", "ttyUSB0"};
    const Names gone{"ttyUSB0"};
    const Names back{"ttyACM1", "ttyUSB0"};
    struct Case {
        const char* what;
        std::vector<std::optional<Names>> script;
        std::optional<std::string> result;
        int sleptMs;
    };
    std::vector<std::optional<Names>> late(25, before);
    late.push_back(gone);
    late.push_back(back);
    std::vector<std::optional<Names>> slowReturn{before, gone};
    slowReturn.insert(slowReturn.end(), 60, gone);
    slowReturn.push_back(back);
    const Case cases[] = {
        {"never leaves: no restart", {before}, std::nullopt, 2000},
        {"leaves after the window: no restart", late, std::nullopt, 2000},
        {"leaves in time, back within the full wait", slowReturn, "ttyACM1", 6200},
        {"listing fails throughout", {std::nullopt}, std::nullopt, 2000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPorts ports(c.script);
        EXPECT_EQ(WaitForNewPort(before, "ttyACM0", 10000, 2000, ports.Refresh(), ports.Sleep()),
                  c.result);
        EXPECT_EQ(ports.slept_.count(), c.sleptMs);
    }
}

}  // namespace
}  // namespace parlix
