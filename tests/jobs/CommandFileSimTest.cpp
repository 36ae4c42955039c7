// Export and import against the simulated module on a pseudo-terminal, which
// keeps its memory consistent: what comes back is what went out.
#include "app/AppSettings.h"
#include "jobs/CommandFileJobs.h"
#include "jobs/ProgramData.h"
#include "sim/ModuleDevice.h"
#include "sim/PtyTransport.h"
#include "support/RecordingFrontEnd.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

namespace parlix::test {
namespace {

using nlohmann::json;
using ::testing::IsEmpty;

json Command(const std::string& label, int trained) {
    return {{"label", label}, {"trained", trained}};
}

class CommandFileSimTest : public ::testing::Test {
  protected:
    CommandFileSimTest() : settings(dir.File("bin/parlix-desk"), dir.File("Settings.ini")) {}

    void SetUp() override {
        module = sim::ModuleDevice::FromJson(
            json{{"identity", "M"},
                 // Each command takes about a second on the line each way: keep them few.
                 {"groups", {{"3", json::array({Command("ONE", 2), Command("TWO", 1)})}}}});
        std::error_code error;
        pty = sim::PtyTransport::Open(module, {}, error);
        ASSERT_TRUE(pty) << error.message();
        settings.UseCurrentPort(pty->SlavePath());
        VoiceProxy* direct = &controller().Link().Direct();
        controller().Link().SetTryOrder({direct, direct, direct, direct});
        ASSERT_TRUE(controller().Link().Connect());
        ASSERT_TRUE(controller().Link().EnterControlMode());
        data.Model().SetCapabilities(12);
        data.Model().ResetModel();
        ReadGroups();
    }

    void TearDown() override {
        if (controller().Link().IsConnected()) {
            controller().Link().LeaveControlMode();
            controller().Link().Disconnect();
        }
    }

    // What the readers would do: every group with every command.
    void ReadGroups() {
        VoiceModel& model = data.Model();
        for (int g = 0; g < kGroupLists; ++g) {
            const int count = model.RefreshGroupCount(g, controller());
            ASSERT_GE(count, 0) << g;
            for (int c = 0; c < count; ++c) ASSERT_TRUE(model.RefreshCommand(g, c, controller()));
        }
        ASSERT_TRUE(model.AreGroupsLoaded());
    }

    // The module's groups as labels and trained counts.
    json Groups() const { return module->ToJson()["groups"]; }

    ModuleController& controller() { return data.Controller(); }

    TempDir dir;
    RecordingFrontEnd front;
    AppSettings settings;
    ProgramData data{settings, front};
    std::shared_ptr<sim::ModuleDevice> module;
    std::unique_ptr<sim::PtyTransport> pty;
    CommandExporterThread exporter{data};
    CommandImporterThread importer{data};
};

TEST_F(CommandFileSimTest, ExportResetImportGivesTheSameModule) {
    const json before = Groups();
    const std::string path = dir.File("all.vrcmd");
    ASSERT_TRUE(exporter.Export(path));

    ASSERT_TRUE(controller().ResetMemory(kResetCommands));
    data.Model().ClearAfterReset(true, false);
    ReadGroups();
    ASSERT_EQ(data.Model().GetTotalCommandCount(), 0);

    ASSERT_TRUE(importer.Import(path));
    EXPECT_EQ(Groups(), before);
    EXPECT_THAT(front.Messages(), IsEmpty());
    EXPECT_EQ(data.Model().GetEntryLabel(3, 1), "TWO");
    EXPECT_EQ(data.Model().GetTotalCommandCount(), 2);
}

}  // namespace
}  // namespace parlix::test
