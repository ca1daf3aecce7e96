#include "designer/StockListModel.h"

namespace quill::designer {

StockListModel::StockListModel(const StockCatalogue& catalogue, QObject* parent)
    : QAbstractTableModel(parent), catalogue_(catalogue), rows_(catalogue.Search({})) {}

void StockListModel::Search(const QString& text) {
    beginResetModel();
    rows_ = catalogue_.Search(text);
    endResetModel();
}

const LabelStock* StockListModel::Stock(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row] : nullptr;
}

int StockListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StockListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant StockListModel::data(const QModelIndex& index, int role) const {
    const LabelStock* stock = Stock(index.row());
    if (!stock || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    switch (index.column()) {
    case NameColumn: return stock->Name();
    case DescriptionColumn: return stock->description;
    case SizeColumn:
        return stock->moreLayouts ? stock->SizeText() + tr(" (first of its layouts)") : stock->SizeText();
    default: return {};
    }
}

QVariant StockListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case NameColumn: return tr("Stock");
    case DescriptionColumn: return tr("Description");
    case SizeColumn: return tr("Size");
    default: return {};
    }
}

}  // namespace quill::designer
