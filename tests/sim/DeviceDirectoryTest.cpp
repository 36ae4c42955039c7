// A device that moves leaves the server's list at once and comes back under
// its new name after the gap; a host sees that through a List frame.
#include "link/SimDeviceList.h"
#include "sim/HostLine.h"
#include "sim/ModuleDevice.h"
#include "sim/SimServer.h"
#include "support/WaitUntil.h"

#include <gmock/gmock.h>

namespace parlix::sim::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Listed(const std::string& socket) {
    std::vector<std::string> names;
    EXPECT_TRUE(ListSimulatedDevices(socket, names));
    return names;
}

TEST(DeviceDirectoryTest, MovedDeviceIsListedUnderItsNewNameAfterTheGap) {
    SimServer server(TempSocketPath("directory"));
    server.AddDevice("board", std::make_shared<ModuleDevice>());
    server.AddDevice("module", std::make_shared<ModuleDevice>());
    ASSERT_FALSE(server.Start());
    EXPECT_THAT(Listed(server.SocketPath()), ElementsAre("board", "module"));

    const auto moved = std::chrono::steady_clock::now();
    server.MoveDevice("board", "board-boot", 300ms);
    EXPECT_THAT(Listed(server.SocketPath()), ElementsAre("module"));
    SocketHost host(server.SocketPath());
    EXPECT_EQ(host.Open("board"), static_cast<std::uint8_t>(simline::Frame::Refuse));

    ASSERT_TRUE(parlix::test::WaitUntil([&] { return Listed(server.SocketPath()).size() == 2; }));
    EXPECT_GE(std::chrono::steady_clock::now() - moved, 300ms);
    EXPECT_THAT(Listed(server.SocketPath()), ElementsAre("board-boot", "module"));
    SocketHost again(server.SocketPath());
    EXPECT_EQ(again.Open("board-boot"), static_cast<std::uint8_t>(simline::Frame::Accept));
}

TEST(DeviceDirectoryTest, ListingWithoutAServerFails) {
    std::vector<std::string> names = {"stale"};
    EXPECT_FALSE(ListSimulatedDevices(TempSocketPath("absent"), names));
    EXPECT_THAT(names, IsEmpty());
}

}  // namespace
}  // namespace parlix::sim::test
