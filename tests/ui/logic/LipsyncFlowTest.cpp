// The Lip-Sync dialog without a window: rules, ranges, the run from Start to
// Stop with the lock given back once, and the mouth's outline.
#include "ui/logic/LipsyncFlow.h"
#include "ui/logic/MouthShape.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace parlix::ui {
namespace {

using Events = std::vector<std::string>;

TEST(LipsyncRules, EnablesAndRanges) {
    struct Case {
        bool connected, running, start, stop;
    };
    for (const Case& c : {Case{false, false, false, false}, Case{true, false, true, false},
                          Case{true, true, false, true}}) {
        const LipsyncEnables e = LipsyncRules(c.connected, c.running);
        EXPECT_EQ(e.start, c.start) << c.connected << c.running;
        EXPECT_EQ(e.stop, c.stop) << c.connected << c.running;
    }
    struct Range {
        LipsyncFields in, out;
    };
    for (const Range& r :
         {Range{{300, -5}, {255, 0}}, Range{{-1, 2000}, {0, 1023}}, Range{{20, 135}, {20, 135}}}) {
        const LipsyncFields f = ClampLipsyncFields(r.in);
        EXPECT_EQ(f.timeoutS, r.out.timeoutS);
        EXPECT_EQ(f.threshold, r.out.threshold);
    }
}

class FakeLipsyncView : public LipsyncView {
  public:
    LipsyncFields fields;
    Events events;
    std::optional<int> result;
    LipsyncEnables enables;

    LipsyncFields Fields() const override { return fields; }
    void ShowFields(const LipsyncFields& f) override { fields = f; }
    void ApplyEnables(const LipsyncEnables& e) override { enables = e; }
    void ShowLevel(int level) override { events.push_back("level " + std::to_string(level)); }
    void ShowRunning(bool on) override { events.push_back(on ? "timer on" : "timer off"); }
    void End(int r) override { result = r; }
};

// The module streams levels from a script; the lock is counted.
struct LipsyncFlowTest : ::testing::Test {
    struct Read {
        bool ok;
        int level;
    };
    std::deque<Read> reads;
    Events calls;
    int locks = 0;
    std::function<void()> duringRead;
    FakeLipsyncView view;
    std::optional<LipsyncFlow> flow;

    LipsyncSteps Steps() {
        LipsyncSteps s;
        s.start = [this](int threshold, int timeout) {
            ++locks;
            calls.push_back("start " + std::to_string(threshold) + " " + std::to_string(timeout));
            return true;
        };
        s.read = [this](int& level) {
            calls.push_back("read");
            if (duringRead) duringRead();
            const Read r = reads.empty() ? Read{true, -2} : reads.front();
            if (!reads.empty()) reads.pop_front();
            level = r.level;
            return r.ok;
        };
        s.interrupt = [this] {
            calls.push_back("interrupt");
            return true;
        };
        s.end = [this] {
            --locks;
            calls.push_back("end");
        };
        return s;
    }
    void Open(bool connected = true) { flow.emplace(view, Steps(), connected); }
};

TEST_F(LipsyncFlowTest, LevelsFollowTheModuleUntilItEnds) {
    Open();
    view.fields = {300, -5};
    reads = {{true, -2}, {true, 20}, {true, 0}, {false, -2}};
    flow->Start();
    EXPECT_EQ(view.fields.timeoutS, 255);
    EXPECT_EQ(view.fields.threshold, 0);
    EXPECT_TRUE(view.enables.stop);
    for (int i = 0; i < 5; ++i) flow->Tick();
    EXPECT_FALSE(flow->Running());
    EXPECT_EQ(locks, 0);
    EXPECT_EQ(calls, (Events{"start 0 255", "read", "read", "read", "read", "interrupt", "end"}));
    EXPECT_EQ(view.events, (Events{"timer on", "level 20", "level 0", "timer off"}));
    EXPECT_EQ(flow->Level(), 0);
    EXPECT_TRUE(view.enables.start);
}

TEST_F(LipsyncFlowTest, EveryWayOfStoppingGivesTheLockBackOnce) {
    using Stopper = std::function<void(std::optional<LipsyncFlow>&)>;
    const std::pair<const char*, Stopper> ways[] = {
        {"stop twice", [](auto& f) { f->Stop(), f->Stop(); }},
        {"close", [](auto& f) { f->Close(); }},
        {"dialog gone", [](auto& f) { f.reset(); }},
    };
    for (const auto& [name, stop] : ways) {
        calls.clear();
        Open();
        flow->Start();
        flow->Tick();
        stop(flow);
        EXPECT_EQ(locks, 0) << name;
        EXPECT_EQ(calls, (Events{"start 135 0", "read", "interrupt", "end"})) << name;
    }
    EXPECT_EQ(view.result, 2);
}

TEST_F(LipsyncFlowTest, ReadDuringAReadIsIgnoredAndNothingRunsWithoutAModule) {
    Open();
    flow->Start();
    int nested = 0;
    duringRead = [&] {
        if (nested++ == 0) flow->Tick();
    };
    flow->Tick();
    EXPECT_EQ(calls, (Events{"start 135 0", "read"}));
    flow->Stop();

    calls.clear();
    Open(false);
    flow->Start();
    flow->Tick();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(locks, 0);
}

TEST(MouthOutline, ClosedAtLevelZeroAndOpensSymmetrically) {
    // 200 x 130: the mouth's box is 170 x 100 around the centre (100, 65).
    const MouthFrame frame{0, 0, 200, 130};
    const auto closed = MouthOutline(frame, 0);
    EXPECT_EQ(closed.front(), (MouthPoint{58, 65}));
    EXPECT_EQ(closed.back(), closed.front());
    EXPECT_EQ(closed[6], (MouthPoint{142, 65}));
    EXPECT_EQ(closed[3], (MouthPoint{100, 65}));  // upper lip
    EXPECT_EQ(closed[9], (MouthPoint{100, 68}));  // lower lip: 3 pixels below
    EXPECT_EQ(closed[2], (MouthPoint{79, 57}));   // controls above the upper lip by h / 12
    struct Case {
        int level, opening;
    };
    for (const Case& c : {Case{1, 1}, Case{15, 18}, Case{31, 37}}) {
        const auto open = MouthOutline(frame, c.level);
        EXPECT_EQ(open[3].y, 65 - c.opening) << c.level;
        EXPECT_EQ(open[9].y, 68 + c.opening) << c.level;
        // Corners stay where they were; left and right mirror each other.
        EXPECT_EQ(open[0], closed[0]);
        EXPECT_EQ(open[6], closed[6]);
        for (std::size_t i = 0; i < open.size(); ++i) {
            const MouthPoint mirrored{200 - open[i].x, open[i].y};
            EXPECT_NE(std::find(open.begin(), open.end(), mirrored), open.end())
                << c.level << " point " << i;
        }
    }
}

}  // namespace
}  // namespace parlix::ui
