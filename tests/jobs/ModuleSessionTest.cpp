// The connection sequence and disconnection as the main window runs them,
// against a scripted module: the order of module commands, the warnings, the
// failures at each step, and the background readers with the busy counter.
#include "app/ModuleSession.h"
#include "jobs/JobFixture.h"

#include <gmock/gmock.h>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// Also fails to load the stored language when asked to.
class SessionProxy : public GatedProxy {
  public:
    using GatedProxy::GatedProxy;
    bool loadLanguageResult = true;
    LinkResult DoLoadLanguage(std::uint8_t& lang) override {
        const LinkResult loaded = FakeProxy::DoLoadLanguage(lang);
        if (!loadLanguageResult) return LinkResult::Fail(Status::Timeout);
        return loaded;
    }
};

const std::vector<std::string> kDetection = {"open:COM3", "detect", "connect"};

class ModuleSessionTest : public ::testing::Test {
  protected:
    ModuleSessionTest() : settings(dir.File("bin/parlix-desk"), dir.File("Settings.ini")) {
        settings.UseCurrentPort("COM3");
        link.detectResult = true;
        session.Controller().Link().SetTryOrder({&link, &link, &link, &link});
    }

    void Ok(int times = 1) {
        for (int i = 0; i < times; ++i) link.statuses.push_back('o');
    }
    void Reply(std::uint8_t status, std::vector<int> args = {}) {
        link.statuses.push_back(status);
        for (int a : args) link.arguments.push_back(a);
    }
    // What the group reader asks of a module with no active group.
    void ScriptGroupReader(int id) {
        Reply('k', std::vector<int>(8, 0));
        if (id >= 1) Reply('m');  // no sound table
    }

    // Every call but line purges, busy notices and argument fetches.
    std::vector<std::string> Calls() const {
        std::vector<std::string> calls;
        for (const auto& entry : link.calls)
            if (entry != "purge" && entry.rfind("busy:", 0) != 0 && entry.rfind("fetch:", 0) != 0)
                calls.push_back(entry);
        return calls;
    }
    static std::vector<std::string> After(std::vector<std::string> first,
                                          const std::vector<std::string>& then) {
        first.insert(first.end(), then.begin(), then.end());
        return first;
    }

    // Connects and waits for the group reader's run.
    void ConnectAndRead(int id) {
        Reply('x', {id});
        if (id >= 9) Ok();  // memory good
        Ok();               // time-out
        if (id >= 2) Reply('c', {4});
        Ok();  // language
        Ok(2 + (id >= 3 ? 1 : 0) + (id >= 12 ? 2 : 0));
        ScriptGroupReader(id);
        ASSERT_TRUE(session.Connect());
        ASSERT_TRUE(front.WaitForCompletions(1));
    }

    TempDir dir;
    HistoryFrontEnd front;
    AppSettings settings;
    SessionProxy link{"link"};
    ModuleSession session{settings, front};
};

