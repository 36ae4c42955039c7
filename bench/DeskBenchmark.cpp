// The window's figures: start until the first painted window, the longest
// stall of the event loop while the readers read the whole demo module at
// 9600-baud wire timing, resident memory after the read, and CPU while
// connected and idle. Each is printed beside its target.
//
// Runs on the platform Qt picks (offscreen without a display).
#include "app/AppSettings.h"
#include "link/PreciseTimers.h"
#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"
#include "ui/InterfaceLanguages.h"
#include "ui/MainWindow.h"

#include <sys/resource.h>
#include <unistd.h>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QTimer>
#include <QtGui/QAction>
#include <QtWidgets/QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace parlix;
namespace fs = std::filesystem;

namespace {

// Catches the first paint of a widget.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) painted = true;
        return false;
    }
    bool painted = false;
};

double ResidentMb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void Print(const char* what, double value, const char* unit, double target) {
    std::printf("%-44s %9.2f %-3s (target under %g %s) %s\n", what, value, unit, target, unit,
                value < target ? "ok" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    UsePreciseTimers();

    const fs::path dir =
        fs::temp_directory_path() / ("parlix-bench-desk-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string socket = (dir / "sim.sock").string();
    ::setenv("PARLIX_SIM_SOCKET", socket.c_str(), 1);
    sim::SimServer server(socket, {nullptr, true});  // wire timing at the line's baud rate
    server.AddDevice("module", sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE));
    if (server.Start()) {
        std::fprintf(stderr, "cannot start the simulator\n");
        return 1;
    }

    AppSettings settings((dir / "parlix-desk").string(), (dir / "Settings.ini").string());
    settings.UseCurrentPort("sim:module");
    ui::InterfaceLanguages languages(settings);
    auto window = std::make_unique<ui::MainWindow>(settings, languages);
    FirstPaint paint;
    window->installEventFilter(&paint);
    window->show();
    while (!paint.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double startMs = static_cast<double>(sinceStart.nsecsElapsed()) / 1e6;

    // Connecting runs on the GUI thread, as the window's flows do; the
    // readers then read on their threads while the loop must stay free.
    window->Action(ui::CommandId::Connect)->trigger();
    if (!window->Session().IsConnected()) {
        std::fprintf(stderr, "cannot connect to the simulated module\n");
        return 1;
    }
    QElapsedTimer tick;
    tick.start();
    qint64 longestNs = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestNs = std::max(longestNs, tick.nsecsElapsed());
        tick.restart();
    });
    probe.start();
    QElapsedTimer readTime;
    readTime.start();
    while (window->Session().BusyJobs() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    probe.stop();
    const double readSeconds = static_cast<double>(readTime.elapsed()) / 1000.0;
    // The probe's own 1 ms interval is no stall.
    const double stallMs = std::max(0.0, static_cast<double>(longestNs) / 1e6 - 1.0);

    const double rssMb = ResidentMb();

    // Connected and idle: the window only refreshes from the model.
    const double cpuBefore = CpuSeconds();
    QElapsedTimer idle;
    idle.start();
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    const double idlePercent =
        (CpuSeconds() - cpuBefore) / (static_cast<double>(idle.elapsed()) / 1000.0) * 100.0;

    std::printf("whole read of the demo module at 9600 baud: %.1f s\n", readSeconds);
    Print("start until the first painted window", startMs, "ms", 300);
    Print("longest event-loop stall during the read", stallMs, "ms", 16);
    Print("resident memory after the whole read", rssMb, "MB", 80);
    Print("CPU while connected and idle", idlePercent, "%", 1);

    window->close();
    window.reset();
    fs::remove_all(dir);
    return 0;
}
