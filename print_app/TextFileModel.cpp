#include "print_app/TextFileModel.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

namespace quill {

TTextFileModel::TTextFileModel(QObject* parent) : QAbstractTableModel(parent) {}

void TTextFileModel::SetLines(std::vector<TTextFileLine> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    ticks_.assign(lines_.size(), 1);
    selected_ = Total();
    endResetModel();
    emit countsChanged();
}

void TTextFileModel::SetCaption(int column, const QString& caption) {
    captions_[static_cast<std::size_t>(column)] = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void TTextFileModel::SetTicked(int row, bool ticked) {
    char& tick = ticks_[static_cast<std::size_t>(row)];
    if ((tick != 0) == ticked) return;
    tick = ticked ? 1 : 0;
    selected_ += ticked ? 1 : -1;
    emit dataChanged(index(row, TickColumn), index(row, TickColumn), {Qt::CheckStateRole});
    emit countsChanged();
}

void TTextFileModel::TickAll(bool ticked) {
    std::fill(ticks_.begin(), ticks_.end(), ticked ? 1 : 0);
    selected_ = ticked ? Total() : 0;
    if (!lines_.empty()) emit dataChanged(index(0, TickColumn), index(Total() - 1, TickColumn), {Qt::CheckStateRole});
    emit countsChanged();
}

std::vector<int> TTextFileModel::TickedRows() const {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(selected_));
    for (int row = 0; row < Total(); ++row)
        if (ticks_[static_cast<std::size_t>(row)]) rows.push_back(row);
    return rows;
}

int TTextFileModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Total(); }

int TTextFileModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TextFileColumnCount + 1;
}

QVariant TTextFileModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row(), column = index.column();
    switch (role) {
        case Qt::CheckStateRole:
            if (column == TickColumn) return Ticked(row) ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::DisplayRole:
            if (column == TickColumn) return {};
            return Values(row)[static_cast<std::size_t>(column - 1)].toString();
        case Qt::BackgroundRole:
            // like the design lists: every other row in the tooltip colour
            return QApplication::palette().brush(row % 2 ? QPalette::ToolTipBase : QPalette::Base);
        case Qt::ForegroundRole:
            return QApplication::palette().brush(row % 2 ? QPalette::ToolTipText : QPalette::Text);
        default:
            return {};
    }
}

bool TTextFileModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != TickColumn || role != Qt::CheckStateRole) return false;
    SetTicked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TTextFileModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == TickColumn) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant TTextFileModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section == TickColumn ? QString() : captions_[static_cast<std::size_t>(section)];
}

}  // namespace quill
