// The answers of a module on a direct line for detection, control mode, the
// reply delay and the firmware ID: enough to connect to a pseudo-terminal.
#pragma once

#include "support/PtyResponder.h"

#include <memory>

namespace parlix::test {

inline PtyResponder::Answer ModuleAnswers(std::uint8_t identity) {
    auto last = std::make_shared<std::uint8_t>(0);
    return [last, identity](std::uint8_t b) -> std::vector<std::uint8_t> {
        const std::uint8_t previous = *last;
        *last = b;
        if (b == 'b') return {'o'};
        if (b == 'x') return {'x'};
        if (b == ' ' && previous == 'x') return {identity};
        if (previous == 'y') return {'o'};
        return {};
    };
}

}  // namespace parlix::test
