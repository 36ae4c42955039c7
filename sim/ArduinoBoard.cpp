#include "sim/ArduinoBoard.h"

#include "sim/ModuleWire.h"
#include "sim/Stk500Peer.h"
#include "sim/Stk500v2Peer.h"
#include "sim/UsbBootPeers.h"

#include <cstdlib>
#include <thread>

namespace parlix::sim {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const BoardTraits& TraitsOf(BoardKind kind) {
    // optiboot's watchdog starts the sketch about 16 ms after it hands over.
    static const BoardTraits kTraits[] = {
        {"arduino-uno", 115200, false, 1000, 16}, {"arduino-mega", 115200, false, 1000, 0},
        {"arduino-328", 57600, false, 1000, 0},   {"arduino-168", 19200, false, 1000, 0},
        {"arduino-leonardo", 0, true, 8000, 0},   {"arduino-due", 115200, true, 0, 0},
        {"arduino-zero", 0, true, 0, 0},
    };
    return kTraits[static_cast<int>(kind)];
}

const std::vector<BoardKind>& AllBoardKinds() {
    static const std::vector<BoardKind> kKinds = {
        BoardKind::Atmega328, BoardKind::Atmega168, BoardKind::Uno, BoardKind::Mega,
        BoardKind::Leonardo,  BoardKind::Due,       BoardKind::Zero};
    return kKinds;
}

ArduinoBoard::ArduinoBoard(BoardKind kind, std::shared_ptr<ModuleDevice> module)
    : kind_(kind), module_(std::move(module)) {
    switch (kind) {
        case BoardKind::Uno:
            bootLoader_ = std::make_unique<Stk500Peer>(false, eeprom_, eepromTakes_);
            break;
        case BoardKind::Atmega328:
        case BoardKind::Atmega168:
            bootLoader_ = std::make_unique<Stk500Peer>(true, eeprom_, eepromTakes_);
            break;
        case BoardKind::Mega:
        case BoardKind::Zero:
            bootLoader_ = std::make_unique<Stk500v2Peer>();
            break;
        case BoardKind::Leonardo:
            bootLoader_ = std::make_unique<Avr109Peer>();
            break;
        case BoardKind::Due:
            bootLoader_ = std::make_unique<SambaPeer>();
            break;
    }
    sketch_.Begin(eeprom_, Traits().bootLoaderBaud);
}

EepromMarker ArduinoBoard::Marker() const {
    std::lock_guard lock(mutex_);
    return eeprom_;
}

void ArduinoBoard::SetMarker(EepromMarker marker) {
    std::lock_guard lock(mutex_);
    eeprom_ = marker;
}

void ArduinoBoard::SetEepromTakesWrites(bool takes) {
    std::lock_guard lock(mutex_);
    eepromTakes_ = takes;
}

bool ArduinoBoard::InBootLoader() const {
    std::lock_guard lock(mutex_);
    return program_ == Program::BootLoader;
}

void ArduinoBoard::SetFaults(const ModuleFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

std::string ArduinoBoard::CurrentPortName() const {
    return program_ == Program::BootLoader && Traits().nativeUsb ? BootPortName() : PortName();
}

void ArduinoBoard::EnterBootLoader() {
    program_ = Program::BootLoader;
    bootLoader_->Reset();
    lastRequest_ = Clock::now();
}

void ArduinoBoard::StartSketch(int delayMs) {
    program_ = Program::Sketch;
    sketchFrom_ = Clock::now() + std::chrono::milliseconds(delayMs);
    sketch_.Begin(eeprom_, Traits().bootLoaderBaud);
}

ArduinoBoard::Next ArduinoBoard::Reenumerate(DeviceIo& io, Program program) {
    const std::string from = CurrentPortName();
    if (program == Program::BootLoader)
        EnterBootLoader();
    else
        StartSketch(0);
    if (!directory_) return Next::Go;
    directory_->MoveDevice(from, CurrentPortName(), kEnumerationGap);
    io.Unplug();
    return Next::Leave;
}

bool ArduinoBoard::AtSpeed(const LineSettings& line, std::uint32_t baud) const {
    if (baud == 0) return true;
    // A UART takes a byte whose bit times are within about 4 % of its own.
    return std::abs(static_cast<long>(line.baud) - static_cast<long>(baud)) * 100 <=
           static_cast<long>(baud) * 4;
}

ArduinoBoard::Next ArduinoBoard::Send(DeviceIo& io, std::uint8_t byte) {
    if (faults_.afterReplyBytes > 0) {
        --faults_.afterReplyBytes;
    } else {
        if (faults_.unplug) {
            faults_.unplug = false;
            io.Unplug();
            return Next::Leave;
        }
        if (faults_.silent) return Next::Go;
        if (faults_.dropReplyBytes > 0) {
            --faults_.dropReplyBytes;
            return Next::Go;
        }
        if (faults_.garbleReplyBytes > 0) {
            --faults_.garbleReplyBytes;
            byte = faults_.garbage;
        }
    }
    io.Write(byte);
    return Next::Go;
}

ArduinoBoard::Next ArduinoBoard::Apply(DeviceIo& io, const BootLoaderStep& step) {
    for (const std::uint8_t b : step.reply) {
        if (Send(io, b) == Next::Leave) return Next::Leave;
    }
    // A USB device that restarts right after an answer gives the host time to take it.
    if (Traits().nativeUsb && !step.reply.empty() && step.then != BootLoaderStep::Then::Stay)
        std::this_thread::sleep_for(kAnswerGrace);
    switch (step.then) {
        case BootLoaderStep::Then::Stay:
            return Next::Go;
        case BootLoaderStep::Then::StartSketch:
            if (Traits().nativeUsb) return Reenumerate(io, Program::Sketch);
            StartSketch(Traits().sketchStartDelayMs);
            return Next::Go;
        case BootLoaderStep::Then::Restart:
            return Traits().nativeUsb ? Reenumerate(io, Program::BootLoader) : Next::Go;
    }
    return Next::Go;
}

ArduinoBoard::Next ArduinoBoard::OnByte(DeviceIo& io, std::uint8_t byte, const LineSettings& line) {
    if (program_ == Program::BootLoader) {
        lastRequest_ = Clock::now();
        if (!AtSpeed(line, Traits().bootLoaderBaud))
            return Apply(io, bootLoader_->OnFramingError());
        return Apply(io, bootLoader_->OnByte(byte));
    }
    if (Clock::now() < sketchFrom_) return Next::Go;  // the sketch is not running yet
    if (!Traits().nativeUsb && !AtSpeed(line, sketch_.Baud())) return Next::Go;
    const BridgeSketch::Step step = sketch_.OnByte(byte, io.ArrivalOfLastRead());
    if (step.relay) wire_->ToModule(byte);
    if (step.reply) return Send(io, *step.reply);
    return Next::Go;
}

void ArduinoBoard::Serve(DeviceIo& io) {
    ModuleWire wire;
    std::thread module([&] { module_->Serve(wire); });
    std::unique_lock lock(mutex_);
    wire_ = &wire;
    // The port was closed before this connection: DTR was low, and a native
    // USB sketch saw the host go.
    bool dtr = false;
    if (Traits().nativeUsb) sketch_.HangUp();
    while (!io.Stopping()) {
        const bool dtrNow = io.Dtr();
        const LineSettings line = io.Line();
        if (Traits().nativeUsb) {
            if (program_ == Program::Sketch && line.baud == 1200 && !dtrNow &&
                Reenumerate(io, Program::BootLoader) == Next::Leave)
                break;
        } else if (dtrNow && !dtr) {
            EnterBootLoader();  // the auto-reset circuit
        }
        dtr = dtrNow;
        if (program_ == Program::BootLoader && Traits().bootWindowMs > 0 &&
            Clock::now() - lastRequest_ > std::chrono::milliseconds(Traits().bootWindowMs) &&
            Apply(io, {{}, BootLoaderStep::Then::StartSketch}) == Next::Leave)
            break;

        lock.unlock();
        const auto byte = io.Read(1ms);
        const LineSettings byteLine = io.LineOfLastRead();
        lock.lock();
        if (byte && OnByte(io, *byte, byteLine) == Next::Leave) break;
        bool left = false;
        while (const auto reply = wire.FromModule()) {
            if (program_ != Program::Sketch || !sketch_.Relaying()) continue;
            if (Send(io, *reply) == Next::Leave) {
                left = true;
                break;
            }
        }
        if (left) break;
        if (wire.TakeUnplug()) {
            io.Unplug();
            break;
        }
    }
    wire_ = nullptr;
    lock.unlock();
    wire.Stop();
    module.join();
}

}  // namespace parlix::sim
