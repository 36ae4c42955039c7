// The Tokenwave dialog without a window: rules, ranges, the generator's
// command lines, continuous listening, Send, Play and Generate.
#include "ui/logic/TokenwaveFlow.h"

#include "support/RecordingFrontEnd.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace parlix::ui {
namespace {

namespace fs = std::filesystem;
using Events = std::vector<std::string>;

TEST(TokenwaveRules, EnablesByConnectionAndListening) {
    struct Case {
        bool connected, listening;
        bool listen, send, length;
    };
    const Case cases[] = {
        {false, false, false, false, true},
        {true, false, true, true, true},
        {true, true, true, false, false},  // Listen reads Stop; the fields wait
    };
    for (const Case& c : cases) {
        const TokenwaveEnables e = TokenwaveRules(c.connected, c.listening);
        EXPECT_EQ(e.listen, c.listen) << c.connected << c.listening;
        EXPECT_EQ(e.send, c.send) << c.connected << c.listening;
        EXPECT_EQ(e.length, c.length) << c.connected << c.listening;
    }
}

TEST(TokenwaveRules, RangesByLength) {
    struct Case {
        int index, bits, expected;
    };
    for (const Case& c :
         {Case{200, 4, 15}, Case{200, 8, 200}, Case{300, 8, 255}, Case{-1, 4, 0}, Case{15, 4, 15}})
        EXPECT_EQ(ClampTokenIndex(c.index, c.bits), c.expected) << c.index << " " << c.bits;
    for (const auto& [ms, expected] :
         {std::pair{-5, 0}, std::pair{0, 0}, std::pair{28090, 28090}, std::pair{28091, 28090}})
        EXPECT_EQ(ClampTokenTime(ms), expected) << ms;
    const TokenwaveFields valid = ValidateTokenFields({20, 40000, 40000, 1, 4});
    EXPECT_EQ(valid.index, 15);
    EXPECT_EQ(valid.delayMs, 28090);
    EXPECT_EQ(valid.timeoutMs, 40000);  // clamped only when listening starts
}

TEST(TokenwaveRules, GeneratorCommandsAndTexts) {
    EXPECT_EQ(TokenFileName("/tmp/tokAB12", 5), "/tmp/tokAB12_005.wav");
    EXPECT_EQ(PlayTokenCommand("/opt/parlix", 8, 200, "/tmp/tokAB12"),
              "\"/opt/parlix/tw2tokengen\" 8 200 200 /tmp/tokAB12 -u 6 -d 6 -a 3");
    // A temporary folder with a blank still names one file.
    EXPECT_EQ(PlayTokenCommand("/opt/parlix", 4, 3, "/my tmp/tokAB12"),
              "\"/opt/parlix/tw2tokengen\" 4 3 3 \"/my tmp/tokAB12\" -u 6 -d 6 -a 3");
    EXPECT_EQ(GenerateTokensCommand("/opt/parlix", 4, "/home/u/My Tokens/token"),
              "\"/opt/parlix/tw2tokengen\" 4 0 15 \"/home/u/My Tokens/token\" -u 6 -d 6 -a 6");
    EXPECT_EQ(GenerateTokensCommand("/opt/parlix", 8, "/t/x"),
              "\"/opt/parlix/tw2tokengen\" 8 0 255 \"/t/x\" -u 6 -d 6 -a 6");
    EXPECT_EQ(GenerateQuestion("/home/u", "token", 8),
              "The generated files will be saved in the folder:\r\n    \"/home/u\"\r\nwith file "
              "names in the range:\r\n    \"token_000.wav\"    to    "
              "\"token_255.wav\"\r\n\r\nDo you want to proceed?");
}

// Logs what the dialog would show, and ends nothing by itself.
class FakeView : public TokenwaveView {
  public:
    TokenwaveFields fields;
    std::string chosenFile;
    Events events;
    std::optional<int> result;
    TokenwaveEnables enables;

    TokenwaveFields Fields() const override { return fields; }
    void ShowFields(const TokenwaveFields& f) override { fields = f; }
    void ApplyEnables(const TokenwaveEnables& e) override { enables = e; }
    void ShowListening(bool on) override { events.push_back(on ? "listening" : "idle"); }
    void ShowPrompt(const std::string& text) override { events.push_back("prompt " + text); }
    void RemovePrompt() override { events.push_back("no prompt"); }
    void End(int r) override { result = r; }
    std::string AskTokenFile() override { return chosenFile; }
    void PlaySound(const std::string& path) override {
        events.push_back(std::string("play ") + (fs::exists(path) ? "file" : "nothing"));
    }
    void OpenFolder(const std::string& folder) override { events.push_back("open " + folder); }
};

// The module answers receives from a script; every call is logged.
struct TokenwaveFlowTest : ::testing::Test {
    struct Reply {
        bool ok;
        int token;
    };
    std::deque<Reply> replies;
    Events calls;
    bool toolSucceeds = true;
    std::vector<std::string> commands;
    std::function<void()> duringReceive;
    test::TempDir temp;
    test::RecordingFrontEnd front;
    FakeView view;
    std::optional<TokenwaveFlow> flow;

