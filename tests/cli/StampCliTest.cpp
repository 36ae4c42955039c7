// parlix-cli through each simulated BASIC Stamp and the robot controller to
// the demo module behind it: detection, the bridge offer on a blank host with
// its download, and faults of the host and the module on the way, each ending
// with one error and leaving the host fit for the next connection.
#include "link/StampIdentification.h"
#include "sim/RoboNovaHost.h"
#include "sim/SimServer.h"
#include "sim/StampHost.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <map>

namespace parlix::test {
namespace {

using sim::RoboNovaHost;
using sim::StampHost;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* kDemo = PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json";

std::shared_ptr<sim::ModuleDevice> Demo() {
    return sim::ModuleDevice::FromFile(kDemo);
}

class StampCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        server.AddDevice("module", Demo());
        for (const bool blank : {false, true}) {
            for (const auto& info : StampKinds()) {
                auto host = std::make_shared<StampHost>(info.kind, Demo(), blank);
                server.AddDevice(host->PortName(), host);
                stamps[host->PortName()] = host;
            }
            auto robot = std::make_shared<RoboNovaHost>(Demo(), blank);
            server.AddDevice(robot->PortName(), robot);
            robots[robot->PortName()] = robot;
        }
        ASSERT_FALSE(server.Start());
    }

    ProgramResult Cli(const std::vector<std::string>& args) {
        return RunProgram("parlix-cli", args, {},
                          {{"XDG_CONFIG_HOME", home.Path().string()},
                           {"PARLIX_SIM_SOCKET", server.SocketPath()}});
    }

    // Runs `each` for every name at once: most of a run is waiting on the line.
    static void InParallel(const std::vector<std::string>& names,
                           const std::function<void(const std::string&)>& each) {
        std::vector<std::future<void>> runs;
        for (const auto& name : names) runs.push_back(std::async(std::launch::async, each, name));
        for (auto& run : runs) run.get();
    }

    TempDir home;
    sim::SimServer server{"/tmp/parlix-stamp-cli-" + std::to_string(::getpid()) + ".sock"};
    std::map<std::string, std::shared_ptr<StampHost>> stamps;
    std::map<std::string, std::shared_ptr<RoboNovaHost>> robots;
};

const std::map<std::string, std::string> kHosts = {
    {"bs2", "BASIC Stamp 2 (Ver 2.5)"},
    {"bs2e", "BASIC Stamp 2e (Ver 1.3)"},
    {"bs2sx", "BASIC Stamp 2sx (Ver 1.3)"},
    {"bs2p", "BASIC Stamp 2p (Ver 1.3)"},
    {"bs2pe", "BASIC Stamp 2pe (Ver 1.3)"},
    {"bs2px", "BASIC Stamp 2px (Ver 1.3)"},
    {"mrc3024", "MRC3024 (Ver 2.5 - Rom(32K) Ram(64) Stack(32))"},
};

std::vector<std::string> Names(const std::string& suffix) {
    std::vector<std::string> names;
    for (const auto& [name, shown] : kHosts) names.push_back(name + suffix);
    return names;
}

std::string Shown(const std::string& port) {
    return kHosts.at(port.substr(0, port.find('-')));
}

TEST_F(StampCliTest, EveryHostReachesTheModuleAndReadsItWhole) {
    const auto direct = Cli({"--port", "sim:module", "dump"});
    ASSERT_EQ(direct.exitCode, 0) << direct.err;
    InParallel(Names(""), [&](const std::string& name) {
        const std::string port = "sim:" + name;
        const auto info = Cli({"--port", port, "info"});
        EXPECT_EQ(info.exitCode, 0) << port << info.err;
        const std::string device = Shown(name);
        EXPECT_EQ(info.out, "Detected " + device.substr(0, device.find(" (")) + " on " + port +
                                "...\nConnected to " + device + " on " + port +
                                "\nFirmware ID: 12\n");
        const auto dump = Cli({"--port", port, "dump"});
        EXPECT_EQ(dump.exitCode, 0) << port << dump.err;
        EXPECT_EQ(dump.out, direct.out) << port;
    });
}

TEST_F(StampCliTest, BlankHostTakesTheBridgeAndThenConnects) {
    InParallel(Names("-blank"), [&](const std::string& name) {
        const std::string port = "sim:" + name;
        const auto offered = Cli({"--yes", "--port", port, "info"});
        EXPECT_EQ(offered.exitCode, 0) << port << offered.err;
        EXPECT_THAT(offered.err, HasSubstr("Confirmation: A '"));
        EXPECT_THAT(offered.out, HasSubstr("Connected to " + Shown(name) + " on " + port));
        EXPECT_THAT(offered.out, HasSubstr("Firmware ID: 12"));

        const auto again = Cli({"--port", port, "info"});
        EXPECT_EQ(again.exitCode, 0) << port << again.err;
        EXPECT_THAT(again.err, Not(HasSubstr("Confirmation")));
    });
    for (const auto& [name, host] : stamps) EXPECT_TRUE(host->HasProgram()) << name;
    for (const auto& [name, host] : robots) EXPECT_TRUE(host->HasProgram()) << name;
}

