// A progress section that closes on every way out of a scope.
#pragma once

#include "base/ProgressSink.h"

namespace parlix {

class ProgressSection {
  public:
    ProgressSection(ProgressSink& progress, std::uint32_t total)
        : progress_(progress), handle_(progress.BeginProgress(total)) {}
    ~ProgressSection() { progress_.EndProgress(handle_); }
    ProgressSection(const ProgressSection&) = delete;
    ProgressSection& operator=(const ProgressSection&) = delete;
    void Step(std::uint32_t n = 1) { progress_.StepProgress(handle_, n); }

  private:
    ProgressSink& progress_;
    std::uint32_t handle_;
};

}  // namespace parlix
