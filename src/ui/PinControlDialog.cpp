#include "ui/PinControlDialog.h"

#include "base/Text.h"
#include "module/ModuleController.h"
#include "ui/DeviceDialogFrame.h"
#include "ui/logic/PinControl.h"

#include <QtGui/QIcon>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

#include <array>

namespace parlix::ui {
namespace {

constexpr int kPinsPerRow = 3;

}  // namespace

PinControlDialog::PinControlDialog(QWidget* parent, ModuleController& controller, int pinCount)
    : QDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("pinControlDialog"));
    setWindowTitle(DialogText(PX_TR("PinControlDlg", "Pin Control")));
    QVBoxLayout* body = MakeDeviceDialogFrame(
        this, QIcon(QStringLiteral(":/icons/pins.svg")),
        DialogText(PX_TR("PinControlDlg", "Parlix I/O Pin Control")),
        DialogText(PX_TR("PinControlDlg", "Setup pin configuration and show pin current status")));

    const std::array<TrText, kPinStates> states = {
        PX_TR("PinControlDlg", "Output Low"), PX_TR("PinControlDlg", "Output High"),
        PX_TR("PinControlDlg", "Input Hi-Z"), PX_TR("PinControlDlg", "Input Strong PU"),
        PX_TR("PinControlDlg", "Input Weak PU")};
    auto* grid = new QGridLayout;
    for (int pin = 1; pin <= pinCount; ++pin) {
        auto* box = new QGroupBox(QString::fromStdString(PinStatusText(pin, '?')), this);
        box->setObjectName(QStringLiteral("pin%1").arg(pin));
        auto* group = new QButtonGroup(box);
        auto* column = new QVBoxLayout(box);
        for (int state = 0; state < kPinStates; ++state) {
            auto* radio = new QRadioButton(DialogText(states[state]), box);
            group->addButton(radio, state);
            column->addWidget(radio);
        }
        // Clicked, not toggled: clicking an input state again reads the pin again.
        connect(group, &QButtonGroup::idClicked, this, [this, pin] { Clicked(pin); });
        grid->addWidget(box, (pin - 1) / kPinsPerRow, (pin - 1) % kPinsPerRow);
        boxes_.push_back(box);
        groups_.push_back(group);
    }
    body->addLayout(grid);

    auto* tip = new QLabel(
        DialogText(PX_TR("PinControlDlg",
                         "Tip: Click on one of the input configurations to refresh pin status")),
        this);
    tip->setObjectName(QStringLiteral("tip"));
    tip->setWordWrap(true);
    auto* close =
        MakeDialogButton(this, "closeButton", DialogText(PX_TR("PinControlDlg", "Close")));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(tip, 1);
    bottom->addWidget(close);
    body->addLayout(bottom);
}

QAbstractButton* PinControlDialog::StateButton(int pin, int state) const {
    return groups_.at(pin - 1)->button(state);
}

void PinControlDialog::Clicked(int pin) {
    const int state = groups_.at(pin - 1)->checkedId();
    if (state < 0) return;
    const PinCalls calls{
        [this](int p, int mode) { return controller_.SetPinOutput(p, mode); },
        [this](int p, int mode, int& level) { return controller_.QueryPinInput(p, mode, level); }};
    const char value = RunPinState(calls, pin, state);
    boxes_.at(pin - 1)->setTitle(QString::fromStdString(PinStatusText(pin, value)));
}

}  // namespace parlix::ui
