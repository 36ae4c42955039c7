// Progress in a log or a pipe: a line each tenth of the way, not one for
// every step that a terminal's bar would redraw.
#pragma once

#include <cstdint>

namespace parlix::cli {

class TenthSteps {
  public:
    // Whether `percent` reached a tenth not shown yet; it then counts as shown.
    bool Reached(std::uint64_t percent) {
        const int tenth = percent >= 100 ? 10 : static_cast<int>(percent / 10);
        if (tenth <= shown_) return false;
        shown_ = tenth;
        return true;
    }
    // The last tenth shown, in percent.
    int ShownPercent() const { return shown_ * 10; }
    // The next operation counts from 0 again.
    void Restart() { shown_ = -1; }

  private:
    int shown_ = -1;
};

}  // namespace parlix::cli
