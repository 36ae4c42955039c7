#include "sim/CustomDataImage.h"

namespace parlix::sim {

bool ApplyCustomDataImage(const FlashBytes& /*bytes*/, ModuleMemory& /*memory*/) {
    return false;
}

}  // namespace parlix::sim
