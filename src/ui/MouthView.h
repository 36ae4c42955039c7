// The lip-sync mouth, drawn in logical pixels so that it scales with the screen.
#pragma once

#include <QtWidgets/QWidget>

namespace parlix::ui {

class MouthView : public QWidget {
    Q_OBJECT
  public:
    explicit MouthView(QWidget* parent);
    int Level() const { return level_; }
    // Draws the new level before returning.
    void ShowLevel(int level);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int level_ = 15;
};

}  // namespace parlix::ui
