#include "sim/ModuleDevice.h"

#include "sim/ModuleSession.h"

#include <utility>

namespace parlix::sim {

ModuleDevice::ModuleDevice(ModuleMemory memory)
    : memory_(std::move(memory)), commands_(memory_, script_) {}

void ModuleDevice::Serve(DeviceIo& io) {
    ModuleSession session(*this, io);
    session.Run();
}

ModuleMemory ModuleDevice::Memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

void ModuleDevice::SetMemory(ModuleMemory memory) {
    std::lock_guard lock(mutex_);
    memory_ = std::move(memory);
}

void ModuleDevice::ChangeMemory(const std::function<void(ModuleMemory&)>& change) {
    std::lock_guard lock(mutex_);
    change(memory_);
}

void ModuleDevice::Script(Activity activity, Outcome outcome) {
    std::lock_guard lock(mutex_);
    script_.Push(activity, std::move(outcome));
}

std::size_t ModuleDevice::PendingOutcomes(Activity activity) const {
    std::lock_guard lock(mutex_);
    return script_.Pending(activity);
}

void ModuleDevice::SetSpeechMs(int ms) {
    std::lock_guard lock(mutex_);
    script_.speechMs = ms;
}

void ModuleDevice::SetFaults(const ModuleFaults& faults) {
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

ModuleFaults ModuleDevice::Faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void ModuleDevice::DropNextReplyBytes(int count) {
    std::lock_guard lock(mutex_);
    faults_.dropReplyBytes += count;
}

void ModuleDevice::GarbleNextReplyBytes(int count, std::uint8_t garbage) {
    std::lock_guard lock(mutex_);
    faults_.garbleReplyBytes += count;
    faults_.garbage = garbage;
}

void ModuleDevice::SetSilent(bool silent) {
    std::lock_guard lock(mutex_);
    faults_.silent = silent;
}

void ModuleDevice::Unplug() {
    std::lock_guard lock(mutex_);
    unplugRequested_ = true;
}

bool ModuleDevice::InLoader() const {
    std::lock_guard lock(mutex_);
    return loader_.active;
}

void ModuleDevice::EnterLoader() {
    std::lock_guard lock(mutex_);
    loader_.active = true;
}

void ModuleDevice::WithLoader(const std::function<void(LoaderState&, ModuleMemory&)>& use) {
    std::lock_guard lock(mutex_);
    use(loader_, memory_);
}

Reply ModuleDevice::Execute(std::uint8_t command, const std::vector<int>& args) {
    std::lock_guard lock(mutex_);
    return commands_.Execute(command, args);
}

Reply ModuleDevice::Finish(const std::function<Reply()>& finish) {
    std::lock_guard lock(mutex_);
    return finish ? finish() : Reply::None();
}

bool ModuleDevice::SpareCommand() {
    std::lock_guard lock(mutex_);
    if (faults_.afterCommands <= 0) return false;
    --faults_.afterCommands;
    return true;
}

bool ModuleDevice::SpareReplyByte() {
    std::lock_guard lock(mutex_);
    if (faults_.afterReplyBytes <= 0) return false;
    --faults_.afterReplyBytes;
    return true;
}

bool ModuleDevice::TakeFaultUnplug() {
    std::lock_guard lock(mutex_);
    return std::exchange(faults_.unplug, false);
}

int ModuleDevice::ReplyDelayMs(bool spared) {
    const int slow = SlowReplyMs(spared);
    std::lock_guard lock(mutex_);
    return memory_.replyDelayMs + slow;
}

int ModuleDevice::SlowReplyMs(bool spared) {
    std::lock_guard lock(mutex_);
    if (spared || faults_.slowReplyBytes <= 0) return 0;
    --faults_.slowReplyBytes;
    return faults_.slowReplyMs;
}

std::optional<std::uint8_t> ModuleDevice::ApplyFaults(std::uint8_t byte, bool spared) {
    std::lock_guard lock(mutex_);
    if (spared) return byte;
    if (faults_.silent) return std::nullopt;
    if (faults_.dropReplyBytes > 0) {
        --faults_.dropReplyBytes;
        return std::nullopt;
    }
    if (faults_.garbleReplyBytes > 0) {
        --faults_.garbleReplyBytes;
        return faults_.garbage;
    }
    return byte;
}

bool ModuleDevice::TakeUnplug() {
    std::lock_guard lock(mutex_);
    return std::exchange(unplugRequested_, false);
}

bool ModuleDevice::CommandUnplugs(int commandsThisConnection) const {
    std::lock_guard lock(mutex_);
    return faults_.unplugAfterCommands >= 0 && commandsThisConnection > faults_.unplugAfterCommands;
}

}  // namespace parlix::sim
