#include "ui/IconTheme.h"

#include <QtCore/QFileInfo>
#include <QtGui/QGuiApplication>
#include <QtGui/QIcon>
#include <QtGui/QPalette>

namespace parlix::ui {

QString FallbackIconTheme(const QString& current, bool dark, const QStringList& searchPaths) {
    if (!current.isEmpty() && current != QStringLiteral("hicolor")) return {};
    // Breeze draws tool bar actions in colour at every size; Adwaita keeps
    // only some of them, as bitmaps.
    const QStringList light = {QStringLiteral("breeze"), QStringLiteral("Adwaita")};
    const QStringList darkFirst = {QStringLiteral("breeze-dark"), QStringLiteral("breeze"),
                                   QStringLiteral("Adwaita")};
    for (const QString& theme : dark ? darkFirst : light)
        for (const QString& folder : searchPaths)
            if (QFileInfo::exists(folder + QLatin1Char('/') + theme +
                                  QStringLiteral("/index.theme")))
                return theme;
    return {};
}

void ChooseIconTheme() {
    const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    const QString theme = FallbackIconTheme(QIcon::themeName(), dark, QIcon::themeSearchPaths());
    if (!theme.isEmpty()) QIcon::setFallbackThemeName(theme);
}

}  // namespace parlix::ui
