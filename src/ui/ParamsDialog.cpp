#include "ui/ParamsDialog.h"

#include "app/ModuleSession.h"
#include "base/Text.h"
#include "ui/DeviceDialogFrame.h"
#include "ui/logic/ParamsRules.h"

#include <QtGui/QIcon>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QSlider>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {
namespace {

QString T(TrText text) {
    return QString::fromStdString(Tr(text));
}

QLabel* ValueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    return label;
}

// The scale under a trackbar: a word at each end and one in the middle.
QHBoxLayout* Scale(QWidget* parent, const QString& low, const QString& middle,
                   const QString& high) {
    auto* scale = new QHBoxLayout;
    scale->addWidget(new QLabel(low, parent));
    scale->addStretch(1);
    scale->addWidget(new QLabel(middle, parent));
    scale->addStretch(1);
    scale->addWidget(new QLabel(high, parent));
    return scale;
}

}  // namespace

ParamsDialog::ParamsDialog(QWidget* parent, ModuleSession& session, AppSettings& settings)
    : QDialog(parent), session_(session), settings_(settings) {
    setObjectName(QStringLiteral("paramsDialog"));
    setModal(false);
    setWindowTitle(T(PX_TR("ParamsDlg", "Recognition Settings")));
    QVBoxLayout* body = MakeDeviceDialogFrame(
        this,
        QIcon::fromTheme(QStringLiteral("preferences-system"),
                         QIcon(QStringLiteral(":/icons/parlix-desk.svg"))),
        T(PX_TR("ParamsDlg", "Parlix Recognition Settings")),
        T(PX_TR("ParamsDlg", "Control parameters affecting recognition and training")));

    auto* custom = new QGroupBox(
        T(PX_TR("ParamsDlg", "Custom Commands   (Speaker Dependent / Verification)")), this);
    strictness_ = AddSlider("strictness", 1, 5, 1);
    strictnessValue_ = ValueLabel(this, "strictnessValue");
    fast_ = new QCheckBox(T(PX_TR("ParamsDlg", "Use \"&Fast\" SD/SV Recognition")), this);
    fast_->setObjectName(QStringLiteral("fastSdsv"));
    auto* customLayout = new QGridLayout(custom);
    customLayout->addWidget(new QLabel(T(PX_TR("ParamsDlg", "Strictness:")), this), 0, 0);
    customLayout->addWidget(strictness_, 0, 1);
    customLayout->addWidget(strictnessValue_, 0, 2);
    customLayout->addLayout(
        Scale(this, T(PX_TR("ParamsDlg", "Easy")), T(PX_TR("ParamsDlg", "Normal")),
              T(PX_TR("ParamsDlg", "Hardest"))),
        1, 1);
    customLayout->addWidget(fast_, 2, 0, 1, 3);

    auto* words = new QGroupBox(
        T(PX_TR("ParamsDlg", "Built-in / Custom Words   (Speaker Independent)")), this);
    confidence_ = AddSlider("confidence", 0, 4, 1);
    confidenceValue_ = ValueLabel(this, "confidenceValue");
    trailSilence_ = AddSlider("trailSilence", 0, 31, 4);
    trailSilenceValue_ = ValueLabel(this, "trailSilenceValue");
    trailSilenceMs_ = new QLabel(this);
    trailSilenceMs_->setObjectName(QStringLiteral("trailSilenceDuration"));
    auto* wordsLayout = new QGridLayout(words);
    wordsLayout->addWidget(new QLabel(T(PX_TR("ParamsDlg", "Confidence:")), this), 0, 0);
    wordsLayout->addWidget(confidence_, 0, 1);
    wordsLayout->addWidget(confidenceValue_, 0, 2);
    wordsLayout->addLayout(
        Scale(this, T(PX_TR("ParamsDlg", "Looser")), T(PX_TR("ParamsDlg", "Typical")),
              T(PX_TR("ParamsDlg", "Stricter"))),
        1, 1);
    wordsLayout->addWidget(new QLabel(T(PX_TR("ParamsDlg", "Trailing silence:")), this), 2, 0);
    wordsLayout->addWidget(trailSilence_, 2, 1);
    wordsLayout->addWidget(trailSilenceValue_, 2, 2);
    wordsLayout->addWidget(trailSilenceMs_, 2, 3);
    wordsLayout->addLayout(Scale(this, T(PX_TR("ParamsDlg", "Min")),
                                 T(PX_TR("ParamsDlg", "Default")), T(PX_TR("ParamsDlg", "Max"))),
                           3, 1);

    auto* distance = new QGroupBox(T(PX_TR("ParamsDlg", "Microphone Distance")), this);
    auto* distanceLayout = new QGridLayout(distance);
    auto* group = new QButtonGroup(this);
    const std::array<std::pair<TrText, TrText>, 3> choices = {{
        {PX_TR("ParamsDlg", "&Headset"), PX_TR("ParamsDlg", "around 30 cm")},
        {PX_TR("ParamsDlg", "&Arms Length"), PX_TR("ParamsDlg", "about 50 cm - 1 m")},
        {PX_TR("ParamsDlg", "&Far Mic"), PX_TR("ParamsDlg", "max 3 m")},
    }};
    for (int i = 0; i < 3; ++i) {
        microphone_[i] = new QRadioButton(T(choices[i].first), this);
        microphone_[i]->setObjectName(QStringLiteral("microphone%1").arg(i));
        group->addButton(microphone_[i], i);
        distanceLayout->addWidget(microphone_[i], i, 0);
        distanceLayout->addWidget(new QLabel(T(choices[i].second), this), i, 1);
    }
    distanceLayout->setColumnStretch(1, 1);

    save_ = new QPushButton(T(PX_TR("ParamsDlg", "Sa&ve")), this);
    save_->setObjectName(QStringLiteral("saveButton"));
    apply_ = new QPushButton(T(PX_TR("ParamsDlg", "A&pply")), this);
    apply_->setObjectName(QStringLiteral("applyButton"));
    apply_->setDefault(true);
    auto* close = new QPushButton(T(PX_TR("ParamsDlg", "Close")), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    save_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(apply_);
    buttons->addWidget(close);

    body->addWidget(custom);
    body->addWidget(words);
    body->addWidget(distance);
    body->addLayout(buttons);

    for (QSlider* slider : {strictness_, confidence_, trailSilence_})
        connect(slider, &QSlider::valueChanged, this, [this] {
            ReadControls();
            Update();
        });
    connect(fast_, &QCheckBox::clicked, this, [this] {
        ReadControls();
        Update();
    });
    connect(group, &QButtonGroup::idClicked, this, [this] {
        ReadControls();
        Update();
    });
    connect(apply_, &QPushButton::clicked, this, &ParamsDialog::Apply);
    connect(save_, &QPushButton::clicked, this, &ParamsDialog::Save);
    connect(close, &QPushButton::clicked, this, &ParamsDialog::reject);

    // Created with the window: nothing has been sent yet.
    session_.Recognition().LoadFromSettings(settings_);
    session_.Recognition().ResetApplied();
    ShowValues();
    Update();
    strictness_->setFocus();
}

QSlider* ParamsDialog::AddSlider(const char* name, int low, int high, int tick) {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setRange(low, high);
    slider->setTickInterval(tick);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setPageStep(tick);
    slider->setMinimumWidth(200);
    return slider;
}

void ParamsDialog::SetConnection(bool connected, const RecognitionSupport& support) {
    connected_ = connected;
    support_ = support;
    ShowValues();
    Update();
}

void ParamsDialog::ReadControls() {
    RecognitionValues& values = session_.Recognition().Current();
    values.level = strictness_->value();
    values.knob = confidence_->value();
    values.trailSilence = trailSilence_->value();
    values.fastSdsv = fast_->isChecked() ? 1 : 0;
    values.micDistance = -1;
    for (int i = 0; i < 3; ++i)
        if (microphone_[i]->isChecked()) values.micDistance = i;
    values = RecognitionSettings::Normalised(values);
    ShowValues();
}

void ParamsDialog::ShowValues() {
    const RecognitionValues& values = session_.Recognition().Current();
    const std::pair<QSlider*, int> sliders[] = {
        {strictness_, values.level},
        {confidence_, values.knob},
        {trailSilence_, values.trailSilence},
    };
    for (const auto& [slider, value] : sliders) {
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    }
    strictnessValue_->setNum(values.level);
    confidenceValue_->setNum(values.knob);
    trailSilenceValue_->setNum(values.trailSilence);
    trailSilenceMs_->setText(QString::fromStdString(TrailSilenceText(values.trailSilence)));
    fast_->setChecked(values.fastSdsv == 1);
    if (values.micDistance >= 0 && values.micDistance < 3)
        microphone_[values.micDistance]->setChecked(true);
}

void ParamsDialog::Update() {
    const ParamsControls enables = ParamsEnables(session_.Recognition(), connected_, support_);
    apply_->setEnabled(enables.apply);
    save_->setEnabled(enables.save);
    for (QRadioButton* radio : microphone_) radio->setEnabled(enables.micDistance);
    fast_->setEnabled(enables.fastSdsv);
    trailSilence_->setEnabled(enables.trailSilence);
}

void ParamsDialog::accept() {
    Apply();
}

void ParamsDialog::Apply() {
    ReadControls();
    if (!ParamsEnables(session_.Recognition(), connected_, support_).apply) return;
    // A failure has been reported; the values then stay unapplied and Apply enabled.
    session_.Recognition().Apply(session_.Controller(), support_);
    Update();
}

void ParamsDialog::Save() {
    ReadControls();
    session_.Recognition().Save(settings_);
    Update();
    hide();
}

}  // namespace parlix::ui
