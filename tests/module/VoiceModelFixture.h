// A data model over a controller connected through a scripted link, with
// helpers that script what the module answers to the model's reads.
#pragma once

#include "module/ControllerFixture.h"
#include "module/Labels.h"
#include "module/VoiceModel.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

namespace parlix::test {

// A scripted link whose status waits can be held, so that a model operation
// stays inside its exchange (its objects busy) until the test lets it go.
class GatedProxy : public FakeProxy {
  public:
    using FakeProxy::FakeProxy;

    void Hold() {
        std::lock_guard lock(mutex_);
        held_ = true;
        entered_ = false;
    }
    void Release() {
        {
            std::lock_guard lock(mutex_);
            held_ = false;
        }
        cv_.notify_all();
    }
    // Whether some exchange is waiting at the gate.
    bool WaitUntilEntered() {
        std::unique_lock lock(mutex_);
        return cv_.wait_for(lock, std::chrono::seconds(10), [this] { return entered_; });
    }

    LinkResult DoReceiveStatus(std::uint8_t& status, int tenths) override {
        {
            std::unique_lock lock(mutex_);
            entered_ = true;
            cv_.notify_all();
            // Bounded, so that a query that wrongly waits fails the test instead of hanging it.
            cv_.wait_for(lock, std::chrono::seconds(10), [this] { return !held_; });
        }
        return FakeProxy::DoReceiveStatus(status, tenths);
    }

  private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool held_ = false;
    bool entered_ = false;
};

// What a command reads as: its trained count and what it is similar to
// (nullopt: nothing; k >= 0: command k; negative: trigger word -1 - value).
struct ScriptedCommand {
    int trained = 1;
    std::optional<std::int32_t> similarTo;
    std::string label;
};

class VoiceModelFixture : public ControllerFixture {
  protected:
    VoiceModelFixture() : model(&front) {}

    void SetUp() override {
        UseFakes();
        controller.Link().SetTryOrder({&robo, &link, &shield, &stamp});
        link.sharedLog = &log;
        link.detectResult = true;
        ASSERT_TRUE(controller.Link().Connect());
        Forget();
    }

    // Drops what the connection left in the logs.
    void Forget() {
        front.Clear();
        log.clear();
        link.calls.clear();
        link.statusTimeouts.clear();
    }

    // A module with firmware `id`, reset as after connecting, English words loaded.
    void Start(int id) {
        model.SetCapabilities(id);
        ASSERT_TRUE(model.LoadBuiltinWords(0));
        model.ResetModel();
    }

    void ScriptCommand(const ScriptedCommand& command) {
        int flags = command.trained;
        int index = 0;
        if (command.similarTo && *command.similarTo >= 0) {
            flags |= 0x08;
            index = *command.similarTo;
        } else if (command.similarTo) {
            flags |= 0x10;
            index = -1 - *command.similarTo;
        }
        link.statuses.push_back('d');
        for (int value : {flags, index, static_cast<int>(command.label.size())})
            link.arguments.push_back(value);
        for (char c : command.label) link.arguments.push_back(c - 'A');
    }

    // Reads list `list` with these commands into the model, every other group empty.
    void LoadGroup(int list, const std::vector<ScriptedCommand>& commands) {
        for (int n = 0; n < kGroupLists; ++n)
            if (n != list) model.SetGroupEmpty(n);
        link.statuses.push_back('c');
        link.arguments.push_back(static_cast<int>(commands.size()));
        ASSERT_EQ(model.RefreshGroupCount(list, controller), static_cast<int>(commands.size()));
        for (std::size_t i = 0; i < commands.size(); ++i) {
            ScriptCommand(commands[i]);
            ASSERT_TRUE(model.RefreshCommand(list, static_cast<int>(i), controller)) << i;
        }
        Forget();
    }

    // The entry as a view reads it; fails the test when it is busy.
    EntrySnapshot Entry(int list, int index) {
        const auto entry = model.TryReadEntry(list, index);
        EXPECT_TRUE(entry.has_value()) << "list " << list << " entry " << index << " busy";
        return entry.value_or(EntrySnapshot{});
    }

    // The conflicts of entries 0 to count-1: nullopt where there is none.
    std::vector<std::optional<std::int32_t>> Conflicts(int list) {
        std::vector<std::optional<std::int32_t>> result;
        for (int i = 0; i < model.GetListCount(list); ++i) {
            const EntrySnapshot entry = Entry(list, i);
            result.push_back(entry.hasConflict ? std::optional(entry.conflict) : std::nullopt);
        }
        return result;
    }

    GatedProxy link{"link"};
    VoiceModel model;
};

}  // namespace parlix::test
