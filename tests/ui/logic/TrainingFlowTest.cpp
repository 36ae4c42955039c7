// What one press of the training dialog does, and the two-phase flow.
#include "ui/logic/TrainingFlow.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace parlix::ui {
namespace {

// Records the steps of one press; the module answers `result`.
struct Press {
    std::vector<std::string> steps;
    PhaseOutcome Run(bool ok, int phase, std::int32_t result, bool keep = true) {
        PhaseSteps s;
        s.erase = [this] {
            steps.push_back("erase");
            return true;
        };
        s.train = [this, result] {
            steps.push_back("train");
            return result;
        };
        s.keep = [this, keep](std::int32_t similar) {
            steps.push_back("ask " + std::to_string(similar));
            return keep;
        };
        return PressTrainingButton(ok, phase, s);
    }
};

using Steps = std::vector<std::string>;

TEST(TrainingPress, FirstPhaseStartsFromNothing) {
    Press p;
    const PhaseOutcome outcome = p.Run(true, 1, kTrainedAlone);
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.result, kTrainedAlone);
    EXPECT_EQ(p.steps, (Steps{"erase", "train"}));
}

TEST(TrainingPress, CancelAndFailuresByPhase) {
    struct Case {
        bool ok;
        int phase;
        std::int32_t result;
        bool endsOk;
        Steps steps;
    };
    const Case cases[] = {
        {false, 1, 0, false, {}},                              // cancel: nothing erased
        {false, 2, 0, false, {"erase"}},                       // phase 2: partial training goes
        {true, 1, kTrainingFailed, true, {"erase", "train"}},  // ends with the button pressed
        {true, 2, kTrainingFailed, false, {"train", "erase"}},
        {true, 1, kSimilarUnnamed, false, {"erase", "train", "erase"}},
        {true, 2, kTrainingTimedOut, true, {"train"}},
        {true, 2, -2, true, {"train"}},  // a trigger word other than the first: no question
    };
    for (const Case& c : cases) {
        Press p;
        const PhaseOutcome outcome = p.Run(c.ok, c.phase, c.result);
        EXPECT_EQ(outcome.ok, c.endsOk) << c.phase << " " << c.result;
        EXPECT_EQ(p.steps, c.steps) << c.phase << " " << c.result;
    }
}

TEST(TrainingPress, SimilarCommandAsksToKeep) {
    Press yes;
    EXPECT_TRUE(yes.Run(true, 2, 3, true).ok);
    EXPECT_EQ(yes.steps, (Steps{"train", "ask 3"}));
    Press no;
    const PhaseOutcome outcome = no.Run(true, 2, -1, false);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(no.steps, (Steps{"train", "ask -1", "erase"}));
}

// Runs the flow with the dialog ending as scripted, one outcome per phase shown.
struct Flow {
    std::deque<PhaseOutcome> outcomes;
    std::vector<int> phases;
    std::vector<std::pair<int, bool>> flashes;
    int refreshes = 0;
    bool trained = false;
    void Run(int command) {
        TrainingSteps steps;
        steps.runPhase = [this](int phase) {
            phases.push_back(phase);
            const PhaseOutcome outcome = outcomes.front();
            outcomes.pop_front();
            return outcome;
        };
        steps.afterPhase = [this] { ++refreshes; };
        steps.flash = [this](int index, bool expected) { flashes.emplace_back(index, expected); };
        trained = RunTrainingFlow(command, steps);
    }
};

TEST(TrainingFlow, TwoPhasesWithoutSimilarity) {
    Flow f;
    f.outcomes = {{true, kTrainedAlone}, {true, kTrainedAlone}};
    f.Run(0);
    EXPECT_EQ(f.phases, (std::vector<int>{1, 2}));
    EXPECT_EQ(f.refreshes, 2);
    EXPECT_TRUE(f.flashes.empty());
    EXPECT_TRUE(f.trained);
}

TEST(TrainingFlow, SilenceRepeatsThePhase) {
    Flow f;
    f.outcomes = {{true, kTrainingTimedOut},
                  {true, kTrainedAlone},
                  {true, kTrainingTimedOut},
                  {true, kTrainedAlone}};
    f.Run(0);
    EXPECT_EQ(f.phases, (std::vector<int>{1, 1, 2, 2}));
}

TEST(TrainingFlow, SimilarInPhaseOneSkipsPhaseTwoAndFlashes) {
    Flow other;
    other.outcomes = {{true, 3}};
    other.Run(1);
    EXPECT_EQ(other.phases, (std::vector<int>{1}));
    EXPECT_EQ(other.flashes, (std::vector<std::pair<int, bool>>{{3, false}}));
    EXPECT_TRUE(other.trained) << "kept although similar";

    Flow itself;
    itself.outcomes = {{true, kTrainedAlone}, {true, 2}};
    itself.Run(2);
    EXPECT_EQ(itself.flashes, (std::vector<std::pair<int, bool>>{{2, true}}));
}

TEST(TrainingFlow, StopsOnCancelFailureAndFirstTriggerWord) {
    Flow cancel;
    cancel.outcomes = {{false, kTrainingFailed}};
    cancel.Run(0);
    EXPECT_EQ(cancel.phases.size(), 1u);
    EXPECT_FALSE(cancel.trained);

    Flow failed;
    failed.outcomes = {{true, kTrainingFailed}};
    failed.Run(0);
    EXPECT_EQ(failed.phases.size(), 1u);
    EXPECT_FALSE(failed.trained);

    // Phase 1 trained, phase 2 cancelled: the dialog erased the training.
    Flow second;
    second.outcomes = {{true, kTrainedAlone}, {false, kTrainingFailed}};
    second.Run(0);
    EXPECT_FALSE(second.trained);

    Flow trigger;
    trigger.outcomes = {{true, -1}};
    trigger.Run(0);
    EXPECT_TRUE(trigger.flashes.empty());
    EXPECT_TRUE(trigger.trained);
}

}  // namespace
}  // namespace parlix::ui
