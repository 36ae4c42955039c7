#include "module/ModuleController.h"

#include "base/FrontEnd.h"
#include "base/Text.h"

namespace parlix {

ModuleController::ModuleController(SettingsStore& settings, ProgressSink& owner, FrontEnd& frontEnd)
    : settings_(settings),
      owner_(owner),
      frontEnd_(frontEnd),
      link_(settings, owner, frontEnd, *this) {}

BoxAnswer ModuleController::Report(const std::string& text, SystemText systemText, BoxStyle style) {
    errorText_ = text;
    return ReportError(systemText, style);
}

BoxAnswer ModuleController::Ask(const std::string& text, const std::string& title, BoxStyle style) {
    errorText_ = text;
    messageTitle_ = title;
    return ReportError(SystemText::Omit, style);
}

BoxAnswer ModuleController::ReportError(SystemText systemText, BoxStyle style) {
    // The failure that lost the link was the one to show.
    if (link_.LinkLost()) return style.buttons == Buttons::Ok ? BoxAnswer::Ok : BoxAnswer::Cancel;
    switch (style.icon) {
        case BoxIcon::Error:
            messageTitle_ = Tr(PX_TR("Controller", "Error"));
            break;
        case BoxIcon::Warning:
            messageTitle_ = Tr(PX_TR("Controller", "Warning"));
            break;
        case BoxIcon::Information:
            messageTitle_ = Tr(PX_TR("Controller", "Information"));
            break;
        case BoxIcon::None:
        case BoxIcon::Question:
            break;
    }
    if (systemText == SystemText::Append) {
        const std::error_code last = link_.Failure();
        errorText_ += "\n\n";
        if (last) errorText_ += last.message();
    }
    return frontEnd_.MessageBox(errorText_, messageTitle_, style);
}

}  // namespace parlix
