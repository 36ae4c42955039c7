// parlix-cli through each simulated Arduino board to the demo module behind
// it, and the faults of the board and the module on the way: each ends with
// one error and leaves the board fit for the next connection.
#include "sim/ArduinoBoard.h"
#include "sim/SimServer.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <unistd.h>

#include <functional>
#include <map>

namespace parlix::test {
namespace {

using sim::ArduinoBoard;
using sim::BoardKind;
using ::testing::HasSubstr;

constexpr const char* kDemo = PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json";

int Boxes(const std::string& err, const std::string& title) {
    int count = 0;
    for (auto at = err.find(title + ": "); at != std::string::npos;
         at = err.find(title + ": ", at + 1))
        ++count;
    return count;
}

class ArduinoCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        server.AddDevice("module", sim::ModuleDevice::FromFile(kDemo));
        for (const BoardKind kind : sim::AllBoardKinds()) {
            auto board = std::make_shared<ArduinoBoard>(kind, sim::ModuleDevice::FromFile(kDemo));
            board->ListIn(&server);
            server.AddDevice(board->PortName(), board);
            boards[kind] = board;
        }
        ASSERT_FALSE(server.Start());
    }

    ProgramResult Cli(const std::vector<std::string>& args) {
        return RunProgram("parlix-cli", args, {},
                          {{"XDG_CONFIG_HOME", home.Path().string()},
                           {"PARLIX_SIM_SOCKET", server.SocketPath()}});
    }
    static std::string Port(BoardKind kind) {
        return "sim:" + std::string(TraitsOf(kind).portName);
    }

    TempDir home;
    sim::SimServer server{"/tmp/parlix-arduino-cli-" + std::to_string(::getpid()) + ".sock"};
    std::map<BoardKind, std::shared_ptr<ArduinoBoard>> boards;
};

TEST_F(ArduinoCliTest, EveryBoardReachesTheModuleAndReadsItWhole) {
    const auto direct = Cli({"--port", "sim:module", "dump"});
    ASSERT_EQ(direct.exitCode, 0) << direct.err;
    const std::map<BoardKind, const char*> names = {
        {BoardKind::Atmega328, "AVR/Arduino"},         {BoardKind::Atmega168, "AVR/Arduino"},
        {BoardKind::Uno, "AVR/Arduino UNO"},           {BoardKind::Mega, "AVR/Arduino Mega"},
        {BoardKind::Leonardo, "AVR/Arduino Leonardo"}, {BoardKind::Due, "SAM3/Arduino Due"},
        {BoardKind::Zero, "SAMD21/Arduino Zero"}};
    for (const auto& [kind, name] : names) {
        SCOPED_TRACE(Port(kind));
        const auto info = Cli({"--port", Port(kind), "info"});
        EXPECT_EQ(info.exitCode, 0) << info.err;
        EXPECT_EQ(info.out, "Detected " + std::string(name) + " on " + Port(kind) +
                                "...\nConnected to Parlix Shield/Bridge (Parlix 3 Rev 4) on " +
                                Port(kind) + "\nFirmware ID: 12\n");
        const auto dump = Cli({"--port", Port(kind), "dump"});
        EXPECT_EQ(dump.exitCode, 0) << dump.err;
        EXPECT_EQ(dump.out, direct.out);
    }
}

struct Fault {
    const char* name;
    BoardKind kind;
    std::function<void(ArduinoBoard&)> inject;
    const char* error;  // the one error box says this
};

sim::ModuleFaults After(int spared, std::function<void(sim::ModuleFaults&)> set) {
    sim::ModuleFaults f;
    f.afterReplyBytes = spared;
    set(f);
    return f;
}

TEST_F(ArduinoCliTest, FaultsEndWithOneErrorAndTheNextConnectionWorks) {
    // The Mega answers detection with 9 bytes, leaving its boot loader with 8,
    // the handshake with 2 and the module's two 'b' with 2.
    const Fault faults[] = {
        {"garbage during detection", BoardKind::Uno,
         [](ArduinoBoard& b) { b.SetFaults(After(0, [](auto& f) { f.garbleReplyBytes = 1; })); },
         "Could not detect device connected to port"},
        {"lost byte during connection", BoardKind::Mega,
         [](ArduinoBoard& b) { b.SetFaults(After(21, [](auto& f) { f.dropReplyBytes = 1; })); },
         "Could not connect to device at port"},
        {"board silent during connection", BoardKind::Mega,
         [](ArduinoBoard& b) { b.SetFaults(After(9, [](auto& f) { f.silent = true; })); },
         "Could not connect to device at port"},
        {"unplug during connection", BoardKind::Leonardo,
         [](ArduinoBoard& b) { b.SetFaults(After(10, [](auto& f) { f.unplug = true; })); },
         "Could not connect to device at port"},
        {"module garbage during a read", BoardKind::Uno,
         [](ArduinoBoard& b) {
             sim::ModuleFaults f;
             f.afterCommands = 30;
             f.garbleReplyBytes = 1;
             b.Module().SetFaults(f);
         },
         "Unexpected"},
        {"module unplugged during a read", BoardKind::Mega,
         [](ArduinoBoard& b) {
             sim::ModuleFaults f;
             f.unplugAfterCommands = 30;
             b.Module().SetFaults(f);
         },
         "The device has been removed."},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        ArduinoBoard& board = *boards[fault.kind];
        fault.inject(board);
        const auto r = Cli({"--port", Port(fault.kind), "dump"});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(Boxes(r.err, "Error"), 1) << r.err;
        EXPECT_THAT(r.err, HasSubstr(fault.error));

        board.SetFaults({});
        board.Module().SetFaults({});
        const auto again = Cli({"--port", Port(fault.kind), "info"});
        EXPECT_EQ(again.exitCode, 0) << again.err;
        EXPECT_THAT(again.out, HasSubstr("Connected to Parlix Shield/Bridge"));
    }
}

}  // namespace
}  // namespace parlix::test
