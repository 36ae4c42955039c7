// The frame the device tool dialogs share: the white header band with the
// icon, the bold title and the one-line description, a separator, and below
// it the body in the dialog's own colour.
#pragma once

#include "base/Text.h"

#include <initializer_list>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;
class QIcon;
class QString;
class QVBoxLayout;

namespace parlix::ui {

// Lays out `dialog` with the header; returns the layout that takes the body.
QVBoxLayout* MakeDeviceDialogFrame(QDialog* dialog, const QIcon& icon, const QString& title,
                                   const QString& description);

// A text of the current catalog.
QString DialogText(TrText text);
// A push button named `name`; Enter does not reach it unless it is made the default.
QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text);
// The dialog's buttons in a row at the right.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

}  // namespace parlix::ui
