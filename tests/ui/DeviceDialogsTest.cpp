// The device tool dialogs opened from the window, against the simulated module.
#include "WindowFixture.h"

#include "support/ToneCommands.h"
#include "ui/AboutDialog.h"
#include "ui/ParamsDialog.h"
#include "ui/PinControlDialog.h"
#include "ui/ToneDialog.h"

#include <QtCore/QRegularExpression>
#include <QtGui/QDesktopServices>
#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QSlider>
#include <QtWidgets/QToolButton>

#include <gmock/gmock.h>

namespace parlix::ui::test {
namespace {

using parlix::test::TonesSent;
using ::testing::ElementsAre;
using ::testing::Pair;

class DeviceDialogsTest : public WindowFixture {
  protected:
    template <typename T>
    T* Find(QWidget* parent, const char* name) {
        T* child = parent->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    ParamsDialog* Params() { return window->Params(); }
    QPushButton* ParamsButton(const char* name) { return Find<QPushButton>(Params(), name); }
    int StoredSetting(const char* key) { return settings.Settings().ReadInt("Settings", key, -99); }
    sim::RecognitionSettings ModuleSettings() { return module->Memory().settings; }
};

// Apply sends, Save keeps, and the next connection sends what was saved.
TEST_F(DeviceDialogsTest, RecognitionSettingsAppliedSavedAndRestoredOnReconnect) {
    ConnectAndRead();
    // Connecting has sent the stored values (none stored: the defaults).
    EXPECT_EQ(ModuleSettings().trailingSilence, 12);
    EXPECT_EQ(ModuleSettings().micDistance, 2);
    Trigger(CommandId::RecognitionSettings);
    ASSERT_TRUE(Params()->isVisible());
    EXPECT_EQ(Find<QLabel>(Params(), "header")->text(), "Parlix Recognition Settings");
    QPushButton* apply = ParamsButton("applyButton");
    QPushButton* save = ParamsButton("saveButton");
    EXPECT_FALSE(apply->isEnabled()) << "just applied";
    EXPECT_FALSE(save->isEnabled());

    Find<QSlider>(Params(), "strictness")->setValue(4);
    Find<QSlider>(Params(), "confidence")->setValue(1);
    Find<QSlider>(Params(), "trailSilence")->setValue(20);
    Find<QCheckBox>(Params(), "fastSdsv")->click();
    Find<QRadioButton>(Params(), "microphone0")->click();
    EXPECT_EQ(Find<QLabel>(Params(), "strictnessValue")->text(), "4");
    EXPECT_EQ(Find<QLabel>(Params(), "trailSilenceDuration")->text(), "(600 ms)");
    EXPECT_TRUE(apply->isEnabled());
    EXPECT_TRUE(save->isEnabled());

    apply->click();
    sim::RecognitionSettings sent = ModuleSettings();
    EXPECT_EQ(sent.level, 4);
    EXPECT_EQ(sent.knob, 1);
    EXPECT_EQ(sent.micDistance, 1);
    EXPECT_EQ(sent.fastRecognition, 1);
    EXPECT_EQ(sent.trailingSilence, 20);
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_TRUE(Params()->isVisible()) << "Apply keeps the dialog open";

    save->click();
    EXPECT_FALSE(Params()->isVisible()) << "Save hides the dialog";
    EXPECT_EQ(StoredSetting("Level"), 4);
    EXPECT_EQ(StoredSetting("Knob"), 1);
    EXPECT_EQ(StoredSetting("MicDist"), 0);
    EXPECT_EQ(StoredSetting("TrailSil"), 20);
    EXPECT_EQ(StoredSetting("FastSDV"), 1);

    Trigger(CommandId::Disconnect);
    module->ChangeMemory([](sim::ModuleMemory& m) { m.settings = {}; });
    ConnectAndRead();
    sent = ModuleSettings();
    EXPECT_EQ(sent.level, 4);
    EXPECT_EQ(sent.knob, 1);
    EXPECT_EQ(sent.micDistance, 1);
    EXPECT_EQ(sent.fastRecognition, 1);
    EXPECT_EQ(sent.trailingSilence, 20);
    EXPECT_TRUE(answers.Boxes().empty());
}

// A module without microphone distance, fast SD/SV and trailing silence:
// their controls are off while it is connected, and they are never sent.
TEST_F(DeviceDialogsTest, RecognitionSettingsLeaveOutWhatTheModuleLacks) {
    module->ChangeMemory([](sim::ModuleMemory& m) { m.identity = 'C'; });
    Trigger(CommandId::RecognitionSettings);
    QRadioButton* headset = Find<QRadioButton>(Params(), "microphone0");
    EXPECT_TRUE(headset->isEnabled()) << "no module: every value can be chosen";
    EXPECT_FALSE(ParamsButton("applyButton")->isEnabled()) << "nothing to apply to";

    ConnectAndRead();
    EXPECT_FALSE(headset->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>(Params(), "fastSdsv")->isEnabled());
    EXPECT_FALSE(Find<QSlider>(Params(), "trailSilence")->isEnabled());
    EXPECT_TRUE(Find<QSlider>(Params(), "strictness")->isEnabled());
    EXPECT_FALSE(ParamsButton("applyButton")->isEnabled());

    Find<QSlider>(Params(), "strictness")->setValue(5);
    ASSERT_TRUE(ParamsButton("applyButton")->isEnabled());
    wire.Clear();
    ParamsButton("applyButton")->click();
    EXPECT_EQ(ModuleSettings().level, 5);
    // Only knob and level went out; the demo's other settings are untouched.
    EXPECT_EQ(ModuleSettings().micDistance, 2);
    const auto sent = wire.Bytes(sim::Direction::HostToDevice);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), '@'), 0) << "no extended setting sent";
    Find<QPushButton>(Params(), "closeButton")->click();
    EXPECT_FALSE(Params()->isVisible());
}

