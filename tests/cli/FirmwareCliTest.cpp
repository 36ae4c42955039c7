// Firmware check and download from the command line, and kanloader itself,
// against the simulated module on a private simulator.
#include "link/Serial.h"
#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"
#include "support/PtyResponder.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace parlix::test {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string kFirmwareDir = std::string(PARLIX_SOURCE_DIR) + "/res/data/firmware/";

std::string Shipped(int id) {
    return kFirmwareDir + (id < 10 ? "parlix-fw0" : "parlix-fw") + std::to_string(id) + ".PLXFW";
}

// The last line a program printed, whether it ended with CR or LF.
std::string LastLine(const std::string& out) {
    std::string last, line;
    for (const char c : out) {
        if (c == '\r' || c == '\n') {
            if (!line.empty()) last = line;
            line.clear();
        } else {
            line += c;
        }
    }
    return line.empty() ? last : line;
}

class FirmwareCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        module = std::make_shared<sim::ModuleDevice>();
        server = std::make_unique<sim::SimServer>(dir.File("sim.sock"));
        server->AddDevice("module", module);
        ASSERT_FALSE(server->Start());
    }

    std::map<std::string, std::string> Env() const {
        return {{"XDG_CONFIG_HOME", dir.Path().string()},
                {"PARLIX_SIM_SOCKET", dir.File("sim.sock")}};
    }
    ProgramResult Cli(const std::vector<std::string>& args) {
        return RunProgram("parlix-cli", args, {}, Env());
    }
    ProgramResult Loader(const std::vector<std::string>& args) {
        return RunProgram("kanloader", args, {}, Env());
    }
    std::size_t FlashBytes() {
        std::size_t n = 0;
        module->WithLoader([&](sim::LoaderState& s, sim::ModuleMemory&) { n = s.flash.size(); });
        return n;
    }

    TempDir dir;
    std::shared_ptr<sim::ModuleDevice> module;
    std::unique_ptr<sim::SimServer> server;
};

