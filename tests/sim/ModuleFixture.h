// A module with given JSON content, reached straight through a LoopHost.
#pragma once

#include "sim/HostLine.h"
#include "sim/ModuleDevice.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace parlix::sim::test {

class ModuleFixture : public ::testing::Test {
  protected:
    void Load(const nlohmann::json& content) {
        host.reset();
        log.Clear();
        module = ModuleDevice::FromJson(content);
        module->SetSpeechMs(20);
        TransportOptions options;
        options.log = &log;
        host = std::make_unique<LoopHost>(module, options);
    }
    void SetUp() override { Load(nlohmann::json::object()); }

    // Status of a command, then `count` reply arguments fetched.
    struct Answer {
        std::optional<std::uint8_t> status;
        std::vector<int> args;
    };
    Answer Ask(char command, const std::vector<int>& args, std::size_t count,
               std::chrono::milliseconds timeout = 1000ms) {
        Answer answer;
        answer.status = host->Command(command, args, timeout);
        if (answer.status) answer.args = host->Fetch(count);
        return answer;
    }
    std::uint8_t Status(char command, const std::vector<int>& args = {},
                        std::chrono::milliseconds timeout = 1000ms) {
        return host->Command(command, args, timeout).value_or(0);
    }
    const StoredCommand& At(int group, int index) {
        snapshot = module->Memory();
        return snapshot.groups[group].at(index);
    }
    std::vector<std::string> Labels(int group) {
        std::vector<std::string> labels;
        const auto memory = module->Memory();
        for (const auto& c : memory.groups[group]) labels.push_back(c.label);
        return labels;
    }

    WireLog log;  // outlives the host that writes to it
    std::shared_ptr<ModuleDevice> module;
    std::unique_ptr<LoopHost> host;
    ModuleMemory snapshot;
};

}  // namespace parlix::sim::test