    void Open(bool connected = true) {
        TokenSteps steps;
        steps.send = [this](int bits, int token, int delay) {
            calls.push_back(Call("send", bits, token, delay));
            return Pop().ok;
        };
        steps.receive = [this](int bits, int rejection, int timeout, int& token) {
            calls.push_back(Call("receive", bits, rejection, timeout));
            if (duringReceive) duringReceive();
            const Reply r = Pop();
            if (r.ok) token = r.token;
            return r.ok;
        };
        steps.interrupt = [this] {
            calls.push_back("interrupt");
            return true;
        };
        steps.runTool = [this](const std::string& command) {
            commands.push_back(command);
            return toolSucceeds;
        };
        flow.emplace(view, front, steps, connected, "/opt/parlix", temp.Path().string());
    }
    Reply Pop() {
        if (replies.empty()) return {true, -1};
        const Reply r = replies.front();
        replies.pop_front();
        return r;
    }
    static std::string Call(const char* what, int a, int b, int c) {
        return std::string(what) + " " + std::to_string(a) + " " + std::to_string(b) + " " +
               std::to_string(c);
    }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : front.Messages()) texts.push_back(m.text);
        return texts;
    }
};

TEST_F(TokenwaveFlowTest, ContinuousListeningShowsEachTokenUntilStop) {
    Open();
    view.fields.timeoutMs = 0;
    view.fields.bits = 8;
    view.fields.rejection = 2;
    replies = {{true, -1}, {false, 0}, {true, 7}, {true, -1}, {true, 200}, {true, -1}};
    flow->ListenButton();
    EXPECT_TRUE(flow->Listening());
    EXPECT_FALSE(view.enables.send);
    flow->Tick();  // nothing heard yet
    flow->Tick();  // token 7, then listening again
    flow->Tick();  // token 200
    flow->ListenButton();
    EXPECT_FALSE(flow->Listening());
    EXPECT_TRUE(view.enables.send);
    EXPECT_EQ(calls, (Events{"receive 8 2 0", "receive 0 0 -1", "receive 0 0 -1", "receive 8 2 0",
                             "receive 0 0 -1", "receive 8 2 0", "interrupt"}));
    EXPECT_EQ(view.events,
              (Events{"listening", "prompt Continuos listening...",
                      "prompt Received Token 7. Now listening...",
                      "prompt Received Token 200. Now listening...", "idle", "no prompt"}));
    EXPECT_TRUE(front.Messages().empty());
}

TEST_F(TokenwaveFlowTest, FailedRestartStopsListening) {
    Open();
    replies = {{true, -1}, {true, 3}, {false, 0}};
    flow->ListenButton();
    flow->Tick();
    EXPECT_FALSE(flow->Listening());
    EXPECT_EQ(calls.back(), "interrupt");
    EXPECT_EQ(view.events.back(), "no prompt");
    flow->Tick();  // the timer's last tick finds nothing to do
    EXPECT_EQ(calls.back(), "interrupt");
}

TEST_F(TokenwaveFlowTest, TickDuringATickIsIgnored) {
    Open();
    replies = {{true, -1}, {true, 4}, {true, -1}};
    flow->ListenButton();
    int nested = 0;
    duringReceive = [&] {
        if (nested++ == 0) flow->Tick();  // as when a report's message box runs the timer
    };
    flow->Tick();
    EXPECT_EQ(calls, (Events{"receive 4 1 0", "receive 0 0 -1", "receive 4 1 0"}));
}

TEST_F(TokenwaveFlowTest, ListeningWithATimeoutReportsTheToken) {
    struct Case {
        int timeout;
        Reply reply;
        std::string sent;
        std::vector<std::string> boxes;
    };
    const Case cases[] = {
        {500, {true, 9}, "receive 4 1 500", {"Received Token 9"}},
        {500, {true, -1}, "receive 4 1 500", {}},  // the module's time-out, reported by it
        {500, {false, 0}, "receive 4 1 500", {}},
        {30000, {true, 1}, "receive 4 1 28090", {"Received Token 1"}},
    };
    for (const Case& c : cases) {
        calls.clear();
        front.Clear();
        Open();
        view.fields.timeoutMs = c.timeout;
        replies = {c.reply};
        flow->ListenButton();
        EXPECT_FALSE(flow->Listening());
        EXPECT_EQ(calls, Events{c.sent});
        EXPECT_EQ(BoxTexts(), c.boxes) << c.timeout;
        EXPECT_EQ(view.fields.timeoutMs, std::min(c.timeout, 28090));
    }
}

