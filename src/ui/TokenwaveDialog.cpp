#include "ui/TokenwaveDialog.h"

#include "base/FrontEnd.h"
#include "base/Text.h"
#include "external/ToolProcess.h"
#include "module/ModuleController.h"
#include "ui/DeviceDialogFrame.h"
#include "ui/HeaderBand.h"
#include "ui/PromptDialog.h"
#include "ui/SoundPlayer.h"

#include <QtCore/QDir>
#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QSlider>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QStyle>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {
namespace {

constexpr int kListenPollMs = 500;

// The generator's lines are not shown; only its outcome counts.
class QuietTool : public ToolListener {
  public:
    void OnLine(std::string, std::uint32_t) override {}
    void OnFinished(std::uint32_t, std::uint32_t) override {}
};

QSpinBox* TimeBox(QWidget* parent, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, kMaxTokenTimeMs);
    return box;
}

}  // namespace

TokenwaveDialog::TokenwaveDialog(QWidget* parent, ModuleController& controller, FrontEnd& frontEnd,
                                 bool connected, std::string programFolder)
    : QDialog(parent), player_(PlaySoundFile) {
    setObjectName(QStringLiteral("tokenwaveDialog"));
    setWindowTitle(DialogText(PX_TR("TokenwaveDlg", "Tokenwave")));

    index_ = new QSpinBox(this);
    index_->setObjectName(QStringLiteral("tokenIndex"));
    delay_ = TimeBox(this, "delay");
    timeout_ = TimeBox(this, "timeout");
    rejection_ = new QSlider(Qt::Horizontal, this);
    rejection_->setRange(0, 2);
    rejection_->setTickPosition(QSlider::TicksBelow);
    rejection_->setTickInterval(1);
    rejection_->setPageStep(1);
    rejectionValue_ = new QLabel(this);
    rejectionValue_->setObjectName(QStringLiteral("rejectionValue"));
    rejectionValue_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")));
    connect(rejection_, &QSlider::valueChanged, rejectionValue_,
            [this](int value) { rejectionValue_->setNum(value); });
    auto* rejectionRow = new QHBoxLayout;
    rejectionRow->addWidget(rejection_, 1);
    rejectionRow->addWidget(rejectionValue_);

    short_ = new QRadioButton(DialogText(PX_TR("TokenwaveDlg", "Short (&4-bits)")), this);
    long_ = new QRadioButton(DialogText(PX_TR("TokenwaveDlg", "Long (&8-bits)")), this);
    long_->setObjectName(QStringLiteral("longTokens"));
    auto* lengths = new QButtonGroup(this);
    lengths->addButton(short_, 4);
    lengths->addButton(long_, 8);
    auto* lengthRow = new QHBoxLayout;
    lengthRow->addWidget(short_);
    lengthRow->addWidget(long_);
    lengthRow->addStretch(1);

    auto* fields = new QFormLayout;
    const auto addRow = [&](TrText label, QWidget* field, QLayout* row = nullptr) {
        auto* text = new QLabel(DialogText(label), this);
        text->setBuddy(field);
        if (row)
            fields->addRow(text, row);
        else
            fields->addRow(text, field);
    };
    addRow(PX_TR("TokenwaveDlg", "Token &index:"), index_);
    addRow(PX_TR("TokenwaveDlg", "&Delay by (ms):"), delay_);
    addRow(PX_TR("TokenwaveDlg", "&Timeout (ms):"), timeout_);
    addRow(PX_TR("TokenwaveDlg", "&Rejection level:"), rejection_, rejectionRow);
    fields->addRow(lengthRow);

    listen_ = new QPushButton(this);
    listen_->setObjectName(QStringLiteral("listenButton"));
    send_ = new QPushButton(DialogText(PX_TR("TokenwaveDlg", "&Send")), this);
    send_->setObjectName(QStringLiteral("sendButton"));
    play_ = new QPushButton(DialogText(PX_TR("TokenwaveDlg", "&Play")), this);
    play_->setObjectName(QStringLiteral("playButton"));
    generate_ = new QPushButton(DialogText(PX_TR("TokenwaveDlg", "Generate ...")), this);
    generate_->setObjectName(QStringLiteral("generateButton"));
    auto* close = new QPushButton(DialogText(PX_TR("TokenwaveDlg", "Close")), this);
    close->setObjectName(QStringLiteral("closeButton"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {listen_, send_, play_, generate_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    close->setAutoDefault(false);
    buttons->addWidget(close);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->addLayout(fields, 1);
    body->addSpacing(12);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    AddHeader(layout, this, DialogText(PX_TR("TokenwaveDlg", "Parlix Tokenwave™ Test")),
              DialogText(PX_TR("TokenwaveDlg", "Send or receive a special sound token")),
              QIcon(QStringLiteral(":/icons/tokenwave.svg")));
    layout->addLayout(body);

    TokenSteps steps;
    steps.send = [&controller](int bits, int token, int delay) {
        return controller.SendToken(bits, token, delay);
    };
    steps.receive = [&controller](int bits, int rejection, int timeout, int& token) {
        return controller.ReceiveToken(bits, rejection, timeout, token);
    };
    steps.interrupt = [&controller] { return controller.Interrupt(); };
    steps.runTool = [&frontEnd, programFolder](const std::string& command) {
        static QuietTool quiet;  // outlives any reader still finishing
        ToolCancel never;
        return RunTool(command, programFolder, quiet, frontEnd, never).Succeeded();
    };
    flow_.emplace(*this, frontEnd, std::move(steps), connected, std::move(programFolder),
                  QDir::tempPath().toStdString());

    listenTimer_.setInterval(kListenPollMs);
    connect(&listenTimer_, &QTimer::timeout, this, [this] { flow_->Tick(); });
    connect(lengths, &QButtonGroup::idClicked, this,
            [this](int bits) { flow_->LengthChanged(bits); });
    connect(listen_, &QPushButton::clicked, this, [this] { flow_->ListenButton(); });
    connect(send_, &QPushButton::clicked, this, [this] { flow_->Send(); });
    connect(play_, &QPushButton::clicked, this, [this] { flow_->Play(); });
    connect(generate_, &QPushButton::clicked, this, [this] { flow_->Generate(); });
    connect(close, &QPushButton::clicked, this, &TokenwaveDialog::reject);

    ShowFields(TokenwaveFields{});
    ShowListening(false);
    flow_->UpdateControls();
}

TokenwaveDialog::~TokenwaveDialog() {
    // A listening module is stopped even when the dialog goes another way.
    if (flow_ && flow_->Listening()) flow_->ListenButton();
}

QString TokenwaveDialog::PromptText() const {
    return prompt_ && prompt_->isVisible() ? prompt_->Text() : QString();
}

TokenwaveFields TokenwaveDialog::Fields() const {
    return {index_->value(), delay_->value(), timeout_->value(), rejection_->value(),
            long_->isChecked() ? 8 : 4};
}

void TokenwaveDialog::ShowFields(const TokenwaveFields& fields) {
    index_->setRange(0, TokenIndexLimit(fields.bits));
    index_->setValue(fields.index);
    delay_->setValue(fields.delayMs);
    timeout_->setValue(fields.timeoutMs);
    rejection_->setValue(fields.rejection);
    rejectionValue_->setNum(fields.rejection);
    (fields.bits == 8 ? long_ : short_)->setChecked(true);
}

void TokenwaveDialog::ApplyEnables(const TokenwaveEnables& enables) {
    listen_->setEnabled(enables.listen);
    for (QWidget* w : std::initializer_list<QWidget*>{send_, delay_, timeout_, rejection_})
        w->setEnabled(enables.send);
    short_->setEnabled(enables.length);
    long_->setEnabled(enables.length);
}

void TokenwaveDialog::ShowListening(bool listening) {
    listen_->setText(listening ? DialogText(PX_TR("TokenwaveDlg", "St&op"))
                               : DialogText(PX_TR("TokenwaveDlg", "&Listen")));
    if (listening)
        listenTimer_.start();
    else
        listenTimer_.stop();
}

void TokenwaveDialog::ShowPrompt(const std::string& text) {
    if (!prompt_) prompt_ = new PromptDialog(this);
    const bool placed = prompt_->isVisible();
    prompt_->ShowText(QString::fromStdString(text));
    if (placed) return;
    // At the dialog's top edge, so that the fields stay in sight.
    const QRect area = frameGeometry();
    prompt_->move(area.center().x() - prompt_->width() / 2, area.top());
}

void TokenwaveDialog::RemovePrompt() {
    if (prompt_) prompt_->hide();
}

void TokenwaveDialog::End(int result) {
    done(result);
}

std::string TokenwaveDialog::AskTokenFile() {
    return QFileDialog::getSaveFileName(this, QString(), QStringLiteral("token")).toStdString();
}

void TokenwaveDialog::PlaySound(const std::string& path) {
    if (player_) player_(QString::fromStdString(path));
}

void TokenwaveDialog::OpenFolder(const std::string& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

void TokenwaveDialog::reject() {
    flow_->Close();
}

}  // namespace parlix::ui
