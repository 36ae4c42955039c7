#include "app/SimulatorLauncher.h"

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
    return {"sim:module",       "sim:arduino-uno",  "sim:arduino-mega",
            "sim:arduino-328",  "sim:arduino-168",  "sim:arduino-leonardo",
            "sim:arduino-due",  "sim:arduino-zero", "sim:bs2",
            "sim:bs2e",         "sim:bs2sx",        "sim:bs2p",
            "sim:bs2pe",        "sim:bs2px",        "sim:mrc3024",
            "sim:bs2-blank",    "sim:bs2e-blank",   "sim:bs2sx-blank",
            "sim:bs2p-blank",   "sim:bs2pe-blank",  "sim:bs2px-blank",
            "sim:mrc3024-blank"};
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

}  // namespace parlix
