#include "print_app/DesignListModel.h"

#include <QBrush>
#include <QColor>
#include <QDateTime>
#include <QLocale>
#include <algorithm>

namespace quill {

namespace {

constexpr const char* Captions[DesignColumnCount] = {
    "Number", "Design", "Description", "Date", "Sketch", "Status", "Remark", "Type",
    "Design Location", "Label Location", "ID", "",
};

bool SortsBefore(const TDesignRow& a, const TDesignRow& b) {
    return TDesignListModel::Text(a.Design).compare(TDesignListModel::Text(b.Design), Qt::CaseInsensitive) < 0;
}

TDesignRow* Parent(const QModelIndex& index) { return static_cast<TDesignRow*>(index.internalPointer()); }

}  // namespace

TDesignListModel::TDesignListModel(QObject* parent) : QAbstractItemModel(parent) {}

QString TDesignListModel::DateText(std::int64_t ns) {
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(ns / 1'000'000);
    return QLocale().toString(when, QLocale::ShortFormat);
}

void TDesignListModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

TDesignRows* TDesignListModel::Siblings(const QModelIndex& parent) const {
    if (!parent.isValid()) return &rows_;
    TDesignRow* row = const_cast<TDesignListModel*>(this)->Row(parent);
    return row ? &row->Children : nullptr;
}

QModelIndex TDesignListModel::AddRow(const QModelIndex& location, TDesignRow row) {
    TDesignRows* siblings = Siblings(location.siblingAtColumn(0));
    if (!siblings) return {};
    const auto at = std::upper_bound(siblings->begin(), siblings->end(), row,
                                     [](const TDesignRow& r, const auto& other) { return SortsBefore(r, *other); });
    const int position = int(at - siblings->begin());
    beginInsertRows(location.siblingAtColumn(0), position, position);
    siblings->insert(at, std::make_unique<TDesignRow>(std::move(row)));
    endInsertRows();
    return index(position, 0, location.siblingAtColumn(0));
}

void TDesignListModel::RemoveRow(const QModelIndex& index) {
    const QModelIndex parent = index.parent();
    TDesignRows* siblings = Siblings(parent);
    if (!siblings || index.row() >= int(siblings->size())) return;
    beginRemoveRows(parent, index.row(), index.row());
    siblings->erase(siblings->begin() + index.row());
    endRemoveRows();
}

void TDesignListModel::RowChanged(const QModelIndex& index) {
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(DesignColumnCount - 1));
}

TDesignRow* TDesignListModel::Row(const QModelIndex& index) {
    if (!index.isValid() || index.model() != this) return nullptr;
    TDesignRows& siblings = Parent(index) ? Parent(index)->Children : rows_;
    return index.row() < int(siblings.size()) ? siblings[std::size_t(index.row())].get() : nullptr;
}

const TDesignRow* TDesignListModel::Row(const QModelIndex& index) const {
    return const_cast<TDesignListModel*>(this)->Row(index);
}

void TDesignListModel::ForEachDesign(const std::function<void(const QModelIndex&, TDesignRow&)>& visit) {
    for (int top = 0; top < int(rows_.size()); ++top) {
        TDesignRow& row = *rows_[std::size_t(top)];
        const QModelIndex topIndex = index(top, 0);
        if (!row.IsFolder) visit(topIndex, row);
        for (int child = 0; child < int(row.Children.size()); ++child)
            visit(index(child, 0, topIndex), *row.Children[std::size_t(child)]);
    }
}

QModelIndex TDesignListModel::FindFirst(const std::function<bool(const TDesignRow&)>& match) const {
    QModelIndex found;
    const_cast<TDesignListModel*>(this)->ForEachDesign([&](const QModelIndex& index, TDesignRow& row) {
        if (!found.isValid() && match(row)) found = index;
    });
    return found;
}

QModelIndex TDesignListModel::FindDesign(const QModelIndex& location, const std::string& fileName) const {
    const TDesignRows* siblings = Siblings(location.siblingAtColumn(0));
    const QString name = Text(fileName);
    for (std::size_t i = 0; siblings && i < siblings->size(); ++i) {
        const TDesignRow& row = *(*siblings)[i];
        if (!row.IsFolder && Text(row.Design).compare(name, Qt::CaseInsensitive) == 0)
            return index(int(i), 0, location.siblingAtColumn(0));
    }
    return {};
}

