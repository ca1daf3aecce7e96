#include "designer/VariableListModel.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include "designer/VariableTypeIcon.h"
#include "labelrender/Variables.h"
#include "platform/CodePage.h"

namespace quill::designer {

using labelrender::VariableType;

VariableListModel::VariableListModel(QObject* parent) : QAbstractTableModel(parent) {
    const QColor ink = QGuiApplication::palette().color(QPalette::Text);
    for (const VariableType type : {VariableType::Text, VariableType::Barcode, VariableType::DataMatrix})
        icons_.insert(static_cast<unsigned>(type), VariableTypeIcon(type, ink));
}

void VariableListModel::SetVariables(const labelrender::VariableSet& variables, int codePage) {
    beginResetModel();
    rows_.clear();
    for (const auto& [name, variable] : variables.All())
        rows_.push_back({{QString::fromStdString(name), variable.type},
                         QString::fromStdString(platform::LabelBytesToUtf8(variable.contents, codePage))});
    endResetModel();
}

DraggedVariable VariableListModel::Variable(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row].variable : DraggedVariable{};
}

void VariableListModel::SetUsed(const QStringList& names) {
    used_.clear();
    for (const QString& name : names) used_.insert(name.toLower());
    if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::FontRole});
}

int VariableListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int VariableListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant VariableListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    const Row& row = rows_[index.row()];
    if (role == Qt::ToolTipRole) {
        switch (row.variable.type) {
        case VariableType::Barcode: return tr("Drag onto the label for a barcode of %1").arg(row.variable.name);
        case VariableType::DataMatrix: return tr("Drag onto the label for a DataMatrix symbol of %1").arg(row.variable.name);
        case VariableType::Text: break;
        }
        return tr("Drag onto the label for a text of %1").arg(row.variable.name);
    }
    if (role == Qt::DecorationRole && index.column() == NameColumn)
        return icons_.value(static_cast<unsigned>(row.variable.type));
    if (role == Qt::FontRole && used_.contains(row.variable.name.toLower())) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case NameColumn: return row.variable.name;
    case TypeColumn: return VariableTypeName(row.variable.type);
    case SampleColumn: return row.sample;
    default: return {};
    }
}

QVariant VariableListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case NameColumn: return tr("Variable");
    case TypeColumn: return tr("Type");
    case SampleColumn: return tr("Sample");
    default: return {};
    }
}

Qt::ItemFlags VariableListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled : Qt::NoItemFlags;
}

QStringList VariableListModel::mimeTypes() const { return {QString::fromLatin1(kVariableMimeType)}; }

QMimeData* VariableListModel::mimeData(const QModelIndexList& indexes) const {
    // one variable per drag: the row of the first index
    for (const QModelIndex& index : indexes)
        if (index.isValid()) return VariableMimeData(Variable(index.row())).release();
    return nullptr;
}

}  // namespace quill::designer
