// A short text over an empty list that tells a newcomer what to do first.
// It shows only while switched on and while the list has no rows.
#pragma once

#include <QtWidgets/QLabel>

class QAbstractItemView;

namespace parlix::ui {

class EmptyListHint : public QLabel {
    Q_OBJECT
  public:
    // Lies over `view`'s viewport; the view's model must be set.
    EmptyListHint(QAbstractItemView* view, const QString& text);

    void SetActive(bool active);
    // Switched on and the list empty: the text is shown.
    bool Showing() const { return !isHidden(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Follow();

    QAbstractItemView* view_;
    bool active_ = false;
};

}  // namespace parlix::ui