TEST_F(DeviceDialogsTest, PinsAreSetAndRead) {
    ConnectAndRead();
    // The demo's input levels: pin 2 high, pin 4 low.
    answers.Then([this](QWidget* dialog) {
        auto* pins = qobject_cast<PinControlDialog*>(dialog);
        ASSERT_NE(pins, nullptr);
        EXPECT_EQ(pins->PinCount(), 6);
        EXPECT_EQ(pins->windowTitle(), "Pin Control");
        EXPECT_EQ(pins->PinBox(3)->title(), "Pin IO3 - Value: ?");
        pins->StateButton(2, 2)->click();
        EXPECT_EQ(pins->PinBox(2)->title(), "Pin IO2 - Value: 1");
        pins->StateButton(4, 4)->click();
        EXPECT_EQ(pins->PinBox(4)->title(), "Pin IO4 - Value: 0");
        pins->StateButton(1, 1)->click();
        EXPECT_EQ(pins->PinBox(1)->title(), "Pin IO1 - Value: 1");
        EXPECT_EQ(module->Memory().pinModes[1], 1);
        // Clicking the input state again reads the pin again.
        module->ChangeMemory([](sim::ModuleMemory& m) { m.pinLevels[2] = 0; });
        pins->StateButton(2, 2)->click();
        EXPECT_EQ(pins->PinBox(2)->title(), "Pin IO2 - Value: 0");
        // A read that fails shows the value as unknown; its box comes first.
        module->GarbleNextReplyBytes(1, 'x');
        pins->StateButton(2, 3)->click();
        EXPECT_EQ(pins->PinBox(2)->title(), "Pin IO2 - Value: ?");
        pins->reject();
    });
    answers.ThenButton(QMessageBox::Ok);
    Trigger(CommandId::ConfigurePins);
    EXPECT_TRUE(answers.AllUsed());
    ASSERT_EQ(answers.Boxes().size(), 1u);
    EXPECT_EQ(answers.Boxes()[0].text, "Unexpected reply (0x78) or invalid arguments.");
}

