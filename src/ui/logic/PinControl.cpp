#include "ui/logic/PinControl.h"

#include "base/Text.h"

namespace parlix::ui {

int PinCountFor(int moduleId) {
    return moduleId < 8 ? 3 : 6;
}

char RunPinState(const PinCalls& calls, int pin, int state) {
    if (state < 0 || state >= kPinStates) return '?';
    if (state <= 1) return calls.setOutput(pin, state) ? static_cast<char>('0' + state) : '?';
    int level = -1;
    if (!calls.queryInput(pin, state, level)) return '?';
    // A pin reads low or high; anything else the module sends says nothing.
    return level == 0 || level == 1 ? static_cast<char>('0' + level) : '?';
}

std::string PinStatusText(int pin, char value) {
    return TrFormat(PX_TR("PinControlDlg", "Pin IO%d - Value: %c"), pin, value);
}

}  // namespace parlix::ui
