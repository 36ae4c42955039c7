// A simulated BASIC Stamp 2 of one kind, with the Parlix bridge program (or
// none, when started blank) and a simulated module on its pins.
//
// The Stamp's serial input is wired back to its output, so every byte the PC
// sends comes straight back, at any speed and in any state. DTR holds it in
// reset; when DTR falls with a break held, it starts its monitor, which
// answers the identification exchange at the kind's speed (19200 for the
// BS2px, 9600 for the others) and takes a program in packets; when DTR falls
// without a break, or the port closes with DTR up, the program restarts. A
// break alone resets nothing. Opening the port changes nothing either: the
// program goes on in whatever state the last connection left it.
//
// Where the desk's side leaves the Stamp open, it behaves so:
// - Identification ends with a 0: for the BS2 the 0 that asks for the version,
//   for the other kinds the 0 the desk sends after the reply. A further 0
//   starts the program; any other byte starts a download packet.
// - Packets start right after the count byte (at 944 in the file). Packet 1
//   names the kind, the packet count and the program length, and erases the
//   program; the Stamp knows the download is complete when the last packet it
//   announced has arrived, and the program runs from the next start. Each
//   packet is answered with 0 after its echo, or 1 when its sum, sequence or
//   header is wrong (the download then has to start again).
// - The bridge program sends '"' 150 ms after it starts, so that the sign
//   comes after the desk's 50 ms wait and purge; it is sent again on every
//   start, whether anyone reads it or not.
// - Leaving control mode resets the Stamp, identifies it and starts the
//   program again with a 0; that '"' is never read, and for the BS2px the
//   desk's line stays at 19200: the bridge sign then arrives garbled, and the
//   next purge drops it.
// - Bridge program: it repeats each byte it takes. 1 and 2 announce a module
//   byte (2 the last of a command), which it passes on; 3 asks the module for
//   one reply argument; 4 and the next byte ('1' or '0') are the busy signal;
//   5 and the next byte store the module language, 6 answers it; 'U' starts
//   control mode with the module (its own 'b' exchange, whose replies it
//   keeps); 0 restarts the program. Module bytes go to the PC as they come.
//   Until the first 'U' the program looks only for 'U' and 0 and lets every
//   other byte pass, so that another link's probes do no harm; after it,
//   every byte outside those codes and their operands, a module byte that
//   is not printable, or a byte at another speed than 9600, is a protocol
//   violation, counted for the tests.
#pragma once

#include "link/StampIdentification.h"
#include "sim/Device.h"
#include "sim/HostFaults.h"
#include "sim/ModuleDevice.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace parlix::sim {

class ModuleWire;

class StampHost : public Device {
  public:
    // The BS2 announces 2.5, the others 1.3 (whose reply letters stay within A to Z).
    static std::uint8_t VersionOf(StampKind kind) { return kind == StampKind::BS2 ? 0x25 : 0x13; }
    static constexpr std::chrono::milliseconds kSignDelay{150};

    StampHost(StampKind kind, std::shared_ptr<ModuleDevice> module, bool blank = false);

    // "bs2", "bs2px-blank": the port name without "sim:".
    std::string PortName() const;
    static std::string PortNameOf(StampKind kind, bool blank);

    void Serve(DeviceIo& io) override;

    ModuleDevice& Module() { return *module_; }
    bool HasProgram() const;
    // Phases a fault may wait for: the monitor after a reset, the bridge program
    // started by the run byte, a program download's first packet.
    enum Phase { kAnyTime = 0, kMonitor = 1, kProgramStart = 2, kDownload = 3 };
    void SetFaults(const ModuleFaults& faults, Phase phase = kAnyTime) {
        faults_.Set(faults, phase);
    }
    std::uint8_t Language() const;
    // Bytes the bridge program got that its state does not allow.
    int Violations() const { return violations_; }

  private:
    enum class State { Idle, Monitor, Program };

    void Reset(bool monitor);
    void OnMonitorByte(DeviceIo& io, std::uint8_t byte);
    void OnPacketByte(DeviceIo& io, std::uint8_t byte);
    void OnProgramByte(DeviceIo& io, std::uint8_t byte);
    void OnLineEdges(DeviceIo& io);
    bool Send(DeviceIo& io, std::uint8_t byte) { return faults_.Send(io, byte); }

    const StampKind kind_;
    const bool blank_;
    std::shared_ptr<ModuleDevice> module_;
    ModuleWire* wire_ = nullptr;
    HostFaults faults_;

    mutable std::mutex mutex_;
    std::vector<std::uint8_t> program_;  // empty: no program
    std::uint8_t language_ = 0;
    std::atomic<int> violations_ = 0;

    // Serving state, on the serving thread only.
    State state_ = State::Idle;
    bool bridging_ = false;  // 'U' came since the program started
    int idStep_ = 0;
    bool identified_ = false;
    std::vector<std::uint8_t> packet_;
    int expectedPacket_ = 1;
    int announcedPackets_ = 0;
    std::vector<std::uint8_t> download_;
    int downloadLength_ = 0;
    std::chrono::steady_clock::time_point signAt_{};
    bool signDue_ = false;
    std::uint8_t pending_ = 0;  // the marker or command whose next byte is awaited
    std::chrono::steady_clock::time_point keepModuleBytesUntil_{};
};

}  // namespace parlix::sim
