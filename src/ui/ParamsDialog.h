// The modeless Recognition Settings dialog: strictness, confidence, trailing
// silence, fast SD/SV and microphone distance. The values live in the
// session's RecognitionSettings; the controls only show and change them.
// Close hides it: it lives as long as the main window.
#pragma once

#include "app/RecognitionSettings.h"

#include <QtWidgets/QDialog>

#include <array>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace parlix {
class AppSettings;
class ModuleSession;
}  // namespace parlix

namespace parlix::ui {

class ParamsDialog : public QDialog {
    Q_OBJECT
  public:
    ParamsDialog(QWidget* parent, ModuleSession& session, AppSettings& settings);

    // The window's state, kept up to date whenever it updates its commands;
    // the controls show the values held, which a connection may have reloaded.
    void SetConnection(bool connected, const RecognitionSupport& support);

    // The dialog's default button is Apply; Enter applies and keeps it open.
    void accept() override;

  private:
    QSlider* AddSlider(const char* name, int low, int high, int tick);
    void ReadControls();
    void ShowValues();
    void Update();
    void Apply();
    void Save();

    ModuleSession& session_;
    AppSettings& settings_;
    bool connected_ = false;
    RecognitionSupport support_;

    QSlider* strictness_ = nullptr;
    QSlider* confidence_ = nullptr;
    QSlider* trailSilence_ = nullptr;
    QLabel* strictnessValue_ = nullptr;
    QLabel* confidenceValue_ = nullptr;
    QLabel* trailSilenceValue_ = nullptr;
    QLabel* trailSilenceMs_ = nullptr;
    QCheckBox* fast_ = nullptr;
    std::array<QRadioButton*, 3> microphone_{};
    QPushButton* save_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace parlix::ui
