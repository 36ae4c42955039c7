// Where a tool run reports: each output line, then the outcome. Both are
// called on the run's output reader thread; a front end that shows them in a
// window passes them on to its own thread (in order) and never blocks here.
#pragma once

#include <cstdint>
#include <string>

namespace parlix {

class ToolListener {
  public:
    virtual ~ToolListener() = default;

    // One line of the tool's output; a leading CR means it replaces the line before.
    virtual void OnLine(std::string line, std::uint32_t userValue) = 0;

    // The last call of a run: the tool's exit code (1223 when it was cancelled),
    // or the system error (an errno value) when starting or reading it failed.
    virtual void OnFinished(std::uint32_t code, std::uint32_t userValue) = 0;
};

}  // namespace parlix
