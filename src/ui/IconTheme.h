// The icon theme behind the standard command icons. A desktop names its
// theme; a bare window manager (openbox, no desktop session) leaves Qt with
// hicolor alone, which holds no command icons. Then an installed full theme
// fills in, and where none is installed the bundled drawings show.
#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace parlix::ui {

// The full theme to fall back on: none when the desktop names a theme of its
// own (`current`), else the first installed under `searchPaths`, its dark
// variant for a dark palette.
QString FallbackIconTheme(const QString& current, bool dark, const QStringList& searchPaths);

// Applies it to the application; call before the first icon is looked up.
void ChooseIconTheme();

}  // namespace parlix::ui