TEST_F(TokenwaveFlowTest, CloseStopsListeningFirst) {
    Open();
    flow->ListenButton();
    flow->Close();
    EXPECT_EQ(calls.back(), "interrupt");
    EXPECT_EQ(view.result, 2);
}

TEST_F(TokenwaveFlowTest, SendClosesOnlyForADelayedTokenThatWasSent) {
    struct Case {
        int index, bits, delay;
        bool ok;
        std::string sent;
        std::optional<int> result;
    };
    const Case cases[] = {
        {5, 8, 0, true, "send 8 5 0", std::nullopt},
        {5, 8, 500, true, "send 8 5 500", 1},
        {5, 8, 1, true, "send 8 5 1", 1},
        {5, 8, 500, false, "send 8 5 500", std::nullopt},  // no note about a token never sent
        {200, 4, 40000, true, "send 4 15 28090", 1},
    };
    for (const Case& c : cases) {
        calls.clear();
        view.result.reset();
        Open();
        view.fields = {c.index, c.delay, 0, 1, c.bits};
        replies = {{c.ok, 0}};
        flow->Send();
        EXPECT_EQ(calls, Events{c.sent});
        EXPECT_EQ(view.result, c.result) << c.sent;
    }
}

TEST_F(TokenwaveFlowTest, WithoutAModuleOnlyTheGeneratorWorks) {
    Open(false);
    flow->ListenButton();
    flow->Send();
    EXPECT_TRUE(calls.empty());
    flow->Play();
    EXPECT_EQ(commands.size(), 1u);
}

TEST_F(TokenwaveFlowTest, LengthChangeKeepsTheIndexInRange) {
    Open();
    view.fields = {200, 0, 0, 1, 8};
    flow->LengthChanged(4);
    EXPECT_EQ(view.fields.index, 15);
    EXPECT_EQ(view.fields.bits, 4);
    flow->LengthChanged(8);
    EXPECT_EQ(view.fields.index, 15);
}

TEST_F(TokenwaveFlowTest, PlayMakesPlaysAndDeletesTheSound) {
    for (const bool succeeds : {true, false}) {
        commands.clear();
        view.events.clear();
        toolSucceeds = succeeds;
        Open(false);
        view.fields = {20, 0, 0, 1, 4};
        flow->Play();
        ASSERT_EQ(commands.size(), 1u);
        // The temporary base: the reserved file is BASE_015.wav in the temporary folder.
        const std::string prefix = "\"/opt/parlix/tw2tokengen\" 4 15 15 " + temp.File("tok");
        EXPECT_EQ(commands[0].rfind(prefix, 0), 0u) << commands[0];
        EXPECT_TRUE(commands[0].ends_with(" -u 6 -d 6 -a 3")) << commands[0];
        EXPECT_EQ(view.events, succeeds ? Events{"play file"} : Events{});
        EXPECT_TRUE(fs::is_empty(temp.Path())) << "the sound is deleted in any case";
    }
}

TEST_F(TokenwaveFlowTest, GenerateAsksThenRunsAndOpensTheFolder) {
    struct Case {
        std::string chosen;
        BoxAnswer answer;
        bool succeeds;
        std::size_t runs;
        Events events;
    };
    const Case cases[] = {
        {"", BoxAnswer::Ok, true, 0, {}},
        {"/home/u/token", BoxAnswer::Cancel, true, 0, {}},
        {"/home/u/token", BoxAnswer::Ok, false, 1, {}},
        {"/home/u/token", BoxAnswer::Ok, true, 1, {"open /home/u"}},
    };
    for (const Case& c : cases) {
        commands.clear();
        view.events.clear();
        front.Clear();
        toolSucceeds = c.succeeds;
        Open(false);
        view.fields.bits = 8;
        view.chosenFile = c.chosen;
        front.Answer({c.answer});
        flow->Generate();
        EXPECT_EQ(commands.size(), c.runs);
        EXPECT_EQ(view.events, c.events);
        if (!c.chosen.empty()) {
            ASSERT_EQ(front.Messages().size(), 1u);
            EXPECT_EQ(front.Messages()[0].title, "Information");
            EXPECT_EQ(front.Messages()[0].style,
                      test::StyleCode(Buttons::OkCancel | BoxIcon::Information));
        }
    }
    EXPECT_EQ(commands.back(),
              "\"/opt/parlix/tw2tokengen\" 8 0 255 \"/home/u/token\" -u 6 -d 6 -a 6");
}

}  // namespace
}  // namespace parlix::ui
