#include "ui/EmptyListHint.h"

#include <QtCore/QEvent>
#include <QtWidgets/QAbstractItemView>

namespace parlix::ui {

EmptyListHint::EmptyListHint(QAbstractItemView* view, const QString& text)
    : QLabel(text, view->viewport()), view_(view) {
    setObjectName(view->objectName() + QStringLiteral("Hint"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMargin(12);
    // Clicks reach the list below, as if the text were painted on it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setForegroundRole(QPalette::PlaceholderText);
    view->viewport()->installEventFilter(this);
    QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::modelReset, this, &EmptyListHint::Follow);
    connect(model, &QAbstractItemModel::rowsInserted, this, &EmptyListHint::Follow);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &EmptyListHint::Follow);
    Follow();
}

void EmptyListHint::SetActive(bool active) {
    active_ = active;
    Follow();
}

bool EmptyListHint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() && event->type() == QEvent::Resize)
        setGeometry(view_->viewport()->rect());
    return QLabel::eventFilter(watched, event);
}

void EmptyListHint::Follow() {
    setGeometry(view_->viewport()->rect());
    setVisible(active_ && view_->model()->rowCount() == 0);
}

}  // namespace parlix::ui
