// Creating, removing, erasing, renaming and loading commands.
#include "module/ControllerFixture.h"
#include "module/WireFixture.h"
#include "support/StatusCodes.h"

#include <gmock/gmock.h>

namespace parlix::test {
namespace {

using ::testing::ElementsAre;

ShownMessage Error(std::string text) {
    return {std::move(text), "Error", 16};
}

// 516 digits in both cases, and the values they stand for.
std::string DataDigits() {
    std::string digits;
    for (int i = 0; i < 516; ++i) digits += "0123456789abcdefABCDEF"[i % 22];
    return digits;
}
std::string DataValues() {
    std::string values;
    for (int i = 0; i < 516; ++i) {
        const int v = i % 22;
        values += "," + std::to_string(v < 16 ? v : v - 6);
    }
    return values;
}

class EditCommandsTest : public ControllerFixture {
  protected:
    void SetUp() override { ConnectDirect(); }
    void Answer(std::deque<std::optional<std::uint8_t>> statuses) {
        direct.calls.clear();
        direct.statusTimeouts.clear();
        front.Clear();
        direct.statuses = std::move(statuses);
    }
};

TEST_F(EditCommandsTest, CommandsAnsweredWithDone) {
    using Edit = bool (ModuleController::*)(int, int);
    struct Case {
        const char* name;
        Edit edit;
        const char* sent;
        const char* failure;
    };
    const Case cases[] = {
        {"create", &ModuleController::CreateCommand, "send:g[3,2]",
         "Could not create command 2 of group 3.\n"},
        {"remove", &ModuleController::RemoveCommand, "send:u[3,2]",
         "Could not remove command 2 of group 3.\n"},
        {"erase", &ModuleController::EraseCommand, "send:e[3,2]",
         "Could not erase command 2 of group 3.\n"},
    };
    for (const auto& c : cases) {
        Reconnect();
        SCOPED_TRACE(c.name);
        Answer({'o'});
        EXPECT_TRUE((controller.*c.edit)(3, 2));
        EXPECT_THAT(direct.calls, ElementsAre("purge", c.sent));
        EXPECT_THAT(direct.statusTimeouts, ElementsAre(30));
        EXPECT_TRUE(front.Messages().empty());

        Answer({'e'});
        EXPECT_FALSE((controller.*c.edit)(3, 2));
        Answer({std::nullopt});
        EXPECT_FALSE((controller.*c.edit)(3, 2));
        EXPECT_THAT(front.Messages(),
                    ElementsAre(Error(std::string(c.failure) + "\n\n" + kWaitTimeoutText)));
    }
    Reconnect();
    Answer({'e'});
    EXPECT_FALSE(controller.EraseCommand(3, 2));
    EXPECT_THAT(front.Messages(), ElementsAre(Error("Unexpected reply (0x65).\n")));
}

TEST_F(EditCommandsTest, RenameKeepsWhatTheModuleCanStore) {
    struct Case {
        std::string label;
        std::string kept;
        std::string values;  // after the group, index and length
    };
    const std::vector<Case> cases = {
        {"Hi_there", "HI_THERE", "8,7,8,30,19,7,4,17,4"},
        {"a-b", "A", "1,0"},
        {"ROOM^C", "ROOM^C", "6,17,14,14,12,29,2"},
        {"light 2", "LIGHT", "5,11,8,6,7,19"},
        {"", "", "0"},
        {"-x", "", "0"},
        {std::string(40, 'z'), std::string(31, 'Z'),
         "31" +
             [] {
                 std::string v;
                 for (int i = 0; i < 31; ++i) v += ",25";
                 return v;
             }()},
        {std::string(31, 'q') + "-", std::string(31, 'Q'),
         "31" +
             [] {
                 std::string v;
                 for (int i = 0; i < 31; ++i) v += ",16";
                 return v;
             }()},
        {"\xC3\xA9t\xC3\xA9", "", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Answer({'o'});
        std::string label = c.label;
        EXPECT_TRUE(controller.RenameCommand(3, 2, label));
        EXPECT_EQ(label, c.kept);
        EXPECT_THAT(direct.calls, ElementsAre("purge", "send:n[3,2," + c.values + "]"));
    }
    Answer({std::nullopt});
    std::string label = "on";
    EXPECT_FALSE(controller.RenameCommand(3, 2, label));
    EXPECT_EQ(label, "ON");
    EXPECT_THAT(front.Messages(), ElementsAre(Error("Could not rename command 2 of group 3.\n\n\n" +
                                                    kWaitTimeoutText)));
}

TEST_F(EditCommandsTest, ImportSendsTheDigitsAsValues) {
    Answer({'o'});
    EXPECT_TRUE(controller.ImportCommandData(3, 2, DataDigits()));
    EXPECT_THAT(direct.calls, ElementsAre("purge", "send:~[8,3,2" + DataValues() + "]"));
    EXPECT_THAT(direct.statusTimeouts, ElementsAre(30));
    EXPECT_THAT(front.PromptEvents(),
                ElementsAre("Importing command 2 in group 3...\r\n(Please wait)", "-"));
    EXPECT_TRUE(front.Messages().empty());
}

TEST_F(EditCommandsTest, ImportFailures) {
    struct Case {
        const char* name;
        std::string data;
        std::deque<std::optional<std::uint8_t>> statuses;
        bool sent;
        ShownMessage message;
    };
    const std::string good = DataDigits();
    const std::vector<Case> cases = {
        {"digit G",
         good.substr(0, 100) + "G" + good.substr(101),
         {'o'},
         false,
         Error("Unexpected or invalid data.\n")},
        {"blank", " " + good.substr(1), {'o'}, false, Error("Unexpected or invalid data.\n")},
        {"one digit short", good.substr(1), {'o'}, false, Error("Unexpected or invalid data.\n")},
        {"one digit over", good + "0", {'o'}, false, Error("Unexpected or invalid data.\n")},
        {"empty", "", {'o'}, false, Error("Unexpected or invalid data.\n")},
        {"other status",
         good,
         {'e'},
         true,
         Error("Unexpected reply (0x65) or invalid arguments.\n")},
        {"no status",
         good,
         {std::nullopt},
         true,
         Error("Unexpected reply (0x00) or invalid arguments.\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(c.statuses);
        EXPECT_FALSE(controller.ImportCommandData(3, 2, c.data));
        EXPECT_EQ(direct.calls.size(), c.sent ? 2u : 1u) << "purge, and the command when sent";
        EXPECT_THAT(front.Messages(), ElementsAre(c.message));
        EXPECT_THAT(front.PromptEvents(),
                    ElementsAre("Importing command 2 in group 3...\r\n(Please wait)", "-"));
    }
}

TEST_F(EditCommandsTest, ImportWithoutALinkReportsTheSendFailure) {
    controller.Link().Disconnect();
    front.Clear();
    EXPECT_FALSE(controller.ImportCommandData(3, 2, DataDigits()));
    EXPECT_THAT(front.Messages(), ElementsAre(Error("Could not import command 2 in group 3.\n\n\n" +
                                                    kInvalidHandleText)));
}

// The bytes on a real line.
using EditWireTest = WireFixture;

TEST_F(EditWireTest, CommandsOnTheLine) {
    const std::string digits = DataDigits();
    std::string dataBytes;
    for (int i = 0; i < 516; ++i) {
        const int v = i % 22;
        dataBytes += static_cast<char>('A' + (v < 16 ? v : v - 6));
    }
    ModuleScript script = ConnectionScript();
    for (const char* command : {"gDC", "uDC", "eDC", "nDCIHI_THERE", "~IDC"})
        script.emplace(std::string(command) + (command[0] == '~' ? dataBytes : ""),
                       ScriptedReply{'o', ""});
    PtyResponder device(ScriptedAnswers(script));
    ConnectTo(device);

    EXPECT_TRUE(controller.CreateCommand(3, 2));
    EXPECT_TRUE(controller.RemoveCommand(3, 2));
    EXPECT_TRUE(controller.EraseCommand(3, 2));
    std::string label = "Hi_there";
    EXPECT_TRUE(controller.RenameCommand(3, 2, label));
    EXPECT_TRUE(controller.ImportCommandData(3, 2, digits));
    EXPECT_EQ(device.ReceivedText(), "gDCuDCeDCnDCIHI_THERE~IDC" + dataBytes);
    EXPECT_TRUE(front.Messages().empty());
}

}  // namespace
}  // namespace parlix::test
