// Starts parlix-sim in the background when no simulator serves yet.
#pragma once

#include <string>
#include <vector>

namespace parlix {

// The simulated ports that parlix-sim offers.
std::vector<std::string> SimulatedPorts();

// True when a simulator answers on `socketPath`.
bool SimulatorRunning(const std::string& socketPath);

// Starts `<programFolder>/parlix-sim` detached unless one runs; waits until
// it serves. On failure `error` says why.
bool EnsureSimulator(const std::string& programFolder, const std::string& socketPath,
                     std::string& error);

}  // namespace parlix
