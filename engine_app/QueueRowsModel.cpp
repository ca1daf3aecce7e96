#include "engine_app/QueueRowsModel.h"

#include <array>

#include <QBrush>
#include <QLocale>

#include "platform/CodePage.h"

namespace quill {

namespace {

constexpr std::array<const char*, TQueueRowsModel::ColumnCount> Captions = {
    "Mode", "Design", "Amount", "Date", "Status", "StatusCode", "Task ID"};

}  // namespace

TQueueRowsModel::TQueueRowsModel(const TQueueRows& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), shown_(static_cast<int>(rows.Rows().size())) {
    connect(&rows_, &TQueueRows::rowAdded, this, &TQueueRowsModel::RowAdded);
    connect(&rows_, &TQueueRows::rowRemoved, this, &TQueueRowsModel::RowRemoved);
    connect(&rows_, &TQueueRows::rowChanged, this, &TQueueRowsModel::RowChanged);
    connect(&rows_, &TQueueRows::rowsReset, this, &TQueueRowsModel::RowsReset);
}

QString TQueueRowsModel::Text(const std::string& bytes) const {
    return QString::fromStdString(utf8_ ? bytes : platform::LabelBytesToUtf8(bytes, Settings.CodePage));
}

int TQueueRowsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

int TQueueRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

const TQueueRow* TQueueRowsModel::Row(int row) const {
    const auto& rows = rows_.Rows();
    return row >= 0 && row < static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(row)] : nullptr;
}

QVariant TQueueRowsModel::data(const QModelIndex& index, int role) const {
    const TQueueRow* row = index.isValid() ? Row(index.row()) : nullptr;
    if (!row) return {};
    const int code = static_cast<int>(row->StatusCode);
    if (role == Qt::ForegroundRole)
        return row->StatusCode == TRowStatus::NotPrinted ? QVariant(QBrush(Qt::red)) : QVariant();
    if (role != Qt::DisplayRole && role != SortRole) return {};
    switch (index.column()) {
        case ModeColumn: return Text(row->Mode);
        case DesignColumn: return Text(row->Design);
        case AmountColumn: return Text(row->Amount);
        case DateColumn:
            return role == SortRole ? QVariant(row->Date)
                                    : QVariant(QLocale().toString(row->Date, QLocale::ShortFormat));
        case StatusColumn: return Text(row->Status);
        case StatusCodeColumn: return role == SortRole ? QVariant(code) : QVariant(QString::number(code));
        case TaskIDColumn: return role == SortRole ? QVariant(row->TaskID) : QVariant(QString::number(row->TaskID));
        default: return {};
    }
}

QVariant TQueueRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
    return QString::fromLatin1(Captions[static_cast<std::size_t>(section)]);
}

void TQueueRowsModel::RowAdded(int index) {
    beginInsertRows({}, index, index);
    ++shown_;
    endInsertRows();
}

void TQueueRowsModel::RowRemoved(int index) {
    beginRemoveRows({}, index, index);
    --shown_;
    endRemoveRows();
}

void TQueueRowsModel::RowsReset() {
    beginResetModel();
    shown_ = static_cast<int>(rows_.Rows().size());
    endResetModel();
}

void TQueueRowsModel::RowChanged(int index) {
    emit dataChanged(this->index(index, 0), this->index(index, ColumnCount - 1));
}

}  // namespace quill
