#include "ui/logic/LipsyncFlow.h"

#include <algorithm>

namespace parlix::ui {

LipsyncEnables LipsyncRules(bool connected, bool running) {
    return {connected && !running, connected && running};
}

LipsyncFields ClampLipsyncFields(LipsyncFields fields) {
    fields.timeoutS = std::clamp(fields.timeoutS, 0, 255);
    fields.threshold = std::clamp(fields.threshold, 0, 1023);
    return fields;
}

LipsyncFlow::LipsyncFlow(LipsyncView& view, LipsyncSteps steps, bool connected)
    : view_(view), steps_(std::move(steps)), connected_(connected) {}

LipsyncFlow::~LipsyncFlow() {
    if (!running_) return;
    steps_.interrupt();
    steps_.end();
}

void LipsyncFlow::UpdateControls() {
    view_.ApplyEnables(LipsyncRules(connected_, running_));
}

void LipsyncFlow::Start() {
    if (!LipsyncRules(connected_, running_).start) return;
    const LipsyncFields fields = ClampLipsyncFields(view_.Fields());
    view_.ShowFields(fields);
    // A start that failed is ended by the first read that gets no level.
    steps_.start(fields.threshold, fields.timeoutS);
    running_ = true;
    view_.ShowRunning(true);
    UpdateControls();
}

void LipsyncFlow::Tick() {
    // A report's message box keeps the timer running: one read at a time.
    if (!running_ || ticking_) return;
    ticking_ = true;
    int level = -2;
    const bool going = steps_.read(level);
    ticking_ = false;
    if (!going) {
        Stop();
        return;
    }
    if (level < 0) return;
    level_ = level;
    view_.ShowLevel(level);
}

void LipsyncFlow::Stop() {
    if (!running_) return;
    running_ = false;
    steps_.interrupt();
    steps_.end();
    view_.ShowRunning(false);
    UpdateControls();
}

void LipsyncFlow::Close() {
    Stop();
    view_.End(2);
}

}  // namespace parlix::ui
