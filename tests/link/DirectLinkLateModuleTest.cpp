// Detection against a module whose answers come after the read time-out: the
// late answers must never be taken for the identity.
#include "app/AppSettings.h"
#include "link/DirectProxy.h"
#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

namespace parlix::test {
namespace {

class DirectLinkLateModuleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        server.AddDevice("module", module);
        ASSERT_FALSE(server.Start());
        ::setenv("PARLIX_SIM_SOCKET", server.SocketPath().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("PARLIX_SIM_SOCKET"); }

    TempDir dir;
    std::shared_ptr<sim::ModuleDevice> module =
        sim::ModuleDevice::FromJson(nlohmann::json{{"identity", "C"}});
    sim::SimServer server{dir.File("sim.sock"), sim::TransportOptions{nullptr, true}};
    AppSettings settings{dir.File("parlix-desk"), dir.File("Settings.ini")};
    DirectProxy proxy{settings};
};

enum class Outcome { Found, Fails, Either };

TEST_F(DirectLinkLateModuleTest, LateAnswersNeverNameTheModule) {
    // Detection replies are 'o' to each 'b', then 'x' to 'x'; `spared` of
    // them come in time before `late` replies come `lateMs` after their request
    // (the read time-out is 250 ms, and a retry follows 200 ms after it).
    struct Case {
        const char* name;
        int spared;
        int late;
        int lateMs;
        Outcome outcome;
    };
    const Case cases[] = {
        // Once: the retry gets a prompt answer.
        {"first wake-up answer in the pause before the retry", 0, 1, 300, Outcome::Found},
        {"first wake-up answer during the retry", 0, 1, 600, Outcome::Found},
        {"first firmware-ID answer in the pause before the retry", 3, 1, 300, Outcome::Found},
        // The stale 'x' passes for the retry's; the retry's own answer races
        // the purge before the identity request.
        {"first firmware-ID answer during the retry", 3, 1, 600, Outcome::Either},
        // Repeatedly: no answer is ever in time.
        {"every answer late", 0, 1000, 300, Outcome::Fails},
        {"every answer very late", 0, 1000, 600, Outcome::Fails},
        // The retry's answer comes just after the purge before the identity request.
        {"every firmware-ID answer late", 3, 1000, 480, Outcome::Fails},
        {"every firmware-ID answer very late", 3, 1000, 600, Outcome::Fails},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::ModuleFaults faults;
        faults.afterReplyBytes = c.spared;
        faults.slowReplyBytes = c.late;
        faults.slowReplyMs = c.lateMs;
        module->SetFaults(faults);
        ASSERT_TRUE(proxy.OpenLink("sim:module"));
        const bool found = proxy.Detect().ok;
        if (found) {
            EXPECT_EQ(proxy.GetDeviceName(), "Parlix");
            EXPECT_EQ(proxy.GetDeviceDetail(), "Rev 2");
        } else {
            EXPECT_EQ(proxy.GetDeviceName(), "");
        }
        if (c.outcome != Outcome::Either) {
            EXPECT_EQ(found, c.outcome == Outcome::Found);
        }
        EXPECT_EQ(proxy.Port().ReadTimeout(), 1000);
        proxy.CloseLink();
        module->SetFaults({});
    }
}

}  // namespace
}  // namespace parlix::test
