// parlix-cli against one simulated module on a private simulator socket, with
// a private settings folder, so that neither the user's simulator nor the
// remembered port plays a part.
#pragma once

#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace parlix::test {

class SimModuleCli : public ::testing::Test {
  protected:
    // Serves `module` as sim:module.
    void Serve(std::shared_ptr<sim::ModuleDevice> module) {
        server = std::make_unique<sim::SimServer>(dir.File("sim.sock"));
        server->AddDevice("module", std::move(module));
        ASSERT_FALSE(server->Start());
    }
    ProgramResult Cli(const std::vector<std::string>& args) {
        return RunProgram("parlix-cli", args, {},
                          {{"XDG_CONFIG_HOME", dir.Path().string()},
                           {"PARLIX_SIM_SOCKET", dir.File("sim.sock")}});
    }

    TempDir dir;
    std::unique_ptr<sim::SimServer> server;
};

}  // namespace parlix::test
