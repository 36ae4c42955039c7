// The modal Dial Phone Number dialog: a telephone keypad, the dial tone, and
// Compose, which plays a whole number. Compose's pauses run on a timer, so
// the window keeps being served while it waits; its buttons are off meanwhile.
#pragma once

#include "app/ToneDialer.h"

#include <QtCore/QTimer>
#include <QtWidgets/QDialog>

#include <cstddef>
#include <vector>

class QLineEdit;
class QPushButton;

namespace parlix {
class ModuleController;
}

namespace parlix::ui {

class ToneDialog : public QDialog {
    Q_OBJECT
  public:
    ToneDialog(QWidget* parent, ModuleController& controller);

    QLineEdit* DurationField() const { return duration_; }
    QLineEdit* NumberField() const { return number_; }
    // A key of the keypad by its character ('0'-'9', '*', '#', 'A'-'D').
    QPushButton* Key(char key) const;
    QPushButton* DialToneButton() const { return dialTone_; }
    QPushButton* ComposeButton() const { return compose_; }
    bool Composing() const { return composing_; }

    // Compose is the dialog's default button (Enter).
    void accept() override;
    // Closing in the middle of a number drops the rest of it.
    void reject() override;

  private:
    int NormaliseDuration();
    void PlayKey(char key);
    void PlayDialTone();
    void Compose();
    void ComposeNext();
    void ComposeEnded(bool ok);
    void SetButtonsEnabled(bool enabled);

    ModuleController& controller_;
    QLineEdit* duration_ = nullptr;
    QLineEdit* number_ = nullptr;
    std::vector<std::pair<char, QPushButton*>> keys_;
    QPushButton* dialTone_ = nullptr;
    QPushButton* compose_ = nullptr;

    bool composing_ = false;
    std::vector<DialStep> steps_;
    std::size_t next_ = 0;
    int composeMs_ = kDefaultToneDurationMs;
    QTimer pause_;
};

}  // namespace parlix::ui
