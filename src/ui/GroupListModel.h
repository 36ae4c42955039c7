// The group list: one row per list of the module, read from the data model
// with its try-locks, so that drawing never waits for a job.
#pragma once

#include "ui/logic/ListTexts.h"

#include <QtCore/QAbstractTableModel>

#include <vector>

namespace parlix {
class VoiceModel;
}

namespace parlix::ui {

class GroupListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GroupListModel(parlix::VoiceModel& model, QObject* parent = nullptr);

    // After connecting: the rows anew.
    void Rebuild();
    // Once disconnected: no rows.
    void Clear();
    // The idle refresh: the "Commands" column and the bold rows.
    void Refresh();
    const GroupRowTexts* Row(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Index and Commands: aligned right.
    static bool IsNumberColumn(int column) { return column == 1 || column == 3; }

  private:
    parlix::VoiceModel& model_;
    std::vector<GroupRowTexts> rows_;
};

}  // namespace parlix::ui
