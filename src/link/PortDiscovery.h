// Serial port discovery: the ports that the system offers, their names in
// port order (adapters first, "ttyUSB2" before "ttyUSB10"), and the wait for a board that
// comes back under a new name after a restart.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace parlix {

struct PortRecord {
    std::string name;          // what Serial::Open takes: "ttyUSB0", or a full path
    std::string friendlyName;  // maker and model where udev knows them, else the name
    std::string technology;    // bus, such as "usb"; empty when unknown
};

struct DiscoveryOptions {
    // The tty class directory of sysfs; tests point it at a fake tree.
    std::string sysfsRoot = "/sys/class/tty";
    // Devices offered besides those of sysfs (pseudo-terminals, by-id links);
    // those that do not exist are left out.
    std::vector<std::string> extraPaths;
    // Asks udev for friendly names and technologies.
    bool useUdev = true;
};

// Returns false to stop the enumeration (which still succeeds).
using PortCallback = std::function<bool(const PortRecord&)>;

// Calls `callback` once for each port found. Returns why it failed:
// Status::InvalidParameter for a null callback, the system's code when the
// sysfs directory cannot be read. A missing directory means no ports.
std::error_code EnumerateSerialPorts(const PortCallback& callback,
                                     const DiscoveryOptions& options = {});

// Natural order of port names: runs of digits compare as numbers.
// Negative, zero or positive like strcmp.
int ComparePortNames(const std::string& a, const std::string& b);

// The order of the port list: USB and ACM adapters first, then on-board
// UARTs and other ttys, then typed or extra paths, then simulated devices;
// within each kind the natural order. Zero only for names equal in the natural order.
int ComparePortOrder(const std::string& a, const std::string& b);

// Inserts `name` into a list kept in port order, unless an equal name is there.
void InsertPortSorted(std::vector<std::string>& list, const std::string& name);

// Empties `list` and fills it with the port names in port order, unique. On
// failure it keeps what was found before the failure, and returns why.
std::error_code ListPortNames(std::vector<std::string>& list, const DiscoveryOptions& options = {});

// Fills the list again; false when the enumeration failed.
using PortListRefresh = std::function<bool(std::vector<std::string>&)>;
using SleepFunction = std::function<void(std::chrono::milliseconds)>;

inline constexpr std::chrono::milliseconds kPortPollInterval{100};

// Waits up to `timeoutMs` for `portInUse` to vanish from the list and a new
// name to appear; returns the first new name, or none. A port that has not
// vanished within `removalWithinMs` belongs to no board that restarts: the
// wait ends there. `currentList` is the list as it was before the wait.
std::optional<std::string> WaitForNewPort(const std::vector<std::string>& currentList,
                                          const std::string& portInUse, std::uint32_t timeoutMs,
                                          std::uint32_t removalWithinMs,
                                          const PortListRefresh& refresh,
                                          const SleepFunction& sleep = {});

}  // namespace parlix