TEST_F(DeviceDialogsTest, EarlyModulesHaveThreePins) {
    module->ChangeMemory([](sim::ModuleMemory& m) { m.identity = 'C'; });
    ConnectAndRead();
    int pins = 0;
    answers.Then([&pins](QWidget* dialog) {
        auto* pinDialog = qobject_cast<PinControlDialog*>(dialog);
        ASSERT_NE(pinDialog, nullptr);
        pins = pinDialog->PinCount();
        pinDialog->reject();
    });
    Trigger(CommandId::ConfigurePins);
    EXPECT_EQ(pins, 3);
}

TEST_F(DeviceDialogsTest, ComposeDialsWaitsAndRewritesTheNumber) {
    ConnectAndRead();
    wire.Clear();
    QString number, duration;
    bool waitedWithButtonsOff = false;
    answers.Then([&](QWidget* dialog) {
        auto* tones = qobject_cast<ToneDialog*>(dialog);
        ASSERT_NE(tones, nullptr);
        EXPECT_EQ(tones->NumberField()->text(), "123 A 456 B 789 C *0# D");
        EXPECT_EQ(tones->DurationField()->text(), "120");
        tones->DurationField()->setText("100");
        tones->NumberField()->setText("12,3x");
        tones->ComposeButton()->click();
        // 1 and 2 have played; the pause runs with the window served and the buttons off.
        waitedWithButtonsOff = tones->Composing() && !tones->ComposeButton()->isEnabled() &&
                               !tones->Key('5')->isEnabled();
        EXPECT_TRUE(QTest::qWaitFor([tones] { return !tones->Composing(); }, 30000));
        number = tones->NumberField()->text();
        duration = tones->DurationField()->text();
        EXPECT_TRUE(tones->ComposeButton()->isEnabled());
        tones->Key('#')->click();
        tones->DialToneButton()->click();
        tones->reject();
    });
    Trigger(CommandId::DialTones);
    EXPECT_TRUE(waitedWithButtonsOff);
    EXPECT_EQ(number, "12,3");
    EXPECT_EQ(duration, "120");
    // 120 ms is length argument 2; the dial tone is tone -1 with length 3.
    EXPECT_THAT(TonesSent(wire.Bytes(sim::Direction::HostToDevice)),
                ElementsAre(Pair(1, 2), Pair(2, 2), Pair(3, 2), Pair(11, 2), Pair(-1, 2)));
    EXPECT_TRUE(answers.Boxes().empty());
}

// Catches the addresses the About dialog hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QStringList opened;
  public slots:
    void Open(const QUrl& url) { opened << url.toString(); }
};

TEST_F(DeviceDialogsTest, AboutShowsTheVersionAndOpensTheLinks) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    QString version, title;
    answers.Then([&](QWidget* dialog) {
        auto* about = qobject_cast<AboutDialog*>(dialog);
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        version = about->VersionText();
        emit about->WebLink()->linkActivated(QString::fromLatin1(kProjectWebAddress));
        about->Picture(0)->click();
        about->Picture(1)->click();
        about->accept();
    });
    Trigger(CommandId::About);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(title, "About Parlix Desk");
    const QRegularExpression line(QStringLiteral("^Version %1 \\(Build \\d+\\)$")
                                      .arg(QRegularExpression::escape(PARLIX_VERSION)));
    EXPECT_TRUE(line.match(version).hasMatch()) << version.toStdString();
    ASSERT_EQ(catcher.opened.size(), 3);
    EXPECT_EQ(catcher.opened[0], catcher.opened[1]) << "the link and the logo lead home";
    for (const QString& url : catcher.opened)
        EXPECT_TRUE(url.startsWith("https://parlix-desk.example.org/")) << url.toStdString();
}

}  // namespace
}  // namespace parlix::ui::test

#include "DeviceDialogsTest.moc"
