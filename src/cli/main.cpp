// parlix-cli: the module from the command line, for scripts and for users
// without a display.
#include "app/PortList.h"
#include "app/ProgramVersion.h"
#include "app/SimulatorLauncher.h"
#include "app/ToneDialer.h"
#include "base/Trace.h"
#include "cli/AudioCommands.h"
#include "cli/BridgeCommands.h"
#include "cli/DataCommands.h"
#include "cli/DialCommand.h"
#include "cli/Dump.h"
#include "cli/Firmware.h"
#include "cli/Generate.h"
#include "cli/Session.h"
#include "cli/Shell.h"
#include "link/PreciseTimers.h"

#include <fmt/format.h>
#include <CLI/CLI.hpp>

#include <iostream>

using namespace parlix;
using namespace parlix::cli;

namespace {

int ListPorts(Session& session, bool simulate) {
    for (const PortRecord& port : DiscoverPorts(DiscoveryOptions{}))
        fmt::print("{}\t{}\t{}\n", port.name, port.friendlyName, port.technology);
    if (simulate)
        for (const auto& name : SimulatedPorts())
            fmt::print("{}\t{}\t{}\n", name, "Simulated module", "simulated");
    (void)session;
    return 0;
}

int Info(Session& session) {
    session.Front().SetShowProgress(true);  // a bridge download on the way
    if (!session.Open()) return 1;
    int id = 0;
    const bool ok = session.Controller().ReadVersionId(id);
    if (ok) fmt::print("Firmware ID: {}\n", id);
    std::fflush(stdout);
    session.Front().SetStatusStream(stderr);  // the result ends standard output
    session.Close();
    return session.ExitStatus(ok);
}

int Dump(Session& session, bool asJson) {
    session.Front().SetStatusStream(stderr);  // standard output carries the dump
    session.Front().SetShowProgress(true);
    if (!session.ConnectAndRead()) return 1;
    ModuleSession& module = session.Module();
    // A lost link leaves nothing worth printing; other failures leave a dump with gaps.
    const bool lost = module.Controller().Link().LinkLost();
    const ModelSnapshot snapshot = ReadModelSnapshot(module.Model());
    module.Disconnect();
    if (lost) return 1;
    if (asJson)
        fmt::print("{}\n", DumpJson(snapshot).dump(2));
    else
        fmt::print("{}", FormatDump(snapshot));
    return session.ExitStatus(true);
}

// Export and import run on their jobs, as from the window.
int CommandFile(Session& session, const std::string& path, bool import) {
    session.Front().SetStatusStream(stderr);
    session.Front().SetShowProgress(true);
    if (!session.ConnectAndRead()) return 1;
    ModuleSession& module = session.Module();
    if (module.ModuleId() < 12) {
        fmt::print(stderr, "parlix-cli: this module keeps no command data (firmware ID {})\n",
                   module.ModuleId());
        module.Disconnect();
        return 1;
    }
    session.Front().SetProgressLabel(import ? "Importing" : "Exporting");
    if (import)
        module.RequestImport(path);
    else
        module.RequestExport(path);
    session.WaitForJobs();
    const bool ok = import ? module.Importer().Succeeded() : module.Exporter().Succeeded();
    module.Disconnect();
    return session.ExitStatus(ok);
}

int Shell(Session& session) {
    session.Front().SetStatusStream(stderr);  // standard output carries one line per operation
    if (!session.Open()) return 1;
    const bool ok = RunShell(session.Controller(), std::cin, stdout, stderr);
    session.Close();
    return session.ExitStatus(ok);
}

}  // namespace

