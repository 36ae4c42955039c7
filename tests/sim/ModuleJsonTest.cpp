// Module content from JSON: the demo content, the script, faults and errors.
#include "sim/ModuleFixture.h"
#include "support/WaitUntil.h"

#include <filesystem>
#include <stdexcept>

namespace parlix::sim::test {
namespace {

using nlohmann::json;

std::string DemoPath() {
    return PARLIX_SOURCE_DIR "/res/data/sim/demo-module.json";
}

TEST(ModuleJson, DemoContentUnlocksEveryCapability) {
    const auto module = ModuleDevice::FromFile(DemoPath());
    const auto m = module->Memory();
    EXPECT_GE(m.FirmwareId(), 12);
    EXPECT_LE(m.TotalCommands(), kMaxCommands);
    int groupsWithCommands = 0;
    bool conflict = false;
    for (const auto& group : m.groups) {
        groupsWithCommands += !group.empty();
        for (const auto& c : group) {
            EXPECT_FALSE(c.label.empty());
            conflict = conflict || c.similar != Similarity::None;
        }
    }
    EXPECT_GE(groupsWithCommands, 3);
    EXPECT_TRUE(conflict);
    EXPECT_GE(m.grammars.size(), 2u);
    for (const auto& g : m.grammars) EXPECT_FALSE(g.words.empty());
    EXPECT_TRUE(m.hasSoundTable);
    EXPECT_GT(m.soundCount, 0);
    EXPECT_GT(m.MessageBytesUsed(), 0u);
    EXPECT_EQ(m.memoryCheck, 0) << "the demo connects without a memory warning";
}

TEST(ModuleJson, LabelsAreStoredInModuleForm) {
    const auto module = ModuleDevice::FromJson(
        json::parse(R"({"groups": {"4": [{"label": "room2"}, {"label": "Hi_there"}]}})"));
    const auto m = module->Memory();
    EXPECT_EQ(m.groups[4][0].label, "ROOM^C");
    EXPECT_EQ(m.groups[4][1].label, "HI_THERE");
}

TEST(ModuleJson, RejectsContentAModuleCannotHold) {
    struct Case {
        const char* content;
        const char* reason;
    };
    const Case cases[] = {
        {R"([])", "JSON object"},
        {R"({"identity": "CC"})", "identity"},
        {R"({"identity": "a"})", "identity"},
        {R"({"groups": {"17": []}})", "group"},
        {R"({"groups": {"1": [{"label": "a-b"}]}})", "a-b"},
        {R"({"groups": {"1": [{"trained": 3}]}})", "trained"},
        {R"({"messages": {"32": {}}})", "message slot"},
        {R"({"pins": [0, 0, 0, 0, 0, 0, 1]})", "pins"},
        {R"({"script": {"train": ["mumble"]}})", "mumble"},
        {R"({"script": {"record": [{"delay": 5}]}})", "names nothing"},
        {R"({"language": "en"})", "language"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        try {
            ModuleDevice::FromJson(json::parse(c.content));
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
    }
    json tooMany;
    for (int i = 0; i < 33; ++i)
        tooMany["groups"][std::to_string(i % 17)].push_back(json::object());
    EXPECT_THROW(ModuleDevice::FromJson(tooMany), std::invalid_argument);
    EXPECT_THROW(ModuleDevice::FromFile("/nonexistent/module.json"), std::invalid_argument);
}

TEST(ModuleJson, SavedContentLoadsBackTheSame) {
    const auto demo = ModuleDevice::FromFile(DemoPath());
    const json saved = demo->ToJson();
    EXPECT_EQ(ModuleDevice::FromJson(saved)->ToJson(), saved);
}

class ModuleJsonScriptTest : public ModuleFixture {};

TEST_F(ModuleJsonScriptTest, ScriptAndFaultsComeFromTheContent) {
    Load(json::parse(R"({
      "groups": {"1": [{"label": "A"}]},
      "script": {"train": [{"similar": 2, "delay": 10}, "silence"], "recognize": [{"trigger": 1}]},
      "faults": {"dropReplyBytes": 1}
    })"));
    EXPECT_EQ(module->PendingOutcomes(Activity::Train), 2u);
    EXPECT_EQ(module->PendingOutcomes(Activity::Recognize), 1u);
    EXPECT_FALSE(host->Query("b", 200ms).has_value()) << "the first reply byte is lost";
    const auto answer = Ask('t', {1, 0}, 1);
    EXPECT_EQ(answer.status, 'r');
    EXPECT_EQ(answer.args, std::vector<int>{2});
    EXPECT_EQ(module->PendingOutcomes(Activity::Train), 1u);
}

TEST_F(ModuleJsonScriptTest, UnplugFaultUnplugsTheFirstConnection) {
    Load(json::parse(R"({"faults": {"unplug": true}})"));
    EXPECT_TRUE(parlix::test::WaitUntil([this] { return host->Unplugged(); }));
    host = std::make_unique<LoopHost>(module);
    EXPECT_EQ(host->Query("b"), 'o') << "the next connection is served";
}

}  // namespace
}  // namespace parlix::sim::test
