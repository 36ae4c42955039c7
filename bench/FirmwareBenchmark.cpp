// How close a firmware download comes to what the wire allows.
//
// The largest shipped firmware file goes to the simulated module with wire
// timing on, through kanloader as the program runs it, once at the fast rate
// and once with -nofast. For each it prints the time from the first byte on
// the wire to the last, the loader protocol's minimum (every byte at ten bits
// at the rate the line had then, plus the fixed waits: 5 ms per erased sector
// and 10 ms of quiet after a rate change) and their ratio.
#include "app/AppSettings.h"
#include "cli/CliFrontEnd.h"
#include "external/LoaderDownload.h"
#include "link/PreciseTimers.h"
#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"

#include <fmt/format.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace parlix;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

class Discard : public ToolListener {
  public:
    void OnLine(std::string line, std::uint32_t) override { last = std::move(line); }
    void OnFinished(std::uint32_t, std::uint32_t) override {}
    std::string last;
};

struct Figures {
    double wallMs = 0;
    double minimumMs = 0;
    std::size_t hostBytes = 0;
    std::size_t deviceBytes = 0;
    int erases = 0;
    int rateChanges = 0;
};

// Walks the log: bytes at the rate the line had, and the host's frames for the fixed waits.
Figures Measure(const std::vector<sim::WireEntry>& entries) {
    Figures f;
    std::uint32_t baud = 9600;
    std::int64_t start = -1, end = 0;
    double minimumUs = 0;
    // The host's frame parser: start byte, command, length (2), payload, two CRC bytes.
    int state = 0;
    std::size_t remaining = 0;
    for (const auto& e : entries) {
        if (e.isEvent) {
            if (e.event.rfind("line ", 0) == 0)
                baud = static_cast<std::uint32_t>(std::stoul(e.event.substr(5)));
            continue;
        }
        const double byteUs = 10e6 / baud;
        minimumUs += byteUs;
        if (start < 0) start = e.micros - static_cast<std::int64_t>(byteUs);
        end = e.micros;
        if (e.direction == sim::Direction::DeviceToHost) {
            ++f.deviceBytes;
            continue;
        }
        ++f.hostBytes;
        switch (state) {
            case 0:
                if (e.value == 0x01) state = 1;
                break;
            case 1:
                if (e.value == 'E') ++f.erases, minimumUs += 5000;
                if (e.value == 'S') ++f.rateChanges, minimumUs += 10000;
                state = 2;
                break;
            case 2:
                remaining = e.value;
                state = 3;
                break;
            case 3:
                remaining += (static_cast<std::size_t>(e.value) << 8) + 2u;
                state = 4;
                break;
            default:
                if (--remaining == 0) state = 0;
                break;
        }
    }
    f.wallMs = static_cast<double>(end - start) / 1000.0;
    f.minimumMs = minimumUs / 1000.0;
    return f;
}

}  // namespace

int main() {
    UsePreciseTimers();
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
    const fs::path firmwareDir = bin / "data" / "firmware";
    fs::path largest;
    for (const auto& entry : fs::directory_iterator(firmwareDir))
        if (largest.empty() || entry.file_size() > fs::file_size(largest)) largest = entry.path();
    if (largest.empty()) {
        fmt::print(stderr, "no firmware files in {}\n", firmwareDir.string());
        return 1;
    }
    const fs::path dir = fs::temp_directory_path() / fmt::format("parlix-bench-fw-{}", ::getpid());
    fs::create_directories(dir);
    ::setenv("PARLIX_SIM_SOCKET", (dir / "sim.sock").c_str(), 1);

    sim::WireLog log;
    auto module = std::make_shared<sim::ModuleDevice>();
    sim::SimServer server((dir / "sim.sock").string(), {&log, true});
    server.AddDevice("module", module);
    if (server.Start()) {
        fmt::print(stderr, "cannot start the simulator\n");
        return 1;
    }
    std::FILE* quiet = std::fopen("/dev/null", "w");
    cli::CliFrontEnd front(quiet, stderr);
    fmt::print("{} ({} bytes)\n", largest.filename().string(), fs::file_size(largest));
    int status = 0;
    for (const bool slow : {false, true}) {
        log.Clear();
        Discard lines;
        ToolCancel cancel;
        const auto started = Clock::now();
        const ToolOutcome run =
            RunTool(LoaderCommandLine(bin.string(), "sim:module", largest.string(), slow),
                    bin.string(), lines, front, cancel);
        const double endToEnd =
            std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        if (!run.Succeeded()) {
            fmt::print(stderr, "download failed: {}\n", lines.last);
            status = 1;
            continue;
        }
        const Figures f = Measure(log.Entries());
        fmt::print(
            "{:<5} wall {:9.1f} ms  minimum {:9.1f} ms  ratio {:.4f}  ({} host + {} module bytes, "
            "{} "
            "erases, {} rate changes; end to end {:.1f} ms)\n",
            slow ? "slow" : "fast", f.wallMs, f.minimumMs, f.wallMs / f.minimumMs, f.hostBytes,
            f.deviceBytes, f.erases, f.rateChanges, endToEnd);
    }
    server.Stop();
    std::fclose(quiet);
    fs::remove_all(dir);
    return status;
}
