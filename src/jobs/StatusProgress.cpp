#include "jobs/StatusProgress.h"

#include "base/FrontEnd.h"

#include <algorithm>

namespace parlix {

void StatusProgress::AttachBars() {
    std::lock_guard lock(mutex_);
    position_ = 0;
    range_ = 1;
    frontEnd_.SetProgressRange(1);
    frontEnd_.SetProgressPos(0);
}

// Handles come from a running serial rather than the count of open sections,
// so that they stay unique when sections close out of order.
std::uint32_t StatusProgress::BeginProgress(std::uint32_t total) {
    std::lock_guard lock(mutex_);
    std::uint32_t handle = 0;
    do {
        handle = (nextSerial_++ * 247u) ^ 0xA55AA55Au;
    } while (Find(handle) != nullptr);
    sections_.push_back({handle, total, 0});
    range_ += total;
    frontEnd_.SetProgressRange(range_);
    return handle;
}

void StatusProgress::StepProgress(std::uint32_t handle, std::uint32_t steps) {
    std::lock_guard lock(mutex_);
    if (Section* section = Find(handle))
        section->done += steps;
    else
        sections_.push_back({handle, 0, steps});  // a late step still ends with its section
    position_ += steps;
    frontEnd_.SetProgressPos(position_);
}

void StatusProgress::EndProgress(std::uint32_t handle) {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section& s) { return s.handle == handle; });
    if (it != sections_.end()) {
        range_ -= it->total;
        position_ -= it->done;
        sections_.erase(it);
    }
    frontEnd_.SetProgressRange(range_);
    frontEnd_.SetProgressPos(position_);
}

void StatusProgress::MarkConnected(bool on) {
    std::lock_guard lock(mutex_);
    position_ = on ? position_ + 1 : position_ - 1;
    frontEnd_.SetProgressPos(position_);
}

void StatusProgress::SetStatusText(const std::string& text) {
    std::lock_guard lock(mutex_);
    frontEnd_.SetStatusText(text);
}

std::uint32_t StatusProgress::Range() const {
    std::lock_guard lock(mutex_);
    return range_;
}

std::uint32_t StatusProgress::Position() const {
    std::lock_guard lock(mutex_);
    return position_;
}

StatusProgress::Section* StatusProgress::Find(std::uint32_t handle) {
    for (auto& section : sections_)
        if (section.handle == handle) return &section;
    return nullptr;
}

}  // namespace parlix
