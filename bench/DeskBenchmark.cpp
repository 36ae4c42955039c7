// The window's figures: start until the first painted window, the longest
// stall of the event loop while the readers read the whole demo module at
// 9600-baud wire timing, resident memory after the read, CPU while
// connected and idle, and the longest stalls while connecting to a port
// where nothing answers and while downloading a bridge program to a blank
// BASIC Stamp. Each is printed beside its target.
//
// Runs on the platform Qt picks (offscreen without a display).
#include "app/AppSettings.h"
#include "link/PreciseTimers.h"
#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"
#include "sim/StampHost.h"
#include "ui/InterfaceLanguages.h"
#include "ui/MainWindow.h"

#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QTimer>
#include <QtGui/QAction>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

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

// The longest gap between ticks of a 1 ms timer while `running` holds: how
// long the event loop was kept from serving at worst.
template <typename Running>
double LongestStallMs(Running running) {
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
    while (running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    probe.stop();
    // The probe's own 1 ms interval is no stall.
    return std::max(0.0, static_cast<double>(longestNs) / 1e6 - 1.0);
}

// Answers each message box as a user would: `button` where it has one,
// else its default.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(QMessageBox::StandardButton button) : button_(button) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            QAbstractButton* press = box->button(button_);
            if (!press) press = box->defaultButton();
            if (press)
                press->click();
            else
                box->reject();
        });
        timer_.start();
    }

  private:
    QMessageBox::StandardButton button_;
    QTimer timer_;
};

// Connects to the settings' current port and measures the loop meanwhile.
double ConnectStallMs(ui::MainWindow& window, QMessageBox::StandardButton answer, double& seconds) {
    const BoxAnswerer answerer(answer);
    QElapsedTimer time;
    time.start();
    window.Action(ui::CommandId::Connect)->trigger();
    const double stall = LongestStallMs([&] { return window.Flows().Connecting(); });
    seconds = static_cast<double>(time.elapsed()) / 1000.0;
    return stall;
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
    // The bridge programs, where the program looks for them.
    fs::create_directory_symlink(PARLIX_DATA_DIR, dir / "data");
    const std::string socket = (dir / "sim.sock").string();
    ::setenv("PARLIX_SIM_SOCKET", socket.c_str(), 1);
    sim::SimServer server(socket, {nullptr, true});  // wire timing at the line's baud rate
    server.AddDevice("module", sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE));
    auto blankStamp = std::make_shared<sim::StampHost>(
        StampKind::BS2p, sim::ModuleDevice::FromFile(PARLIX_DEMO_MODULE), /*blank=*/true);
    server.AddDevice(blankStamp->PortName(), blankStamp);
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

    // Connecting runs on its own thread; the readers then read on theirs
    // while the loop must stay free.
    window->Action(ui::CommandId::Connect)->trigger();
    while (window->Flows().Connecting())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!window->Session().IsConnected()) {
        std::fprintf(stderr, "cannot connect to the simulated module\n");
        return 1;
    }
    QElapsedTimer readTime;
    readTime.start();
    const double stallMs = LongestStallMs([&] { return window->Session().BusyJobs() > 0; });
    const double readSeconds = static_cast<double>(readTime.elapsed()) / 1000.0;

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

    // A port where nothing answers: every link is tried to its end.
    window->Action(ui::CommandId::Disconnect)->trigger();
    int master = -1;
    int slave = -1;
    char silentPath[128] = {};
    if (::openpty(&master, &slave, silentPath, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "cannot open a pseudo-terminal\n");
        return 1;
    }
    settings.UseCurrentPort(silentPath);
    double silentSeconds = 0;
    const double silentStallMs = ConnectStallMs(*window, QMessageBox::Ok, silentSeconds);
    ::close(master);
    ::close(slave);

    // A blank Stamp: detection, the offer answered Yes and the download.
    settings.UseCurrentPort("sim:" + blankStamp->PortName());
    double bridgeSeconds = 0;
    const double bridgeStallMs = ConnectStallMs(*window, QMessageBox::Yes, bridgeSeconds);
    if (!window->Session().IsConnected() || !blankStamp->HasProgram()) {
        std::fprintf(stderr, "the bridge download to the blank Stamp failed\n");
        return 1;
    }
    window->Action(ui::CommandId::Disconnect)->trigger();

    std::printf("whole read of the demo module at 9600 baud: %.1f s\n", readSeconds);
    std::printf(
        "connect to a silent port: %.1f s; to a blank BASIC Stamp 2p with the bridge "
        "download: %.1f s\n",
        silentSeconds, bridgeSeconds);
    Print("start until the first painted window", startMs, "ms", 300);
    Print("longest event-loop stall during the read", stallMs, "ms", 16);
    Print("resident memory after the whole read", rssMb, "MB", 80);
    Print("CPU while connected and idle", idlePercent, "%", 1);
    Print("longest stall connecting to a silent port", silentStallMs, "ms", 50);
    Print("longest stall during a bridge download", bridgeStallMs, "ms", 50);

    window->close();
    window.reset();
    fs::remove_all(dir);
    return 0;
}
