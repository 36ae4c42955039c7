#include "link/PortDiscovery.h"

#include "base/Cancellation.h"
#include "base/Status.h"
#include "link/SimDeviceList.h"

#include <dirent.h>
#include <libudev.h>
#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <thread>

namespace parlix {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Compares two runs of decimal digits by value, whatever their length.
int CompareNumbers(std::string_view a, std::string_view b) {
    auto strip = [](std::string_view s) {
        const auto first = s.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view{} : s.substr(first);
    };
    a = strip(a);
    b = strip(b);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string_view DigitRun(const std::string& s, std::size_t from) {
    std::size_t end = from;
    while (end < s.size() && IsDigit(s[end])) ++end;
    return std::string_view(s).substr(from, end - from);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::string ReadFirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    const auto end = line.find_last_not_of(" \t\r\n");
    return end == std::string::npos ? std::string{} : line.substr(0, end + 1);
}

// The serial8250 driver registers ttyS entries for every possible port;
// those without a UART behind them report type 0.
bool IsPlaceholder(const std::string& name, const std::string& entryPath) {
    return name.starts_with("ttyS") && ReadFirstLine(entryPath + "/type") == "0";
}

// Adapters that a user plugs in are what they look for; the on-board UARTs
// (often the console) come after them.
int PortKind(const std::string& name) {
    if (name.starts_with(kSimPortPrefix)) return 3;
    if (name.find('/') != std::string::npos) return 2;
    if (name.starts_with("ttyACM") ||
        (name.starts_with("tty") && name.find("USB") != std::string::npos))
        return 0;
    return 1;
}

struct UdevDeleter {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
using UdevPtr = std::unique_ptr<udev, UdevDeleter>;
using UdevDevicePtr = std::unique_ptr<udev_device, UdevDeleter>;

std::string Property(udev_device* device, const char* key) {
    const char* value = udev_device_get_property_value(device, key);
    return value ? value : "";
}

// udev writes names from the device descriptors with '_' for blanks.
std::string Blanks(std::string s) {
    std::replace(s.begin(), s.end(), '_', ' ');
    return s;
}

// The subsystem of the nearest ancestor that is not part of the serial core
// itself ("serial-base" on newer kernels), such as "usb-serial" or "pnp".
std::string ParentBus(udev_device* device) {
    // Parents are borrowed references that live as long as the child.
    for (udev_device* parent = udev_device_get_parent(device); parent;
         parent = udev_device_get_parent(parent)) {
        const char* subsystem = udev_device_get_subsystem(parent);
        if (subsystem && std::string_view(subsystem) != "serial-base") return subsystem;
    }
    return {};
}

void Describe(udev* context, const std::string& entryPath, PortRecord& record) {
    if (!context) return;
    char resolved[PATH_MAX];
    if (!::realpath(entryPath.c_str(), resolved)) return;
    UdevDevicePtr device(udev_device_new_from_syspath(context, resolved));
    if (!device) return;

    std::string model = Property(device.get(), "ID_MODEL_FROM_DATABASE");
    if (model.empty()) model = Blanks(Property(device.get(), "ID_MODEL"));
    std::string vendor = Property(device.get(), "ID_VENDOR_FROM_DATABASE");
    if (vendor.empty()) vendor = Blanks(Property(device.get(), "ID_VENDOR"));
    std::string friendly = vendor;
    if (!model.empty()) friendly += (friendly.empty() ? "" : " ") + model;
    if (friendly.empty())
        friendly = Blanks(Property(device.get(), "ID_SERIAL"));
    else if (const std::string serial = Property(device.get(), "ID_SERIAL_SHORT"); !serial.empty())
        friendly += " (" + serial + ")";
    if (!friendly.empty()) record.friendlyName = friendly;

    record.technology = Property(device.get(), "ID_BUS");
    if (record.technology.empty()) record.technology = ParentBus(device.get());
}

// The ports of the sysfs tty class, in natural order.
std::error_code ScanSysfs(const DiscoveryOptions& options, std::vector<PortRecord>& ports) {
    DIR* dir = ::opendir(options.sysfsRoot.c_str());
    if (!dir) {
        if (errno == ENOENT) return {};  // no tty class at all: no ports
        return ErrnoCode(errno);
    }
    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) break;
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::string path = options.sysfsRoot + "/" + name;
        // Virtual terminals, ptys and the console have no device behind them.
        if (!Exists(path + "/device") || IsPlaceholder(name, path)) continue;
        names.push_back(name);
    }
    const int readError = errno;
    ::closedir(dir);
    if (readError != 0) return ErrnoCode(readError);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return ComparePortOrder(a, b) < 0;
    });

    UdevPtr context(options.useUdev ? udev_new() : nullptr);
    for (const std::string& name : names) {
        PortRecord record{name, name, {}};
        Describe(context.get(), options.sysfsRoot + "/" + name, record);
        ports.push_back(std::move(record));
    }
    return {};
}

}  // namespace

