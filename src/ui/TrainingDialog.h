// One phase of training a command: a header band, the instruction, and a
// button named after the phase that starts listening.
#pragma once

#include "ui/logic/TrainingFlow.h"

#include <QtWidgets/QDialog>

class QLabel;
class QPushButton;

namespace parlix::ui {

class TrainingDialog : public QDialog {
    Q_OBJECT
  public:
    TrainingDialog(QWidget* parent, const QString& label, int group, int command, int phase,
                   PhaseSteps steps);
    PhaseOutcome Outcome() const { return outcome_; }

    // The texts as formatted for the phase, for tests.
    QString Header() const;
    QString SubHeader() const;
    QString Instruction() const;
    QPushButton* PhaseButton() const { return ok_; }

  protected:
    void accept() override;
    void reject() override;

  private:
    void Press(bool ok);

    int phase_;
    PhaseSteps steps_;
    PhaseOutcome outcome_;
    QLabel* header_;
    QLabel* subHeader_;
    QLabel* instruction_;
    QPushButton* ok_;
    bool pressing_ = false;
};

}  // namespace parlix::ui
