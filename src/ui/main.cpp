// Parlix Desk: the start-up loop. The window is built anew whenever the user
// switches the interface language.
#include "app/AppSettings.h"
#include "app/PortList.h"
#include "app/SimulatorLauncher.h"
#include "base/Trace.h"
#include "link/PreciseTimers.h"
#include "ui/InterfaceLanguages.h"
#include "ui/MainWindow.h"
#include "ui/logic/CommandIds.h"

#include <QtCore/QCommandLineParser>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    using namespace parlix;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlix Desk"));
    QApplication::setApplicationVersion(QStringLiteral(PARLIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("parlix-desk"));
    // The window ends the loop itself, with the code that says what comes next.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Parlix Desk"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Offer the simulated devices (starts parlix-sim when none runs)."));
    parser.addOption(simulate);
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Write every byte, status text and message to FILE, for a bug report."),
        QStringLiteral("FILE"));
    parser.addOption(trace);
    parser.process(app);
    if (parser.isSet(trace)) {
        const std::string path = parser.value(trace).toStdString();
        if (const std::error_code error = OpenTrace(path, qVersion())) {
            std::fprintf(stderr, "parlix-desk: cannot write the trace \"%s\": %s\n", path.c_str(),
                         error.message().c_str());
            return 1;
        }
    }

    AppSettings settings;
    ui::InterfaceLanguages languages(settings);
    ui::InstallCoreTranslationHook();
    languages.Scan();
    languages.LoadFromSettings();
    RefreshPortList(settings);
    if (parser.isSet(simulate)) {
        std::string error;
        if (!OfferSimulatedPorts(settings, error)) {
            std::fprintf(stderr, "parlix-desk: %s\n", error.c_str());
            return 1;
        }
    }
    settings.LoadPortFromSettings();
    // The simulated module is offered as the port unless the user picked one.
    if (parser.isSet(simulate) && settings.RememberedPort().empty())
        settings.UseCurrentPort(SimulatedModulePort());
    UsePreciseTimers();

    int code = 0;
    for (;;) {
        auto window = std::make_unique<ui::MainWindow>(settings, languages);
        QObject::connect(window.get(), &ui::MainWindow::Closed, &app, &QCoreApplication::exit,
                         Qt::QueuedConnection);
        window->show();
        code = QApplication::exec();
        window.reset();
        if (code < ui::kLanguageExitBase) break;
        languages.Switch(code - ui::kLanguageExitBase);
    }
    CloseTrace();
    return code;
}
