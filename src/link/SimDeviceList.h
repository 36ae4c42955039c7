// The names of the devices that a running simulator serves right now; a
// simulated board that restarts leaves the list and comes back under a new name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace parlix {

// A port name with this prefix opens the simulated device named after it.
inline constexpr std::string_view kSimPortPrefix = "sim:";

// Names without the prefix; false when no simulator answers.
bool ListSimulatedDevices(const std::string& socketPath, std::vector<std::string>& names);

// The serial ports of the system and the devices of a running simulator.
bool ListPortsWithSimulated(std::vector<std::string>& list);

}  // namespace parlix
