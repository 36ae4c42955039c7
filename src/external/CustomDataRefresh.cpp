#include "external/CustomDataRefresh.h"

#include "base/FrontEnd.h"
#include "base/Status.h"
#include "base/Text.h"

namespace parlix {

std::optional<std::string> BuildFailureMessage(std::error_code lastError) {
    const int code = lastError.value();
    if (static_cast<std::uint32_t>(code) == kToolCancelled) return std::nullopt;
    std::string text = Tr(
        PX_TR("CustomData", "Build failed, see status text on the top for a possible reason.\n"));
    if (code >= 1) {
        text += TrFormat(PX_TR("CustomData", "\nThe following system error occurred: 0x%X\n"),
                         static_cast<unsigned>(code));
        text += lastError.message();
    } else if (static_cast<std::uint32_t>(code) & kToolEnded) {
        text += TrFormat(PX_TR("CustomData", "\nThe last process return code was: %d"),
                         static_cast<int>(static_cast<std::uint32_t>(code) & ~kToolEnded));
    }
    return text;
}

std::string ContinueAnywayQuestion(const std::string& status) {
    return status + Tr(PX_TR("CustomData", "\n\nDo you want to continue anyway?"));
}

DataBuildResult RefreshCustomData(CustomDataBuild& build, DataOutputFiles& outputs,
                                  const DataProjectList& projects, bool oldFormat,
                                  FrontEnd& frontEnd) {
    std::error_code error;
    const std::string base = outputs.NewBase(error);
    DataBuildResult result = DataBuildResult::Error;
    if (base.empty()) {
        build.SetStatus(Tr(PX_TR("CustomData", "Could not run sound table builder.")));
    } else {
        result = build.Build(projects.Projects(), base, oldFormat, false);
        if (result == DataBuildResult::Warning &&
            frontEnd.MessageBox(ContinueAnywayQuestion(build.Status()),
                                Tr(PX_TR("Controller", "Warning")),
                                Buttons::OkCancel | BoxIcon::Warning) == BoxAnswer::Ok)
            result = build.Build(projects.Projects(), base, oldFormat, true);
    }
    if (result == DataBuildResult::Error) {
        if (const auto text = BuildFailureMessage(base.empty() ? error : build.Failure()))
            frontEnd.MessageBox(*text, Tr(PX_TR("Controller", "Error")), BoxIcon::Error);
    }
    return result;
}

}  // namespace parlix
