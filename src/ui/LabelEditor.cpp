#include "ui/LabelEditor.h"

#include "ui/logic/LabelInput.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>

namespace parlix::ui {

LabelEditor::LabelEditor(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("labelEditor"));
    // Pasted text would bypass the rules for typed characters.
    setContextMenuPolicy(Qt::NoContextMenu);
    setMaxLength(31);
}

void LabelEditor::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) return;
    const QString typed = event->text();
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (typed.isEmpty() || control || typed.at(0).unicode() < 0x20 || typed.at(0) == QChar(0x7F)) {
        QLineEdit::keyPressEvent(event);  // editing keys, Backspace, Enter, Escape
        return;
    }
    for (const QChar ch : typed) {
        if (ch.unicode() > 0x7F) continue;
        const std::string current = text().toStdString();
        std::size_t from = static_cast<std::size_t>(cursorPosition());
        std::size_t to = from;
        if (hasSelectedText()) {
            from = static_cast<std::size_t>(selectionStart());
            to = from + static_cast<std::size_t>(selectedText().size());
        }
        const TypedResult result =
            TypeLabelChar(current, from, to, static_cast<char>(ch.unicode()));
        if (result.outcome == TypedOutcome::TooLong) {
            QApplication::beep();
            continue;
        }
        if (result.outcome == TypedOutcome::Accepted) insert(QString(QChar(result.ch)));
    }
}

QWidget* LabelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex&) const {
    if (mayEdit && !mayEdit()) return nullptr;
    committed_ = false;
    return new LabelEditor(parent);
}

void LabelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<LabelEditor*>(editor)->setText(index.data(Qt::EditRole).toString());
}

void LabelDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                 const QModelIndex& index) const {
    // The list shows the model; the rename goes through the flows instead.
    committed_ = true;
    const QString text = static_cast<LabelEditor*>(editor)->text();
    if (finished) finished(index.row(), &text);
}

void LabelDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (!committed_ && finished) finished(index.row(), nullptr);
    committed_ = false;
    QStyledItemDelegate::destroyEditor(editor, index);
}

}  // namespace parlix::ui
