#include "app/RecognitionSettings.h"

#include "app/AppSettings.h"
#include "module/ModuleController.h"

namespace parlix {

RecognitionValues RecognitionSettings::Normalised(RecognitionValues v) {
    if (v.level < 1) v.level = 3;
    if (v.level > 5) v.level = 5;
    if (v.knob < 0) v.knob = 2;
    if (v.knob > 4) v.knob = 4;
    if (v.micDistance < 0 || v.micDistance > 2) v.micDistance = 1;
    if (v.trailSilence < 0 || v.trailSilence > 31) v.trailSilence = 12;
    if (v.fastSdsv != 0 && v.fastSdsv != 1) v.fastSdsv = 0;
    return v;
}

void RecognitionSettings::LoadFromSettings(const AppSettings& settings) {
    const IniFile& ini = settings.Settings();
    RecognitionValues v;
    v.level = ini.ReadInt(kSettingsSection, "Level", 2);
    v.knob = ini.ReadInt(kSettingsSection, "Knob", 2);
    v.micDistance = ini.ReadInt(kSettingsSection, "MicDist", 1);
    v.trailSilence = ini.ReadInt(kSettingsSection, "TrailSil", -1);
    v.fastSdsv = ini.ReadInt(kSettingsSection, "FastSDV", -1);
    current_ = saved_ = Normalised(v);
}

bool RecognitionSettings::Apply(ModuleController& controller, const RecognitionSupport& support) {
    current_ = Normalised(current_);
    const RecognitionValues& v = current_;
    if (!controller.SetKnob(v.knob) || !controller.SetLevel(v.level)) return false;
    if (support.micDistance && !controller.SetMicDistance(v.micDistance + 1)) return false;
    if (support.fastSdsv && !controller.SetFastRecognition(v.fastSdsv)) return false;
    if (support.trailSilence && !controller.SetTrailingSilence(v.trailSilence)) return false;
    applied_ = current_;
    appliedKnown_ = true;
    return true;
}

void RecognitionSettings::Save(AppSettings& settings) {
    current_ = Normalised(current_);
    saved_ = current_;
    IniFile& ini = settings.Settings();
    ini.WriteInt(kSettingsSection, "Level", saved_.level);
    ini.WriteInt(kSettingsSection, "Knob", saved_.knob);
    ini.WriteInt(kSettingsSection, "MicDist", saved_.micDistance);
    ini.WriteInt(kSettingsSection, "TrailSil", saved_.trailSilence);
    ini.WriteInt(kSettingsSection, "FastSDV", saved_.fastSdsv ? 1 : 0);
}

bool RecognitionSettings::ApplyEnabled(bool connected, const RecognitionSupport& support) const {
    if (!connected) return false;
    if (!appliedKnown_) return true;
    const RecognitionValues& c = current_;
    const RecognitionValues& a = applied_;
    return c.knob != a.knob || c.level != a.level ||
           (support.micDistance && c.micDistance != a.micDistance) ||
           (support.fastSdsv && c.fastSdsv != a.fastSdsv) ||
           (support.trailSilence && c.trailSilence != a.trailSilence);
}

}  // namespace parlix
