#include "module/ModuleController.h"

#include "base/FrontEnd.h"
#include "base/Text.h"

namespace parlix {

ModuleController::ModuleController(SettingsStore& settings, ProgressSink& owner, FrontEnd& frontEnd)
    : settings_(settings),
      owner_(owner),
      frontEnd_(frontEnd),
      link_(settings, owner, frontEnd, *this) {}

int ModuleController::Report(const std::string& text, bool appendSystemText, unsigned style) {
    errorText_ = text;
    return ReportError(appendSystemText, style);
}

int ModuleController::Ask(const std::string& text, const std::string& title, unsigned style) {
    errorText_ = text;
    messageTitle_ = title;
    return ReportError(false, style);
}

int ModuleController::ReportError(bool appendSystemText, unsigned style) {
    // The failure that lost the link was the one to show.
    if (link_.LinkLost()) return (style & 0x0F) == MB_OK ? IDOK : IDCANCEL;
    switch (style & 0xF0) {
        case MB_ICONERROR:
            messageTitle_ = Tr(PX_TR("Controller", "Error"));
            break;
        case MB_ICONWARNING:
            messageTitle_ = Tr(PX_TR("Controller", "Warning"));
            break;
        case MB_ICONINFORMATION:
            messageTitle_ = Tr(PX_TR("Controller", "Information"));
            break;
        default:
            break;
    }
    if (appendSystemText) {
        const std::error_code last = link_.Failure();
        errorText_ += "\n\n";
        if (last) errorText_ += last.message();
    }
    return frontEnd_.MessageBox(errorText_, messageTitle_, style);
}

}  // namespace parlix
