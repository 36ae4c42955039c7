// Commands that change the module's memory keep it consistent, as the
// module does: renumbering, untraining, relabelling, import and resets.
#include "sim/ModuleFixture.h"

namespace parlix::sim::test {
namespace {

using nlohmann::json;

// Group 2: A, B (similar to A), C (similar to B), D (similar to the trigger), E (similar to D).
const json kGroup = json::parse(R"({
  "groups": { "2": [
    { "label": "A", "trained": 1 },
    { "label": "B", "trained": 1, "similarTo": 0 },
    { "label": "C", "trained": 2, "similarTo": 1 },
    { "label": "D", "trained": 1, "similarToTrigger": 0 },
    { "label": "E", "trained": 1, "similarTo": 3 }
  ] },
  "messages": { "0": { "bits": 8, "length": 7520 } }
})");

class ModuleEditTest : public ModuleFixture {
  protected:
    void SetUp() override { Load(kGroup); }
    // Similarity of each command of group 2 as "k", "T" (trigger) or "-".
    std::string Links() {
        std::string out;
        const auto memory = module->Memory();
        for (const auto& c : memory.groups[2])
            out += c.similar == Similarity::Command   ? std::to_string(c.similarIndex)
                   : c.similar == Similarity::Trigger ? "T"
                                                      : "-";
        return out;
    }
};

TEST_F(ModuleEditTest, CreateAndRemoveRenumberTheGroup) {
    struct Case {
        const char* what;
        char command;
        int index;
        std::vector<std::string> labels;
        std::string links;
    };
    const Case cases[] = {
        {"insert at 1", 'g', 1, {"A", "", "B", "C", "D", "E"}, "--02T4"},
        {"insert at the end", 'g', 5, {"A", "B", "C", "D", "E", ""}, "-01T3-"},
        {"remove 1: C loses its link, E follows D", 'u', 1, {"A", "C", "D", "E"}, "--T2"},
        {"remove 0", 'u', 0, {"B", "C", "D", "E"}, "-0T2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Load(kGroup);
        EXPECT_EQ(Status(c.command, {2, c.index}), 'o');
        EXPECT_EQ(Labels(2), c.labels);
        EXPECT_EQ(Links(), c.links);
    }
}

TEST_F(ModuleEditTest, EraseUntrainsAndClearsLinksToIt) {
    EXPECT_EQ(Status('e', {2, 1}), 'o');
    EXPECT_EQ(At(2, 1).trained, 0);
    EXPECT_EQ(At(2, 1).label, "B") << "erasing keeps the label";
    EXPECT_EQ(Links(), "---T3");
    EXPECT_EQ(Ask('p', {2, 1}, 3).args, (std::vector<int>{0, 0, 1}));
}

TEST_F(ModuleEditTest, RenameStoresTheLabel) {
    const std::string label = "HI_THERE";
    std::vector<int> args = {2, 0, static_cast<int>(label.size())};
    for (char ch : label) args.push_back(ch - 'A');
    EXPECT_EQ(Status('n', args), 'o');
    EXPECT_EQ(At(2, 0).label, "HI_THERE");

    EXPECT_EQ(Status('n', {2, 0, 0}), 'o');
    EXPECT_EQ(At(2, 0).label, "");

    // '[' is no label character.
    EXPECT_EQ(Status('n', {2, 0, 2, 0, '[' - 'A'}), 'e');
    EXPECT_EQ(At(2, 0).label, "");
}

TEST_F(ModuleEditTest, RenameWaitsForEveryCharacter) {
    host->Send(std::vector<std::uint8_t>{'n', 'C', 'A', 'D', 'X', 'Y'});
    EXPECT_FALSE(host->Read(100ms).has_value());
    host->Send("Z");
    EXPECT_EQ(host->Read(1000ms), 'o');
    EXPECT_EQ(At(2, 0).label, "XYZ");
}

TEST_F(ModuleEditTest, ImportedDataExportsAgainAndCarriesLabelAndTraining) {
    auto exported = Ask('~', {23, 2, 2}, 517);
    ASSERT_EQ(exported.args.size(), 517u);
    std::vector<int> data(exported.args.begin() + 1, exported.args.end());

    std::vector<int> import = {8, 2, 0};
    import.insert(import.end(), data.begin(), data.end());
    EXPECT_EQ(Status('~', import), 'o');
    EXPECT_EQ(At(2, 0).label, "C");
    EXPECT_EQ(At(2, 0).trained, 2);
    const StoredCommand source = At(2, 2);  // At() reads a fresh copy of the memory each time
    const StoredCommand loaded = At(2, 0);
    EXPECT_EQ(loaded.similar, source.similar) << "the similarity travels with the data";
    EXPECT_EQ(loaded.similarIndex, source.similarIndex);
    EXPECT_EQ(Ask('~', {23, 2, 0}, 517).args, exported.args);
}

TEST_F(ModuleEditTest, ImportRejectsDataThatDoesNotCheck) {
    auto exported = Ask('~', {23, 2, 0}, 517);
    ASSERT_EQ(exported.args.size(), 517u);
    std::vector<int> import = {8, 2, 1};
    import.insert(import.end(), exported.args.begin() + 1, exported.args.end());
    import[3 + 100] ^= 1;  // one bit flipped in the voice template
    EXPECT_EQ(Status('~', import), 'e');
    EXPECT_EQ(At(2, 1).label, "B");
    import[3 + 100] = 16;  // no nibble
    EXPECT_EQ(Status('~', import), 'e');
}

TEST_F(ModuleEditTest, ResetsClearWhatTheyName) {
    struct Case {
        char kind;
        bool commandsCleared;
        bool messagesCleared;
    };
    for (const Case c : {Case{'R', true, true}, Case{'D', true, false}, Case{'M', false, true}}) {
        SCOPED_TRACE(c.kind);
        Load(kGroup);
        module->ChangeMemory([](ModuleMemory& m) { m.grammars.push_back({0, {"YES"}}); });
        EXPECT_EQ(Status('r', {c.kind - 'A'}, 2000ms), 'o');
        const auto memory = module->Memory();
        EXPECT_EQ(memory.TotalCommands() == 0, c.commandsCleared);
        EXPECT_EQ(memory.messages[0].bits == 0, c.messagesCleared);
        EXPECT_EQ(memory.grammars.size(), 1u);
    }
    EXPECT_EQ(Status('r', {'Q' - 'A'}), 'e');
}

TEST_F(ModuleEditTest, AtMost32CommandsInAll) {
    json content = json::object();
    for (int i = 0; i < 31; ++i) content["groups"]["1"].push_back(json::object());
    Load(content);
    EXPECT_EQ(Status('g', {0, 0}), 'o');
    const auto full = Ask('g', {5, 0}, 2);
    EXPECT_EQ(full.status, 'e');
    EXPECT_EQ(full.args, (std::vector<int>{0, 2}));
    EXPECT_EQ(Status('g', {5, 1}), 'e') << "index past the end of an empty group";
    EXPECT_EQ(Status('u', {1, 0}), 'o');
    EXPECT_EQ(Status('g', {5, 0}), 'o');
}

}  // namespace
}  // namespace parlix::sim::test
