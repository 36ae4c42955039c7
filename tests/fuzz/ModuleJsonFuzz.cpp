// Arbitrary bytes as the simulator's module content: JSON that parses is
// loaded, and whatever loads must save and load back to the same content.
#include "FuzzCheck.h"
#include "sim/ModuleDevice.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <stdexcept>

using parlix::fuzz::Check;
using parlix::sim::ModuleDevice;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto content = nlohmann::json::parse(data, data + size, nullptr, false);
    if (content.is_discarded()) return 0;

    std::shared_ptr<ModuleDevice> module;
    try {
        module = ModuleDevice::FromJson(content);
    } catch (const std::invalid_argument&) {
        return 0;  // the one way bad content is refused
    }

    const auto saved = module->ToJson();
    try {
        Check(ModuleDevice::FromJson(saved)->ToJson() == saved,
              "saved content loads back the same");
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "saved content is refused: %s\n", e.what());
        Check(false, "saved content loads back");
    }
    return 0;
}
