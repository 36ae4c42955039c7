#include "ui/ToneDialog.h"

#include "base/Text.h"
#include "module/ModuleController.h"
#include "ui/DeviceDialogFrame.h"

#include <QtGui/QIcon>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {
namespace {

// The keypad's rows as a telephone has them, with the fourth column A-D.
constexpr const char* kKeyRows[] = {"123A", "456B", "789C", "*0#D"};

}  // namespace

ToneDialog::ToneDialog(QWidget* parent, ModuleController& controller)
    : QDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("toneDialog"));
    setWindowTitle(DialogText(PX_TR("ToneDlg", "Dial Phone Number")));
    QVBoxLayout* body = MakeDeviceDialogFrame(
        this,
        QIcon::fromTheme(QStringLiteral("call-start"),
                         QIcon(QStringLiteral(":/icons/parlix-desk.svg"))),
        DialogText(PX_TR("ToneDlg", "Parlix DTMF Dialer")),
        DialogText(PX_TR("ToneDlg", "Enter a phone number to dial or use the keypad")));

    auto* keypad = new QGroupBox(DialogText(PX_TR("ToneDlg", "Phone Keypad")), this);
    auto* keyGrid = new QGridLayout(keypad);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const char key = kKeyRows[row][column];
            const char name[] = {'k', 'e', 'y', key, '\0'};
            auto* button = MakeDialogButton(keypad, name, QStringLiteral("&") + QLatin1Char(key));
            connect(button, &QPushButton::clicked, this, [this, key] { PlayKey(key); });
            keyGrid->addWidget(button, row, column);
            keys_.emplace_back(key, button);
        }
    }
    dialTone_ = MakeDialogButton(keypad, "dialTone", DialogText(PX_TR("ToneDlg", "Dial &Tone")));
    connect(dialTone_, &QPushButton::clicked, this, &ToneDialog::PlayDialTone);
    keyGrid->addWidget(dialTone_, 4, 0, 1, 4);

    duration_ = new QLineEdit(QString::number(kDefaultToneDurationMs), this);
    duration_->setObjectName(QStringLiteral("duration"));
    number_ = new QLineEdit(QString::fromLatin1(kDefaultPhoneNumber), this);
    number_->setObjectName(QStringLiteral("number"));
    // Room for the whole sample number, so that what Compose will dial is seen.
    number_->setMinimumWidth(
        number_->fontMetrics().horizontalAdvance(QString::fromLatin1(kDefaultPhoneNumber)) + 16);
    auto* fields = new QFormLayout;
    fields->addRow(DialogText(PX_TR("ToneDlg", "Tone duration (ms):")), duration_);
    fields->addRow(DialogText(PX_TR("ToneDlg", "Phone number (0-9 * # A B C D):")), number_);

    compose_ = MakeDialogButton(this, "composeButton", DialogText(PX_TR("ToneDlg", "Compose")));
    compose_->setDefault(true);
    auto* close = MakeDialogButton(this, "closeButton", DialogText(PX_TR("ToneDlg", "Close")));
    connect(compose_, &QPushButton::clicked, this, &ToneDialog::Compose);
    connect(close, &QPushButton::clicked, this, &ToneDialog::reject);

    body->addWidget(keypad);
    body->addLayout(fields);
    body->addLayout(ButtonRow({compose_, close}));

    pause_.setSingleShot(true);
    pause_.setInterval(kDialPauseMs);
    connect(&pause_, &QTimer::timeout, this, &ToneDialog::ComposeNext);
}

QPushButton* ToneDialog::Key(char key) const {
    for (const auto& [k, button] : keys_)
        if (k == key) return button;
    return nullptr;
}

int ToneDialog::NormaliseDuration() {
    const int ms = NormalisedToneDuration(ParseDurationField(duration_->text().toStdString()));
    duration_->setText(QString::number(ms));
    return ms;
}

void ToneDialog::PlayKey(char key) {
    const int ms = NormaliseDuration();
    if (const auto tone = ToneOf(key)) controller_.PlayTone(*tone, ms);
}

void ToneDialog::PlayDialTone() {
    NormaliseDuration();
    controller_.PlayTone(kDialToneTone, kDialToneLength);
}

void ToneDialog::accept() {
    Compose();
}

void ToneDialog::reject() {
    if (composing_) {
        pause_.stop();
        composing_ = false;
        SetButtonsEnabled(true);
    }
    QDialog::reject();
}

void ToneDialog::Compose() {
    if (composing_) return;
    composeMs_ = NormaliseDuration();
    steps_ = PlanDial(number_->text().toStdString());
    next_ = 0;
    composing_ = true;
    SetButtonsEnabled(false);
    ComposeNext();
}

void ToneDialog::ComposeNext() {
    while (composing_ && next_ < steps_.size()) {
        const DialStep& step = steps_[next_++];
        if (step.pause) {
            pause_.start();
            return;
        }
        // The controller has reported a failure: the rest is not dialled.
        if (!controller_.PlayTone(step.tone, composeMs_)) {
            ComposeEnded(false);
            return;
        }
    }
    if (composing_) ComposeEnded(true);
}

void ToneDialog::ComposeEnded(bool ok) {
    composing_ = false;
    // After a failure the number stays as typed, so that it can be dialled again.
    if (ok) number_->setText(QString::fromStdString(DialledText(steps_)));
    SetButtonsEnabled(true);
}

void ToneDialog::SetButtonsEnabled(bool enabled) {
    for (const auto& [key, button] : keys_) button->setEnabled(enabled);
    dialTone_->setEnabled(enabled);
    compose_->setEnabled(enabled);
    duration_->setReadOnly(!enabled);
    number_->setReadOnly(!enabled);
}

}  // namespace parlix::ui
