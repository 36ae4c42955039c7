// The modal Lip-Sync dialog: a mouth that follows the module's real-time
// lip-sync levels. Its flow lives in LipsyncFlow; this class only shows and
// forwards.
#pragma once

#include "ui/logic/LipsyncFlow.h"

#include <QtCore/QTimer>
#include <QtWidgets/QDialog>

#include <optional>

class QPushButton;
class QSpinBox;

namespace parlix {
class ModuleController;
}

namespace parlix::ui {

class MouthView;

class LipsyncDialog : public QDialog, public LipsyncView {
    Q_OBJECT
  public:
    // Ends with 2.
    LipsyncDialog(QWidget* parent, ModuleController& controller, bool connected);
    ~LipsyncDialog() override;

    LipsyncFlow& Flow() { return *flow_; }
    QPushButton* StartButton() const { return start_; }
    QPushButton* StopButton() const { return stop_; }
    QSpinBox* TimeoutBox() const { return timeout_; }
    QSpinBox* ThresholdBox() const { return threshold_; }
    MouthView* Mouth() const { return mouth_; }

    // Close, Escape and the close box: stops first.
    void reject() override;

    // LipsyncView
    LipsyncFields Fields() const override;
    void ShowFields(const LipsyncFields& fields) override;
    void ApplyEnables(const LipsyncEnables& enables) override;
    void ShowLevel(int level) override;
    void ShowRunning(bool running) override;
    void End(int result) override;

  private:
    QTimer readTimer_;
    QSpinBox* timeout_;
    QSpinBox* threshold_;
    MouthView* mouth_;
    QPushButton* start_;
    QPushButton* stop_;
    // Last, so that it stops a running lip-sync while the widgets still live.
    std::optional<LipsyncFlow> flow_;
};

}  // namespace parlix::ui
