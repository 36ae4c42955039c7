// parlix-sim: serves simulated devices on the virtual serial line socket and,
// when asked, on a pseudo-terminal.
#include "link/PreciseTimers.h"
#include "link/SimLineProtocol.h"
#include "sim/ArduinoBoard.h"
#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "sim/RoboNovaHost.h"
#include "sim/SilentDevice.h"
#include "sim/SimServer.h"
#include "sim/StampHost.h"
#include "sim/WireLog.h"

#include <CLI/CLI.hpp>

#include <pthread.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;
using namespace parlix::sim;

namespace {

fs::path ProgramFolder() {
    std::error_code error;
    const auto exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : exe.parent_path();
}

std::shared_ptr<ModuleDevice> LoadModule(const std::string& file) {
    if (!file.empty()) return ModuleDevice::FromFile(file);
    const auto demo = ProgramFolder() / "data" / "sim" / "demo-module.json";
    if (fs::exists(demo)) return ModuleDevice::FromFile(demo.string());
    return std::make_shared<ModuleDevice>();
}

}  // namespace

int main(int argc, char** argv) {
    parlix::UsePreciseTimers();
    CLI::App app{"Simulated Parlix devices for Parlix Desk"};
    std::string socketPath = parlix::simline::DefaultSocketPath();
    std::string moduleFile;
    std::string wireLogFile;
    bool timing = false;
    bool pty = false;
    int idleExit = 0;
    app.add_option("--socket", socketPath, "Socket of the virtual serial line")
        ->capture_default_str();
    app.add_option("--module", moduleFile, "Module content (JSON)")->check(CLI::ExistingFile);
    app.add_option("--wire-log", wireLogFile, "Write every byte on the line to this file");
    app.add_flag("--timing", timing, "Pace bytes at the line's baud rate (10 bits a byte)");
    app.add_flag("--pty", pty, "Also serve the module on a pseudo-terminal and print its path");
    app.add_option("--idle-exit", idleExit, "Exit after this many seconds without a connection")
        ->check(CLI::NonNegativeNumber);
    CLI11_PARSE(app, argc, argv);

    std::shared_ptr<ModuleDevice> module;
    try {
        module = LoadModule(moduleFile);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "parlix-sim: %s\n", e.what());
        return 1;
    }

    // Signals are taken by sigtimedwait below; block them before any thread starts.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    auto log = std::make_unique<WireLog>();
    if (!wireLogFile.empty() && !log->StreamTo(wireLogFile)) {
        std::fprintf(stderr, "parlix-sim: cannot write the wire log %s\n", wireLogFile.c_str());
        return 1;
    }
    TransportOptions options;
    options.log = wireLogFile.empty() ? nullptr : log.get();
    options.timing = timing;

    SimServer server(socketPath, options);
    server.AddDevice("module", module);
    server.AddDevice("silent", std::make_shared<SilentDevice>());
    // Each board carries a module of its own with the same content.
    std::vector<std::shared_ptr<ArduinoBoard>> boards;
    for (const BoardKind kind : AllBoardKinds()) {
        auto board = std::make_shared<ArduinoBoard>(kind, LoadModule(moduleFile));
        board->ListIn(&server);
        server.AddDevice(board->PortName(), board);
        boards.push_back(board);
    }
    // The Stamps and the robot controller, each also blank, each with its own module.
    for (const bool blank : {false, true}) {
        for (const auto& stamp : parlix::StampKinds()) {
            auto host = std::make_shared<StampHost>(stamp.kind, LoadModule(moduleFile), blank);
            server.AddDevice(host->PortName(), host);
        }
        auto robot = std::make_shared<RoboNovaHost>(LoadModule(moduleFile), blank);
        server.AddDevice(robot->PortName(), robot);
    }
    if (const auto error = server.Start()) {
        std::fprintf(stderr, "parlix-sim: cannot serve on %s: %s\n", socketPath.c_str(),
                     error == std::errc::address_in_use ? "another parlix-sim is serving there"
                                                        : error.message().c_str());
        return 1;
    }

    std::unique_ptr<PtyTransport> terminal;
    if (pty) {
        std::error_code error;
        terminal = PtyTransport::Open(module, options, error);
        if (!terminal) {
            std::fprintf(stderr, "parlix-sim: cannot open a pseudo-terminal: %s\n",
                         error.message().c_str());
            return 1;
        }
        std::printf("%s\n", terminal->SlavePath().c_str());
    }
    std::printf("parlix-sim: serving sim:module on %s\n", socketPath.c_str());
    std::fflush(stdout);

    for (;;) {
        const timespec tick{1, 0};
        const int signal = sigtimedwait(&signals, nullptr, &tick);
        if (signal > 0) break;
        if (idleExit > 0 && server.ActiveConnections() == 0 &&
            std::chrono::steady_clock::now() - server.LastActivity() >=
                std::chrono::seconds(idleExit))
            break;
    }
    terminal.reset();
    server.Stop();
    return 0;
}
