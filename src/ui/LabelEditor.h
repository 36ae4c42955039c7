// In-place editing of a command label: the editor applies the module's input
// rules to every typed character; the delegate places it over the cell.
#pragma once

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QStyledItemDelegate>

#include <functional>

namespace parlix::ui {

class LabelEditor : public QLineEdit {
    Q_OBJECT
  public:
    explicit LabelEditor(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class LabelDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit LabelDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

    // Asked before an editor opens; false refuses the edit.
    std::function<bool()> mayEdit;
    // The editor closed: with the text entered, or none when cancelled.
    std::function<void(int row, const QString* text)> finished;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

  private:
    mutable bool committed_ = false;
};

}  // namespace parlix::ui
