// Whether the tool bar's progress bar shows: only while something runs.
#pragma once

#include <cstdint>

namespace parlix::ui {

// The bar's range and position as the front end last heard them, from the
// shared progress (reads, export, import) or a download. A range of 1 is the
// idle bar (the connection's own step); a full bar is a finished one.
bool ProgressShown(std::uint32_t range, std::uint32_t pos);

}  // namespace parlix::ui
