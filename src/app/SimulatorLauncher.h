// Starts parlix-sim in the background when no simulator serves yet.
#pragma once

#include <string>
#include <vector>

namespace parlix {

class AppSettings;

// The simulated ports that parlix-sim offers, the module first.
std::vector<std::string> SimulatedPorts();
// The port that --simulate makes current unless the user picked one.
std::string SimulatedModulePort();

// True when a simulator answers on `socketPath`.
bool SimulatorRunning(const std::string& socketPath);

// Starts `<programFolder>/parlix-sim` detached unless one runs; waits until
// it serves. On failure `error` says why.
bool EnsureSimulator(const std::string& programFolder, const std::string& socketPath,
                     std::string& error);

// What --simulate does in both front ends: starts the simulator beside the
// program unless one serves, and offers its ports after the system's.
bool OfferSimulatedPorts(AppSettings& settings, std::string& error);

}  // namespace parlix
