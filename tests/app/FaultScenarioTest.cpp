// Faults of the line and of the module, each through a whole-module read, an
// export and an import against the simulated module on a pseudo-terminal.
// Each ends with the messages the failure calls for and no more, leaves the
// files alone unless the operation succeeded, and a later connection works.
#include "app/AppSettings.h"
#include "app/ModuleSession.h"
#include "link/Serial.h"
#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "support/RecordingFrontEnd.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

namespace parlix::test {
namespace {

using nlohmann::json;
using ::testing::AnyOf;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

enum class Operation { Read, Export, Import };

const char* Name(Operation op) {
    switch (op) {
        case Operation::Read:
            return "Read";
        case Operation::Export:
            return "Export";
        case Operation::Import:
            return "Import";
    }
    return "?";
}

constexpr const char* kWaitTimedOut = "The wait operation timed out.";
constexpr const char* kTimeoutExpired =
    "This operation returned because the timeout period expired.";
constexpr const char* kRemoved = "The device has been removed.";

class FaultScenarioTest;

struct Scenario {
    const char* name;
    // Sets the fault up just before the operation starts.
    std::function<void(FaultScenarioTest&, Operation)> inject;
    // The messages the operation ends with, checked by `check` (empty: none).
    int messages;
    std::function<void(const std::vector<ShownMessage>&, Operation)> check;
    // Whether the operation must succeed (the file written, the import done).
    bool succeeds;
    // Whether the connection ends lost: nothing more is sent until the next one.
    bool losesLink = false;
};

void PrintTo(const Scenario& s, std::ostream* os) {
    *os << s.name;
}

json Command(const std::string& label, int trained) {
    return {{"label", label}, {"trained", trained}};
}

class FaultScenarioTest : public ::testing::TestWithParam<std::tuple<Scenario, Operation>> {
  public:
    FaultScenarioTest() : settings(dir.File("bin/parlix-desk"), dir.File("Settings.ini")) {}

    void SetUp() override {
        // Two trained commands keep the line busy long enough for late faults,
        // and short enough that each import stays near two seconds.
        module = sim::ModuleDevice::FromJson(json{
            {"identity", "M"},
            {"groups", {{"1", json::array({Command("LIGHTS_ON", 2), Command("LIGHTS_OFF", 1)})}}}});
        Plug();
        session = std::make_unique<ModuleSession>(settings, front);
        ModuleController& controller = session->Controller();
        VoiceProxy* direct = &controller.Link().Direct();
        controller.Link().SetTryOrder({direct, direct, direct, direct});
    }

    void TearDown() override {
        if (session) session->Disconnect();
    }

    // A fresh pseudo-terminal for the module, as after plugging it in again.
    void Plug() {
        std::error_code error;
        pty = sim::PtyTransport::Open(module, {}, error);
        ASSERT_TRUE(pty) << error.message();
        settings.UseCurrentPort(pty->SlavePath());
    }

    // Connects and reads the whole module as the window does; false when the connection failed.
    bool ConnectAndRead() {
        session->SelectGroupRow(0);
        if (!session->Connect()) return false;
        WaitForJobs();
        return true;
    }