TEST_F(StampCliTest, UpdateBridgeDownloadsWithProgress) {
    InParallel({"bs2px-blank", "mrc3024-blank"}, [&](const std::string& name) {
        const auto r = Cli({"--port", "sim:" + name, "update-bridge"});
        EXPECT_EQ(r.exitCode, 0) << name << r.err;
        EXPECT_THAT(r.out, HasSubstr("Found " + Shown(name) + " on sim:" + name));
        EXPECT_THAT(r.out, HasSubstr("Downloading: "));
        const std::string device = Shown(name);
        EXPECT_THAT(r.out, HasSubstr("\" to " + device.substr(0, device.find(" (")) +
                                     " on sim:" + name + "\n"));
        EXPECT_THAT(r.out, HasSubstr("The bridge program answers."));
    });
    EXPECT_TRUE(stamps["bs2px-blank"]->HasProgram());
    EXPECT_TRUE(robots["mrc3024-blank"]->HasProgram());
}

// A bridge program file that is no file names its fault before the host is
// touched; a copy of the program with its own data folder names them.
TEST_F(StampCliTest, UpdateBridgeRefusesAProgramFileThatIsNoFile) {
    namespace fs = std::filesystem;
    const fs::path bin = home.Path() / "bin";
    fs::create_directories(bin / "data" / "bridges" / "folder.pxs");
    fs::copy_file(ProgramPath("parlix-cli"), bin / "parlix-cli");
    fs::create_symlink("/dev/zero", bin / "data" / "bridges" / "zero.pxs");
    std::ofstream(bin / "data" / "Config.ini") << "[BASIC Stamp 2]\nBridge=bridges/nope.pxs\n"
                                                  "[BASIC Stamp 2e]\nBridge=bridges/folder.pxs\n"
                                                  "[BASIC Stamp 2sx]\nBridge=bridges/zero.pxs\n";
    const struct {
        const char* port;
        const char* file;
        const char* cause;
    } cases[] = {
        {"bs2", "nope.pxs", "the file is missing"},
        {"bs2e", "folder.pxs", "it is a folder, not a file"},
        {"bs2sx", "zero.pxs", "it is not a regular file (a device or pipe)"},
    };
    for (const auto& c : cases) {
        const auto r = RunProgram((bin / "parlix-cli").string(),
                                  {"--port", std::string("sim:") + c.port, "update-bridge"}, {},
                                  {{"XDG_CONFIG_HOME", home.Path().string()},
                                   {"PARLIX_SIM_SOCKET", server.SocketPath()}});
        EXPECT_EQ(r.exitCode, 1) << c.port;
        EXPECT_THAT(r.err, HasSubstr("cannot download the bridge program \"" +
                                     (bin / "data" / "bridges" / c.file).string() +
                                     "\": " + c.cause + "\n"));
        EXPECT_THAT(r.out, Not(HasSubstr("Downloading:"))) << c.port;
    }
}

sim::ModuleFaults Fault(int spared, const std::function<void(sim::ModuleFaults&)>& set) {
    sim::ModuleFaults f;
    f.afterReplyBytes = spared;
    set(f);
    return f;
}

