// How long reading the whole demo module takes through the BASIC Stamp
// bridge, beside what the wire allows at 9600 baud.
//
// A simulated BS2 with the bridge program and the demo module behind it runs
// with wire timing on a private simulator. The program connects as the window
// does and lets both readers read everything. Every byte the PC sends comes
// back as the Stamp's echo and most come back again as the bridge's
// acknowledgement; those bytes are on the wire and count in the minimum. The
// link also waits 10 ms before each byte it sends, which no faster line can
// shorten: the second minimum adds those waits.
#include "app/AppSettings.h"
#include "app/ModuleSession.h"
#include "cli/CliFrontEnd.h"
#include "link/PreciseTimers.h"
#include "sim/SimServer.h"
#include "sim/StampHost.h"

#include <fmt/format.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace parlix;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

void WaitForJobs(CModuleSession& session, cli::CliFrontEnd& front) {
    while (session.BusyJobs() > 0) {
        const auto [thread, served] = front.WaitJobFinished();
        session.OnJobFinished(thread, served);
    }
}

}  // namespace

int main() {
    UsePreciseTimers();
    const fs::path dir = fs::temp_directory_path() / fmt::format("parlix-bench-{}", ::getpid());
    fs::create_directories(dir);
    ::setenv("PARLIX_SIM_SOCKET", (dir / "sim.sock").c_str(), 1);

    sim::WireLog log;
    auto stamp = std::make_shared<sim::StampHost>(StampKind::BS2,
                                                  sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE));
    sim::SimServer server((dir / "sim.sock").string(), {&log, true});
    server.AddDevice("bs2", stamp);
    if (server.Start()) {
        fmt::print(stderr, "cannot start the simulator\n");
        return 1;
    }
    std::FILE* quiet = std::fopen("/dev/null", "w");
    cli::CliFrontEnd front(quiet, stderr);
    CAppSettings settings((dir / "parlix-desk").string(), (dir / "Settings.ini").string());
    settings.UseCurrentPort("sim:bs2");
    CModuleSession session(settings, front);
    // Only the Stamp link is tried: the others' probes are not part of reading.
    auto& controller = session.Controller();
    controller.SetTryOrder({&controller.BasicStampProxy(), &controller.BasicStampProxy(),
                            &controller.BasicStampProxy(), &controller.BasicStampProxy()});

    session.SelectGroupRow(0);
    if (!session.Connect()) return 1;
    const std::size_t from = log.Entries().size();
    const auto started = Clock::now();
    WaitForJobs(session, front);
    const auto elapsed = Clock::now() - started;
    session.Disconnect();
    server.Stop();

    std::size_t hostBytes = 0;
    std::size_t stampBytes = 0;
    std::int64_t first = -1;
    std::int64_t last = 0;
    const auto entries = log.Entries();
    for (std::size_t i = from; i < entries.size(); ++i) {
        if (entries[i].isEvent) continue;
        if (first < 0) first = entries[i].micros;
        last = entries[i].micros;
        ++(entries[i].direction == sim::Direction::HostToDevice ? hostBytes : stampBytes);
    }
    const double byteMs = 10'000.0 / 9600.0;
    const double wire = static_cast<double>(hostBytes + stampBytes) * byteMs;
    const double withWaits = wire + static_cast<double>(hostBytes) * 10.0;
    // From the start of the first byte to the end of the last.
    const double wall = static_cast<double>(last - first) / 1000.0 + byteMs;
    fmt::print("read through the BASIC Stamp bridge at 9600 baud\n");
    fmt::print(
        "  bytes        {} from the PC, {} from the Stamp (echoes, acknowledgements, "
        "module replies)\n",
        hostBytes, stampBytes);
    fmt::print("  wall         {:9.1f} ms (end to end {:.1f} ms)\n", wall,
               std::chrono::duration<double, std::milli>(elapsed).count());
    fmt::print("  wire minimum {:9.1f} ms  ratio {:.3f}\n", wire, wall / wire);
    fmt::print("  with the 10 ms waits before each byte {:9.1f} ms  ratio {:.3f}\n", withWaits,
               wall / withWaits);
    fs::remove_all(dir);
    return 0;
}
