#include "ui/logic/ParamsRules.h"

#include "base/Text.h"

namespace parlix::ui {

ParamsControls ParamsEnables(const RecognitionSettings& values, bool connected,
                             const RecognitionSupport& support) {
    ParamsControls c;
    c.apply = values.ApplyEnabled(connected, support);
    c.save = values.SaveEnabled();
    // Without a module the user may still choose what the next one gets.
    c.micDistance = support.micDistance || !connected;
    c.fastSdsv = support.fastSdsv || !connected;
    c.trailSilence = support.trailSilence || !connected;
    return c;
}

std::string TrailSilenceText(int value) {
    return TrFormat(PX_TR("ParamsDlg", "(%d ms)"), RecognitionSettings::TrailSilenceMs(value));
}

}  // namespace parlix::ui
