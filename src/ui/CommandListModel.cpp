#include "ui/CommandListModel.h"

#include "ui/ListIcons.h"

#include <QtGui/QBrush>
#include <QtGui/QFont>

namespace parlix::ui {

// 0x00BBGGRR values of the list's drawing: light yellow, green and pink.
const QColor CommandListModel::kConflictColor = QColor(0xFF, 0xFF, 0xC0);
const QColor CommandListModel::kExpectedColor = QColor(0xC0, 0xFF, 0xC0);
const QColor CommandListModel::kOtherColor = QColor(0xFF, 0xC0, 0xC0);

namespace {
constexpr int kFlashToggles = 10;
constexpr int kFlashMs = 200;
}  // namespace

CommandListModel::CommandListModel(VoiceModel& model, QObject* parent)
    : QAbstractTableModel(parent), model_(model) {
    flashTimer_.setInterval(kFlashMs);
    connect(&flashTimer_, &QTimer::timeout, this, &CommandListModel::FlashTick);
}

void CommandListModel::SetGroupRow(int row) {
    beginResetModel();
    row_ = row;
    selected_ = -1;
    rows_.clear();
    columns_ = ColumnsFor(row);
    headers_ = row < 0 ? std::vector<std::string>{} : ColumnHeaders(columns_);
    if (row >= 0) {
        const int count = CommandRowCount(model_, row).value_or(0);
        for (int i = 0; i < count; ++i) {
            auto texts = ReadCommandRow(model_, row, i, true);
            rows_.push_back(texts ? std::move(*texts) : Placeholder(i));
        }
    }
    endResetModel();
}

CommandRowTexts CommandListModel::Placeholder(int index) {
    CommandRowTexts texts = ReadCommandRow(model_, row_, index, false).value_or(CommandRowTexts{});
    texts.busy = true;  // read again at the next refresh
    return texts;
}

void CommandListModel::Refresh() {
    if (row_ < 0) return;
    const auto count = CommandRowCount(model_, row_);
    // A new count can shift rows (the trigger words follow the commands):
    // then every row is read again, not only the changed ones.
    bool readAll = false;
    if (count && *count != static_cast<int>(rows_.size())) {
        const int shown = static_cast<int>(rows_.size());
        readAll = true;
        if (*count < shown) {
            beginRemoveRows({}, *count, shown - 1);
            rows_.resize(static_cast<std::size_t>(*count));
            endRemoveRows();
        } else {
            beginInsertRows({}, shown, *count - 1);
            for (int i = shown; i < *count; ++i) rows_.push_back(Placeholder(i));
            endInsertRows();
        }
    }
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        CommandRowTexts& shown = rows_[static_cast<std::size_t>(i)];
        auto fresh = ReadCommandRow(model_, row_, i, true);
        if (!fresh || !(fresh->changed || readAll || shown.busy)) continue;
        shown = std::move(*fresh);
        RowChanged(i);
    }
}

void CommandListModel::RedrawRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    if (auto fresh = ReadCommandRow(model_, row_, row, true)) {
        rows_[static_cast<std::size_t>(row)] = std::move(*fresh);
        RowChanged(row);
    }
}

void CommandListModel::SetSelected(int row) {
    selected_ = row;
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void CommandListModel::RowChanged(int row) {
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void CommandListModel::EndFlash() {
    flashTimer_.stop();
    const int old = flashRow_;
    flashRow_ = -1;
    RowChanged(old);
}

void CommandListModel::Flash(int row, bool expected) {
    // A new flash ends the running one.
    if (flashTimer_.isActive()) EndFlash();
    if (row < 0 || row >= rowCount()) return;
    flashRow_ = row;
    flashColor_ = expected ? kExpectedColor : kOtherColor;
    flashToggles_ = 0;
    flashTimer_.start();
    RowChanged(row);
    emit FlashStep(row);
}

void CommandListModel::FlashTick() {
    if (++flashToggles_ >= kFlashToggles) {
        EndFlash();
        return;
    }
    RowChanged(flashRow_);
    emit FlashStep(flashRow_);
}

std::optional<int> CommandListModel::HighlightedRow() const {
    if (columns_ != ColumnSet::Commands || selected_ < 0 ||
        selected_ >= static_cast<int>(rows_.size()))
        return std::nullopt;
    const auto& cells = rows_[static_cast<std::size_t>(selected_)].cells;
    if (cells.size() < 4) return std::nullopt;
    return ConflictIndex(cells[3]);
}

QStringList CommandListModel::RowTexts(int row) const {
    QStringList texts;
    if (row < 0 || row >= static_cast<int>(rows_.size())) return texts;
    texts << QString();
    for (const std::string& cell : rows_[static_cast<std::size_t>(row)].cells)
        texts << QString::fromStdString(cell);
    return texts;
}

int CommandListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CommandListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant CommandListModel::data(const QModelIndex& index, int role) const {
    if (index.row() < 0 || index.row() >= static_cast<int>(rows_.size())) return {};
    const CommandRowTexts& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (column >= 1 && column - 1 < static_cast<int>(row.cells.size()))
                return QString::fromStdString(row.cells[static_cast<std::size_t>(column - 1)]);
            return {};
        case Qt::DecorationRole:
            return column == 0 ? QVariant(IconFor(row.icon)) : QVariant();
        case Qt::TextAlignmentRole:
            return IsNumberColumn(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                          : QVariant();
        case Qt::FontRole:
            if (row.bold) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        case Qt::BackgroundRole:
            if (index.row() == flashRow_ && flashToggles_ % 2 == 0) return QBrush(flashColor_);
            if (HighlightedRow() == index.row()) return QBrush(kConflictColor);
            return {};
        case Qt::ForegroundRole:
            // Dark text on the light highlight colours, in a dark theme too.
            if ((index.row() == flashRow_ && flashToggles_ % 2 == 0) ||
                HighlightedRow() == index.row())
                return QBrush(Qt::black);
            return {};
        default:
            return {};
    }
}

QVariant CommandListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(headers_.size()))
        return {};
    if (role == Qt::DisplayRole)
        return section == 0 ? QStringLiteral("   ")
                            : QString::fromStdString(headers_[static_cast<std::size_t>(section)]);
    // A number's heading stands over it, as in the group list.
    if (role == Qt::TextAlignmentRole && IsNumberColumn(section))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool CommandListModel::IsNumberColumn(int column) const {
    // Index and the numbers after the label or message status; texts left.
    return column == 1 || (columns_ != ColumnSet::Labels && column >= 3);
}

Qt::ItemFlags CommandListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    // Only the label of a command is edited in place.
    if (columns_ == ColumnSet::Commands && index.column() == 2) flags |= Qt::ItemIsEditable;
    return flags;
}

}  // namespace parlix::ui
