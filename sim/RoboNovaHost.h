// A simulated RoboNova MRC-3024 robot controller with the Parlix bridge
// program in its memory (or none, when started blank) and a simulated module
// on its serial pins.
//
// The controller answers every byte the PC sends at 9600 baud: operations on
// its RAM and program memory, an output command and its identity, and takes a
// program in 128-byte pages at 115200. The bridge program runs whenever the
// memory starts with the signature and no download is going on.
//
// Where the desk's side leaves the controller open, it behaves so:
// - The two length bytes of the download start are answered like every other
//   byte. The controller expects (length + 127) / 128 pages, answers '?' with
//   '!', and after the last page sends 'E', or 'X' when a page's sum was wrong
//   (the program is then erased); it goes back to 9600 after that byte.
// - The desk sends pages until its file ends and counts its progress by the
//   length; the shipped file ends where the program does, so the two agree. A
//   file with more bytes after the program fails: the controller has said 'E'
//   and left 115200 before the extra page's '?'.
// - The program keeps bytes 16 to 31 of its memory as data, so that the
//   module language the desk writes at 20 changes no code.
// - The mailbox at RAM 320, from the bridge program's side: 2 asks for its
//   attention and is taken at once (it is answered 1, whatever was running:
//   an interrupt is the same 2, and so is the start and end of control mode);
//   a value of 4 or more is a module byte, passed on and answered 1; 3 asks
//   for the module's next byte, and 3 again after that byte was taken asks
//   the module for one more reply argument; 0 is idle. Module bytes wait in
//   the bridge until the mailbox asks for them. An interrupt that lands while
//   the desk polls for a status lets that poll read the attention (the 2, or
//   the 1 that takes it) as the status byte: the desk then reports an unexpected reply for the
//   interrupted command, as its side of the mailbox says.
#pragma once

#include "sim/Device.h"
#include "sim/HostFaults.h"
#include "sim/ModuleDevice.h"

#include <array>
#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace parlix::sim {

class ModuleWire;

class RoboNovaHost : public Device {
  public:
    static constexpr std::uint16_t kMailbox = 320;
    static constexpr std::array<std::uint8_t, 6> kIdentity = {2, 2, 5, 32, 64, 32};

    RoboNovaHost(std::shared_ptr<ModuleDevice> module, bool blank = false);

    std::string PortName() const { return blank_ ? "mrc3024-blank" : "mrc3024"; }
    void Serve(DeviceIo& io) override;

    ModuleDevice& Module() { return *module_; }
    bool HasProgram() const;
    std::uint8_t MemoryAt(std::uint16_t address) const;
    // The last output command's two bytes.
    std::array<std::uint8_t, 2> LastOutput() const;
    // Bytes the controller got that no operation allows: an unknown operation
    // code, or a read request other than 0.
    int Violations() const { return violations_; }
    // Phases a fault may wait for: identification, a program memory read, the
    // mailbox, a program download.
    enum Phase { kAnyTime = 0, kIdentify = 1, kMemoryRead = 2, kMailboxUse = 3, kDownload = 4 };
    void SetFaults(const ModuleFaults& faults, Phase phase = kAnyTime) {
        faults_.Set(faults, phase);
    }

  private:
    enum class Reply { Collecting, Awaiting, Delivered };

    void OnByte(DeviceIo& io, std::uint8_t byte);
    void OnDownloadByte(DeviceIo& io, std::uint8_t byte);
    void RunBridge();
    bool Send(DeviceIo& io, std::uint8_t byte) { return faults_.Send(io, byte); }

    const bool blank_;
    std::shared_ptr<ModuleDevice> module_;
    ModuleWire* wire_ = nullptr;
    HostFaults faults_;

    mutable std::mutex mutex_;
    std::vector<std::uint8_t> memory_;
    std::vector<std::uint8_t> ram_;
    std::array<std::uint8_t, 2> output_{};
    std::atomic<int> violations_ = 0;

    // Serving state, on the serving thread only.
    std::vector<std::uint8_t> op_;  // the operation's bytes so far
    bool downloading_ = false;
    int lengthBytes_ = 0;
    int length_ = 0;
    int pagesLeft_ = 0;
    std::vector<std::uint8_t> page_;
    bool inPage_ = false;
    bool badSum_ = false;
    std::uint16_t pageAddress_ = 0;
    Reply reply_ = Reply::Collecting;
    std::deque<std::uint8_t> fromModule_;
    std::uint8_t delivered_ = 0;
};

}  // namespace parlix::sim
