#include "ui/TrainingDialog.h"

#include "base/Text.h"
#include "ui/HeaderBand.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {
namespace {

QString Inserts(TrText text, const auto&... args) {
    return QString::fromStdString(TrFormatInserts(text, args...));
}

}  // namespace

TrainingDialog::TrainingDialog(QWidget* parent, const QString& label, int group, int command,
                               int phase, PhaseSteps steps)
    : QDialog(parent), phase_(phase), steps_(std::move(steps)) {
    setObjectName(QStringLiteral("trainingDialog"));
    setWindowTitle(QString::fromStdString(Tr(PX_TR("TrainingDlg", "Command Training"))));
    const std::string name = label.toStdString();

    const HeaderBand top = MakeHeaderBand(this);
    QFrame* band = top.band;
    header_ = top.title;
    header_->setText(Inserts(PX_TR("TrainingDlg", "Command %2!d! of Group %1!d!"), group, command));
    subHeader_ = top.detail;
    subHeader_->setWordWrap(false);
    subHeader_->setText(
        Inserts(PX_TR("TrainingDlg", "\"%1\" - Phase %2!d!/%3!d!"), name.c_str(), phase, 2));
    subHeader_->setObjectName(QStringLiteral("subHeader"));
    auto* icon = new QLabel(band);
    icon->setPixmap(QIcon::fromTheme(QStringLiteral("audio-input-microphone"),
                                     style()->standardIcon(QStyle::SP_MessageBoxInformation))
                        .pixmap(32, 32));
    auto* bandTexts = new QVBoxLayout;
    bandTexts->addWidget(header_);
    bandTexts->addWidget(subHeader_);
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->addLayout(bandTexts, 1);
    bandLayout->addWidget(icon);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    instruction_ =
        new QLabel(Inserts(PX_TR("TrainingDlg",
                                 "Press the \"Phase %2!d!\" button and say the word "
                                 "corresponding to the command \"%1\" within 5 seconds."),
                           name.c_str(), phase),
                   this);
    instruction_->setObjectName(QStringLiteral("instruction"));
    instruction_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(Inserts(PX_TR("TrainingDlg", "Phase %1!d!"), phase),
                             QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("phaseButton"));
    ok_->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(band);
    layout->addWidget(separator);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->addWidget(instruction_);
    body->addWidget(buttons);
    layout->addLayout(body);
    setMinimumWidth(420);
}

QString TrainingDialog::Header() const {
    return header_->text();
}
QString TrainingDialog::SubHeader() const {
    return subHeader_->text();
}
QString TrainingDialog::Instruction() const {
    return instruction_->text();
}

void TrainingDialog::accept() {
    Press(true);
}

void TrainingDialog::reject() {
    Press(false);
}

void TrainingDialog::Press(bool ok) {
    if (pressing_) return;  // the module is listening: one press at a time
    pressing_ = true;
    outcome_ = PressTrainingButton(ok, phase_, steps_);
    pressing_ = false;
    done(outcome_.ok ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace parlix::ui
