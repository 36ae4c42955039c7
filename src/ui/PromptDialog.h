// The small prompt that tells the user to speak, or that a recording runs:
// no caption, one centred text, dragged by any point, not closed by keys.
#pragma once

#include <QtCore/QPoint>
#include <QtWidgets/QDialog>

class QLabel;

namespace parlix::ui {

class PromptDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PromptDialog(QWidget* parent);
    // Shows the prompt, centred on its parent, or only changes its text.
    void ShowText(const QString& text);
    QString Text() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void reject() override {}

  private:
    QLabel* label_;
    QPoint dragOffset_;
};

}  // namespace parlix::ui
