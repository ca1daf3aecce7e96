#include "engine_app/MultiFolderDesignsModel.h"

#include <algorithm>

#include "core/Locations.h"

namespace quill {

TMultiFolderDesignsModel::TMultiFolderDesignsModel(TMode mode, QObject* parent)
    : QAbstractTableModel(parent), mode_(mode) {}

void TMultiFolderDesignsModel::Load() {
    TLocationList list;
    LoadLocations(mode_, list);
    beginResetModel();
    rows_.clear();
    for (const auto& entry : list)
        rows_.push_back({QString::fromStdString(entry->Name), QString::fromStdString(entry->DesignLocation),
                         QString::fromStdString(entry->FileLocation)});
    endResetModel();
    SetModified(false);
}

int TMultiFolderDesignsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TMultiFolderDesignsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TMultiFolderDesignsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    return Cell(index.row(), index.column());
}

QVariant TMultiFolderDesignsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const captions[] = {"Name", "Label Designs Folder", "Label Files Folder"};
    return section >= 0 && section < ColumnCount ? QVariant(captions[section]) : QVariant();
}

QString TMultiFolderDesignsModel::Cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount) return {};
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void TMultiFolderDesignsModel::SetCell(int row, int column, const QString& value) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount || Cell(row, column) == value) return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = value;
    emit dataChanged(index(row, column), index(row, column));
    SetModified(true);
}

int TMultiFolderDesignsModel::AddRow() {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    rows_.push_back({NewRowName, QString(), QString()});
    endInsertRows();
    SetModified(true);
    return row;
}

void TMultiFolderDesignsModel::DeleteRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
    SetModified(true);
}

int TMultiFolderDesignsModel::IncompleteRowCount() const {
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](const auto& row) {
        return std::any_of(row.begin(), row.end(), [](const QString& cell) { return cell.isEmpty(); });
    }));
}

bool TMultiFolderDesignsModel::Save() {
    if (IncompleteRowCount() > 0) return false;
    TLocationList list;
    int number = 0;
    for (const auto& row : rows_) {
        auto entry = std::make_unique<TLocName>();
        entry->Number = ++number;
        entry->Name = row[NameColumn].toStdString();
        entry->DesignLocation = row[DesignColumn].toStdString();
        entry->FileLocation = row[FileColumn].toStdString();
        list.push_back(std::move(entry));
    }
    SaveLocations(mode_, list);
    SetModified(false);
    return true;
}

void TMultiFolderDesignsModel::SetModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

}  // namespace quill