int main(int argc, char** argv) {
    UsePreciseTimers();
    CLI::App app{"Parlix Desk on the command line"};
    app.require_subcommand(1);
    app.fallthrough();
    GlobalOptions options;
    bool yes = false;
    bool no = false;
    app.add_option("-p,--port", options.port, "serial port: ttyUSB0, a device path or sim:NAME");
    app.add_flag("--simulate", options.simulate,
                 "offer the simulated devices (starts parlix-sim when none runs)");
    std::string tracePath;
    app.add_option("--trace", tracePath,
                   "write every byte sent and received, every status and message to FILE")
        ->type_name("FILE");
    auto* yesFlag = app.add_flag("-y,--yes", yes, "answer Yes to every question");
    app.add_flag("-n,--no", no, "answer No to every question")->excludes(yesFlag);
    app.add_flag("-q,--quiet", options.quiet, "show no progress of long operations");
    app.set_version_flag("--version", "Parlix Desk " + VersionLine(OwnVersion()));

    auto* ports = app.add_subcommand("ports", "list the serial ports");
    auto* info = app.add_subcommand("info", "connect and show the module");
    auto* shell = app.add_subcommand(
        "shell",
        "run module operations read from standard input, one a line (\"help\" lists them)");
    bool asJson = false;
    auto* dump = app.add_subcommand("dump", "read the whole module and print every list");
    dump->add_flag("--json", asJson, "print JSON");
    std::string exportPath, importPath;
    auto* exportCmd = app.add_subcommand("export", "write every command to a command file");
    exportCmd->add_option("FILE", exportPath, "the command file (.vrcmd)")->required();
    auto* importCmd = app.add_subcommand("import", "load a command file into the module");
    importCmd->add_option("FILE", importPath, "the command file (.vrcmd)")->required();
    auto* updateBridge = app.add_subcommand(
        "update-bridge", "download the bridge program to the host found on the port");
    auto* data = app.add_subcommand("data", "build, download and export custom data");
    data->require_subcommand(1);
    DataBuildOptions dataBuild;
    auto* dataBuildCmd =
        data->add_subcommand("build", "build sound table and grammar projects with kandata");
    dataBuildCmd
        ->add_option("PROJECT", dataBuild.projects, "projects (.qxp, .rsc, .amc), in build order")
        ->required();
    dataBuildCmd->add_flag("--old-format", dataBuild.oldFormat, "the image layout of Parlix 2.0");
    dataBuildCmd->add_option("-o", dataBuild.outputBase, "write BASE.hex and BASE.h")
        ->type_name("BASE");
    std::string dataImage;
    bool dataSlow = false;
    auto* dataDownloadCmd =
        data->add_subcommand("download", "download a built image with kanloader");
    dataDownloadCmd->add_option("IMAGE", dataImage, "the image (.hex)")->required();
    dataDownloadCmd->add_flag("--slow", dataSlow, "slow transfer");
    std::string dataBase, dataOut;
    auto* dataHeaderCmd =
        data->add_subcommand("header", "export the indexes of a built image as a header");
    dataHeaderCmd->add_option("IMAGE-BASE", dataBase, "the built image's base (BASE.h is read)")
        ->required();
    dataHeaderCmd->add_option("OUT", dataOut, "the header to write (.h)")->required();
    std::string firmwarePath;
    bool slow = false;
    auto* firmware = app.add_subcommand("firmware", "check or download a firmware file");
    firmware->require_subcommand(1);
    auto* firmwareCheck = firmware->add_subcommand("check", "check a firmware file (.PLXFW)");
    firmwareCheck->add_option("FILE", firmwarePath, "the firmware file")->required();
    auto* firmwareDownload =
        firmware->add_subcommand("download", "download a firmware file into the module");
    firmwareDownload->add_option("FILE", firmwarePath, "the firmware file")->required();
    firmwareDownload->add_flag("--slow", slow, "transfer at the slow rate");
    TokenListenOptions tokenListen;
    auto* tokens = app.add_subcommand("tokens", "audio tokens");
    tokens->require_subcommand(1);
    auto* tokensListen = tokens->add_subcommand(
        "listen", "print each token the module hears until the count or Ctrl+C");
    tokensListen->add_option("--bits", tokenListen.bits, "4 or 8")->check(CLI::IsMember({4, 8}));
    tokensListen->add_option("--rejection", tokenListen.rejection, "rejection level 0-2")
        ->check(CLI::Range(0, 2));
    tokensListen->add_option("--count", tokenListen.count, "stop after N tokens (0: Ctrl+C)")
        ->check(CLI::NonNegativeNumber);
    int lipsyncThreshold = 135;
    int lipsyncSeconds = 0;
    auto* lipsync = app.add_subcommand(
        "lipsync", "print the module's lip-sync levels until it ends them or Ctrl+C");
    lipsync->add_option("--threshold", lipsyncThreshold, "0-1023")->check(CLI::Range(0, 1023));
    lipsync->add_option("--seconds", lipsyncSeconds, "time-out 1-255, 0: none")
        ->check(CLI::Range(0, 255));
    GenerateOptions generateOptions;
    auto* generate = app.add_subcommand("generate", "expand a code template over the commands");
    auto* templateSection = generate
                                ->add_option("--template", generateOptions.section,
                                             "the template of a Config.ini section")
                                ->type_name("SECTION");
    auto* templateFile =
        generate->add_option("--template-file", generateOptions.templateFile, "any template file")
            ->type_name("FILE")
            ->excludes(templateSection);
    auto* pattern = generate->add_option("--pattern", generateOptions.pattern,
                                         "the directive pattern of FILE, e.g. //%c%c");
    pattern->needs(templateFile);
    templateFile->needs(pattern);
    generate->add_option("OUT", generateOptions.output, "the file to write")->required();
    std::string dialNumber;
    int dialMs = kDefaultToneDurationMs;
    auto* dial = app.add_subcommand("dial", "dial a phone number with the module's tones");
    dial->add_option("--duration", dialMs, "tone duration in ms (40 to 1280 in steps of 40)")
        ->type_name("MS");
    dial->add_option("NUMBER", dialNumber, "0-9 * # A B C D; ',' waits a second")->required();
    // Usage errors exit 2 with the usage on standard error; help is no error.
    app.failure_message(CLI::FailureMessage::help);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e, std::cerr, std::cerr);
        return 2;
    }
    if (yes) options.answer = true;
    if (no) options.answer = false;

    // Opened before anything touches a port, closed after the session's last byte.
    if (!tracePath.empty()) {
        // The work goes on without its trace: an import cut short would leave the module
        // half-written.
        SetTraceFailureHandler([](const std::string& path, std::error_code error) {
            fmt::print(stderr,
                       "parlix-cli: tracing stopped, the trace \"{}\" cannot be written: {}\n",
                       path, error.message());
        });
        if (const std::error_code ec = OpenTrace(tracePath)) {
            fmt::print(stderr, "parlix-cli: cannot write the trace \"{}\": {}\n", tracePath,
                       ec.message());
            return 1;
        }
    }
    struct TraceCloser {
        ~TraceCloser() { CloseTrace(); }
    } closeTrace;
    Session session(options, stdout, stderr);
    if (*firmwareCheck) return CheckFirmware(firmwarePath, stdout);
    const bool noPort = *ports || *dataBuildCmd || *dataHeaderCmd;
    if (const int status = session.Prepare(!noPort)) return status;
    if (*ports) return ListPorts(session, options.simulate);
    if (*info) return Info(session);
    if (*shell) return Shell(session);
    if (*updateBridge) return UpdateBridge(session);
    if (*dump) return Dump(session, asJson);
    if (*exportCmd) return CommandFile(session, exportPath, false);
    if (*importCmd) return CommandFile(session, importPath, true);
    dataBuild.yes = yes;
    if (*dataBuildCmd) return DataBuild(session, dataBuild);
    if (*dataDownloadCmd) return DataDownload(session, dataImage, dataSlow);
    if (*dataHeaderCmd) return DataHeader(session, dataBase, dataOut);
    if (*firmwareDownload) return DownloadFirmware(session, firmwarePath, slow);
    if (*tokensListen) return ListenTokens(session, tokenListen);
    if (*lipsync) return FollowLipsync(session, lipsyncThreshold, lipsyncSeconds);
    if (*generate) return Generate(session, generateOptions);
    if (*dial) return Dial(session, dialNumber, dialMs);
    return 2;
}
