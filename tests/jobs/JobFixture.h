// The program data that the jobs work on, connected through a scripted link,
// with helpers that script the module's answers and wait for job completions.
#pragma once

#include "app/AppSettings.h"
#include "jobs/ProgramData.h"
#include "module/VoiceModelFixture.h"  // GatedProxy
#include "support/FakeProxy.h"
#include "support/RecordingFrontEnd.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace parlix::test {

// Also keeps every progress range and position, and the window's enabling.
class HistoryFrontEnd : public RecordingFrontEnd {
  public:
    void SetProgressRange(std::uint32_t range) override {
        RecordingFrontEnd::SetProgressRange(range);
        std::lock_guard lock(mutex_);
        ranges_.push_back(range);
    }
    void SetProgressPos(std::uint32_t pos) override {
        RecordingFrontEnd::SetProgressPos(pos);
        std::lock_guard lock(mutex_);
        positions_.push_back(pos);
    }
    bool EnableMainWindow(bool enable) override {
        std::lock_guard lock(mutex_);
        enables_.push_back(enable);
        const bool was = enabled_;
        enabled_ = enable;
        return was;
    }
    std::vector<std::uint32_t> Ranges() const {
        std::lock_guard lock(mutex_);
        return ranges_;
    }
    std::vector<std::uint32_t> Positions() const {
        std::lock_guard lock(mutex_);
        return positions_;
    }
    std::vector<bool> Enables() const {
        std::lock_guard lock(mutex_);
        return enables_;
    }
    void ClearHistory() {
        std::lock_guard lock(mutex_);
        ranges_.clear();
        positions_.clear();
        enables_.clear();
    }

    // Waits (generously) until `count` job completions have been posted.
    bool WaitForCompletions(std::size_t count) {
        return WaitUntil([&] { return JobsFinished().size() >= count; }, std::chrono::seconds(20));
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::uint32_t> ranges_;
    std::vector<std::uint32_t> positions_;
    std::vector<bool> enables_;
    bool enabled_ = true;
};

// A send as the log shows it, with long argument lists cut after three values.
inline std::string Brief(const std::string& entry) {
    std::size_t commas = 0;
    for (std::size_t i = 0; i < entry.size(); ++i)
        if (entry[i] == ',' && ++commas == 3) return entry.substr(0, i) + ",...]";
    return entry;
}

class JobFixture : public ::testing::Test {
  protected:
    JobFixture() : settings(dir.File("bin/parlix-desk"), dir.File("Settings.ini")) {
        settings.UseCurrentPort("COM3");
    }

    void SetUp() override {
        link.detectResult = true;
        data.Controller().Link().SetTryOrder({&link, &link, &link, &link});
        ASSERT_TRUE(data.Controller().Link().Connect());
        data.Progress().AttachBars();
        Forget();
    }

    void Forget() {
        front.Clear();
        front.ClearHistory();
        link.calls.clear();
    }

    // A module with firmware `id` as after connecting: nothing read yet.
    void Start(int id) {
        model().SetCapabilities(id);
        ASSERT_TRUE(model().LoadBuiltinWords(0));
        model().ResetModel();
    }

    // Every group read: those in `groups` with these labels, the others empty.
    void LoadGroups(const std::map<int, std::vector<std::string>>& groups) {
        for (int g = 0; g < kGroupLists; ++g) {
            const auto it = groups.find(g);
            if (it == groups.end()) {
                model().SetGroupEmpty(g);
                continue;
            }
            ScriptCount(static_cast<int>(it->second.size()));
            ASSERT_EQ(model().RefreshGroupCount(g, controller()),
                      static_cast<int>(it->second.size()));
            for (std::size_t i = 0; i < it->second.size(); ++i) {
                ScriptCommand(it->second[i]);
                ASSERT_TRUE(model().RefreshCommand(g, static_cast<int>(i), controller()));
            }
        }
        ASSERT_TRUE(model().AreGroupsLoaded());
        Forget();
    }

    void ScriptOk(int times = 1) {
        for (int i = 0; i < times; ++i) link.statuses.push_back('o');
    }
    void ScriptCount(int count) {
        link.statuses.push_back('c');
        link.arguments.push_back(count);
    }
    // A trained command with this label, nothing similar.
    void ScriptCommand(const std::string& label) {
        link.statuses.push_back('d');
        for (int value : {1, 0, static_cast<int>(label.size())}) link.arguments.push_back(value);
        for (char c : label) link.arguments.push_back(c - 'A');
    }
    // The module hands out a command block as these hexadecimal digits.
    void ScriptExport(const std::string& digits) {
        link.statuses.push_back('~');
        link.arguments.push_back(3);
        for (char c : digits) link.arguments.push_back(c <= '9' ? c - '0' : c - 'A' + 10);
    }

    // What went to the module, without line purges and busy notices.
    std::vector<std::string> Sends() const {
        std::vector<std::string> sends;
        for (const auto& entry : link.calls)
            if (entry.rfind("send:", 0) == 0) sends.push_back(Brief(entry.substr(5)));
        return sends;
    }

    VoiceModel& model() { return data.Model(); }
    ModuleController& controller() { return data.Controller(); }

    TempDir dir;
    HistoryFrontEnd front;
    AppSettings settings;
    GatedProxy link{"link"};
    ProgramData data{settings, front};
};

}  // namespace parlix::test
