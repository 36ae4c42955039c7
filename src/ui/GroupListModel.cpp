#include "ui/GroupListModel.h"

#include "ui/ListIcons.h"

#include <QtGui/QFont>

namespace parlix::ui {

GroupListModel::GroupListModel(VoiceModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model) {}

void GroupListModel::Rebuild() {
    beginResetModel();
    rows_.clear();
    const int count = GroupRowCount(model_);
    for (int row = 0; row < count; ++row) rows_.push_back(ReadGroupRow(model_, row));
    endResetModel();
}

void GroupListModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void GroupListModel::Refresh() {
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        GroupRowTexts fresh = ReadGroupRow(model_, row);
        GroupRowTexts& shown = rows_[static_cast<std::size_t>(row)];
        if (fresh.commands == shown.commands && fresh.bold == shown.bold &&
            fresh.index == shown.index)
            continue;
        shown = std::move(fresh);
        emit dataChanged(index(row, 0), index(row, 3));
    }
}

const GroupRowTexts* GroupListModel::Row(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
    return &rows_[static_cast<std::size_t>(row)];
}

int GroupListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GroupListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant GroupListModel::data(const QModelIndex& index, int role) const {
    const GroupRowTexts* row = Row(index.row());
    if (!row) return {};
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case 1:
                    return QString::fromStdString(row->index);
                case 2:
                    return QString::fromStdString(row->description);
                case 3:
                    return QString::fromStdString(row->commands);
                default:
                    return {};
            }
        case Qt::DecorationRole:
            return index.column() == 0 ? QVariant(IconFor(row->icon)) : QVariant();
        case Qt::TextAlignmentRole:
            return IsNumberColumn(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                  : QVariant();
        case Qt::FontRole:
            if (row->bold) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        default:
            return {};
    }
}

QVariant GroupListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    // The numbers and their headings right, as in the command list.
    if (role == Qt::TextAlignmentRole && IsNumberColumn(section))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (section) {
        case 0:
            return QStringLiteral("   ");
        case 1:
            return tr("Index");
        case 2:
            return tr("Description");
        case 3:
            return tr("Commands");
        default:
            return {};
    }
}

}  // namespace parlix::ui
