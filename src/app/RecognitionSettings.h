// The recognition parameters as the Recognition Settings dialog holds them:
// the values shown, the values last sent to the module and the values last
// saved, with the normalising rules and the order in which they are sent.
#pragma once

namespace parlix {

class AppSettings;
class ModuleController;

struct RecognitionValues {
    int level = 2;          // strictness 1-5
    int knob = 2;           // confidence threshold 0-4
    int micDistance = 1;    // 0 headset, 1 arm's length, 2 far
    int trailSilence = 12;  // 0-31
    int fastSdsv = 0;       // 0 or 1
    bool operator==(const RecognitionValues&) const = default;
};

// What the connected module supports of the optional settings.
struct RecognitionSupport {
    bool micDistance = false;
    bool fastSdsv = false;
    bool trailSilence = false;
};

class RecognitionSettings {
  public:
    static RecognitionValues Normalised(RecognitionValues values);
    // The trailing silence as a duration: "(%d ms)" shows (value + 4) x 25.
    static int TrailSilenceMs(int value) { return (value + 4) * 25; }

    // All three sets from Settings.ini, normalised.
    void LoadFromSettings(const AppSettings& settings);
    // Sends knob, level, then what the module supports, stopping at the
    // first failure (already reported); on success the values count as applied.
    bool Apply(ModuleController& controller, const RecognitionSupport& support);
    void Save(AppSettings& settings);

    bool ApplyEnabled(bool connected, const RecognitionSupport& support) const;
    bool SaveEnabled() const { return !(current_ == saved_); }

    RecognitionValues& Current() { return current_; }
    const RecognitionValues& Current() const { return current_; }
    // Forgets what was sent, so that the next Apply sends everything.
    void ResetApplied() { appliedKnown_ = false; }

  private:
    RecognitionValues current_;
    RecognitionValues applied_;
    RecognitionValues saved_;
    bool appliedKnown_ = false;  // all -1 until the first Apply
};

}  // namespace parlix
