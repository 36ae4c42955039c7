#include "app/SimulatorLauncher.h"

#include "app/AppSettings.h"
#include "link/SimDeviceList.h"
#include "link/SimLineProtocol.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace parlix {

std::vector<std::string> SimulatedPorts() {
    static constexpr const char* kDevices[] = {"module",        "arduino-uno",  "arduino-mega",
                                               "arduino-328",   "arduino-168",  "arduino-leonardo",
                                               "arduino-due",   "arduino-zero", "bs2",
                                               "bs2e",          "bs2sx",        "bs2p",
                                               "bs2pe",         "bs2px",        "mrc3024",
                                               "bs2-blank",     "bs2e-blank",   "bs2sx-blank",
                                               "bs2p-blank",    "bs2pe-blank",  "bs2px-blank",
                                               "mrc3024-blank", "silent"};
    std::vector<std::string> ports;
    for (const char* device : kDevices) ports.push_back(std::string(kSimPortPrefix) + device);
    return ports;
}

std::string SimulatedModulePort() {
    return SimulatedPorts().front();
}

bool SimulatorRunning(const std::string& socketPath) {
    sockaddr_un addr{};
    if (socketPath.size() >= sizeof(addr.sun_path)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0;
    ::close(fd);
    return ok;
}

bool EnsureSimulator(const std::string& programFolder, const std::string& socketPath,
                     std::string& error) {
    if (SimulatorRunning(socketPath)) return true;
    const std::string program = programFolder + "/parlix-sim";
    if (::access(program.c_str(), X_OK) != 0) {
        error = "cannot start the simulator: " + program + ": " + std::strerror(errno);
        return false;
    }
    // Double fork, so that the simulator outlives this process without becoming a zombie.
    const pid_t child = ::fork();
    if (child < 0) {
        error = std::string("cannot start the simulator: ") + std::strerror(errno);
        return false;
    }
    if (child == 0) {
        ::setsid();
        if (::fork() != 0) ::_exit(0);
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
        }
        ::execl(program.c_str(), program.c_str(), "--socket", socketPath.c_str(), "--idle-exit",
                "600", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    for (int i = 0; i < 100; ++i) {
        if (SimulatorRunning(socketPath)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    error = "the simulator did not start: " + program;
    return false;
}

bool OfferSimulatedPorts(AppSettings& settings, std::string& error) {
    if (!EnsureSimulator(settings.ProgramFolder(), simline::DefaultSocketPath(), error))
        return false;
    settings.SetExtraPorts(SimulatedPorts());
    return true;
}

}  // namespace parlix
