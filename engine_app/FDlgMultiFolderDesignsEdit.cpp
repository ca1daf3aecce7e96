#include "engine_app/FDlgMultiFolderDesignsEdit.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "engine_app/FolderChooser.h"

namespace quill {

namespace {

constexpr const char* MessageTitle = "Multi Design Folders";

}  // namespace

TfrmDlgMultiFolderDesignsEdit::TfrmDlgMultiFolderDesignsEdit(TMode mode, QWidget* parent)
    : ui::TfrmBase(parent), model_(mode) {
    setWindowTitle("Multi Design Folders");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenuAndToolbar(layout);

    grid_ = new QTableView(this);
    grid_->setModel(&model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->horizontalHeader()->resizeSection(TMultiFolderDesignsModel::NameColumn, 140);
    grid_->horizontalHeader()->resizeSection(TMultiFolderDesignsModel::DesignColumn, 260);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
    auto* content = new QVBoxLayout;
    content->setContentsMargins(6, 6, 6, 6);
    content->addWidget(grid_, 1);
    content->addWidget(BuildDetails());
    layout->addLayout(content, 1);

    auto* status = new QStatusBar(this);
    modePanel_ = new QLabel(ModeInfo(mode).StatusText, status);
    modifiedPanel_ = new QLabel(status);
    modifiedPanel_->setMinimumWidth(40);
    status->addWidget(modePanel_, 1);
    status->addWidget(modifiedPanel_);
    status->setSizeGripEnabled(false);
    layout->addWidget(status);

    connect(&model_, &TMultiFolderDesignsModel::modifiedChanged, this,
            [this](bool modified) { modifiedPanel_->setText(modified ? " * " : ""); });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { ShowDetails(); });
    model_.Load();
    Focus(0);
    ShowDetails();
    resize(760, 440);
}

void TfrmDlgMultiFolderDesignsEdit::BuildMenuAndToolbar(QVBoxLayout* layout) {
    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu("&File");
    save_ = file->addAction("&Save");
    save_->setShortcut(QKeySequence::Save);
    QAction* exit = file->addAction("&Exit");
    layout->setMenuBar(menuBar);

    auto* toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    add_ = toolBar->addAction("Add");
    delete_ = toolBar->addAction("Delete");
    toolBar->addAction(save_);
    save_->setIconText("Save");
    for (QAction* action : {add_, delete_, save_}) action->setToolTip(action->iconText());
    layout->addWidget(toolBar);

    connect(save_, &QAction::triggered, this, [this] { SaveClick(); });
    connect(exit, &QAction::triggered, this, &TfrmDlgMultiFolderDesignsEdit::close);
    connect(add_, &QAction::triggered, this, &TfrmDlgMultiFolderDesignsEdit::AddClick);
    connect(delete_, &QAction::triggered, this, &TfrmDlgMultiFolderDesignsEdit::DeleteClick);
}

QWidget* TfrmDlgMultiFolderDesignsEdit::BuildDetails() {
    details_ = new QGroupBox("Details", this);
    auto* grid = new QGridLayout(details_);
    grid->setColumnStretch(1, 1);
    name_ = new QLineEdit(details_);
    design_ = new QLineEdit(details_);
    file_ = new QLineEdit(details_);
    designBrowse_ = new QPushButton("...", details_);
    fileBrowse_ = new QPushButton("...", details_);
    const std::tuple<const char*, QLineEdit*, QPushButton*> rows[] = {
        {"Name", name_, nullptr}, {"Label Designs Folder", design_, designBrowse_}, {"Label Files Folder", file_, fileBrowse_}};
    int row = 0;
    for (const auto& [caption, edit, browse] : rows) {
        grid->addWidget(new QLabel(caption, details_), row, 0);
        grid->addWidget(edit, row, 1);
        if (browse) {
            edit->setReadOnly(true);
            browse->setFixedWidth(32);
            browse->setAutoDefault(false);   // Enter in the name must not browse
            browse->setToolTip("Browse for the folder");
            grid->addWidget(browse, row, 2);
        }
        ++row;
    }
    const auto takeName = [this] { model_.SetCell(FocusedRow(), TMultiFolderDesignsModel::NameColumn, name_->text()); };
    connect(name_, &QLineEdit::textEdited, this, takeName);
    connect(name_, &QLineEdit::editingFinished, this, takeName);
    connect(designBrowse_, &QPushButton::clicked, this, [this] { Browse(design_, TMultiFolderDesignsModel::DesignColumn); });
    connect(fileBrowse_, &QPushButton::clicked, this, [this] { Browse(file_, TMultiFolderDesignsModel::FileColumn); });
    return details_;
}

int TfrmDlgMultiFolderDesignsEdit::FocusedRow() const {
    const QModelIndex current = grid_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TfrmDlgMultiFolderDesignsEdit::Focus(int row) {
    if (row < 0 || row >= model_.rowCount()) return;
    grid_->selectionModel()->setCurrentIndex(model_.index(row, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TfrmDlgMultiFolderDesignsEdit::ShowDetails() {
    const int row = FocusedRow();
    name_->setText(model_.Cell(row, TMultiFolderDesignsModel::NameColumn));
    design_->setText(model_.Cell(row, TMultiFolderDesignsModel::DesignColumn));
    file_->setText(model_.Cell(row, TMultiFolderDesignsModel::FileColumn));
    details_->setEnabled(row >= 0);
    delete_->setEnabled(row >= 0);
}

void TfrmDlgMultiFolderDesignsEdit::Browse(QLineEdit* edit, int column) {
    const TMode mode = model_.ModeOf();
    const QString own = QString::fromStdString(column == TMultiFolderDesignsModel::DesignColumn ? ModeDesignFolder(mode)
                                                                                               : ModeFileFolder(mode));
    const QString chosen = ChooseFolder(this, edit->text().isEmpty() ? own : edit->text());
    if (chosen.isEmpty()) return;
    edit->setText(chosen);
    model_.SetCell(FocusedRow(), column, chosen);
}

void TfrmDlgMultiFolderDesignsEdit::AddClick() {
    Focus(model_.AddRow());
    name_->setFocus();
    name_->selectAll();
}

void TfrmDlgMultiFolderDesignsEdit::DeleteClick() {
    const int row = FocusedRow();
    if (row < 0) return;
    if (QMessageBox::question(this, MessageTitle, "Delete line?", QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    model_.DeleteRow(row);
    Focus(std::min(row, model_.rowCount() - 1));
    ShowDetails();
}

bool TfrmDlgMultiFolderDesignsEdit::SaveClick() {
    const int incomplete = model_.IncompleteRowCount();
    for (int i = 0; i < incomplete; ++i) QMessageBox::information(this, MessageTitle, IncompleteMessage);
    return incomplete == 0 && model_.Save();
}

void TfrmDlgMultiFolderDesignsEdit::reject() {
    if (model_.Modified() &&
        QMessageBox::question(this, MessageTitle, "You've changed something! Save changes?",
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes &&
        !SaveClick())
        return;   // an incomplete row: the window stays open
    ui::TfrmBase::reject();
}

}  // namespace quill
