// The command icons: a bundled drawing behind every theme name, so that a
// desktop without a theme (as here, offscreen) still shows each command; and
// the full theme chosen where the desktop names none.
#include "ui/ActionTable.h"
#include "ui/IconTheme.h"
#include "ui/ListIcons.h"

#include "support/TempDir.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtGui/QIcon>
#include <QtGui/QImage>
#include <QtGui/QPixmap>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace parlix::ui::test {
namespace {

// Something drawn: not a null icon, and not a transparent square.
bool Drawn(const QIcon& icon) {
    const QImage image = icon.pixmap(24, 24).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return true;
    return false;
}

TEST(IconThemeTest, EveryCommandIconHasABundledDrawing) {
    InitResources();
    for (const ActionSpec& spec : ActionSpecs()) {
        const QString name = QString::fromLatin1(spec.icon);
        if (name.isEmpty()) continue;  // submenus without a button
        const QString file = name.startsWith(QLatin1Char(':'))
                                 ? name
                                 : QStringLiteral(":/icons/fallback/%1.svg").arg(name);
        EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
        EXPECT_TRUE(Drawn(QIcon(file))) << file.toStdString();
    }
}

TEST(IconThemeTest, AFullThemeFillsInWhereTheDesktopNamesNone) {
    parlix::test::TempDir dir;
    const QString icons = QString::fromStdString(dir.File("icons"));
    auto install = [&](const char* theme) {
        std::filesystem::create_directories(dir.File(std::string("icons/") + theme));
        std::ofstream(dir.File(std::string("icons/") + theme + "/index.theme")) << "[Icon Theme]\n";
    };
    const QStringList paths = {QStringLiteral("/nonexistent"), icons};
    EXPECT_EQ(FallbackIconTheme(QString(), false, paths), QString()) << "none installed";
    install("Adwaita");
    EXPECT_EQ(FallbackIconTheme(QStringLiteral("hicolor"), false, paths), "Adwaita");
    install("breeze");
    install("breeze-dark");
    struct Case {
        const char* current;
        bool dark;
        const char* chosen;
    };
    const Case cases[] = {
        {"", false, "breeze"},
        {"hicolor", false, "breeze"},
        {"hicolor", true, "breeze-dark"},
        {"oxygen", false, ""},  // the desktop's own theme stays in charge
    };
    for (const Case& c : cases)
        EXPECT_EQ(FallbackIconTheme(QString::fromLatin1(c.current), c.dark, paths),
                  QString::fromLatin1(c.chosen))
            << c.current << (c.dark ? " dark" : "");
}

}  // namespace
}  // namespace parlix::ui::test
