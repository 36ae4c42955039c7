#include "sim/RoboNovaHost.h"

#include "sim/ModuleWire.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace parlix::sim {

using namespace std::chrono_literals;

namespace {

constexpr char kSignature[] = "$Zorin.1";
constexpr std::size_t kMemorySize = 32 * 1024;
constexpr std::size_t kRamSize = 1024;
constexpr int kPage = 128;

std::uint16_t Address(const std::vector<std::uint8_t>& op, std::size_t at) {
    return static_cast<std::uint16_t>(op[at] | (op[at + 1] << 8));
}

}  // namespace

RoboNovaHost::RoboNovaHost(std::shared_ptr<ModuleDevice> module, bool blank)
    : blank_(blank), module_(std::move(module)), memory_(kMemorySize, 0xFF), ram_(kRamSize, 0) {
    if (!blank) {
        std::memcpy(memory_.data(), kSignature, 8);
        std::fill(memory_.begin() + 16, memory_.begin() + 32, 0);
    }
}

bool RoboNovaHost::HasProgram() const {
    std::lock_guard lock(mutex_);
    return std::memcmp(memory_.data(), kSignature, 8) == 0;
}

std::uint8_t RoboNovaHost::MemoryAt(std::uint16_t address) const {
    std::lock_guard lock(mutex_);
    return memory_[address % kMemorySize];
}

std::array<std::uint8_t, 2> RoboNovaHost::LastOutput() const {
    std::lock_guard lock(mutex_);
    return output_;
}

void RoboNovaHost::OnDownloadByte(DeviceIo& io, std::uint8_t byte) {
    if (lengthBytes_ < 2) {
        length_ |= byte << (8 * lengthBytes_);
        ++lengthBytes_;
        Send(io, byte);
        if (lengthBytes_ == 2) pagesLeft_ = (length_ + kPage - 1) / kPage;
        return;
    }
    if (!inPage_) {
        if (byte == '?') {
            inPage_ = true;
            page_.clear();
            Send(io, '!');
        }
        return;
    }
    page_.push_back(byte);
    if (page_.size() < kPage + 1) return;
    std::uint8_t sum = 0;
    for (int i = 0; i < kPage; ++i) sum = static_cast<std::uint8_t>(sum + page_[i]);
    if (sum != page_[kPage]) badSum_ = true;
    {
        std::lock_guard lock(mutex_);
        std::copy(page_.begin(), page_.begin() + kPage, memory_.begin() + pageAddress_);
    }
    pageAddress_ = static_cast<std::uint16_t>(pageAddress_ + kPage);
    inPage_ = false;
    if (--pagesLeft_ > 0) return;
    downloading_ = false;
    if (badSum_) {
        std::lock_guard lock(mutex_);
        std::fill(memory_.begin(), memory_.end(), 0xFF);
    }
    Send(io, badSum_ ? 'X' : 'E');
}

void RoboNovaHost::OnByte(DeviceIo& io, std::uint8_t byte) {
    op_.push_back(byte);
    const std::uint8_t code = op_[0];
    if (op_.size() == 1) {
        if (code == 0xF0) faults_.Reach(kIdentify);
        if (code == 0xF2) faults_.Reach(kMemoryRead);
        if (code == 0xF8) faults_.Reach(kMailboxUse);
        if (code == 0xEC) faults_.Reach(kDownload);
    }
    std::uint8_t answer = byte;
    bool done = false;
    std::lock_guard lock(mutex_);
    switch (code) {
        case 0xF0:  // identify: the opening byte, then six answers
            if (op_.size() > 1) answer = kIdentity[op_.size() - 2];
            done = op_.size() == 7;
            break;
        case 0xF8:
            if (op_.size() == 4) {
                ram_[Address(op_, 1) % kRamSize] = byte;
                done = true;
            }
            break;
        case 0xF7:
        case 0xF2:
        case 0xB3:
            if (op_.size() == 4 && byte != 0x00) ++violations_;  // the read request is 0
            if (op_.size() == 4) {
                const std::uint16_t a = Address(op_, 1);
                answer = code == 0xF7   ? ram_[a % kRamSize]
                         : code == 0xF2 ? memory_[a % kMemorySize]
                                        : 0xFF;
                done = true;
            }
            break;
        case 0xF4:
            if (op_.size() == 2 && byte != 0x0B) done = true;
            if (op_.size() == 6) {
                if (op_[4] == op_[5]) memory_[Address(op_, 2) % kMemorySize] = byte;
                done = true;
            }
            break;
        case 0xE3:
            if (op_.size() == 3) {
                output_ = {op_[1], op_[2]};
                done = true;
            }
            break;
        case 0xEC:
            downloading_ = true;
            lengthBytes_ = 0;
            length_ = 0;
            badSum_ = false;
            pageAddress_ = 0;
            inPage_ = false;
            std::fill(memory_.begin(), memory_.end(), 0xFF);
            done = true;
            break;
        default:  // 0xFC and anything unknown: answered, nothing more
            if (code != 0xFC) ++violations_;
            done = true;
            break;
    }
    if (done) op_.clear();
    mutex_.unlock();
    Send(io, answer);
    mutex_.lock();
}

void RoboNovaHost::RunBridge() {
    while (const auto b = wire_->FromModule()) fromModule_.push_back(*b);
    std::lock_guard lock(mutex_);
    if (std::memcmp(memory_.data(), kSignature, 8) != 0) {
        fromModule_.clear();
        return;
    }
    std::uint8_t& box = ram_[kMailbox];
    if (box == 2) {
        box = 1;
        reply_ = Reply::Collecting;
        fromModule_.clear();
    } else if (box >= 4 && reply_ != Reply::Delivered) {
        wire_->ToModule(box);
        box = 1;
    } else if (box == 3) {
        if (reply_ == Reply::Collecting) {
            reply_ = Reply::Awaiting;
        } else if (reply_ == Reply::Delivered) {
            wire_->ToModule(' ');
            reply_ = Reply::Awaiting;
        } else if (!fromModule_.empty()) {
            box = fromModule_.front();
            delivered_ = box;
            fromModule_.pop_front();
            reply_ = Reply::Delivered;
        }
    } else if (box == 0) {
        reply_ = Reply::Collecting;
    }
}

void RoboNovaHost::Serve(DeviceIo& io) {
    ModuleWire wire;
    std::thread module([&] { module_->Serve(wire); });
    wire_ = &wire;
    op_.clear();
    downloading_ = false;
    while (!io.Stopping()) {
        const auto byte = io.Read(1ms);
        if (byte) {
            const std::uint32_t baud = io.LineOfLastRead().baud;
            if (downloading_) {
                if (baud == 115200) OnDownloadByte(io, *byte);
            } else if (baud == 9600) {
                OnByte(io, *byte);
            }
        }
        if (!downloading_) RunBridge();
        if (wire.TakeUnplug()) {
            io.Unplug();
            break;
        }
    }
    wire_ = nullptr;
    wire.Stop();
    module.join();
}

}  // namespace parlix::sim
