// The Tokenwave and Lip-Sync dialogs opened from the window and driven as a
// user drives them, against the simulated module and the real generator tool.
#include "WindowFixture.h"

#include "module/ModuleController.h"
#include "sim/WireLog.h"
#include "ui/LipsyncDialog.h"
#include "ui/MouthView.h"
#include "ui/TokenwaveDialog.h"

#include <QtGui/QDesktopServices>
#include <QtGui/QImage>
#include <QtGui/QPixmap>
#include <QtTest/QTest>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QSpinBox>

#include <cstdlib>
#include <filesystem>
#include <future>

namespace parlix::ui::test {

// Takes the URLs that the dialog asks the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void Open(const QUrl& url) { urls << url; }
};

namespace {

namespace fs = std::filesystem;
using sim::Activity;
using sim::Outcome;

class AudioDialogsTest : public WindowFixture {
  protected:
    AudioDialogsTest() {
        std::error_code error;
        pty = sim::PtyTransport::Open(module, {&log, false}, error);
        settings.UseCurrentPort(pty->SlavePath());
        fs::create_directories(dir.File("bin"));
    }

    // The bytes the window sent to the module since the last call.
    std::string Sent() {
        std::string text;
        for (std::uint8_t b : log.Bytes(sim::Direction::HostToDevice)) text += static_cast<char>(b);
        log.Clear();
        return text;
    }

    // Opens the Tokenwave dialog and runs `use` in its modal loop.
    void WithTokenwave(std::function<void(TokenwaveDialog&)> use) {
        answers.Then([use](QWidget* dialog) {
            auto* tokens = qobject_cast<TokenwaveDialog*>(dialog);
            ASSERT_NE(tokens, nullptr);
            use(*tokens);
            if (tokens->isVisible()) tokens->reject();
        });
        Trigger(CommandId::Tokenwave);
        EXPECT_TRUE(answers.AllUsed());
    }

    void ThenFile(const std::string& path) { answers.ThenFile(path); }

    sim::WireLog log;
};

QStringList BoxTexts(const ModalAnswers& answers) {
    QStringList texts;
    for (const ShownBox& box : answers.Boxes()) texts << box.text;
    return texts;
}

TEST_F(AudioDialogsTest, SendsATokenAndClosesForADelayedOne) {
    ConnectAndRead();
    Sent();
    WithTokenwave([&](TokenwaveDialog& d) {
        EXPECT_EQ(d.ListenButton()->text(), "&Listen");
        d.LongButton()->click();
        d.IndexBox()->setValue(5);
        d.SendButton()->click();
        EXPECT_TRUE(d.isVisible()) << "no delay: the dialog stays";
    });
    EXPECT_EQ(Sent(), "jIAFAA");
    EXPECT_TRUE(answers.Boxes().empty());

    WithTokenwave([&](TokenwaveDialog& d) {
        d.DelayBox()->setValue(500);
        answers.ThenButton(QMessageBox::Ok);  // the window's note
        d.SendButton()->click();
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(Sent(), "jEAAAS");  // 500 ms are 18 units
    ASSERT_EQ(answers.Boxes().size(), 1u);
    EXPECT_EQ(answers.Boxes()[0].title, "Information");
    // The box shows the CR LF pairs as line breaks.
    EXPECT_EQ(answers.Boxes()[0].text.toStdString(),
              "Token will be mixed with the next sound played,\ndelayed by the specified "
              "time.\n\nMake sure the sound has been compressed at 9.3kHz!");
}

TEST_F(AudioDialogsTest, ListensOnceWithATimeout) {
    ConnectAndRead();
    module->Script(Activity::ReceiveToken, Outcome::Of(Outcome::Kind::Token, 9));
    WithTokenwave([&](TokenwaveDialog& d) {
        d.TimeoutBox()->setValue(2000);
        answers.ThenButton(QMessageBox::Ok);
        d.ListenButton()->click();
        EXPECT_EQ(d.ListenButton()->text(), "&Listen");
    });
    EXPECT_EQ(BoxTexts(answers), QStringList{"Received Token 9"});
}

TEST_F(AudioDialogsTest, ContinuousListeningShowsEachTokenUntilStop) {
    ConnectAndRead();
    module->Script(Activity::ReceiveToken, Outcome::Of(Outcome::Kind::Token, 3, 300));
    module->Script(Activity::ReceiveToken, Outcome::Of(Outcome::Kind::Token, 12, 300));
    WithTokenwave([&](TokenwaveDialog& d) {
        d.ListenButton()->click();
        EXPECT_EQ(d.ListenButton()->text(), "St&op");
        EXPECT_EQ(d.PromptText(), "Continuos listening...");
        EXPECT_FALSE(d.SendButton()->isEnabled());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return d.PromptText() == "Received Token 3. Now listening..."; }, 10000));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return d.PromptText() == "Received Token 12. Now listening..."; }, 10000));
        d.ListenButton()->click();
        EXPECT_EQ(d.ListenButton()->text(), "&Listen");
        EXPECT_TRUE(d.PromptText().isEmpty());
        EXPECT_TRUE(d.SendButton()->isEnabled());
    });
    EXPECT_TRUE(answers.Boxes().empty());
    EXPECT_TRUE(Sent().ends_with("bb")) << "the module was interrupted";
    // The module listens no more: the next operation gets its own answer.
    int id = -1;
    EXPECT_TRUE(window->Session().Controller().ReadVersionId(id));
}