std::error_code EnumerateSerialPorts(const PortCallback& callback,
                                     const DiscoveryOptions& options) {
    if (!callback) return Status::InvalidParameter;
    std::vector<PortRecord> ports;
    const std::error_code scanned = ScanSysfs(options, ports);
    if (!scanned) {
        for (const std::string& path : options.extraPaths) {
            if (Exists(path)) ports.push_back(PortRecord{path, path, {}});
        }
    }
    for (const PortRecord& record : ports) {
        if (!callback(record)) break;
    }
    return scanned;
}

int ComparePortNames(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[i])) {
            const std::string_view runA = DigitRun(a, i);
            if (const int c = CompareNumbers(runA, DigitRun(b, i)); c != 0) return c;
            // Past the first name's run, even when the other's is longer.
            i += runA.size();
            continue;
        }
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int ComparePortOrder(const std::string& a, const std::string& b) {
    const int kindA = PortKind(a);
    const int kindB = PortKind(b);
    if (kindA != kindB) return kindA < kindB ? -1 : 1;
    return ComparePortNames(a, b);
}

void InsertPortSorted(std::vector<std::string>& list, const std::string& name) {
    const auto at = std::lower_bound(list.begin(), list.end(), name,
                                     [](const std::string& item, const std::string& key) {
                                         return ComparePortOrder(item, key) < 0;
                                     });
    if (at != list.end() && ComparePortOrder(*at, name) == 0) return;
    list.insert(at, name);
}

std::error_code ListPortNames(std::vector<std::string>& list, const DiscoveryOptions& options) {
    list.clear();
    return EnumerateSerialPorts(
        [&list](const PortRecord& record) {
            InsertPortSorted(list, record.name);
            return true;
        },
        options);
}

std::optional<std::string> WaitForNewPort(const std::vector<std::string>& currentList,
                                          const std::string& portInUse, std::uint32_t timeoutMs,
                                          std::uint32_t removalWithinMs,
                                          const PortListRefresh& refresh,
                                          const SleepFunction& sleep) {
    const std::vector<std::string> old = currentList;
    if (timeoutMs == 0 || !refresh) return std::nullopt;
    auto pause = [&sleep] {
        if (sleep)
            sleep(kPortPollInterval);
        else
            SleepUntilUnlessCancelled(std::chrono::steady_clock::now() + kPortPollInterval);
    };
    auto contains = [](const std::vector<std::string>& list, const std::string& name) {
        return std::any_of(list.begin(), list.end(), [&name](const std::string& item) {
            return ComparePortNames(item, name) == 0;
        });
    };
    const auto step = static_cast<std::uint64_t>(kPortPollInterval.count());
    std::uint64_t elapsed = 0;
    std::vector<std::string> fresh;

    // Until the port in use has left the list: check, then pause.
    for (;;) {
        if (refresh(fresh) && contains(old, portInUse) && !contains(fresh, portInUse)) break;
        pause();
        elapsed += step;
        if (elapsed >= std::min(timeoutMs, removalWithinMs)) return std::nullopt;
    }
    // Until a name appears that was not there before: pause, then check.
    while (elapsed < timeoutMs) {
        pause();
        elapsed += step;
        if (!refresh(fresh)) continue;
        for (const std::string& name : fresh) {
            if (!contains(old, name)) return name;
        }
    }
    return std::nullopt;
}

}  // namespace parlix
