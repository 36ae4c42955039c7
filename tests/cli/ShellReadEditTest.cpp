// The shell's operations for reading the module, editing, training and
// recognising commands, run through parlix-cli against a device on a
// pseudo-terminal: arguments in order, outputs by name.
#include "base/Status.h"
#include "module/WireFixture.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

namespace parlix::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// One line of a session: what is typed, what the module receives for it and
// answers, and the line printed.
struct Step {
    std::string input;
    std::string command;  // bytes sent; empty when nothing reaches the module
    ScriptedReply reply;
    std::string printed;
};

// Command data: the digits typed or printed, and the argument bytes that carry them.
std::string DataDigits() {
    std::string digits;
    for (int i = 0; i < 516; ++i) digits += "0123456789ABCDEF"[i % 16];
    return digits;
}
std::string DataBytes() {
    std::vector<int> values;
    for (int i = 0; i < 516; ++i) values.push_back(i % 16);
    return ArgumentBytes(values);
}

class ShellReadEditTest : public ::testing::Test {
  protected:
    // Runs the steps in one session; the module answers each step's command.
    ProgramResult Session(const std::vector<Step>& steps, PtyResponder*& device) {
        ModuleScript script = ConnectionScript();
        std::string input;
        for (const auto& step : steps) {
            if (!step.command.empty()) script.emplace(step.command, step.reply);
            input += step.input + "\n";
        }
        module_ = std::make_unique<PtyResponder>(ScriptedAnswers(script));
        device = module_.get();
        return RunProgram("parlix-cli", {"--port", module_->Path(), "shell"}, input,
                          {{"XDG_CONFIG_HOME", home.Path().string()}});
    }
    // Every step succeeds, prints its line and sends its bytes, in order.
    void ExpectAllSucceed(const std::vector<Step>& steps) {
        PtyResponder* device = nullptr;
        const auto r = Session(steps, device);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, Printed(steps));
        std::string wire;
        for (const auto& step : steps)
            wire += step.command + std::string(step.reply.arguments.size(), ' ');
        EXPECT_THAT(device->ReceivedText(), HasSubstr(wire));
    }
    static std::string Printed(const std::vector<Step>& steps) {
        std::string printed;
        for (const auto& step : steps) printed += step.printed + "\n";
        return printed;
    }
    // The settings file of the program, where the language of the module is kept.
    void KeepLanguage(int language) {
        const auto folder = home.Path() / "Kanta" / "Parlix Desk";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "Settings.ini") << "[Settings]\nLangVR=" << language << "\n";
    }

    TempDir home;

  private:
    std::unique_ptr<PtyResponder> module_;
};

TEST_F(ShellReadEditTest, ReadingOperationsPrintTheirOutputs) {
    KeepLanguage(4);
    const std::vector<Step> steps = {
        {"read-active-group-mask", "m", {'k', "JAAABAAP"}, "ok mask=4026597385"},
        {"read-command-count 3", "cD", {'c', "@"}, "ok count=32"},
        {"read-command 3 2",
         "pDC",
         {'d', "KECON"},
         "ok label=ON trained=2 has-conflict=true conflict=4"},
        {"read-command 0 1", "pAB", {'d', "BAA"}, "ok label= trained=1 has-conflict=false"},
        {"read-command 3 4",
         "pDE",
         {'d', "RDA"},
         "ok label= trained=1 has-conflict=true conflict=-4"},
        {"read-grammar-count", "z@", {'c', "F"}, "ok count=5"},
        {"read-grammar-word-count 5", "zF", {'z', "B@"}, "ok count=32"},
        {"read-grammar-words 4", "zE", {'z', "BCDYESCNO"}, "ok flags=1 count=2 words=YES,NO"},
        {"read-sound-table", "h", {'h', "BCDSOU"}, "ok name=SOU count=34"},
        {"read-message 5", "d@F", {'g', "IAINBAA"}, "ok bits=8 length=7552"},
        {"read-message 6", "d@G", {'e', ""}, "ok bits=-1 length=-1"},
        {"check-message-memory 1", "v@B", {'e', "BC"}, "ok result=18"},
        {"export-command-data 3 2", "~XDC", {'~', "D" + DataBytes()}, "ok data=" + DataDigits()},
        {"read-stored-language", "", {}, "ok language=4"},
    };
    ExpectAllSucceed(steps);
}

TEST_F(ShellReadEditTest, EditingOperationsTakeTheirArgumentsInOrder) {
    const std::vector<Step> steps = {
        {"create-command 3 2", "gDC", {'o', ""}, "ok"},
        {"rename-command 3 2 Hi_there", "nDCIHI_THERE", {'o', ""}, "ok label=HI_THERE"},
        {"import-command-data 3 2 " + DataDigits(), "~IDC" + DataBytes(), {'o', ""}, "ok"},
        {"verify-command 3 2", "~VDC", {'o', ""}, "ok conflict=-340983808"},
        {"train-command 1 0", "tBA", {'r', "C"}, "ok conflict=2"},
        {"train-command 1 1", "tBB", {'s', "A"}, "ok conflict=-1"},
        {"recognize-command 3", "dD", {'s', "A"}, "ok result=-1"},
        {"recognize-word 4", "iE", {'s', "E"}, "ok result=4"},
        {"erase-command 3 2", "eDC", {'o', ""}, "ok"},
        {"remove-command 3 2", "uDC", {'o', ""}, "ok"},
    };
    ExpectAllSucceed(steps);
}

TEST_F(ShellReadEditTest, FailuresPrintWhatTheOperationStillGave) {
    const std::vector<Step> steps = {
        // The training state came; the label did not.
        {"read-command 3 3", "pDD", {'d', "KECO"}, "failed trained=2 has-conflict=true conflict=4"},
        {"train-command 1 1", "tBB", {'e', "AD"}, "failed error=3"},
        {"train-command 1 2", "tBC", {'t', ""}, "failed conflict=-340983806"},
        {"recognize-command 4", "dE", {'t', ""}, "failed"},
        {"import-command-data 3 2 XYZ", "", {}, "failed"},
    };
    PtyResponder* device = nullptr;
    const auto r = Session(steps, device);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, Printed(steps));
    EXPECT_THAT(
        r.err,
        HasSubstr("Error: Could not read label for command 3 of group 3.\n\n\n" +
                  make_error_code(Status::Timeout).message() + "\n" +
                  "Warning: Training error: too noisy.\n" + "Information: Timeout expired.\n" +
                  "Information: Timeout expired.\n" + "Error: Unexpected or invalid data.\n"));
    EXPECT_THAT(device->ReceivedText(), Not(HasSubstr("~I")));
}

}  // namespace
}  // namespace parlix::test
