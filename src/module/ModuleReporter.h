// How the link and its exchanges report a failure to the user: the one
// format, title and message box that every module operation shares.
#pragma once

#include <string>

namespace parlix {

class ModuleReporter {
  public:
    virtual ~ModuleReporter() = default;

    // Shows `text` with the title that the style names, optionally followed by
    // the system text of the link's last failure; returns the button pressed.
    virtual int Report(const std::string& text, bool appendSystemText, unsigned style) = 0;
    // Asks a question under its own title.
    virtual int Ask(const std::string& text, const std::string& title, unsigned style) = 0;
};

}  // namespace parlix
