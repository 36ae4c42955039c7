// parlix-cli through each simulated Arduino board to the demo module behind
// it, and the faults of the board and the module on the way: each ends with
// one error and leaves the board fit for the next connection.
#include "sim/ArduinoBoard.h"
#include "sim/SimServer.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <unistd.h>

#include <cctype>
#include <functional>
#include <map>

namespace parlix::test {
namespace {

using sim::ArduinoBoard;
using sim::BoardKind;
using ::testing::HasSubstr;

constexpr const char* kDemo = PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json";

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

struct Board {
    BoardKind kind;
    const char* name;  // as detection names it
};

class ArduinoBoardCliTest : public ArduinoCliTest, public ::testing::WithParamInterface<Board> {};

// One board each, so that the runs of the boards overlap.
TEST_P(ArduinoBoardCliTest, ReachesTheModuleAndReadsItWhole) {
    const auto [kind, name] = GetParam();
    const auto direct = Cli({"--port", "sim:module", "dump"});
    ASSERT_EQ(direct.exitCode, 0) << direct.err;
    const auto info = Cli({"--port", Port(kind), "info"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out, "Detected " + std::string(name) + " on " + Port(kind) +
                            "...\nConnected to Parlix Shield/Bridge (Parlix 3 Rev 4) on " +
                            Port(kind) + "\nFirmware ID: 12\n");
    const auto dump = Cli({"--port", Port(kind), "dump"});
    EXPECT_EQ(dump.exitCode, 0) << dump.err;
    EXPECT_EQ(dump.out, direct.out);
}

INSTANTIATE_TEST_SUITE_P(Boards, ArduinoBoardCliTest,
                         ::testing::Values(Board{BoardKind::Atmega328, "AVR/Arduino"},
                                           Board{BoardKind::Atmega168, "AVR/Arduino"},
                                           Board{BoardKind::Uno, "AVR/Arduino UNO"},
                                           Board{BoardKind::Mega, "AVR/Arduino Mega"},
                                           Board{BoardKind::Leonardo, "AVR/Arduino Leonardo"},
                                           Board{BoardKind::Due, "SAM3/Arduino Due"},
                                           Board{BoardKind::Zero, "SAMD21/Arduino Zero"}),
                         [](const auto& param) {
                             return std::string(TraitsOf(param.param.kind).portName).substr(8);
                         });

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

// The Mega answers detection with 9 bytes, leaving its boot loader with 8,
// the handshake with 2 and the module's two 'b' with 2.
const Fault kFaults[] = {
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

class ArduinoFaultCliTest : public ArduinoCliTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(ArduinoFaultCliTest, EndsWithOneErrorAndTheNextConnectionWorks) {
    const Fault& fault = GetParam();
    ArduinoBoard& board = *boards[fault.kind];
    fault.inject(board);
    const auto r = Cli({"--port", Port(fault.kind), "dump"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(CountBoxes(r.err, "Error"), 1) << r.err;
    EXPECT_THAT(r.err, HasSubstr(fault.error));

    board.SetFaults({});
    board.Module().SetFaults({});
    const auto again = Cli({"--port", Port(fault.kind), "info"});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_THAT(again.out, HasSubstr("Connected to Parlix Shield/Bridge"));
}

INSTANTIATE_TEST_SUITE_P(Faults, ArduinoFaultCliTest, ::testing::ValuesIn(kFaults),
                         [](const auto& param) {
                             std::string name;
                             for (const char c : std::string(param.param.name))
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             return name;
                         });

}  // namespace
}  // namespace parlix::test
