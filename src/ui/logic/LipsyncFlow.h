// What the Lip-Sync dialog does, without a window: its enable rules and
// ranges, and the run from Start to Stop, during which the controller's lock
// stays with this thread and is given back exactly once.
#pragma once

#include <functional>

namespace parlix::ui {

struct LipsyncFields {
    int timeoutS = 0;  // 0: no time-out
    int threshold = 135;
};

// The time-out and threshold fields follow Start.
struct LipsyncEnables {
    bool start = false;
    bool stop = false;
};

LipsyncEnables LipsyncRules(bool connected, bool running);
// Time-out 0-255 s, threshold 0-1023.
LipsyncFields ClampLipsyncFields(LipsyncFields fields);

struct LipsyncSteps {
    // Returns with the controller's lock held, whatever the outcome.
    std::function<bool(int threshold, int timeoutS)> start;
    // False when the module ended lip-sync; a level below 0 is nothing new.
    std::function<bool(int& level)> read;
    std::function<bool()> interrupt;
    // Gives back the lock that `start` kept.
    std::function<void()> end;
};

class LipsyncView {
  public:
    virtual ~LipsyncView() = default;
    virtual LipsyncFields Fields() const = 0;
    virtual void ShowFields(const LipsyncFields& fields) = 0;
    virtual void ApplyEnables(const LipsyncEnables& enables) = 0;
    // Redraws the mouth at once.
    virtual void ShowLevel(int level) = 0;
    // Starts or stops the 20 ms read timer.
    virtual void ShowRunning(bool running) = 0;
    virtual void End(int result) = 0;
};

class LipsyncFlow {
  public:
    LipsyncFlow(LipsyncView& view, LipsyncSteps steps, bool connected);
    // A run still going when the dialog goes is stopped, so the lock comes back.
    ~LipsyncFlow();
    LipsyncFlow(const LipsyncFlow&) = delete;
    LipsyncFlow& operator=(const LipsyncFlow&) = delete;

    bool Running() const { return running_; }
    int Level() const { return level_; }
    void UpdateControls();

    void Start();
    void Tick();
    void Stop();
    void Close();

  private:
    LipsyncView& view_;
    LipsyncSteps steps_;
    bool connected_;
    bool running_ = false;
    bool ticking_ = false;
    int level_ = 15;
};

}  // namespace parlix::ui
