#include "ui/PromptDialog.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

namespace parlix::ui {

PromptDialog::PromptDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), label_(new QLabel(this)) {
    setModal(false);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* inner = new QVBoxLayout(frame);
    label_->setAlignment(Qt::AlignCenter);
    label_->setObjectName(QStringLiteral("promptText"));
    QFont font = label_->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label_->setFont(font);
    inner->addWidget(label_);
    inner->setContentsMargins(24, 16, 24, 16);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
}

void PromptDialog::ShowText(const QString& text) {
    label_->setText(QString(text).remove(QLatin1Char('\r')).trimmed());
    if (isVisible()) return;
    adjustSize();
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->isWindow()
                               ? owner->frameGeometry()
                               : QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
        move(area.center() - rect().center());
    }
    show();
}

QString PromptDialog::Text() const {
    return label_->text();
}

void PromptDialog::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape do nothing: the prompt goes when the module is done.
    event->accept();
}

void PromptDialog::mousePressEvent(QMouseEvent* event) {
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void PromptDialog::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - dragOffset_);
}

}  // namespace parlix::ui
