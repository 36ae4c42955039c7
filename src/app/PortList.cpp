#include "app/PortList.h"

#include "app/AppSettings.h"
#include "link/SimDeviceList.h"

#include <algorithm>

namespace parlix {

bool IsSimulatedPort(const std::string& name) {
    return name.starts_with(kSimPortPrefix);
}

bool RefreshPortList(AppSettings& settings, const DiscoveryOptions& options) {
    std::vector<std::string> names;
    const bool ok = !ListPortNames(names, options);
    settings.SetPorts(std::move(names));
    return ok;
}

std::optional<std::string> WaitForNewPort(AppSettings& settings, const std::string& portInUse,
                                          std::uint32_t timeoutMs,
                                          const DiscoveryOptions& options) {
    return WaitForNewPort(settings.Ports(), portInUse, timeoutMs, timeoutMs,
                          [&](std::vector<std::string>& list) {
                              const bool ok = RefreshPortList(settings, options);
                              list = settings.Ports();
                              return ok;
                          });
}

std::vector<PortRecord> DiscoverPorts(const DiscoveryOptions& options) {
    std::vector<PortRecord> records;
    EnumerateSerialPorts(
        [&](const PortRecord& record) {
            const bool known =
                std::any_of(records.begin(), records.end(),
                            [&](const PortRecord& r) { return r.name == record.name; });
            if (!known) records.push_back(record);
            return true;
        },
        options);
    std::sort(records.begin(), records.end(), [](const PortRecord& a, const PortRecord& b) {
        return ComparePortOrder(a.name, b.name) < 0;
    });
    return records;
}

}  // namespace parlix
