// How close reading, exporting and importing come to what the wire allows.
//
// The simulated module (the demo content) runs with wire timing at 9600 baud
// on a private simulator; the program connects as the window does, lets the
// readers read everything, exports every command, resets the commands and
// imports the file again. For each phase it prints the wall time, the minimum
// from the wire log and their ratio.
//
// Every byte waits for a timed wake-up somewhere, and a CPU that halts when
// idle takes tens of microseconds to wake on a virtual machine. --low-latency
// holds a PM QoS request for no wake-up latency while it runs (as
// latency-sensitive programs do; it needs write access to
// /dev/cpu_dma_latency), so that the figures show the program's own overhead.
#include "WireMinimum.h"

#include "app/AppSettings.h"
#include "app/ModuleSession.h"
#include "cli/CliFrontEnd.h"
#include "link/PreciseTimers.h"
#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <unistd.h>
#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

using namespace parlix;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

void WaitForJobs(ModuleSession& session, cli::CliFrontEnd& front) {
    while (session.BusyJobs() > 0) {
        const auto [thread, served] = front.WaitJobFinished();
        session.OnJobFinished(thread, served);
    }
}

void Report(const char* phase, const bench::WireWindow& w, Clock::duration endToEnd) {
    const double wall = static_cast<double>(w.wall.count()) / 1000.0;
    const double minimum = static_cast<double>(w.minimum.count()) / 1000.0;
    fmt::print(
        "{:<8} wall {:9.1f} ms  minimum {:9.1f} ms  ratio {:.4f}  ({} host + {} module bytes, "
        "{} pauses; end to end {:.1f} ms)\n",
        phase, wall, minimum, minimum > 0 ? wall / minimum : 0.0, w.hostBytes, w.deviceBytes,
        w.pauses, std::chrono::duration<double, std::milli>(endToEnd).count());
}

// Idle CPUs keep polling instead of halting while the descriptor is open.
class CpuLatencyRequest {
  public:
    CpuLatencyRequest() : fd_(::open("/dev/cpu_dma_latency", O_WRONLY | O_CLOEXEC)) {
        const std::int32_t none = 0;
        if (fd_ >= 0 && ::write(fd_, &none, sizeof none) != sizeof none) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~CpuLatencyRequest() {
        if (fd_ >= 0) ::close(fd_);
    }
    CpuLatencyRequest(const CpuLatencyRequest&) = delete;
    CpuLatencyRequest& operator=(const CpuLatencyRequest&) = delete;
    bool Held() const { return fd_ >= 0; }

  private:
    int fd_;
};

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Reading, export and import against the wire's minimum"};
    std::string logFile;
    bool lowLatency = false;
    app.add_option("wire-log", logFile, "File that receives the whole wire log");
    app.add_flag("--low-latency", lowLatency, "Ask the kernel not to halt idle CPUs meanwhile");
    CLI11_PARSE(app, argc, argv);

    std::optional<CpuLatencyRequest> latency;
    if (lowLatency) {
        latency.emplace();
        if (!latency->Held()) {
            fmt::print(stderr, "cannot open /dev/cpu_dma_latency for writing\n");
            return 1;
        }
    }
    UsePreciseTimers();
    const fs::path dir = fs::temp_directory_path() / fmt::format("parlix-bench-{}", ::getpid());
    fs::create_directories(dir);
    ::setenv("PARLIX_SIM_SOCKET", (dir / "sim.sock").c_str(), 1);

    sim::WireLog log;
    auto module = sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE);
    sim::SimServer server((dir / "sim.sock").string(), {&log, true});
    server.AddDevice("module", module);
    if (server.Start()) {
        fmt::print(stderr, "cannot start the simulator\n");
        return 1;
    }

    std::FILE* quiet = std::fopen("/dev/null", "w");
    cli::CliFrontEnd front(quiet, stderr);
    AppSettings settings((dir / "parlix-desk").string(), (dir / "Settings.ini").string());
    settings.UseCurrentPort("sim:module");
    ModuleSession session(settings, front);

    // Reading: the connection sequence, then both readers over the whole module.
    session.SelectGroupRow(0);
    auto started = Clock::now();
    if (!session.Connect()) return 1;
    const std::size_t readFrom = log.Entries().size();
    WaitForJobs(session, front);
    Report("read", bench::MeasureWindow(log.Entries(), readFrom, 9600), Clock::now() - started);

    const std::string file = (dir / "all.vrcmd").string();
    std::size_t from = log.Entries().size();
    started = Clock::now();
    session.RequestExport(file);
    WaitForJobs(session, front);
    Report("export", bench::MeasureWindow(log.Entries(), from, 9600), Clock::now() - started);
    if (!session.Exporter().Succeeded()) return 1;

    session.Controller().ResetMemory(kResetCommands);
    session.Model().ClearAfterReset(true, false);
    from = log.Entries().size();
    started = Clock::now();
    session.RequestImport(file);
    WaitForJobs(session, front);
    Report("import", bench::MeasureWindow(log.Entries(), from, 9600), Clock::now() - started);
    const bool imported = session.Importer().Succeeded();

    session.Disconnect();
    server.Stop();
    if (!logFile.empty()) {
        if (std::FILE* out = std::fopen(logFile.c_str(), "w")) {
            std::fputs(log.Dump().c_str(), out);
            std::fclose(out);
        }
    }
    std::fclose(quiet);
    fs::remove_all(dir);
    return imported ? 0 : 1;
}
