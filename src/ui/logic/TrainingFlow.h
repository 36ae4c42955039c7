// Training a command in two phases, and what one press of the training
// dialog's button decides. The dialog and the window supply the steps, so
// that the flow runs without them in tests.
#pragma once

#include <cstdint>
#include <functional>

namespace parlix::ui {

// Results of one phase besides a similar command k >= 0 or trigger word -1 - t.
inline constexpr std::int32_t kTrainedAlone = static_cast<std::int32_t>(0xEBAD0000u);
inline constexpr std::int32_t kSimilarUnnamed = static_cast<std::int32_t>(0xEBAD0001u);
inline constexpr std::int32_t kTrainingTimedOut = static_cast<std::int32_t>(0xEBAD0002u);
inline constexpr std::int32_t kTrainingFailed = static_cast<std::int32_t>(0xEBAD0003u);

struct PhaseSteps {
    std::function<bool()> erase;             // erases the command's training
    std::function<std::int32_t()> train;     // one phase on the module
    std::function<bool(std::int32_t)> keep;  // "keep current training anyway?"
};

struct PhaseOutcome {
    bool ok = false;  // the dialog ended with OK
    std::int32_t result = kTrainingFailed;
};

// The dialog's OK (pressedOk) or Cancel in `phase` (1 or 2).
PhaseOutcome PressTrainingButton(bool pressedOk, int phase, const PhaseSteps& steps);

struct TrainingSteps {
    // Runs the dialog for a phase; returns how it ended.
    std::function<PhaseOutcome(int phase)> runPhase;
    // After each dialog: command states and the idle refresh.
    std::function<void()> afterPhase;
    // Flashes command `index`: green when it is the trained one.
    std::function<void(int index, bool expected)> flash;
};

// The whole flow for command `command` of a group; true when the command
// keeps the training it got.
bool RunTrainingFlow(int command, const TrainingSteps& steps);

}  // namespace parlix::ui