TEST_F(ModuleSessionTest, ConnectSendsTheStartUpCommandsInOrder) {
    struct Case {
        int id;
        std::vector<std::string> calls;  // after detection
    };
    const Case cases[] = {
        {0,
         {"enter", "send:x[]", "send:o[5]", "load-language", "send:l[0]", "save-language:0",
          "send:k[2]", "send:v[2]", "send:m[]"}},
        {2,
         {"enter", "send:x[]", "send:o[5]", "send:z[-1]", "load-language", "send:l[0]",
          "save-language:0", "send:k[2]", "send:v[2]", "send:m[]", "send:h[]"}},
        {3,
         {"enter", "send:x[]", "send:o[5]", "send:z[-1]", "load-language", "send:l[0]",
          "save-language:0", "send:k[2]", "send:v[2]", "send:k[-1,2]", "send:m[]", "send:h[]"}},
        {12,
         {"enter", "send:x[]", "send:v[-1,0]", "send:o[5]", "send:z[-1]", "load-language",
          "send:l[0]", "save-language:0", "send:k[2]", "send:v[2]", "send:k[-1,2]", "send:f[-1,0]",
          "send:t[-1,12]", "send:m[]", "send:h[]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        link.calls.clear();
        front.Clear();
        ConnectAndRead(c.id);
        EXPECT_THAT(Calls(), ElementsAreArray(After(kDetection, c.calls)));
        EXPECT_THAT(front.Messages(), IsEmpty());
        EXPECT_TRUE(session.IsConnected());
        EXPECT_EQ(session.ModuleId(), c.id);
        EXPECT_EQ(session.Controller().RecognitionWait(), 50);
        EXPECT_EQ(session.Data().Progress().Position(), 1u);  // the connection mark
        Ok();                                                 // time-out -1
        session.Disconnect();
        EXPECT_FALSE(session.IsConnected());
    }
}

TEST_F(ModuleSessionTest, StoredLanguageAndSavedSettingsAreSent) {
    IniFile& ini = settings.Settings();
    ini.WriteInt(kSettingsSection, "Knob", 4);
    ini.WriteInt(kSettingsSection, "Level", 5);
    ini.WriteInt(kSettingsSection, "MicDist", 0);
    ini.WriteInt(kSettingsSection, "TrailSil", 20);
    ini.WriteInt(kSettingsSection, "FastSDV", 1);
    link.language = 3;
    ConnectAndRead(12);
    EXPECT_THAT(Calls(),
                ElementsAreArray(After(
                    kDetection,
                    {"enter", "send:x[]", "send:v[-1,0]", "send:o[5]", "send:z[-1]",
                     "load-language", "send:l[3]", "save-language:3", "send:k[4]", "send:v[5]",
                     "send:k[-1,1]", "send:f[-1,1]", "send:t[-1,20]", "send:m[]", "send:h[]"})));
    EXPECT_EQ(session.BuiltinLanguage(), 3);
}

TEST_F(ModuleSessionTest, UnreadableStoredLanguageFallsBackToTheFirst) {
    link.language = 3;
    link.loadLanguageResult = false;
    ConnectAndRead(0);
    const auto calls = Calls();
    EXPECT_THAT(calls, ::testing::Contains("send:l[0]"));
    EXPECT_EQ(session.BuiltinLanguage(), 0);
    EXPECT_TRUE(session.IsConnected());
}

// A damaged message memory is reported and repaired.
TEST_F(ModuleSessionTest, MessageMemoryCheck) {
    const std::string damaged =
        "The internal message memory check has failed.\nA recovery attempt will be performed, "
        "which may erase all messages.";
    const ShownMessage warning{damaged, "Warning", BoxIcon::Warning};
    const ShownMessage failed{"Message recovery failed!", "Warning", BoxIcon::Warning};
    struct Case {
        const char* name;
        std::vector<std::optional<std::uint8_t>> fixReplies;  // nullopt: no answer
        std::vector<int> fixArgs;
        std::vector<std::string> sends;
        std::size_t messages;  // shown, ending with these
        std::vector<ShownMessage> last;
        bool connects = true;
    };
    const Case cases[] = {
        {"Repaired", {'o'}, {}, {"send:v[-1,0]", "send:v[-1,1]"}, 1, {warning}},
        {"StillDamaged", {'e'}, {0, 1}, {"send:v[-1,0]", "send:v[-1,1]"}, 2, {warning, failed}},
        // A repair that never answers loses the link: its own error is the last word.
        {"RepairFails", {std::nullopt}, {}, {"send:v[-1,0]", "send:v[-1,1]"}, 2, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        link.calls.clear();
        front.Clear();
        Reply('x', {9});
        Reply('e', {0, 1});  // damaged
        for (const auto& status : c.fixReplies) link.statuses.push_back(status);
        for (int a : c.fixArgs) link.arguments.push_back(a);
        Ok();             // time-out
        Reply('c', {4});  // grammars
        Ok(4);            // language, knob, level, distance
        ScriptGroupReader(9);
        ASSERT_EQ(session.Connect(), c.connects);
        if (c.connects) {
            ASSERT_TRUE(front.WaitForCompletions(1));
        }
        const auto calls = Calls();
        ASSERT_GE(calls.size(), 7u);
        EXPECT_THAT(std::vector<std::string>(calls.begin() + 5, calls.begin() + 7),
                    ElementsAre(c.sends[0], c.sends[1]));
        EXPECT_EQ(calls.size() > 7 && calls[7] == "send:o[5]", c.connects);
        const auto messages = front.Messages();
        ASSERT_EQ(messages.size(), c.messages);
        EXPECT_EQ(messages.front(), warning);
        EXPECT_THAT(std::vector<ShownMessage>(messages.end() - static_cast<long>(c.last.size()),
                                              messages.end()),
                    ElementsAreArray(c.last));
        Ok();
        session.Disconnect();
    }
}

TEST_F(ModuleSessionTest, FailedControlModeDisconnects) {
    link.controlModeResult = false;
    EXPECT_FALSE(session.Connect());
    EXPECT_THAT(Calls(), ElementsAreArray(After(kDetection, {"enter", "close"})));
    EXPECT_FALSE(session.IsConnected());
    ASSERT_EQ(front.Messages().size(), 1u);
    EXPECT_EQ(front.Messages()[0].text.rfind("Could not enter control mode.\n", 0), 0u);
    EXPECT_FALSE(session.GroupReader().HasThread());
    EXPECT_EQ(session.BusyJobs(), 0);
}

// A version that never comes loses the link: nothing more is sent on it.
TEST_F(ModuleSessionTest, FailedVersionLeavesControlModeAndDisconnects) {
    EXPECT_FALSE(session.Connect());  // 'x' gets no answer
    EXPECT_THAT(Calls(), ElementsAreArray(After(kDetection, {"enter", "send:x[]", "close"})));
    EXPECT_FALSE(session.IsConnected());
    EXPECT_EQ(front.Messages().size(), 1u);
    EXPECT_FALSE(session.GroupReader().HasThread());
    EXPECT_EQ(session.BusyJobs(), 0);
    EXPECT_EQ(session.Data().Progress().Position(), 0u);
}

TEST_F(ModuleSessionTest, DisconnectStopsReadersThenRestoresTheModule) {
    ConnectAndRead(2);
    link.calls.clear();
    Ok();
    session.Disconnect();
    EXPECT_THAT(Calls(), ElementsAre("send:o[-1]", "leave", "close"));
    EXPECT_FALSE(session.GroupReader().HasThread());
    EXPECT_FALSE(session.CommandReader().HasThread());
    EXPECT_EQ(session.Data().Progress().Position(), 0u);
    EXPECT_FALSE(session.IsConnected());
    session.Disconnect();  // nothing more
    EXPECT_THAT(Calls(), ElementsAre("send:o[-1]", "leave", "close"));
}

// The command reader starts after the group reader's first completion and
// serves the row selected before; the busy counter returns to 0.
TEST_F(ModuleSessionTest, ReadersRunOneAfterTheOtherAndTheBusyCountReturnsToZero) {
    session.SelectGroupRow(1);
    EXPECT_EQ(session.BusyJobs(), 0);
    ConnectAndRead(0);
    EXPECT_EQ(session.BusyJobs(), 2);
    EXPECT_FALSE(session.CommandReader().HasThread());
    const auto [thread, served] = front.JobsFinished()[0];
    EXPECT_EQ(thread, session.GroupReader().ThreadId());
    session.OnJobFinished(thread, served);
    EXPECT_EQ(session.BusyJobs(), 1);
    EXPECT_TRUE(session.CommandReader().HasThread());
    ASSERT_TRUE(front.WaitForCompletions(2));
    const auto [readerThread, readerServed] = front.JobsFinished()[1];
    EXPECT_EQ(readerThread, session.CommandReader().ThreadId());
    session.OnJobFinished(readerThread, readerServed);
    EXPECT_EQ(session.BusyJobs(), 0);
    EXPECT_TRUE(session.Model().AreGroupsLoaded());
    Ok();
}

TEST_F(ModuleSessionTest, CompletionAfterDisconnectStartsNoReader) {
    ConnectAndRead(0);
    Ok();
    session.Disconnect();
    const auto [thread, served] = front.JobsFinished()[0];
    session.OnJobFinished(thread, served);
    EXPECT_FALSE(session.CommandReader().HasThread());
    EXPECT_EQ(session.BusyJobs(), 0);
}

}  // namespace
}  // namespace parlix::test
