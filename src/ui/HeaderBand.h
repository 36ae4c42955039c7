// The white band at the top of the device dialogs, as a wizard's: a bold
// title line with a line of detail under it.
#pragma once

class QFrame;
class QIcon;
class QLabel;
class QString;
class QVBoxLayout;
class QWidget;

namespace parlix::ui {

struct HeaderBand {
    QFrame* band;
    QLabel* title;   // bold
    QLabel* detail;  // wraps
};

// The band's layout is left to the caller, who places the labels in it.
HeaderBand MakeHeaderBand(QWidget* parent);

// The band with the title and description beside an icon, and the
// separator line under it, at the top of `layout`.
void AddHeader(QVBoxLayout* layout, QWidget* dialog, const QString& title, const QString& detail,
               const QIcon& icon);

}  // namespace parlix::ui