TEST_F(FirmwareCliTest, CheckPrintsTheRowAndTheStatus) {
    std::ifstream in(Shipped(3), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    text[text.size() - 4] = text[text.size() - 4] == '0' ? '1' : '0';  // one record changed
    std::ofstream(dir.File("bad.plxfw"), std::ios::binary) << text;

    const auto good = Cli({"firmware", "check", Shipped(3)});
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_EQ(good.out,
              "Project: PARLIX-FW03\nDescription: Parlix firmware ID 3, version 1.3\nResult: OK\n");
    const auto bad = Cli({"firmware", "check", dir.File("bad.plxfw")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out,
              "Project: BAD\nDescription: Parlix firmware ID 3, version 1.3\nResult: "
              "ERR\nChecksum verification failed.\n");
    const auto missing = Cli({"firmware", "check", dir.File("none.PLXFW")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "Project: NONE\nCould not open firmware file.\n");
}

struct RoundTrip {
    const char* name;
    int firmwareId;
    bool slow;
    const char* rate;
};

class FirmwareRoundTripTest : public FirmwareCliTest,
                              public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(FirmwareRoundTripTest, TheModuleReportsTheNewFirmware) {
    const RoundTrip& c = GetParam();
    std::vector<std::string> args{"--port", "sim:module", "firmware", "download",
                                  Shipped(c.firmwareId)};
    if (c.slow) args.push_back("--slow");
    const auto r = Cli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, StartsWith("Downloading firmware to \"sim:module\"...\nConnection...\n"));
    EXPECT_THAT(r.out, HasSubstr(std::string(" bytes at ") + c.rate + " baud\n"));
    EXPECT_THAT(r.out, HasSubstr("Erasing 100%\nProgramming 0%\n"));
    EXPECT_THAT(r.out, HasSubstr("Verifying 100%\n"));
    // Off a terminal, a line a tenth of the way through each phase.
    std::size_t programming = 0;
    for (auto at = r.out.find("\nProgramming "); at != std::string::npos;
         at = r.out.find("\nProgramming ", at + 1))
        ++programming;
    EXPECT_LE(programming, 11u) << r.out;
    EXPECT_THAT(r.out, EndsWith("Download complete.\nFirmware downloaded successfully.\n"));
    EXPECT_FALSE(module->InLoader());

    const auto info = Cli({"--port", "sim:module", "info"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_THAT(info.out, HasSubstr("Firmware ID: " + std::to_string(c.firmwareId) + "\n"));
}

INSTANTIATE_TEST_SUITE_P(Rates, FirmwareRoundTripTest,
                         ::testing::Values(RoundTrip{"Fast", 9, false, "115200"},
                                           RoundTrip{"Slow", 0, true, "9600"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(FirmwareCliTest, UnpluggedDownloadLeavesTheLoaderAndARetrySucceeds) {
    ProgramResult broken;
    std::thread run([&] { broken = Loader({"-p", "sim:module", "-c", Shipped(12)}); });
    const bool midway = WaitUntil([&] { return FlashBytes() > 2000; }, std::chrono::seconds(20));
    module->Unplug();
    run.join();
    ASSERT_TRUE(midway);
    EXPECT_EQ(broken.exitCode, 4);
    EXPECT_THAT(LastLine(broken.out),
                StartsWith("Error: the connection to the module on sim:module was lost"));
    EXPECT_TRUE(module->InLoader());
    EXPECT_EQ(module->Memory().FirmwareId(), 2);

    // In its loader the module answers no command, but the loader's ping.
    const auto stuck = Cli({"--port", "sim:module", "info"});
    EXPECT_EQ(stuck.exitCode, 1);
    EXPECT_EQ(stuck.out, "");
    EXPECT_EQ(stuck.err,
              "Error: The module on port \"sim:module\" answers as its firmware loader: a firmware "
              "download did not finish.\n\nDownload the firmware again to bring the module "
              "back.\n");
    EXPECT_TRUE(module->InLoader());

    const auto retry = Loader({"-p", "sim:module", "-c", Shipped(12)});
    EXPECT_EQ(retry.exitCode, 0) << retry.out;
    EXPECT_FALSE(module->InLoader());
    const auto info = Cli({"--port", "sim:module", "info"});
    EXPECT_THAT(info.out, HasSubstr("Firmware ID: 12\n"));
}

struct AnswerFault {
    const char* name;
    int dropped;
    int garbled;
    int lateMs;  // the first answer comes this long after its frame
    int exitCode;
    const char* lastLine;
};

class LoaderRetryTest : public FirmwareCliTest,
                        public ::testing::WithParamInterface<AnswerFault> {};

// The answers to the wake sequence, the start, the rate change and the four
// erases get through; the faults strike the answers to the first block written.
TEST_P(LoaderRetryTest, BadAnswersToABlockAreRetried) {
    const AnswerFault& c = GetParam();
    sim::ModuleFaults faults;
    faults.afterReplyBytes = 2 + 3 + 4;
    faults.dropReplyBytes = c.dropped;
    faults.garbleReplyBytes = c.garbled;
    faults.slowReplyBytes = c.lateMs > 0 ? 1 : 0;
    faults.slowReplyMs = c.lateMs;
    module->SetFaults(faults);
    const auto r = Loader({"-p", "sim:module", "-c", Shipped(2)});
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_EQ(LastLine(r.out), c.lastLine);
    EXPECT_EQ(module->Faults().dropReplyBytes + module->Faults().garbleReplyBytes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LoaderRetryTest,
    ::testing::Values(AnswerFault{"LostAnswer", 1, 0, 0, 0, "Download complete."},
                      AnswerFault{"GarbledAnswers", 0, 3, 0, 0, "Download complete."},
                      // Past the wait: the answer to the first try must not
                      // pass for the retry's, nor the retry's for the next block's.
                      AnswerFault{"LateAnswer", 0, 0, 250, 0, "Download complete."},
                      AnswerFault{
                          "EveryTryGarbled", 0, 4, 0, 5,
                          "Error: the module refused the block at 0x000000 after 4 tries."}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(FirmwareCliTest, FailedLoaderGivesTheMessageWithoutSystemText) {
    PtyResponder silent;
    const auto r = Cli({"--port", silent.Path(), "firmware", "download", Shipped(1)});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.out, EndsWith("Error: no answer from the module on " + silent.Path() + ".\n"));
    EXPECT_EQ(r.err,
              "Error: Download failed, see status text on the top for a possible reason.\n"
              "\nYou may check connection and settings and try again.\n");
}

TEST_F(FirmwareCliTest, InvalidFileIsNotDownloaded) {
    std::ofstream(dir.File("x.PLXFW")) << "# Parlix FW @1\n; X\n";
    const auto r = Cli({"--port", "sim:module", "firmware", "download", dir.File("x.PLXFW")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "parlix-cli: Checksum verification failed.\n");
    EXPECT_FALSE(module->InLoader());
}

TEST_F(FirmwareCliTest, LoaderExitCodesAndLastLines) {
    PtyResponder silent;
    const auto noAnswer = Loader({"-p", silent.Path(), "-c", Shipped(1)});
    EXPECT_EQ(noAnswer.exitCode, 4);
    EXPECT_EQ(LastLine(noAnswer.out), "Error: no answer from the module on " + silent.Path() + ".");

    std::ofstream(dir.File("wrong.hex")) << ":020000040000FA\n:10000000ZZ\n";
    const auto wrong = Loader({"-p", "sim:module", "-c", dir.File("wrong.hex")});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(LastLine(wrong.out),
              "Error: \"" + dir.File("wrong.hex") + "\" line 2: malformed HEX record");
    // Nothing that is no regular file is read: an endless device would hold the loader.
    std::filesystem::create_directory(dir.File("folder.hex"));
    const std::pair<std::string, std::string> unreadable[] = {
        {dir.File("none.hex"), "No such file or directory"},
        {dir.File("folder.hex"), "Is a directory"},
        {"/dev/zero", "not a regular file"},
    };
    for (const auto& [path, reason] : unreadable) {
        const auto r = Loader({"-p", "sim:module", "-c", path});
        EXPECT_EQ(r.exitCode, 2) << path;
        EXPECT_EQ(LastLine(r.out), "Error: cannot read \"" + path + "\": " + reason);
    }

    std::ofstream(dir.File("noise.hex")) << ":03000000010203F7\n:00000001FF\n";
    const auto refused = Loader({"-p", "sim:module", "-c", dir.File("noise.hex")});
    EXPECT_EQ(refused.exitCode, 5);
    EXPECT_EQ(LastLine(refused.out), "Error: the module refused the downloaded image.");
    EXPECT_TRUE(module->InLoader());
    // A segment record moves the data by the segment times 16: 0xF000 is
    // 0xF0000, inside the flash (times 256 it would lie beyond it).
    std::ofstream(dir.File("segment.hex")) << ":02000002F0000C\n:03000000010203F7\n:00000001FF\n";
    const auto segment = Loader({"-p", "sim:module", "-c", dir.File("segment.hex")});
    EXPECT_EQ(segment.exitCode, 5);
    EXPECT_EQ(LastLine(segment.out), "Error: the module refused the downloaded image.");

    // This process opens the port as another program would.
    ::setenv("PARLIX_SIM_SOCKET", dir.File("sim.sock").c_str(), 1);
    Serial holder;
    ASSERT_FALSE(holder.Open("sim:module"));
    const auto busy = Loader({"-p", "sim:module", "-c", Shipped(1)});
    EXPECT_EQ(busy.exitCode, 3);
    EXPECT_THAT(LastLine(busy.out), StartsWith("Error: cannot open port sim:module: "));
    EXPECT_THAT(LastLine(busy.out), HasSubstr("in use"));
}

}  // namespace
}  // namespace parlix::test