TEST_F(StampCliTest, FaultsEndWithOneErrorAndTheNextConnectionWorks) {
    const auto garble = [](sim::ModuleFaults& f) { f.garbleReplyBytes = 1; };
    const auto drop = [](sim::ModuleFaults& f) { f.dropReplyBytes = 1; };
    const auto silent = [](sim::ModuleFaults& f) { f.silent = true; };
    const auto unplug = [](sim::ModuleFaults& f) { f.unplug = true; };
    sim::ModuleFaults moduleGarbage;
    moduleGarbage.afterCommands = 30;
    moduleGarbage.garbleReplyBytes = 1;
    sim::ModuleFaults moduleUnplug;
    moduleUnplug.unplugAfterCommands = 30;
    struct Case {
        const char* name;
        bool stamp;  // else the controller
        int phase;   // the host phase the host fault waits for
        sim::ModuleFaults host;
        sim::ModuleFaults module;
        const char* error;  // the one error box says this
    };
    const Case cases[] = {
        {"Stamp: garbage during detection",
         true,
         StampHost::kMonitor,
         Fault(1, garble),
         {},
         "Could not detect device connected to port"},
        {"Stamp: unplug during detection",
         true,
         StampHost::kMonitor,
         Fault(0, unplug),
         {},
         "Could not"},
        {"Stamp: sign lost during connection",
         true,
         StampHost::kProgramStart,
         Fault(0, drop),
         {},
         "Could not connect to device at port"},
        {"Stamp: silent during connection",
         true,
         StampHost::kProgramStart,
         Fault(0, silent),
         {},
         "Could not connect to device at port"},
        {"Stamp: silent during a read", true, StampHost::kProgramStart, Fault(400, silent), {}, ""},
        {"Stamp: module garbage during a read", true, 0, {}, moduleGarbage, "Unexpected"},
        {"controller: garbage during detection",
         false,
         RoboNovaHost::kIdentify,
         Fault(0, garble),
         {},
         "Could not detect device connected to port"},
        {"controller: lost byte during connection",
         false,
         RoboNovaHost::kMemoryRead,
         Fault(5, drop),
         {},
         "Could not connect to device at port"},
        {"controller: unplug during connection",
         false,
         RoboNovaHost::kMemoryRead,
         Fault(2, unplug),
         {},
         "Could not connect to device at port"},
        {"controller: silent during a read",
         false,
         RoboNovaHost::kMailboxUse,
         Fault(200, silent),
         {},
         ""},
        {"controller: module unplugged during a read",
         false,
         0,
         {},
         moduleUnplug,
         "The device has been removed."},
    };
    // Each case on a host of its own, so that they can run side by side.
    std::vector<std::string> names;
    std::map<std::string, const Case*> byName;
    std::map<std::string, std::function<void(bool)>> arm;  // true: inject, false: clear
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "fault-" + std::to_string(n++);
        names.push_back(name);
        byName[name] = &c;
        auto module = Demo();
        if (c.stamp) {
            auto host = std::make_shared<StampHost>(StampKind::BS2, module);
            server.AddDevice(name, host);
            arm[name] = [host, module, &c](bool on) {
                host->SetFaults(on ? c.host : sim::ModuleFaults{},
                                static_cast<StampHost::Phase>(c.phase));
                module->SetFaults(on ? c.module : sim::ModuleFaults{});
            };
        } else {
            auto host = std::make_shared<RoboNovaHost>(module);
            server.AddDevice(name, host);
            arm[name] = [host, module, &c](bool on) {
                host->SetFaults(on ? c.host : sim::ModuleFaults{},
                                static_cast<RoboNovaHost::Phase>(c.phase));
                module->SetFaults(on ? c.module : sim::ModuleFaults{});
            };
        }
    }
    InParallel(names, [&](const std::string& name) {
        const Case& c = *byName[name];
        arm[name](true);
        const auto r = Cli({"--port", "sim:" + name, "dump"});
        EXPECT_EQ(r.exitCode, 1) << c.name;
        EXPECT_EQ(CountBoxes(r.err, "Error"), 1) << c.name << "\n" << r.err;
        EXPECT_THAT(r.err, HasSubstr(c.error)) << c.name;

        arm[name](false);
        const auto again = Cli({"--port", "sim:" + name, "info"});
        EXPECT_EQ(again.exitCode, 0) << c.name << again.err;
        EXPECT_THAT(again.out, HasSubstr("Firmware ID: 12")) << c.name;
    });
}

// A download that the line breaks names the link, never a status number's text.
TEST_F(StampCliTest, UpdateBridgeThatTheLinkBreaksNamesTheLink) {
    const auto garble = [](sim::ModuleFaults& f) { f.garbleReplyBytes = 1; };
    const auto drop = [](sim::ModuleFaults& f) { f.dropReplyBytes = 1; };
    const auto silent = [](sim::ModuleFaults& f) { f.silent = true; };
    const auto unplug = [](sim::ModuleFaults& f) { f.unplug = true; };
    const char* kNoAnswer = "no answer from the host: the link was lost, went silent or closed";
    const struct {
        const char* name;
        bool stamp;  // else the controller
        sim::ModuleFaults fault;
        const char* cause;
    } cases[] = {
        {"stamp-drop", true, Fault(30, drop), kNoAnswer},
        {"stamp-silent", true, Fault(30, silent), kNoAnswer},
        {"stamp-unplug", true, Fault(30, unplug), kNoAnswer},
        {"stamp-garble", true, Fault(30, garble), "unexpected reply from the host"},
        {"robot-drop", false, Fault(5, drop), kNoAnswer},
        {"robot-silent", false, Fault(5, silent), kNoAnswer},
        {"robot-unplug", false, Fault(5, unplug), "the link to the host was lost"},
        {"robot-garble", false, Fault(5, garble), "unexpected reply from the host"},
    };
    std::map<std::string, std::string> causes;
    for (const auto& c : cases) {
        causes[c.name] = c.cause;
        if (c.stamp) {
            auto host = std::make_shared<StampHost>(StampKind::BS2, Demo());
            host->SetFaults(c.fault, StampHost::kDownload);
            server.AddDevice(c.name, host);
        } else {
            auto host = std::make_shared<RoboNovaHost>(Demo());
            host->SetFaults(c.fault, RoboNovaHost::kDownload);
            server.AddDevice(c.name, host);
        }
    }
    std::vector<std::string> names;
    for (const auto& [name, cause] : causes) names.push_back(name);
    InParallel(names, [&](const std::string& name) {
        const auto r = Cli({"--port", "sim:" + name, "update-bridge"});
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_THAT(r.err, HasSubstr(" failed: " + causes[name] + "\n")) << name;
        EXPECT_THAT(r.err, Not(HasSubstr("command length"))) << name;
    });
}

}  // namespace
}  // namespace parlix::test
