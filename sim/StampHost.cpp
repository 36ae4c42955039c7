#include "sim/StampHost.h"

#include "sim/BridgeImages.h"
#include "sim/ModuleWire.h"

#include <algorithm>
#include <cctype>
#include <thread>

namespace parlix::sim {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr std::uint8_t kArgRequestToModule = ' ';

}  // namespace

StampHost::StampHost(StampKind kind, std::shared_ptr<ModuleDevice> module, bool blank)
    : kind_(kind), blank_(blank), module_(std::move(module)) {
    if (!blank) program_ = {'P', 'X'};  // any program: the bridge is what runs
    state_ = blank ? State::Idle : State::Program;
}

std::string StampHost::PortNameOf(StampKind kind, bool blank) {
    std::string name = InfoOf(kind).name;  // "BASIC Stamp 2px"
    std::string suffix = name.substr(std::string("BASIC Stamp 2").size());
    return "bs2" + suffix + (blank ? "-blank" : "");
}

std::string StampHost::PortName() const {
    return PortNameOf(kind_, blank_);
}

bool StampHost::HasProgram() const {
    std::lock_guard lock(mutex_);
    return !program_.empty();
}

std::uint8_t StampHost::Language() const {
    std::lock_guard lock(mutex_);
    return language_;
}

void StampHost::Reset(bool monitor) {
    state_ = monitor ? State::Monitor : State::Program;
    bridging_ = false;
    idStep_ = 0;
    identified_ = false;
    packet_.clear();
    // A reset ends a download half-way: the next one starts from its header.
    expectedPacket_ = 1;
    pending_ = 0;
    signDue_ = false;
    if (monitor) faults_.Reach(kMonitor);
    if (!monitor) {
        std::lock_guard lock(mutex_);
        if (program_.empty()) {
            state_ = State::Idle;
            return;
        }
        signDue_ = true;
        signAt_ = Clock::now() + kSignDelay;
    }
}

void StampHost::OnMonitorByte(DeviceIo& io, std::uint8_t byte) {
    if (identified_) {
        if (packet_.empty() && byte == 0) {
            Reset(false);
            faults_.Reach(kProgramStart);
            return;
        }
        OnPacketByte(io, byte);
        return;
    }
    if (kind_ == StampKind::BS2) {
        static constexpr std::uint8_t kLetters[] = {'B', 'S', '2'};
        if (idStep_ < 3 && byte == kLetters[idStep_]) {
            Send(io, Bs2Answer(byte));
            ++idStep_;
        } else if (idStep_ == 3 && byte == 0) {
            Send(io, VersionOf(kind_));
            identified_ = true;
        } else {
            idStep_ = 0;
        }
        return;
    }
    if (idStep_ == 0 && byte == InfoOf(kind_).letter) {
        Send(io, ReplyForVersion(kind_, VersionOf(kind_)));
        idStep_ = 1;
    } else if (idStep_ == 1 && byte == 0) {
        identified_ = true;
    } else {
        idStep_ = 0;
    }
}

void StampHost::OnPacketByte(DeviceIo& io, std::uint8_t byte) {
    if (packet_.empty()) faults_.Reach(kDownload);
    packet_.push_back(byte);
    if (packet_.size() < 18) return;
    std::uint8_t sum = 0;
    for (const std::uint8_t b : packet_) sum = static_cast<std::uint8_t>(sum + b);
    bool ok = sum == 0 && packet_[0] == expectedPacket_;
    if (ok && packet_[0] == 1) {
        const auto header = ReadStampHeader(packet_.data() + 1);
        ok = header && header->kind == kind_;
        if (ok) {
            std::lock_guard lock(mutex_);
            program_.clear();
            announcedPackets_ = header->packets;
            downloadLength_ = header->length;
            download_.clear();
        }
    } else if (ok) {
        download_.insert(download_.end(), packet_.begin() + 1, packet_.begin() + 17);
    }
    if (!ok && packet_[0] == 1) expectedPacket_ = 1;
    packet_.clear();
    Send(io, ok ? 0 : 1);
    if (!ok) return;
    if (expectedPacket_ == announcedPackets_) {
        download_.resize(static_cast<std::size_t>(downloadLength_));
        std::lock_guard lock(mutex_);
        program_ = download_;
        expectedPacket_ = 1;
        return;
    }
    ++expectedPacket_;
}

void StampHost::OnProgramByte(DeviceIo& io, std::uint8_t byte) {
    if (pending_ != 0) {
        const std::uint8_t command = pending_;
        pending_ = 0;
        Send(io, byte);
        if (command == 1 || command == 2) {
            // Module bytes are printable: commands, arguments, the space.
            if (byte < 0x20 || byte > 0x7E) ++violations_;
            wire_->ToModule(byte);
        } else if (command == 5) {
            std::lock_guard lock(mutex_);
            language_ = byte;
        }
        return;
    }
    if (!bridging_ && byte != 0 && byte != 'U') return;  // waiting for control mode
    switch (byte) {
        case 0:
            Reset(false);
            return;
        case 1:
        case 2:
        case 4:
        case 5:
            Send(io, byte);
            pending_ = byte;
            return;
        case 3:
            Send(io, byte);
            wire_->ToModule(kArgRequestToModule);
            return;
        case 6:
            Send(io, byte);
            Send(io, Language());
            return;
        case 'U':
            Send(io, byte);
            wire_->ToModule('b');
            keepModuleBytesUntil_ = Clock::now() + 100ms;
            bridging_ = true;
            return;
        default:
            ++violations_;  // not a bridge byte: ignored, unanswered
            return;
    }
}

void StampHost::OnLineEdges(DeviceIo& io) {
    io.TakeBreak();  // a break alone resets nothing
    if (const auto release = io.TakeDtrRelease()) Reset(*release);
}

void StampHost::Serve(DeviceIo& io) {
    ModuleWire wire;
    std::thread module([&] { module_->Serve(wire); });
    wire_ = &wire;
    bool held = false;
    while (!io.Stopping()) {
        OnLineEdges(io);
        held = io.Dtr();
        if (!held && signDue_ && Clock::now() >= signAt_) {
            signDue_ = false;
            if (!Send(io, '"')) break;
        }
        const auto byte = io.Read(1ms);
        if (byte) {
            if (!Send(io, *byte)) break;  // the echo of the serial input
            const std::uint32_t baud = io.LineOfLastRead().baud;
            if (held) {
                // in reset: the echo is all
            } else if (state_ == State::Monitor && baud == InfoOf(kind_).baud) {
                OnMonitorByte(io, *byte);
            } else if (state_ == State::Program && baud == 9600) {
                OnProgramByte(io, *byte);
            } else if (state_ == State::Program && bridging_ && pending_ == 0) {
                ++violations_;  // a byte at another speed reaches the program as garbage
            }
        }
        while (const auto reply = wire.FromModule()) {
            if (state_ != State::Program || Clock::now() < keepModuleBytesUntil_) continue;
            Send(io, *reply);
        }
        if (wire.TakeUnplug()) {
            io.Unplug();
            break;
        }
    }
    // The port closed with DTR up lets it fall.
    OnLineEdges(io);
    if (held || io.Dtr()) Reset(false);
    wire_ = nullptr;
    wire.Stop();
    module.join();
}

}  // namespace parlix::sim
