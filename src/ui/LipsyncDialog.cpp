#include "ui/LipsyncDialog.h"

#include "base/Text.h"
#include "module/ModuleController.h"
#include "ui/DeviceDialogFrame.h"
#include "ui/HeaderBand.h"
#include "ui/MouthView.h"

#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {
namespace {

constexpr int kReadMs = 20;

}  // namespace

LipsyncDialog::LipsyncDialog(QWidget* parent, ModuleController& controller, bool connected)
    : QDialog(parent) {
    setObjectName(QStringLiteral("lipsyncDialog"));
    setWindowTitle(DialogText(PX_TR("LipsyncDlg", "Lip-Sync")));

    timeout_ = new QSpinBox(this);
    timeout_->setObjectName(QStringLiteral("timeout"));
    timeout_->setRange(0, 255);
    threshold_ = new QSpinBox(this);
    threshold_->setObjectName(QStringLiteral("threshold"));
    threshold_->setRange(0, 1023);
    auto* fields = new QGridLayout;
    const auto addRow = [&](int row, TrText label, QSpinBox* box, TrText note) {
        auto* text = new QLabel(DialogText(label), this);
        text->setBuddy(box);
        fields->addWidget(text, row, 0);
        fields->addWidget(box, row, 1);
        fields->addWidget(new QLabel(DialogText(note), this), row, 2);
    };
    addRow(0, PX_TR("LipsyncDlg", "&Timeout (s):"), timeout_,
           PX_TR("LipsyncDlg", "(time 1-255, 0=infinite)"));
    addRow(1, PX_TR("LipsyncDlg", "T&hreshold:"), threshold_,
           PX_TR("LipsyncDlg", "(range 0-1023, default 270)"));
    fields->setColumnStretch(2, 1);

    auto* mouthBox = new QGroupBox(DialogText(PX_TR("LipsyncDlg", "Mouth Position")), this);
    mouth_ = new MouthView(mouthBox);
    auto* mouthLayout = new QVBoxLayout(mouthBox);
    mouthLayout->addWidget(mouth_);

    start_ = new QPushButton(DialogText(PX_TR("LipsyncDlg", "&Start")), this);
    start_->setObjectName(QStringLiteral("startButton"));
    stop_ = new QPushButton(DialogText(PX_TR("LipsyncDlg", "Sto&p")), this);
    stop_->setObjectName(QStringLiteral("stopButton"));
    auto* close = new QPushButton(DialogText(PX_TR("LipsyncDlg", "Close")), this);
    close->setObjectName(QStringLiteral("closeButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    for (QPushButton* b : {start_, stop_, close}) b->setAutoDefault(false);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->addLayout(fields);
    body->addWidget(mouthBox, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    AddHeader(layout, this, DialogText(PX_TR("LipsyncDlg", "Parlix Lip-Sync Test")),
              DialogText(PX_TR("LipsyncDlg", "Show a virtual mouth synchronized to speech")),
              QIcon(QStringLiteral(":/icons/lipsync.svg")));
    layout->addLayout(body, 1);

    LipsyncSteps steps;
    steps.start = [&controller](int threshold, int timeout) {
        return controller.StartLipsync(threshold, timeout);
    };
    steps.read = [&controller](int& level) { return controller.ReadLipsyncValue(level); };
    steps.interrupt = [&controller] { return controller.Interrupt(); };
    steps.end = [&controller] { controller.EndLipsync(); };
    flow_.emplace(*this, std::move(steps), connected);

    readTimer_.setInterval(kReadMs);
    connect(&readTimer_, &QTimer::timeout, this, [this] { flow_->Tick(); });
    connect(start_, &QPushButton::clicked, this, [this] { flow_->Start(); });
    connect(stop_, &QPushButton::clicked, this, [this] { flow_->Stop(); });
    connect(close, &QPushButton::clicked, this, &LipsyncDialog::reject);

    ShowFields(LipsyncFields{});
    flow_->UpdateControls();
}

LipsyncDialog::~LipsyncDialog() {
    readTimer_.stop();
    flow_.reset();  // gives the lock back if lip-sync still runs
}

LipsyncFields LipsyncDialog::Fields() const {
    return {timeout_->value(), threshold_->value()};
}

void LipsyncDialog::ShowFields(const LipsyncFields& fields) {
    timeout_->setValue(fields.timeoutS);
    threshold_->setValue(fields.threshold);
}

void LipsyncDialog::ApplyEnables(const LipsyncEnables& enables) {
    start_->setEnabled(enables.start);
    timeout_->setEnabled(enables.start);
    threshold_->setEnabled(enables.start);
    stop_->setEnabled(enables.stop);
}

void LipsyncDialog::ShowLevel(int level) {
    mouth_->ShowLevel(level);
}

void LipsyncDialog::ShowRunning(bool running) {
    if (running)
        readTimer_.start();
    else
        readTimer_.stop();
}

void LipsyncDialog::End(int result) {
    done(result);
}

void LipsyncDialog::reject() {
    flow_->Close();
}

}  // namespace parlix::ui
