// How long reading the whole demo module takes through each kind of link,
// beside what the wire allows at 9600 baud; and how long connecting to each
// simulated host takes with every link tried in the program's order.
//
// Each link reaches its own copy of the demo module on a private simulator
// with wire timing: straight on the line, behind a simulated Arduino Uno with
// the bridge sketch, and behind a simulated BASIC Stamp 2 with its bridge
// program. The program connects as the window does, with only that link in
// the try order (the others' probes are not part of reading), and lets both
// readers read everything. The minimum counts every byte on the wire (the
// Stamp's echoes and acknowledgements too) and the waits that the link's own
// protocol puts before its bytes: 2 ms before each paced byte on the direct
// line, 5 ms before every byte to the Arduino sketch, 10 ms before every byte
// to the Stamp, and the module's 50 ms after some arguments. The Arduino
// sketch passes each byte on once it has it whole, so where the PC waits for
// an answer, two more byte times cross the sketch's line to the module. (The
// Stamp's relaying hides in its 10 ms waits.)
#include "WireMinimum.h"

#include "app/AppSettings.h"
#include "app/ModuleSession.h"
#include "cli/CliFrontEnd.h"
#include "link/PreciseTimers.h"
#include "sim/ArduinoBoard.h"
#include "sim/RoboNovaHost.h"
#include "sim/SimServer.h"
#include "sim/StampHost.h"

#include <fmt/format.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

using namespace parlix;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct Link {
    const char* name;
    const char* port;
    std::function<VoiceProxy&(ModuleController&)> proxy;
    bench::LinkTiming timing;
};

void WaitForJobs(ModuleSession& session, cli::CliFrontEnd& front) {
    while (session.BusyJobs() > 0) {
        const auto [thread, served] = front.WaitJobFinished();
        session.OnJobFinished(thread, served);
    }
}

bool ReadThrough(const Link& link, const fs::path& dir, sim::WireLog& log) {
    std::FILE* quiet = std::fopen("/dev/null", "w");
    cli::CliFrontEnd front(quiet, stderr);
    AppSettings settings((dir / "parlix-desk").string(), (dir / "Settings.ini").string());
    settings.UseCurrentPort(std::string("sim:") + link.port);
    ModuleSession session(settings, front);
    auto& controller = session.Controller();
    VoiceProxy* only = &link.proxy(controller);
    controller.Link().SetTryOrder({only, only, only, only});

    session.SelectGroupRow(0);
    const bool connected = session.Connect();
    if (connected) {
        const std::size_t from = log.Entries().size();
        const auto started = Clock::now();
        WaitForJobs(session, front);
        const auto elapsed = Clock::now() - started;
        const bench::WireWindow w = bench::MeasureWindow(log.Entries(), from, 9600, link.timing);
        const double wall = static_cast<double>(w.wall.count()) / 1000.0;
        const double minimum = static_cast<double>(w.minimum.count()) / 1000.0;
        fmt::print(
            "{:<8} wall {:9.1f} ms  minimum {:9.1f} ms  ratio {:.4f}  ({} host + {} device bytes, "
            "{} pauses; end to end {:.1f} ms)\n",
            link.name, wall, minimum, minimum > 0 ? wall / minimum : 0.0, w.hostBytes,
            w.deviceBytes, w.pauses, std::chrono::duration<double, std::milli>(elapsed).count());
        session.Disconnect();
    } else {
        fmt::print(stderr, "{}: could not connect\n", link.name);
    }
    std::fclose(quiet);
    return connected;
}

// Connects as the program does, every link in its order, and disconnects.
bool ConnectTime(const std::string& port, const fs::path& dir) {
    std::FILE* quiet = std::fopen("/dev/null", "w");
    cli::CliFrontEnd front(quiet, quiet);
    AppSettings settings((dir / "parlix-desk").string(), (dir / "Settings.ini").string());
    settings.UseCurrentPort("sim:" + port);
    ModuleSession session(settings, front);
    const auto started = Clock::now();
    const bool connected = session.Establish();
    const auto elapsed = Clock::now() - started;
    if (connected) session.Disconnect();
    std::fclose(quiet);
    if (!connected) {
        fmt::print(stderr, "{}: could not connect\n", port);
        return false;
    }
    fmt::print("connect to sim:{:<18} {:6.2f} s\n", port,
               std::chrono::duration<double>(elapsed).count());
    return true;
}

}  // namespace

int main() {
    UsePreciseTimers();
    const fs::path dir = fs::temp_directory_path() / fmt::format("parlix-bench-{}", ::getpid());
    fs::create_directories(dir);
    ::setenv("PARLIX_SIM_SOCKET", (dir / "sim.sock").c_str(), 1);

    sim::WireLog log;
    sim::SimServer server((dir / "sim.sock").string(), {&log, true});
    server.AddDevice("module", sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE));
    server.AddDevice("arduino-uno",
                     std::make_shared<sim::ArduinoBoard>(
                         sim::BoardKind::Uno, sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE)));
    server.AddDevice("bs2", std::make_shared<sim::StampHost>(
                                StampKind::BS2, sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE)));
    const char* hosts[] = {"module", "arduino-uno", "arduino-leonardo", "bs2", "bs2px", "mrc3024"};
    // It comes back under its boot loader's name after the 1200-baud touch.
    auto leonardo = std::make_shared<sim::ArduinoBoard>(
        sim::BoardKind::Leonardo, sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE));
    leonardo->ListIn(&server);
    server.AddDevice(leonardo->PortName(), leonardo);
    server.AddDevice(
        "bs2px", std::make_shared<sim::StampHost>(StampKind::BS2px,
                                                  sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE)));
    server.AddDevice("mrc3024", std::make_shared<sim::RoboNovaHost>(
                                    sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE), false));
    if (server.Start()) {
        fmt::print(stderr, "cannot start the simulator\n");
        return 1;
    }

    const Link links[] = {
        {"direct",
         "module",
         [](ModuleController& c) -> VoiceProxy& { return c.Link().Direct(); },
         {}},
        {"arduino",
         "arduino-uno",
         [](ModuleController& c) -> VoiceProxy& { return c.Link().Shield(); },
         {milliseconds(5), true, true, true}},
        {"stamp",
         "bs2",
         [](ModuleController& c) -> VoiceProxy& { return c.Link().BasicStamp(); },
         {milliseconds(10), true, false}},
    };
    fmt::print("reading the demo module at 9600 baud\n");
    bool ok = true;
    for (const Link& link : links) ok = ReadThrough(link, dir, log) && ok;
    fmt::print("connecting with every link tried in order\n");
    for (const char* host : hosts) ok = ConnectTime(host, dir) && ok;
    server.Stop();
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
