// StatusProgress: the status text and the one progress bar that every job
// and some module operations share. Each user opens its own section; the bar
// shows the sum of all open sections plus one step while connected.
#pragma once

#include "base/ProgressSink.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace parlix {

class FrontEnd;

class StatusProgress : public ProgressSink {
  public:
    explicit StatusProgress(FrontEnd& frontEnd) : frontEnd_(frontEnd) {}

    void AttachBars();
    std::uint32_t BeginProgress(std::uint32_t total) override;
    void StepProgress(std::uint32_t handle, std::uint32_t steps = 1) override;
    void EndProgress(std::uint32_t handle) override;
    void MarkConnected(bool on);
    // Pane 1 of the status bar.
    void SetStatusText(const std::string& text) override;

    std::uint32_t Range() const;
    std::uint32_t Position() const;
    FrontEnd& Front() { return frontEnd_; }

  private:
    struct Section {
        std::uint32_t handle;
        std::uint32_t total;
        std::uint32_t done;
    };
    Section* Find(std::uint32_t handle);

    FrontEnd& frontEnd_;
    mutable std::mutex mutex_;
    std::vector<Section> sections_;  // in opening order
    std::uint32_t nextSerial_ = 0;
    std::uint32_t range_ = 1;
    std::uint32_t position_ = 0;
};

}  // namespace parlix
