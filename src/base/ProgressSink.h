// Where the layers below the jobs report progress and status: the status
// text and the one shared progress bar. StatusProgress implements it; a
// link downloading a bridge program or the controller reach it through
// this, so that they need nothing from the layers above them.
#pragma once

#include <cstdint>
#include <string>

namespace parlix {

class ProgressSink {
  public:
    virtual ~ProgressSink() = default;

    // Opens a section of `total` steps; the handle names it in the calls below.
    virtual std::uint32_t BeginProgress(std::uint32_t total) = 0;
    virtual void StepProgress(std::uint32_t handle, std::uint32_t steps = 1) = 0;
    virtual void EndProgress(std::uint32_t handle) = 0;
    // Pane 1 of the status bar.
    virtual void SetStatusText(const std::string& text) = 0;
};

}  // namespace parlix
