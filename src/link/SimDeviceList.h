// The names of the devices that a running simulator serves right now; a
// simulated board that restarts leaves the list and comes back under a new name.
#pragma once

#include <string>
#include <vector>

namespace parlix {

// Names without the "sim:" prefix; false when no simulator answers.
bool ListSimulatedDevices(const std::string& socketPath, std::vector<std::string>& names);

}  // namespace parlix