QModelIndex TDesignListModel::FindLocation(int id) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i]->IsFolder && rows_[i]->Id == id) return index(int(i), 0);
    return {};
}

int TDesignListModel::DesignCount() const {
    int count = 0;
    const_cast<TDesignListModel*>(this)->ForEachDesign([&](const QModelIndex&, TDesignRow&) { ++count; });
    return count;
}

QModelIndex TDesignListModel::RowBefore(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    if (index.row() > 0) return index.siblingAtRow(index.row() - 1).siblingAtColumn(0);
    return index.parent();
}

void TDesignListModel::SetTreeImages(QIcon closed, QIcon open, QIcon design) {
    closed_ = std::move(closed);
    open_ = std::move(open);
    design_ = std::move(design);
}

void TDesignListModel::SetExpanded(const QModelIndex& index, bool expanded) {
    if (TDesignRow* row = Row(index)) {
        row->Expanded = expanded;
        RowChanged(index);
    }
}

int TDesignListModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    const TDesignRows* siblings = Siblings(parent);
    return siblings ? int(siblings->size()) : 0;
}

int TDesignListModel::columnCount(const QModelIndex&) const { return DesignColumnCount; }

QModelIndex TDesignListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= DesignColumnCount || parent.column() > 0) return {};
    const TDesignRows* siblings = Siblings(parent);
    if (!siblings || row >= int(siblings->size())) return {};
    return createIndex(row, column, parent.isValid() ? const_cast<TDesignRow*>(Row(parent)) : nullptr);
}

QModelIndex TDesignListModel::parent(const QModelIndex& child) const {
    const TDesignRow* parentRow = child.isValid() ? Parent(child) : nullptr;
    if (!parentRow) return {};
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].get() == parentRow) return createIndex(int(i), 0, nullptr);
    return {};
}

QVariant TDesignListModel::data(const QModelIndex& index, int role) const {
    const TDesignRow* row = Row(index);
    if (!row) return {};
    const auto column = TDesignColumn(index.column());
    if (role == Qt::ForegroundRole) return row->Status != 0 ? QVariant(QBrush(Qt::red)) : QVariant();
    if (role == Qt::DecorationRole && column == TDesignColumn::Design)
        return row->IsFolder ? (row->Expanded ? open_ : closed_) : design_;
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    switch (column) {
    case TDesignColumn::Number: return QString::number(row->Number);
    case TDesignColumn::Design: return Text(row->Design);
    case TDesignColumn::Description: return Text(row->Description);
    case TDesignColumn::Date: return row->IsFolder ? QString() : DateText(row->DateNs);
    case TDesignColumn::Sketch: return row->IsFolder ? QString() : Text(row->Design);
    case TDesignColumn::Status: return QString::number(row->Status);
    case TDesignColumn::Remark: return Text(row->Remark);
    case TDesignColumn::Type: return row->IsFolder ? QStringLiteral("Folder") : QStringLiteral("File");
    case TDesignColumn::DesignLocation: return Text(row->DesignLocation);
    case TDesignColumn::LabelLocation: return Text(row->LabelLocation);
    case TDesignColumn::ID: return QString::number(row->Id);
    case TDesignColumn::Dirty: return row->Dirty ? QStringLiteral("1") : QStringLiteral("0");
    }
    return {};
}

bool TDesignListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TDesignRow* row = Row(index);
    if (!row || row->IsFolder || role != Qt::EditRole || TDesignColumn(index.column()) != TDesignColumn::Description)
        return false;
    const QByteArray text = value.toString().toUtf8();
    if (row->Description == text.toStdString()) return true;
    row->Description = text.toStdString();
    row->Dirty = true;
    RowChanged(index);
    emit descriptionEdited();
    return true;
}

Qt::ItemFlags TDesignListModel::flags(const QModelIndex& index) const {
    const TDesignRow* row = Row(index);
    if (!row) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!row->IsFolder && TDesignColumn(index.column()) == TDesignColumn::Description) flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant TDesignListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= DesignColumnCount)
        return {};
    return QString(Captions[section]);
}

}  // namespace quill
