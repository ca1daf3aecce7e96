#include "designer/VariablesPane.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

#include "designer/VariableListModel.h"

namespace quill::designer {

TVariablesPane::TVariablesPane(QWidget* parent)
    : QWidget(parent),
      model_(new VariableListModel(this)),
      filter_(new QSortFilterProxyModel(this)),
      search_(new QLineEdit(this)),
      list_(new QTreeView(this)) {
    filter_->setSourceModel(model_);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    filter_->setFilterKeyColumn(-1);   // name, type or sample
    search_->setPlaceholderText(tr("Search variables"));
    search_->setClearButtonEnabled(true);
    list_->setModel(filter_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setDragEnabled(true);
    list_->setDragDropMode(QAbstractItemView::DragOnly);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    connect(search_, &QLineEdit::textChanged, filter_, &QSortFilterProxyModel::setFilterFixedString);
    connect(list_, &QTreeView::activated, this,
            [this](const QModelIndex& index) { emit VariableActivated(VariableAt(index.row())); });
}

void TVariablesPane::SetVariables(const labelrender::VariableSet& variables, int codePage) {
    model_->SetVariables(variables, codePage);
    list_->resizeColumnToContents(VariableListModel::NameColumn);
    list_->resizeColumnToContents(VariableListModel::TypeColumn);
}

void TVariablesPane::SetUsedVariables(const QStringList& names) { model_->SetUsed(names); }

DraggedVariable TVariablesPane::VariableAt(int shownRow) const {
    return model_->Variable(filter_->mapToSource(filter_->index(shownRow, 0)).row());
}

}  // namespace quill::designer
