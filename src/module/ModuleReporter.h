// How the link and its exchanges report a failure to the user: the one
// format, title and message box that every module operation shares.
#pragma once

#include "base/FrontEnd.h"

#include <string>

namespace parlix {

// Whether a report ends with the system text of the link's last failure.
enum class SystemText { Omit, Append };

class ModuleReporter {
  public:
    virtual ~ModuleReporter() = default;

    // Shows `text` with the title that the style names, optionally followed by
    // the system text of the link's last failure; returns the button pressed.
    virtual BoxAnswer Report(const std::string& text, SystemText systemText, BoxStyle style) = 0;
    // Asks a question under its own title.
    virtual BoxAnswer Ask(const std::string& text, const std::string& title, BoxStyle style) = 0;
};

}  // namespace parlix
