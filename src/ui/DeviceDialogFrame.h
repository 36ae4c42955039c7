// The frame the device tool dialogs share: the white header band with the
// icon, the bold title and the one-line description, a separator, and below
// it the body in the dialog's own colour.
#pragma once

class QDialog;
class QIcon;
class QString;
class QVBoxLayout;

namespace parlix::ui {

// Lays out `dialog` with the header; returns the layout that takes the body.
QVBoxLayout* MakeDeviceDialogFrame(QDialog* dialog, const QIcon& icon, const QString& title,
                                   const QString& description);

}  // namespace parlix::ui
