// The white band at the top of the device dialogs, as a wizard's: a bold
// title line with a line of detail under it.
#pragma once

class QFrame;
class QLabel;
class QWidget;

namespace parlix::ui {

struct HeaderBand {
    QFrame* band;
    QLabel* title;   // bold
    QLabel* detail;  // wraps
};

// The band's layout is left to the caller, who places the labels in it.
HeaderBand MakeHeaderBand(QWidget* parent);

}  // namespace parlix::ui
