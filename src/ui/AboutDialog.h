// The modal About dialog: the program's name and version, and links to the
// project's web pages that open in the desktop's browser.
#pragma once

#include <QtWidgets/QDialog>

class QLabel;
class QToolButton;

namespace parlix::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent);

    QString VersionText() const;
    QLabel* WebLink() const { return link_; }
    QToolButton* Picture(int index) const { return index == 0 ? logo_ : module_; }

  private:
    QLabel* version_ = nullptr;
    QLabel* link_ = nullptr;
    QToolButton* logo_ = nullptr;
    QToolButton* module_ = nullptr;
};

// Where the links lead.
extern const char* const kProjectWebAddress;
extern const char* const kModulesWebAddress;

}  // namespace parlix::ui
