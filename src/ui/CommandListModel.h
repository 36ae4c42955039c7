// The command list: the entries of the selected group row, with the columns
// of that row's kind, the conflict highlight and the flash of a command.
#pragma once

#include "ui/logic/ListTexts.h"

#include <QtCore/QAbstractTableModel>
#include <QtCore/QTimer>
#include <QtGui/QColor>

#include <optional>
#include <vector>

namespace parlix {
class VoiceModel;
}

namespace parlix::ui {

class CommandListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CommandListModel(parlix::VoiceModel& model, QObject* parent = nullptr);

    // Switches to group row `row` (-1 none): columns and rows anew.
    void SetGroupRow(int row);
    int GroupRow() const { return row_; }
    // The idle refresh: rows added or removed, changed entries rewritten.
    void Refresh();
    // Rewrites one row at once.
    void RedrawRow(int index);
    // The selected command, for the conflict highlight.
    void SetSelected(int index);
    // Ten toggles, 200 ms apart, of `index`'s background: green or pink.
    void Flash(int index, bool expected);
    bool Flashing() const { return flashTimer_.isActive(); }
    int FlashRow() const { return flashRow_; }
    // The cell texts of a row, the icon column first.
    QStringList RowTexts(int index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Index and the counts and sizes: aligned right.
    bool IsNumberColumn(int column) const;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static const QColor kConflictColor;
    static const QColor kExpectedColor;
    static const QColor kOtherColor;

  signals:
    void FlashStep(int index);

  private:
    void FlashTick();
    void EndFlash();
    void RowChanged(int row);
    CommandRowTexts Placeholder(int index);
    std::optional<int> HighlightedRow() const;

    parlix::VoiceModel& model_;
    int row_ = -1;
    ColumnSet columns_ = ColumnSet::Labels;
    std::vector<std::string> headers_;
    std::vector<CommandRowTexts> rows_;
    int selected_ = -1;
    QTimer flashTimer_;
    int flashRow_ = -1;
    int flashToggles_ = 0;
    QColor flashColor_;
};

}  // namespace parlix::ui
