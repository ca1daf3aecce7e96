#include "print_app/FDlgMultiFolderDesignsCopy.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include "print_app/DesignListModel.h"
#include "ui/BaseForms.h"

namespace quill {

namespace {
constexpr int colID = 0;
constexpr int colName = 1;
}  // namespace

TfrmDlgMultiFolderDesignsCopy::TfrmDlgMultiFolderDesignsCopy(QWidget* parent)
    : QDialog(parent), dxTreeList_(new QTreeView(this)), rows_(new QStandardItemModel(0, 2, this)) {
    setWindowTitle("Copy Design");
    rows_->setHorizontalHeaderLabels({"ID", "Name"});
    dxTreeList_->setModel(rows_);
    dxTreeList_->setRootIsDecorated(false);
    dxTreeList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    dxTreeList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    dxTreeList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dxTreeList_->setColumnHidden(colID, true);
    dxTreeList_->header()->setStretchLastSection(true);

    auto* target = new QGroupBox("Copy to:", this);
    (new QVBoxLayout(target))->addWidget(dxTreeList_);
    auto* about = new QGroupBox("Copy Design", this);
    auto* aboutLayout = new QVBoxLayout(about);
    aboutLayout->addWidget(new QLabel("Select one or more locations to copy to.", about));
    aboutLayout->addWidget(new QLabel("WARNING: Existing designs with the same name will be overwritten.", about));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmDlgMultiFolderDesignsCopy::btnOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(target, 1);
    layout->addWidget(about);
    layout->addWidget(buttons);
    resize(420, 360);
}

void TfrmDlgMultiFolderDesignsCopy::Fill(const TDesignListModel& designs) {
    rows_->removeRows(0, rows_->rowCount());
    for (int row = 0; row < designs.rowCount(); ++row) {
        const TDesignRow* location = designs.Row(designs.index(row, 0));
        if (!location || !location->IsFolder) continue;
        auto* id = new QStandardItem(QString::number(location->Id));
        id->setData(location->Id, Qt::UserRole);
        rows_->appendRow({id, new QStandardItem(TDesignListModel::Text(location->Design))});
    }
    if (rows_->rowCount() > 0) dxTreeList_->setCurrentIndex(rows_->index(0, colName));
}

std::vector<int> TfrmDlgMultiFolderDesignsCopy::SelectedIds() const {
    std::vector<int> ids;
    for (int row = 0; row < rows_->rowCount(); ++row)
        if (dxTreeList_->selectionModel()->isRowSelected(row, {}))
            ids.push_back(rows_->item(row, colID)->data(Qt::UserRole).toInt());
    return ids;
}

void TfrmDlgMultiFolderDesignsCopy::showEvent(QShowEvent* event) {
    setWindowTitle("Copy Design: " + headerText_);
    QDialog::showEvent(event);
    ui::CentreOnScreen(this);
}

void TfrmDlgMultiFolderDesignsCopy::btnOKClick() {
    const QModelIndex focused = dxTreeList_->currentIndex();
    focusedId_ = focused.isValid() ? rows_->item(focused.row(), colID)->data(Qt::UserRole).toInt() : -1;
    accept();
}

}  // namespace quill
