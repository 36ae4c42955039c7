// The modal Pin Control dialog: one group box per pin with its five states;
// a click sets an output or reads an input, and the box's title shows the
// pin's value.
#pragma once

#include <QtWidgets/QDialog>

#include <vector>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;

namespace parlix {
class ModuleController;
}

namespace parlix::ui {

class PinControlDialog : public QDialog {
    Q_OBJECT
  public:
    PinControlDialog(QWidget* parent, ModuleController& controller, int pinCount);

    int PinCount() const { return static_cast<int>(boxes_.size()); }
    QGroupBox* PinBox(int pin) const { return boxes_.at(pin - 1); }
    // The radio button of state `state` (0-4) of pin `pin` (1-6).
    QAbstractButton* StateButton(int pin, int state) const;

    // The OK key does nothing here.
    void accept() override {}

  private:
    void Clicked(int pin);

    ModuleController& controller_;
    std::vector<QGroupBox*> boxes_;
    std::vector<QButtonGroup*> groups_;
};

}  // namespace parlix::ui
