// The sample projects built by the real kandata, and the image read into the
// simulated module's memory the way a finished download applies it.
#include "sim/CustomDataImage.h"

#include "external/CustomDataBuild.h"
#include "external/CustomDataRefresh.h"
#include "support/RecordingFrontEnd.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace parlix::sim {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

class NoView : public DataBuildView {
  public:
    void SetHeader(const std::string&) override {}
    void SetStatus(const std::string&) override {}
};

class NoLines : public ToolListener {
  public:
    void OnLine(std::string, std::uint32_t) override {}
    void OnFinished(std::uint32_t, std::uint32_t) override {}
};

// The data records of an Intel HEX file by their full addresses.
FlashBytes ReadHex(const std::string& path) {
    FlashBytes bytes;
    std::ifstream in(path);
    std::uint32_t upper = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] != ':') continue;
        const auto byte = [&](std::size_t i) {
            return static_cast<std::uint8_t>(std::stoul(line.substr(1 + 2 * i, 2), nullptr, 16));
        };
        const std::size_t count = byte(0);
        const std::uint32_t offset = byte(1) << 8 | byte(2);
        std::uint8_t sum = 0;
        for (std::size_t i = 0; i < count + 5; ++i) sum = static_cast<std::uint8_t>(sum + byte(i));
        EXPECT_EQ(sum, 0) << line;
        if (byte(3) == 0x04) upper = static_cast<std::uint32_t>(byte(4) << 8 | byte(5)) << 16;
        if (byte(3) == 0x00)
            for (std::size_t i = 0; i < count; ++i)
                bytes[upper + offset + static_cast<std::uint32_t>(i)] = byte(4 + i);
    }
    return bytes;
}

class CustomDataImageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(fs::path(PARLIX_SOURCE_DIR) / "res/data/samples", samples.Path(),
                 fs::copy_options::recursive);
        // A checkout leaves no order in the file times: outputs made newer, as the samples' README
        // says.
        for (const auto& entry : fs::recursive_directory_iterator(samples.Path())) {
            const auto ext = entry.path().extension();
            if (ext == ".mco" || ext == ".h")
                fs::last_write_time(entry.path(),
                                    fs::file_time_type::clock::now() + std::chrono::seconds(2));
        }
        for (const char* project : {"sounds/Demo.qxp", "robot/Robot.rsc", "home/Home.amc"})
            ASSERT_TRUE(list.Add(samples.File(project)));
    }

    FlashBytes BuildSamples(bool oldFormat) {
        CustomDataBuild build(front, view, lines,
                              fs::path(test::ProgramPath("kandata")).parent_path().string());
        EXPECT_EQ(RefreshCustomData(build, outputs, list, oldFormat, front),
                  DataBuildResult::Success)
            << build.Status();
        rows = build.Rows();
        return ReadHex(build.FileToDownload());
    }

    test::TempDir samples;
    test::TempDir temp;
    test::RecordingFrontEnd front;
    NoView view;
    NoLines lines;
    DataProjectList list;
    DataOutputFiles outputs{temp.Path().string()};
    std::vector<DataRow> rows;
};

TEST_F(CustomDataImageTest, TheSamplesInBothLayoutsReachTheModule) {
    for (const bool oldFormat : {false, true}) {
        SCOPED_TRACE(oldFormat ? "old layout" : "new layout");
        const FlashBytes bytes = BuildSamples(oldFormat);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.begin()->first, oldFormat ? 0x20000u : 0x30000u);

        ModuleMemory memory;
        memory.grammars = {{1, {"OLD"}}};
        ASSERT_TRUE(ApplyCustomDataImage(bytes, memory));
        EXPECT_TRUE(memory.hasSoundTable);
        EXPECT_EQ(memory.soundTableName, "DEMO_SOUNDS");
        EXPECT_EQ(memory.soundCount, 4);
        ASSERT_EQ(memory.grammars.size(), 5u);
        EXPECT_THAT(memory.grammars[0].words, ElementsAre("HELLO_ROBOT"));
        EXPECT_EQ(memory.grammars[0].flags, 2);
        EXPECT_THAT(memory.grammars[1].words,
                    ElementsAre("FORWARD", "BACKWARD", "LEFT", "RIGHT", "STOP"));
        EXPECT_EQ(memory.grammars[1].flags, 1);
        EXPECT_THAT(memory.grammars[2].words, ElementsAre("LIGHTS_ON", "LIGHTS_OFF", "DIMMER"));
        EXPECT_THAT(memory.grammars[3].words, ElementsAre("HOUSE"));
        EXPECT_THAT(memory.grammars[4].words,
                    ElementsAre("OPEN_THE_DOOR", "CLOSE_THE_DOOR", "LOCK"));
    }
    EXPECT_TRUE(front.Messages().empty());
}

TEST_F(CustomDataImageTest, TheDataListShowsTheTableTheGrammarsAndTheirNumbers) {
    BuildSamples(false);
    ASSERT_GE(rows.size(), 6u);
    EXPECT_EQ(rows[0], (DataRow{4, "#", "Sound table DEMO_SOUNDS (4 sounds)"}));
    EXPECT_EQ(rows[1], (DataRow{9, "0", "SND_Beep"}));
    EXPECT_EQ(rows[5], (DataRow{0, "#", "Grammar 4 ROBOT_TRIGGER (trigger, 1 word)"}));
    EXPECT_EQ(rows[6], (DataRow{6, "4", "WS_ROBOT_TRIGGER"}));
    EXPECT_EQ(rows.back(), (DataRow{6, "8", "WS_DOORS"}));
}

TEST_F(CustomDataImageTest, ADamagedImageLeavesTheModuleAsItWas) {
    const FlashBytes good = BuildSamples(false);
    const std::uint32_t start = good.begin()->first;
    struct Case {
        const char* what;
        std::function<void(FlashBytes&)> damage;
    };
    const Case cases[] = {
        {"a payload byte changed", [&](FlashBytes& b) { b[start + 40] ^= 0x01; }},
        {"a byte missing", [&](FlashBytes& b) { b.erase(start + 100); }},
        {"the end cut off", [&](FlashBytes& b) { b.erase(std::prev(b.end())); }},
        {"another signature", [&](FlashBytes& b) { b[start] = 'Q'; }},
        {"the old layout's mark at the new address", [&](FlashBytes& b) { b[start + 4] = 1; }},
        {"moved to another address",
         [&](FlashBytes& b) {
             FlashBytes moved;
             for (const auto& [at, value] : b) moved[at + 0x1000] = value;
             b = moved;
         }},
        {"nothing", [](FlashBytes& b) { b.clear(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FlashBytes bytes = good;
        c.damage(bytes);
        ModuleMemory memory;
        memory.grammars = {{1, {"KEEP"}}};
        EXPECT_FALSE(ApplyCustomDataImage(bytes, memory));
        EXPECT_FALSE(memory.hasSoundTable);
        ASSERT_EQ(memory.grammars.size(), 1u);
        EXPECT_THAT(memory.grammars[0].words, ElementsAre("KEEP"));
    }
}

}  // namespace
}  // namespace parlix::sim
