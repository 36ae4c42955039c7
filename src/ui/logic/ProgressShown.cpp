#include "ui/logic/ProgressShown.h"

namespace parlix::ui {

bool ProgressShown(std::uint32_t range, std::uint32_t pos) {
    return range > 1 && pos < range;
}

}  // namespace parlix::ui
