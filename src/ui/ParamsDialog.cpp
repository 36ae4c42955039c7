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

QLabel* ValueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    return label;
}

// A trackbar on two rows of `grid` from `row`: its caption, the bar and its
// value, then under the bar its scale, a word at each end and one in the middle.
void AddTrackbarRows(QGridLayout* grid, int row, const QString& caption, QSlider* slider,
                     QLabel* value, const std::array<QString, 3>& scale) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(slider, row, 1);
    grid->addWidget(value, row, 2);
    auto* words = new QHBoxLayout;
    words->addWidget(new QLabel(scale[0], parent));
    words->addStretch(1);
    words->addWidget(new QLabel(scale[1], parent));
    words->addStretch(1);
    words->addWidget(new QLabel(scale[2], parent));
    grid->addLayout(words, row + 1, 1);
}

}  // namespace

ParamsDialog::ParamsDialog(QWidget* parent, ModuleSession& session, AppSettings& settings)
    : QDialog(parent), session_(session), settings_(settings) {
    setObjectName(QStringLiteral("paramsDialog"));
    setModal(false);
    setWindowTitle(DialogText(PX_TR("ParamsDlg", "Recognition Settings")));
    QVBoxLayout* body = MakeDeviceDialogFrame(
        this,
        QIcon::fromTheme(QStringLiteral("preferences-system"),
                         QIcon(QStringLiteral(":/icons/parlix-desk.svg"))),
        DialogText(PX_TR("ParamsDlg", "Parlix Recognition Settings")),
        DialogText(PX_TR("ParamsDlg", "Control parameters affecting recognition and training")));

    auto* custom = new QGroupBox(
        DialogText(PX_TR("ParamsDlg", "Custom Commands   (Speaker Dependent / Verification)")),
        this);
    strictness_ = AddSlider("strictness", 1, 5, 1);
    strictnessValue_ = ValueLabel(this, "strictnessValue");
    fast_ = new QCheckBox(DialogText(PX_TR("ParamsDlg", "Use \"&Fast\" SD/SV Recognition")), this);
    fast_->setObjectName(QStringLiteral("fastSdsv"));
    auto* customLayout = new QGridLayout(custom);
    AddTrackbarRows(
        customLayout, 0, DialogText(PX_TR("ParamsDlg", "Strictness:")), strictness_,
        strictnessValue_,
        {DialogText(PX_TR("ParamsDlg", "Easy")), DialogText(PX_TR("ParamsDlg", "Normal")),
         DialogText(PX_TR("ParamsDlg", "Hardest"))});
    customLayout->addWidget(fast_, 2, 0, 1, 3);

    auto* words = new QGroupBox(
        DialogText(PX_TR("ParamsDlg", "Built-in / Custom Words   (Speaker Independent)")), this);
    confidence_ = AddSlider("confidence", 0, 4, 1);
    confidenceValue_ = ValueLabel(this, "confidenceValue");
    trailSilence_ = AddSlider("trailSilence", 0, 31, 4);
    trailSilenceValue_ = ValueLabel(this, "trailSilenceValue");
    trailSilenceMs_ = new QLabel(this);
    trailSilenceMs_->setObjectName(QStringLiteral("trailSilenceDuration"));
    auto* wordsLayout = new QGridLayout(words);
    AddTrackbarRows(
        wordsLayout, 0, DialogText(PX_TR("ParamsDlg", "Confidence:")), confidence_,
        confidenceValue_,
        {DialogText(PX_TR("ParamsDlg", "Looser")), DialogText(PX_TR("ParamsDlg", "Typical")),
         DialogText(PX_TR("ParamsDlg", "Stricter"))});
    AddTrackbarRows(
        wordsLayout, 2, DialogText(PX_TR("ParamsDlg", "Trailing silence:")), trailSilence_,
        trailSilenceValue_,
        {DialogText(PX_TR("ParamsDlg", "Min")), DialogText(PX_TR("ParamsDlg", "Default")),
         DialogText(PX_TR("ParamsDlg", "Max"))});
    wordsLayout->addWidget(trailSilenceMs_, 2, 3);

    auto* distance = new QGroupBox(DialogText(PX_TR("ParamsDlg", "Microphone Distance")), this);
    auto* distanceLayout = new QGridLayout(distance);
    auto* group = new QButtonGroup(this);
    const std::array<std::pair<TrText, TrText>, 3> choices = {{
        {PX_TR("ParamsDlg", "&Headset"), PX_TR("ParamsDlg", "around 30 cm")},
        {PX_TR("ParamsDlg", "&Arms Length"), PX_TR("ParamsDlg", "about 50 cm - 1 m")},
        {PX_TR("ParamsDlg", "&Far Mic"), PX_TR("ParamsDlg", "max 3 m")},
    }};
    for (int i = 0; i < 3; ++i) {
        microphone_[i] = new QRadioButton(DialogText(choices[i].first), this);
        microphone_[i]->setObjectName(QStringLiteral("microphone%1").arg(i));
        group->addButton(microphone_[i], i);
        distanceLayout->addWidget(microphone_[i], i, 0);
        distanceLayout->addWidget(new QLabel(DialogText(choices[i].second), this), i, 1);
    }
    distanceLayout->setColumnStretch(1, 1);

    save_ = MakeDialogButton(this, "saveButton", DialogText(PX_TR("ParamsDlg", "Sa&ve")));
    apply_ = MakeDialogButton(this, "applyButton", DialogText(PX_TR("ParamsDlg", "A&pply")));
    apply_->setDefault(true);
    auto* close = MakeDialogButton(this, "closeButton", DialogText(PX_TR("ParamsDlg", "Close")));

    body->addWidget(custom);
    body->addWidget(words);
    body->addWidget(distance);
    body->addLayout(ButtonRow({save_, apply_, close}));

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
