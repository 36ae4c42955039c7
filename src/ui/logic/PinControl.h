// The Pin Control dialog without a window: how many pins a module has, what a
// click on one of a pin's five states does, and the status its group box shows.
#pragma once

#include <functional>
#include <string>

namespace parlix::ui {

inline constexpr int kPinStates = 5;  // Output Low, Output High, Input Hi-Z, Strong PU, Weak PU

// Modules before firmware ID 8 have three pins, later ones six.
int PinCountFor(int moduleId);

// The two module operations a click may run; the controller reports their failures.
struct PinCalls {
    std::function<bool(int pin, int mode)> setOutput;
    std::function<bool(int pin, int mode, int& level)> queryInput;
};

// Runs state `state` (0-4) of pin `pin` (1-6): an output is set, an input is
// read. Returns the value to show: '0', '1', or '?' when it is not known.
char RunPinState(const PinCalls& calls, int pin, int state);

// "Pin IO%d - Value: %c".
std::string PinStatusText(int pin, char value);

}  // namespace parlix::ui