    void WaitForJobs() {
        // Each finished job reaches the session as the window hands it on.
        const bool done = WaitUntil(
            [this] {
                const auto finished = front.JobsFinished();
                for (; session->BusyJobs() > 0 && consumed_ < finished.size(); ++consumed_)
                    session->OnJobFinished(finished[consumed_].first, finished[consumed_].second);
                return session->BusyJobs() == 0;
            },
            std::chrono::seconds(90));
        ASSERT_TRUE(done) << "the jobs never finished";
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    void Fault(const sim::ModuleFaults& faults) { module->SetFaults(faults); }

    TempDir dir;
    RecordingFrontEnd front;
    AppSettings settings;
    std::shared_ptr<sim::ModuleDevice> module;
    std::unique_ptr<sim::PtyTransport> pty;
    std::unique_ptr<ModuleSession> session;
    std::unique_ptr<Serial> otherProgram;
    std::size_t consumed_ = 0;
};

// Faults that strike early in the operation, and near its end. A read
// starts with detection, whose retries make up for a lost reply; an export
// is two commands whose replies are mostly their 516 data bytes; an import
// answers each command with one status byte.
int EarlyCommands(Operation op) {
    return op == Operation::Read ? 10 : op == Operation::Export ? 0 : 3;
}
int LateReplyBytes(Operation op) {
    return op == Operation::Export ? 900 : op == Operation::Import ? 15 : 120;
}

sim::ModuleFaults Late(Operation op) {
    sim::ModuleFaults f;
    f.afterReplyBytes = LateReplyBytes(op);
    return f;
}

sim::ModuleFaults Early(Operation op) {
    sim::ModuleFaults f;
    f.afterCommands = EarlyCommands(op);
    return f;
}

// A fault set up early or late in the operation.
std::function<void(FaultScenarioTest&, Operation)> At(bool late, void (*set)(sim::ModuleFaults&)) {
    return [late, set](FaultScenarioTest& t, Operation op) {
        sim::ModuleFaults f = late ? Late(op) : Early(op);
        set(f);
        t.Fault(f);
    };
}

// The exchange that found the silence or the unplugged device says so, in
// its own words; nothing after it does.
void OneLinkLoss(const std::vector<ShownMessage>& shown, Operation) {
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Error");
    EXPECT_EQ(shown[0].style, 0x10u);
    EXPECT_THAT(shown[0].text, AnyOf(EndsWith(kWaitTimedOut), EndsWith(kTimeoutExpired),
                                     EndsWith(kRemoved), "Unexpected or invalid data.\n"));
}

// A failure of a module that still answers: the exchange says so, reading
// goes on, and an import that fails a command says so after it.
void OneFailureOfALiveModule(const std::vector<ShownMessage>& shown, Operation op) {
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0].title, "Error");
    EXPECT_EQ(shown[0].style, 0x10u);
    if (op == Operation::Import) {
        ASSERT_EQ(shown.size(), 2u);
        // It says what the module now holds, so that the user imports again.
        EXPECT_THAT(shown[1].text, HasSubstr("Import may be incomplete!\n\nThe module is now "
                                             "partly overwritten ("));
    } else {
        EXPECT_EQ(shown.size(), 1u);
    }
}

void NoMessage(const std::vector<ShownMessage>& shown, Operation) {
    EXPECT_THAT(shown, IsEmpty());
}

const Scenario kScenarios[] = {
    {"LostByteEarly", At(false, [](sim::ModuleFaults& f) { f.dropReplyBytes = 1; }), 1, OneLinkLoss,
     false, true},
    // A lost argument byte: the module answered the command, so it is still there.
    {"LostByteLate", At(true, [](sim::ModuleFaults& f) { f.dropReplyBytes = 1; }), -1,
     OneFailureOfALiveModule, false},
    {"Silence", At(false, [](sim::ModuleFaults& f) { f.silent = true; }), 1, OneLinkLoss, false,
     true},
    {"Unplug", At(true, [](sim::ModuleFaults& f) { f.unplug = true; }), 1, OneLinkLoss, false,
     true},
    // A reply that is no status of this command: the module is alive, so the
    // message names the reply; reading goes on, importing stops.
    {"GarbageByte",
     At(false,
        [](sim::ModuleFaults& f) {
            f.garbleReplyBytes = 1;
            f.garbage = 0xFF;
        }),
     -1,
     [](const std::vector<ShownMessage>& shown, Operation op) {
         OneFailureOfALiveModule(shown, op);
         ASSERT_FALSE(shown.empty());
         EXPECT_THAT(shown[0].text, StartsWith("Unexpected reply (0xFF)"));
     },
     false},
    // Just inside the time-outs: a status within its three seconds, an
    // argument within its second.
    {"SlowStatus",
     At(false,
        [](sim::ModuleFaults& f) {
            f.slowReplyBytes = 1;
            f.slowReplyMs = 2600;
        }),
     0, NoMessage, true},
    {"SlowArgument",
     At(true,
        [](sim::ModuleFaults& f) {
            f.slowReplyBytes = 1;
            f.slowReplyMs = 800;
        }),
     0, NoMessage, true},
    // An earlier session left a long reply delay: leaving control mode put
    // the connection's delay back, so this one detects the module.
    {"ReplyDelayLeftHigh",
     [](FaultScenarioTest& t, Operation) {
         ModuleSession& s = *t.session;
         if (s.IsConnected()) s.Disconnect();
         ASSERT_TRUE(s.Controller().Link().Connect());
         ASSERT_TRUE(s.Controller().Link().EnterControlMode());
         ASSERT_TRUE(s.Controller().Link().SetReplyDelay(1000));
         s.Controller().Link().LeaveControlMode();
         s.Controller().Link().Disconnect();
         ASSERT_TRUE(t.ConnectAndRead());
     },
     0, NoMessage, true},
    // Another program holds the port: connecting fails with one message; once
    // connected, another program cannot take the port away.
    {"SecondProgram",
     [](FaultScenarioTest& t, Operation) {
         t.otherProgram = std::make_unique<Serial>();
         const auto error = t.otherProgram->Open(t.pty->SlavePath());
         if (!t.session->IsConnected()) {
             ASSERT_FALSE(error) << error.message();
         } else {
             EXPECT_TRUE(error);
             t.otherProgram.reset();
         }
     },
     -1,
     [](const std::vector<ShownMessage>& shown, Operation op) {
         if (op != Operation::Read) {
             EXPECT_THAT(shown, IsEmpty());
             return;
         }
         ASSERT_EQ(shown.size(), 1u);
         EXPECT_THAT(shown[0].text, StartsWith("Could not open the port"));
         EXPECT_THAT(shown[0].text, EndsWith("The port is in use by another program."));
     },
     false},
    // An identity byte outside the argument range: the module is found but
    // its firmware ID cannot be read.
    {"WrongIdentityByte",
     [](FaultScenarioTest& t, Operation) {
         t.module->ChangeMemory([](sim::ModuleMemory& m) { m.identity = 'z'; });
     },
     -1,
     [](const std::vector<ShownMessage>& shown, Operation op) {
         if (op != Operation::Read) {
             EXPECT_THAT(shown, IsEmpty());
             return;
         }
         ASSERT_EQ(shown.size(), 1u);
         EXPECT_EQ(shown[0].text, "Unexpected reply (0x78) or invalid arguments.\n");
     },
     false},
};

TEST_P(FaultScenarioTest, EndsWithItsMessagesAndLeavesAWorkingConnection) {
    const auto& [scenario, op] = GetParam();
    const std::string good = dir.File("good.vrcmd");
    const std::string target = dir.File("target.vrcmd");
    const std::string before = "Group 5 : 0\r\n";  // what an earlier export left there
    Write(target, before);

    if (op != Operation::Read) {
        ASSERT_TRUE(ConnectAndRead());
        if (op == Operation::Import) {
            session->RequestExport(good);
            WaitForJobs();
            ASSERT_TRUE(session->Exporter().Succeeded());
        }
        ASSERT_THAT(front.Messages(), IsEmpty());
        front.Clear();
        consumed_ = 0;
    }

    scenario.inject(*this, op);
    if (HasFatalFailure()) return;
    bool ok = false;
    const bool wasConnected = session->IsConnected();
    switch (op) {
        case Operation::Read:
            ok = session->IsConnected() || (ConnectAndRead() && session->IsConnected());
            break;
        case Operation::Export:
            session->RequestExport(target);
            WaitForJobs();
            ok = session->Exporter().Succeeded();
            break;
        case Operation::Import:
            session->RequestImport(good);
            WaitForJobs();
            ok = session->Importer().Succeeded();
            break;
    }
    const auto shown = front.Messages();
    if (scenario.messages >= 0) {
        EXPECT_EQ(shown.size(), static_cast<std::size_t>(scenario.messages));
    }
    scenario.check(shown, op);
    const bool linkLost = session->Controller().Link().LinkLost();
    EXPECT_EQ(linkLost, scenario.losesLink);
    if (scenario.succeeds) {
        EXPECT_TRUE(ok);
        EXPECT_FALSE(linkLost);
    } else if (op == Operation::Read) {
        // A read that failed leaves gaps, or no connection at all.
        EXPECT_TRUE(!wasConnected || linkLost || !shown.empty());
    } else {
        EXPECT_EQ(ok, shown.empty());
    }
    if (op != Operation::Export || !ok) {
        EXPECT_EQ(Read(target), before);
    }

    // The user deals with the cause and connects again.
    session->Disconnect();
    otherProgram.reset();
    module->SetFaults({});
    module->ChangeMemory([](sim::ModuleMemory& m) { m.identity = 'M'; });
    if (pty->Unplugged()) Plug();
    front.Clear();
    consumed_ = 0;
    ASSERT_TRUE(ConnectAndRead());
    EXPECT_FALSE(session->Controller().Link().LinkLost());
    EXPECT_THAT(front.Messages(), IsEmpty());
    EXPECT_TRUE(session->Model().AreGroupsLoaded());
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<Scenario, Operation>>& param) {
    return std::string(std::get<0>(param.param).name) + "_" + Name(std::get<1>(param.param));
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultScenarioTest,
                         ::testing::Combine(::testing::ValuesIn(kScenarios),
                                            ::testing::Values(Operation::Read, Operation::Export,
                                                              Operation::Import)),
                         CaseName);

}  // namespace
}  // namespace parlix::test
