// A simulated Arduino board on the virtual serial line: its boot loader, the
// bridge sketch behind it and a simulated module on the sketch's pins.
//
// The boards with a USB-serial chip (Uno, Mega and the two old ATmega boards)
// restart into their boot loader when DTR rises, and take a byte only at the
// speed their program runs at; a byte at another speed is a framing error.
// The boards with a native USB port (Leonardo, Due, Zero) ignore DTR and the
// speed, except that the port set to 1200 baud with DTR off restarts them
// into the boot loader; they then leave the port list and come back under
// "<name>-boot", and under "<name>" again once the sketch runs. The Due's
// SAM-BA checks the speed (115200).
#pragma once

#include "sim/BootLoaderPeer.h"
#include "sim/BridgeSketch.h"
#include "sim/Device.h"
#include "sim/DeviceDirectory.h"
#include "sim/ModuleDevice.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace parlix::sim {

enum class BoardKind { Uno, Mega, Atmega328, Atmega168, Leonardo, Due, Zero };

struct BoardTraits {
    const char* portName;          // the sketch's port, "arduino-uno"
    std::uint32_t bootLoaderBaud;  // 0: any speed
    bool nativeUsb;
    int bootWindowMs;        // without a request for this long the sketch starts; 0: never
    int sketchStartDelayMs;  // from the boot loader handing over to the sketch running
};

const BoardTraits& TraitsOf(BoardKind kind);
// Every kind, in the order the desk tries them.
const std::vector<BoardKind>& AllBoardKinds();

class ArduinoBoard : public Device {
  public:
    static constexpr std::chrono::milliseconds kEnumerationGap{500};
    static constexpr std::chrono::milliseconds kAnswerGrace{20};

    ArduinoBoard(BoardKind kind, std::shared_ptr<ModuleDevice> module);

    const BoardTraits& Traits() const { return TraitsOf(kind_); }
    std::string PortName() const { return Traits().portName; }
    std::string BootPortName() const { return PortName() + "-boot"; }
    // Where a native USB board is listed; without one it restarts in place.
    void ListIn(DeviceDirectory* directory) { directory_ = directory; }

    void Serve(DeviceIo& io) override;

    ModuleDevice& Module() { return *module_; }
    EepromMarker Marker() const;
    void SetMarker(EepromMarker marker);
    // False: the boot loader acknowledges EEPROM writes that do not stick.
    void SetEepromTakesWrites(bool takes);
    bool InBootLoader() const;
    // The same faults as the module's, on every byte the board sends to the PC.
    void SetFaults(const ModuleFaults& faults);

  private:
    enum class Program { BootLoader, Sketch };
    // What the serving loop does after a step.
    enum class Next { Go, Leave };

    void EnterBootLoader();
    void StartSketch(int delayMs);
    // A native USB board restarts: it leaves the line and the port list.
    Next Reenumerate(DeviceIo& io, Program program);
    Next OnByte(DeviceIo& io, std::uint8_t byte, const LineSettings& line);
    Next Apply(DeviceIo& io, const BootLoaderStep& step);
    Next Send(DeviceIo& io, std::uint8_t byte);
    bool AtSpeed(const LineSettings& line, std::uint32_t baud) const;
    std::string CurrentPortName() const;

    const BoardKind kind_;
    std::shared_ptr<ModuleDevice> module_;
    class ModuleWire* wire_ = nullptr;  // to the module, while a line is served
    DeviceDirectory* directory_ = nullptr;

    mutable std::mutex mutex_;
    EepromMarker eeprom_ = {'B', 'B'};
    bool eepromTakes_ = true;
    std::unique_ptr<BootLoaderPeer> bootLoader_;
    BridgeSketch sketch_;
    Program program_ = Program::Sketch;
    std::chrono::steady_clock::time_point lastRequest_{};
    std::chrono::steady_clock::time_point sketchFrom_{};
    ModuleFaults faults_;
};

}  // namespace parlix::sim
