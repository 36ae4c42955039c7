// One connection of the module: collects command bytes and their arguments,
// answers statuses, hands out reply arguments one per space, and runs the
// activities that answer later. A new command byte ends whatever the module
// was doing, as 'b' does.
#pragma once

#include "sim/DeviceIo.h"
#include "sim/ModuleLoader.h"
#include "sim/ModuleReply.h"

#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace parlix::sim {

class ModuleDevice;

class ModuleSession {
  public:
    using Clock = std::chrono::steady_clock;
    // A command whose argument bytes stop arriving for this long is dropped.
    static constexpr std::chrono::milliseconds kArgumentGap{1000};

    ModuleSession(ModuleDevice& device, DeviceIo& io) : device_(device), io_(io) {}
    void Run();

  private:
    // Runs the loader while it is active; false when the line ended meanwhile.
    bool RunLoader();
    void OnByte(std::uint8_t byte);
    void StartCommand(std::uint8_t command);
    void Execute();
    void Answer(Reply reply);
    void AnswerArgumentRequest();
    void Send(std::uint8_t byte);
    Clock::duration NextWait(Clock::time_point now) const;

    ModuleDevice& device_;
    DeviceIo& io_;

    bool collecting_ = false;
    std::uint8_t command_ = 0;
    std::vector<int> args_;
    Clock::time_point lastByte_{};
    int commands_ = 0;
    bool spared_ = false;  // the reply faults spare the current command
    LoaderWake wake_;
    bool greetLoader_ = false;  // the wake sequence just arrived

    std::deque<int> replyArgs_;
    std::shared_ptr<LevelStream> stream_;
    struct Pending {
        Clock::time_point due;
        std::function<Reply()> finish;
        Clock::time_point started;
        std::function<Reply(Reply::Ms)> stop;
    };
    std::optional<Pending> pending_;
};

}  // namespace parlix::sim
