// The shipped bridge programs are the ones their sources give, so that an
// edited source is not left behind by a stale download file.
#include "link/StampIdentification.h"
#include "sim/BridgeImages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace parlix::test {
namespace {

const std::string kDir = PARLIX_SOURCE_DIR "/res/data/bridges/";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

sim::Image ReadImage(const std::string& path) {
    const std::string bytes = ReadAll(path);
    return {bytes.begin(), bytes.end()};
}

TEST(BridgeImagesTest, ShippedFilesMatchTheirSources) {
    const std::string stamp = ReadAll(kDir + "stamp-bridge.bs2");
    ASSERT_FALSE(stamp.empty());
    for (const auto& info : StampKinds()) {
        const std::string file =
            kDir + "stamp-bridge-bs2" + std::string(info.name).substr(13) + ".pxs";
        SCOPED_TRACE(file);
        EXPECT_EQ(ReadImage(file), sim::BuildStampImage(info.kind, stamp))
            << "run parlix-bridge-images res/data/bridges res/data/bridges";
    }
    EXPECT_EQ(ReadImage(kDir + "robonova-bridge.pxr"),
              sim::BuildControllerImage(ReadAll(kDir + "robonova-bridge.bas")));
}

}  // namespace
}  // namespace parlix::test
