#include "ui/logic/TrainingFlow.h"

namespace parlix::ui {

PhaseOutcome PressTrainingButton(bool pressedOk, int phase, const PhaseSteps& steps) {
    PhaseOutcome outcome;
    if (pressedOk) {
        // A first phase always starts from nothing.
        if (phase == 1) steps.erase();
        outcome.result = steps.train();
    }
    const std::int32_t result = outcome.result;
    if (!pressedOk || result == kTrainingFailed) {
        if (phase == 1) {
            outcome.ok = pressedOk;
            return outcome;
        }
        steps.erase();
        return outcome;
    }
    if (result == kSimilarUnnamed) {
        steps.erase();
        return outcome;
    }
    if (result < -1) {
        outcome.ok = true;
        return outcome;
    }
    if (steps.keep(result)) {
        outcome.ok = true;
        return outcome;
    }
    steps.erase();
    return outcome;
}

bool RunTrainingFlow(int command, const TrainingSteps& steps) {
    PhaseOutcome outcome;
    int phase = 1;
    for (;;) {
        outcome = steps.runPhase(phase);
        steps.afterPhase();
        if (!outcome.ok) return false;
        if (outcome.result == kTrainingTimedOut) continue;
        if (outcome.result >= -1) break;
        if (phase == 1 && outcome.result == kTrainedAlone) {
            phase = 2;
            continue;
        }
        // Both phases done, or the first one failed.
        return outcome.result == kTrainedAlone;
    }
    // Kept although similar. -1 names the first trigger word, which has no row here.
    if (outcome.result >= 0) steps.flash(outcome.result, outcome.result == command);
    return true;
}

}  // namespace parlix::ui
