// The settings object's port list, refreshed from port discovery.
#pragma once

#include "link/PortDiscovery.h"

#include <optional>
#include <string>

namespace parlix {

class AppSettings;

// Empties the port list and fills it again in port order, without duplicates.
bool RefreshPortList(AppSettings& settings, const DiscoveryOptions& options = {});

// Waits for `portInUse` to vanish and another port to appear (a board that
// restarts into its boot loader); the port list is refreshed as it goes.
std::optional<std::string> WaitForNewPort(AppSettings& settings, const std::string& portInUse,
                                          std::uint32_t timeoutMs,
                                          const DiscoveryOptions& options = {});

// Whether a port name opens a device of the simulator.
bool IsSimulatedPort(const std::string& name);

// Every port record, in the port order of their names.
std::vector<PortRecord> DiscoverPorts(const DiscoveryOptions& options = {});

}  // namespace parlix
