// The simulated voice-recognition module: its memory, the scripted user in
// front of it, injectable faults, and the command protocol it speaks.
//
// Everything here is thread-safe: tests change the state, the script and the
// faults while a transport thread serves the module.
#pragma once

#include "sim/Device.h"
#include "sim/ModuleCommands.h"
#include "sim/ModuleLoader.h"
#include "sim/ModuleMemory.h"
#include "sim/UserScript.h"

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace parlix::sim {

struct ModuleFaults {
    int dropReplyBytes = 0;    // the next n bytes the module sends are lost
    int garbleReplyBytes = 0;  // the next n bytes the module sends are replaced
    std::uint8_t garbage = 0xFF;
    bool silent = false;           // the module answers nothing at all
    int unplugAfterCommands = -1;  // on each connection, answer this many commands, then unplug
    int slowReplyBytes = 0;        // the next n bytes the module sends come late,
    int slowReplyMs = 0;           // each by this long on top of the reply delay
    // The reply faults above (lost, replaced, silent, slow) spare the replies
    // to the next n commands, then the next m reply bytes, so that a fault can
    // strike at a chosen byte in the middle of a read.
    int afterCommands = 0;
    int afterReplyBytes = 0;
    bool unplug = false;  // unplug instead of sending the first byte not spared
};

class ModuleDevice : public Device {
  public:
    ModuleDevice() : commands_(memory_, script_) {}
    explicit ModuleDevice(ModuleMemory memory);
    // Memory, script and faults from JSON (the format sim/README.md describes).
    // Throws std::invalid_argument with a readable reason on bad content.
    static std::shared_ptr<ModuleDevice> FromJson(const nlohmann::json& content);
    static std::shared_ptr<ModuleDevice> FromFile(const std::string& path);

    void Serve(DeviceIo& io) override;

    // State, under the device's lock.
    ModuleMemory Memory() const;
    void SetMemory(ModuleMemory memory);
    void ChangeMemory(const std::function<void(ModuleMemory&)>& change);
    nlohmann::json ToJson() const;

    // The user script.
    void Script(Activity activity, Outcome outcome);
    std::size_t PendingOutcomes(Activity activity) const;
    void SetSpeechMs(int ms);

    // Faults.
    void SetFaults(const ModuleFaults& faults);
    ModuleFaults Faults() const;
    void DropNextReplyBytes(int count = 1);
    void GarbleNextReplyBytes(int count = 1, std::uint8_t garbage = 0xFF);
    void SetSilent(bool silent);
    // Closes the line now when the module is being served, else at the next connection.
    void Unplug();

    // The loader: whether it runs instead of the firmware (a download began
    // and was not handed over), and its state together with the memory.
    bool InLoader() const;
    void EnterLoader();
    void WithLoader(const std::function<void(LoaderState&, ModuleMemory&)>& use);

  private:
    friend class ModuleSession;
    friend class ModuleLoader;

    Reply Execute(std::uint8_t command, const std::vector<int>& args);
    Reply Finish(const std::function<Reply()>& finish);
    // A command starts: whether the reply faults spare its replies.
    bool SpareCommand();
    // A reply byte of a command not spared is due: whether the faults spare it.
    bool SpareReplyByte();
    // The unplug fault is due for a byte not spared.
    bool TakeFaultUnplug();
    // How long the module waits before a byte it sends, slow-reply faults included.
    int ReplyDelayMs(bool spared);
    // The slow-reply fault alone, for a byte not spared (the loader has no reply delay).
    int SlowReplyMs(bool spared);
    // The byte that goes out instead of `byte` (nothing: it is lost).
    std::optional<std::uint8_t> ApplyFaults(std::uint8_t byte, bool spared);
    bool TakeUnplug();
    bool CommandUnplugs(int commandsThisConnection) const;

    mutable std::mutex mutex_;
    ModuleMemory memory_;
    UserScript script_;
    ModuleCommands commands_;
    ModuleFaults faults_;
    bool unplugRequested_ = false;
    LoaderState loader_;
};

}  // namespace parlix::sim