TEST_F(AudioDialogsTest, PlayAndGenerateRunTheGeneratorWithoutAModule) {
    fs::create_symlink(fs::path(PARLIX_BIN_DIR) / "tw2tokengen", dir.File("bin/tw2tokengen"));
    const fs::path temp = dir.Path() / "tmp";
    fs::create_directories(temp);
    setenv("TMPDIR", temp.c_str(), 1);
    OpenedUrls opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "Open");
    const fs::path out = dir.Path() / "my tokens";
    fs::create_directories(out);

    QStringList played;
    WithTokenwave([&](TokenwaveDialog& d) {
        EXPECT_FALSE(d.ListenButton()->isEnabled());
        EXPECT_FALSE(d.SendButton()->isEnabled());
        d.SetPlayer([&](const QString& path) {
            played << path;
            EXPECT_GT(fs::file_size(path.toStdString()), 44u) << "a WAV with samples";
        });
        d.IndexBox()->setValue(5);
        d.PlayButton()->click();

        ThenFile((out / "token").string());
        answers.ThenButton(QMessageBox::Ok);
        d.GenerateButton()->click();
    });
    unsetenv("TMPDIR");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    ASSERT_EQ(played.size(), 1);
    EXPECT_TRUE(played[0].startsWith(QString::fromStdString((temp / "tok").string())));
    EXPECT_TRUE(played[0].endsWith("_005.wav"));
    EXPECT_TRUE(fs::is_empty(temp)) << "the played sound is deleted";
    for (const char* name : {"token_000.wav", "token_015.wav"})
        EXPECT_TRUE(fs::exists(out / name)) << name;
    EXPECT_FALSE(fs::exists(out / "token_016.wav"));
    ASSERT_EQ(answers.Boxes().size(), 1u);
    EXPECT_TRUE(answers.Boxes()[0].text.contains("\"token_015.wav\""));
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(out.string()))});
}

// The painted height of the centre column and its dark part, in device pixels.
struct Column {
    int painted = 0;
    int dark = 0;
};
Column CentreColumn(MouthView& mouth, int level, qreal scale) {
    mouth.ShowLevel(level);
    QPixmap pixmap(mouth.size() * scale);
    pixmap.setDevicePixelRatio(scale);
    mouth.render(&pixmap);
    const QImage image = pixmap.toImage();
    const QColor face = mouth.palette().color(QPalette::Window);
    Column column;
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(image.width() / 2, y);
        if (c != face) ++column.painted;
        if (c.red() < 64 && c.green() < 16 && c.blue() < 16) ++column.dark;
    }
    return column;
}

TEST_F(AudioDialogsTest, LipsyncFollowsTheLevelsAndGivesTheLockBack) {
    ConnectAndRead();
    Outcome levels = Outcome::Of(Outcome::Kind::Levels);
    levels.levels.assign(25, 31);  // then 0 until Stop
    module->Script(Activity::Lipsync, levels);
    bool sawOpen = false;
    answers.Then([&](QWidget* dialog) {
        auto* d = qobject_cast<LipsyncDialog*>(dialog);
        ASSERT_NE(d, nullptr);
        EXPECT_FALSE(d->StopButton()->isEnabled());
        d->TimeoutBox()->setValue(0);
        d->StartButton()->click();
        EXPECT_TRUE(d->StopButton()->isEnabled());
        EXPECT_FALSE(d->StartButton()->isEnabled());
        sawOpen = QTest::qWaitFor([&] { return d->Mouth()->Level() == 31; }, 10000);
        EXPECT_TRUE(QTest::qWaitFor([&] { return d->Mouth()->Level() == 0; }, 10000));
        d->StopButton()->click();
        EXPECT_TRUE(d->StartButton()->isEnabled());

        MouthView& mouth = *d->Mouth();
        const Column closed = CentreColumn(mouth, 0, 1);
        const Column open = CentreColumn(mouth, 31, 1);
        // Closed: the lips' 8-pixel line around a 3-pixel gap hides the inside.
        EXPECT_GE(closed.painted, 8);
        EXPECT_LE(closed.painted, 14);
        EXPECT_GT(open.painted, 3 * closed.painted);
        EXPECT_GT(open.dark, open.painted / 2);
        // On a screen of twice the density the same mouth covers twice the pixels.
        const Column sharp = CentreColumn(mouth, 31, 2);
        EXPECT_NEAR(sharp.painted, 2 * open.painted, 4);
        d->reject();
    });
    Trigger(CommandId::LipSync);
    EXPECT_TRUE(sawOpen);
    EXPECT_TRUE(answers.Boxes().empty());

    // Another thread gets the module now: the lock was given back.
    auto other = std::async(std::launch::async, [this] {
        int id = -1;
        return window->Session().Controller().ReadVersionId(id);
    });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return other.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        10000));
    EXPECT_TRUE(other.get());
}

}  // namespace
}  // namespace parlix::ui::test

#include "AudioDialogsTest.moc"
