// parlix-bridge-images: writes the bridge programs in their download formats
// from the bridge sources: parlix-bridge-images SOURCE-FOLDER OUT-FOLDER.
#include "link/StampIdentification.h"
#include "sim/BridgeImages.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteAll(const std::string& path, const parlix::sim::Image& image) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<long>(image.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: parlix-bridge-images SOURCE-FOLDER OUT-FOLDER\n");
        return 2;
    }
    const std::string in = argv[1];
    const std::string out = argv[2];
    const std::string stamp = ReadAll(in + "/stamp-bridge.bs2");
    const std::string robot = ReadAll(in + "/robonova-bridge.bas");
    if (stamp.empty() || robot.empty()) {
        std::fprintf(stderr, "parlix-bridge-images: the sources are missing in %s\n", in.c_str());
        return 1;
    }
    bool ok = true;
    for (const auto& info : parlix::StampKinds()) {
        std::string name = info.name;  // "BASIC Stamp 2px"
        name = "stamp-bridge-bs2" + name.substr(13) + ".pxs";
        ok = WriteAll(out + "/" + name, parlix::sim::BuildStampImage(info.kind, stamp)) && ok;
    }
    ok = WriteAll(out + "/robonova-bridge.pxr", parlix::sim::BuildControllerImage(robot)) && ok;
    return ok ? 0 : 1;
}
