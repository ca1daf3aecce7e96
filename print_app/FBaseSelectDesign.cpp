#include "print_app/FBaseSelectDesign.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <exception>
#include <optional>
#include <typeinfo>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"
#include "print_app/DesignCommands.h"
#include "print_app/DesignDescriptions.h"
#include "print_app/DesignFiles.h"
#include "print_app/FDlgDesignName.h"
#include "print_app/FDlgMultiFolderDesignsCopy.h"
#include "print_app/PrintMessages.h"
#include "ui/BaseSideMenu.h"
#include "ui/Help.h"
#include "ui/WaitCursor.h"

namespace quill {

namespace {

constexpr const char* RedDesignsText =
    "Please check designs which are shown in red!\nUse option 'Modify Label' to check the design.\n"
    "Be sure you save it afterwards, even if the design\nlooked alright.";

QString Quoted(const std::string& fileName) { return " (" + TDesignListModel::Text(fileName) + ") ?"; }

bool SameFile(const std::string& folderA, const std::string& nameA, const std::string& folderB,
              const std::string& nameB) {
    return AddBackslash(folderA) == AddBackslash(folderB) &&
           TDesignListModel::Text(nameA).compare(TDesignListModel::Text(nameB), Qt::CaseInsensitive) == 0;
}

}  // namespace

// Knows the description editor while it is open, so that saving can take
// what is typed there before the user has left the cell.
class TDescriptionDelegate : public QStyledItemDelegate {
public:
    // `typed` runs at every change typed into the editor.
    TDescriptionDelegate(QObject* parent, std::function<void()> typed)
        : QStyledItemDelegate(parent), typed_(std::move(typed)) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        editor_ = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor_.data())) connect(line, &QLineEdit::textEdited, this, typed_);
        return editor_;
    }
    void CommitOpenEditor() {
        auto* line = qobject_cast<QLineEdit*>(editor_.data());
        if (line && !line->text().isEmpty()) emit commitData(line);
    }

private:
    std::function<void()> typed_;
    mutable QPointer<QWidget> editor_;
};

TfrmBaseSelectDesign::TfrmBaseSelectDesign(TMode mode, const QString& caption, int helpContext, int toolbarFilter,
                                           ui::TfrmBaseSideMenu* host)
    : mode_(mode), toolbarFilter_(toolbarFilter), host_(host), grid_(new QTreeView(this)),
      delegate_(new TDescriptionDelegate(grid_, [this] { descriptionsEdited_ = true; })), sketch_(new QLabel(this)), description_(new QPlainTextEdit(this)) {
    setWindowTitle(caption);
    if (helpContext > 0) ui::SetHelpContext(this, helpContext);
    model_.SetTreeImages(style()->standardIcon(QStyle::SP_DirClosedIcon), style()->standardIcon(QStyle::SP_DirOpenIcon),
                         style()->standardIcon(QStyle::SP_FileIcon));
    grid_->setModel(&model_);
    grid_->setItemDelegate(delegate_);
    grid_->setUniformRowHeights(true);
    grid_->setAlternatingRowColors(true);
    QPalette colours = grid_->palette();
    colours.setColor(QPalette::AlternateBase, colours.color(QPalette::ToolTipBase));
    grid_->setPalette(colours);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::SelectedClicked);
    grid_->setTreePosition(int(TDesignColumn::Design));
    // the three columns share the width exactly
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->header()->setStretchLastSection(false);
    HideColumns();
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
    connect(grid_, &QTreeView::expanded, this, [this](const QModelIndex& index) { model_.SetExpanded(index, true); });
    connect(grid_, &QTreeView::collapsed, this, [this](const QModelIndex& index) { model_.SetExpanded(index, false); });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { CurrentRowChanged(index); });
    connect(&model_, &TDesignListModel::descriptionEdited, this, [this] { descriptionsEdited_ = true; });

    sketch_->setFixedSize(SketchHeight, SketchHeight);
    sketch_->setAlignment(Qt::AlignCenter);
    sketch_->setFrameShape(QFrame::StyledPanel);
    sketch_->setVisible(!IsDirectMode(mode_));
    description_->setReadOnly(true);
    description_->setFixedWidth(SketchHeight);
    auto* side = new QVBoxLayout;
    side->addWidget(sketch_);
    side->addWidget(description_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(grid_, 1);
    layout->addLayout(side);

    current_.DesignFolder = AddBackslash(Mode(mode_).DesignLocation);
    currentLabelFolder_ = AddBackslash(Mode(mode_).FileLocation);
}

TfrmBaseSelectDesign::~TfrmBaseSelectDesign() = default;

int TfrmBaseSelectDesign::DesignsFillList(bool warn) {
    filling_ = true;
    const TFillResult result = quill::DesignsFillList(model_, mode_, current_);
    filling_ = false;
    if (Mode(mode_).Locations.empty()) {
        current_.DesignFolder = AddBackslash(Mode(mode_).DesignLocation);
        currentLabelFolder_ = AddBackslash(Mode(mode_).FileLocation);
    }
    HideColumns();
    grid_->expandAll();
    Focus(result.Focus);
    hasDesigns_ = model_.rowCount() > 0;
    grid_->setFocus();
    if (warn && result.AnyMissingPrinterSettings) WarnOfRedDesigns();
    return result.Designs;
}

void TfrmBaseSelectDesign::HideColumns() {
    for (int column = 0; column < DesignColumnCount; ++column) {
        const auto kind = TDesignColumn(column);
        grid_->setColumnHidden(column, kind != TDesignColumn::Design && kind != TDesignColumn::Description &&
                                           kind != TDesignColumn::Date);
    }
}

void TfrmBaseSelectDesign::WarnOfRedDesigns() {
    // Once the window showing the list is on the screen and the main window
    // has made it current: a fill runs while it is being shown.
    QTimer::singleShot(0, this, [this] { ShowErrorMessage(this, RedDesignsText); });
}

void TfrmBaseSelectDesign::SetCurrentDesignName(const std::string& name) {
    current_.Name = name;
    const QModelIndex row = model_.FindFirst([&](const TDesignRow& r) {
        return SameFile(r.DesignLocation, r.Design, current_.DesignFolder, name);
    });
    if (row.isValid()) Focus(row);
}

bool TfrmBaseSelectDesign::HasFocusedDesign() const {
    return const_cast<TfrmBaseSelectDesign*>(this)->FocusedDesign() != nullptr;
}

TDesignRow* TfrmBaseSelectDesign::FocusedDesign() {
    TDesignRow* row = model_.Row(grid_->currentIndex().siblingAtColumn(0));
    return row && !row->IsFolder ? row : nullptr;
}

void TfrmBaseSelectDesign::Focus(const QModelIndex& index) {
    const QModelIndex row = index.siblingAtColumn(int(TDesignColumn::Design));
    grid_->setCurrentIndex(row);
    if (row.isValid()) grid_->scrollTo(row);
    CurrentRowChanged(row);
}

void TfrmBaseSelectDesign::CurrentRowChanged(const QModelIndex& index) {
    if (filling_) return;
    const TDesignRow* row = model_.Row(index.siblingAtColumn(0));
    sketch_->clear();
    description_->clear();
    if (!row) return;
    current_.DesignFolder = row->DesignLocation;
    currentLabelFolder_ = row->LabelLocation;
    if (row->IsFolder) {
        current_.Name.clear();
        currentRow_ = QPersistentModelIndex();
        return;
    }
    current_.Name = row->Design;
    currentRow_ = index.siblingAtColumn(0);
    description_->setPlainText(TDesignListModel::Text(row->Description));
    if (!row->Sketch.IsNull())
        sketch_->setPixmap(QPixmap::fromImage(row->Sketch.Image().scaled(sketch_->contentsRect().size(), Qt::KeepAspectRatio,
                                                                 Qt::SmoothTransformation)));
}

void TfrmBaseSelectDesign::SaveDescriptions(bool clear) {
    if (!descriptionsEdited_) return;
    delegate_->CommitOpenEditor();
    if (clear) descriptionsEdited_ = false;
    model_.ForEachDesign([&](const QModelIndex& index, TDesignRow& row) {
        if (!row.Dirty) return;
        const std::string path = platform::FindCaseInsensitive(row.DesignLocation, row.Design);
        if (ReadLabelDescription(path) != row.Description) WriteLabelDescription(path, row.Description);
        if (clear) {
            row.Dirty = false;
            model_.RowChanged(index);
        }
    });
}

void TfrmBaseSelectDesign::BeforeDesigner() {
    if (TDesignRow* row = FocusedDesign()) {
        row->Dirty = true;
        descriptionsEdited_ = true;
    }
    SaveDescriptions(false);
}

void TfrmBaseSelectDesign::AfterDesigner() { SaveDescriptions(true); }

void TfrmBaseSelectDesign::GoFirstEvent() { Focus(model_.index(0, 0)); }

void TfrmBaseSelectDesign::GoPreviousEvent() {
    const QModelIndex above = grid_->indexAbove(grid_->currentIndex());
    if (above.isValid()) Focus(above);
}

void TfrmBaseSelectDesign::GoNextEvent() {
    const QModelIndex below = grid_->indexBelow(grid_->currentIndex());
    if (below.isValid()) Focus(below);
}

void TfrmBaseSelectDesign::GoLastEvent() { Focus(model_.index(model_.rowCount() - 1, 0)); }

void TfrmBaseSelectDesign::RunLogged(const char* routine, const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        LogException("FBaseSelectDesign", routine, typeid(e).name(), e.what());
    }
}

void TfrmBaseSelectDesign::FileListDelete() {
    RunLogged("FileListDelete", [this] {
        const TDesignRow* row = FocusedDesign();
        if (!row) return;
        const QModelIndex index = grid_->currentIndex().siblingAtColumn(0);
        const std::string folder = row->DesignLocation, name = row->Design;
        if (!AskOkCancel(this, "Warning!", "Delete selected design" + Quoted(name))) return;
        QPersistentModelIndex before = model_.RowBefore(index);
        grid_->setUpdatesEnabled(false);
        if (DeleteDesignFiles(folder, name))
            model_.RemoveRow(index);
        else
            ShowErrorMessage(this, "Error during delete of design: " + TDesignListModel::Text(name));
        Focus(before.isValid() ? QModelIndex(before) : model_.index(0, 0));
        grid_->setUpdatesEnabled(true);
        hasDesigns_ = model_.rowCount() > 0;
    });
}

void TfrmBaseSelectDesign::FileListDeletePrinterSettings() {
    RunLogged("FileListDeletePrinterSettings", [this] {
        const TDesignRow* row = FocusedDesign();
        if (!row) return;
        const std::string folder = row->DesignLocation, name = row->Design;
        if (!AskOkCancel(this, "Warning!",
                         "Delete printer settings of selected design" + Quoted(name) + "\n\nAFTERWARDS:\n" +
                             RedDesignsText))
            return;
        if (!DeletePrinterSettingsFile(folder, name))
            ShowErrorMessage(this, "Error during delete of printer settings: " + TDesignListModel::Text(name));
        DesignsFillList(false);
    });
}

void TfrmBaseSelectDesign::FileListRename() {
    RunLogged("FileListRename", [this] {
        const TDesignRow* row = FocusedDesign();
        if (!row) return;
        const QModelIndex index = grid_->currentIndex().siblingAtColumn(0);
        const std::string folder = row->DesignLocation, oldName = row->Design;
        QString typed = TDesignListModel::Text(oldName);
        TDesignNameCheck check;
        for (;;) {
            if (!AskText(this, "Designname", "Please enter another name for the design", typed)) return;
            check = CheckTypedDesignName(mode_, typed.toStdString());
            if (check.Valid) break;
            ShowPlainMessage(this, QString::fromStdString(check.Message));
            typed = TDesignListModel::Text(check.Name);
        }
        if (!RenameDesignFiles(folder, oldName, check.Name)) {
            ShowErrorMessage(this, "Error during file-rename!");
            return;
        }
        TDesignRow renamed = std::move(*model_.Row(index));
        renamed.Design = check.Name;
        const QModelIndex location = index.parent();
        model_.RemoveRow(index);
        Focus(model_.AddRow(location, std::move(renamed)));
    });
}

void TfrmBaseSelectDesign::FileListCopy() {
    const QModelIndex source = grid_->currentIndex().siblingAtColumn(0);
    if (!FocusedDesign()) return;
    if (Mode(mode_).Locations.empty())
        CopyWithinFolder(source);
    else
        CopyToLocations(source);
}

void TfrmBaseSelectDesign::CopyWithinFolder(const QModelIndex& source) {
    const TDesignRow& row = *model_.Row(source);
    const std::string folder = row.DesignLocation;
    const auto name = AskDesignCopyName(this, mode_, row.Design, true, false, 1, folder, folder);
    if (name) CopyDesignFile(source, {}, folder, name->Name, name->OverwritePrinterSettings);
}

void TfrmBaseSelectDesign::CopyToLocations(const QModelIndex& sourceIndex) {
    const QPersistentModelIndex source = sourceIndex;
    const QPersistentModelIndex sourceLocation = sourceIndex.parent();
    const TDesignRow& row = *model_.Row(source);
    const std::string sourceFolder = row.DesignLocation, sourceName = row.Design;
    const TDesignRow* locationRow = model_.Row(sourceLocation);

    TfrmDlgMultiFolderDesignsCopy dialog(this);
    dialog.Fill(model_);
    dialog.SetHeaderText((locationRow ? TDesignListModel::Text(locationRow->Design) : QString()) + " - " +
                         TDesignListModel::Text(sourceName));
    if (dialog.exec() != QDialog::Accepted) return;
    const std::vector<int> ids = dialog.SelectedIds();
    if (ids.empty()) return;

    // A location number no row carries stands for the source's own location.
    const auto destination = [&](int id) {
        QModelIndex location = model_.FindLocation(id);
        if (!location.isValid()) location = sourceLocation;
        const TDesignRow* destinationRow = model_.Row(location);
        return std::make_pair(location, destinationRow ? destinationRow->DesignLocation : sourceFolder);
    };
    const std::string onlyFolder = ids.size() == 1 ? destination(ids.front()).second : std::string();
    const auto name =
        AskDesignCopyName(this, mode_, sourceName, false, true, int(ids.size()), onlyFolder, sourceFolder);
    if (!name) return;

    std::optional<TWaitCursor> wait;
    if (ids.size() > 1) wait.emplace();
    RunLogged("CopyDesignFile", [&] {
        for (int id : ids) {
            const auto [location, folder] = destination(id);
            if (SameFile(folder, name->Name, sourceFolder, sourceName)) {
                if (ids.size() == 1) {
                    wait.reset();
                    ShowErrorMessage(this, "Cannot copy to same file in same folder!");
                    return;
                }
                continue;
            }
            if (!CopyDesignFile(source, location, folder, name->Name, name->OverwritePrinterSettings)) return;
        }
    });
}

bool TfrmBaseSelectDesign::CopyDesignFile(const QModelIndex& source, const QModelIndex& destinationLocation,
                                          const std::string& destinationFolder, const std::string& newName,
                                          bool overwrite) {
    bool copied = false;
    RunLogged("CopyDesignFile", [&] {
        const TDesignRow& from = *model_.Row(source);
        if (!CopyDesignFiles(from.DesignLocation, from.Design, destinationFolder, newName, overwrite)) {
            ShowErrorMessage(this, "Error during file-copy!");
            return;
        }
        copied = true;
        const TDesignRow* location = model_.Row(destinationLocation);
        TDesignRow copy;
        copy.Id = location ? location->Id : 0;
        copy.Number = model_.DesignCount();
        copy.Design = newName;
        copy.Description = from.Description;
        copy.Dirty = from.Dirty;
        copy.DateNs = from.DateNs;
        copy.DesignLocation = AddBackslash(destinationFolder);
        copy.LabelLocation = location ? location->LabelLocation : from.LabelLocation;
        ReadStatusAndSketch(mode_, copy);
        const QModelIndex existing = model_.FindDesign(destinationLocation, newName);
        if (TDesignRow* reused = model_.Row(existing)) {
            copy.Number = reused->Number;
            copy.Design = reused->Design;
            *reused = std::move(copy);
            model_.RowChanged(existing);
        } else {
            model_.AddRow(destinationLocation, std::move(copy));
        }
        hasDesigns_ = true;
    });
    return copied;
}

void TfrmBaseSelectDesign::RegisterToolbar(bool on) {
    if (!host_) return;
    using ui::TToolbarAction;
    const auto slot = [this, on](void (TfrmBaseSelectDesign::*command)()) {
        return on ? std::function<void()>([this, command] { (this->*command)(); }) : std::function<void()>();
    };
    host_->SetActionHandler(TToolbarAction::First, slot(&TfrmBaseSelectDesign::GoFirstEvent));
    host_->SetActionHandler(TToolbarAction::Previous, slot(&TfrmBaseSelectDesign::GoPreviousEvent));
    host_->SetActionHandler(TToolbarAction::Next, slot(&TfrmBaseSelectDesign::GoNextEvent));
    host_->SetActionHandler(TToolbarAction::Last, slot(&TfrmBaseSelectDesign::GoLastEvent));
    host_->SetActionHandler(TToolbarAction::Delete, slot(&TfrmBaseSelectDesign::FileListDelete));
    host_->SetActionHandler(TToolbarAction::Rename, slot(&TfrmBaseSelectDesign::FileListRename));
    host_->SetActionHandler(TToolbarAction::Copy, slot(&TfrmBaseSelectDesign::FileListCopy));
    host_->SetActionHandler(TToolbarAction::DeletePrinterSettings,
                            slot(&TfrmBaseSelectDesign::FileListDeletePrinterSettings));
    if (on) host_->SetToolbarFilter(toolbarFilter_);
}

void TfrmBaseSelectDesign::SetColumnWidths() {
    const int width = grid_->viewport()->width();
    grid_->setColumnWidth(int(TDesignColumn::Design), qRound(width / 4.0));
    grid_->setColumnWidth(int(TDesignColumn::Description), qRound(width / 2.0));
    grid_->setColumnWidth(int(TDesignColumn::Date), qRound(width / 4.0));
}

void TfrmBaseSelectDesign::showEvent(QShowEvent* event) {
    ui::TfrmBase::showEvent(event);
    RegisterToolbar(true);
    SetColumnWidths();
    DesignsFillList(true);
}

void TfrmBaseSelectDesign::hideEvent(QHideEvent* event) {
    RegisterToolbar(false);
    ui::TfrmBase::hideEvent(event);
}

void TfrmBaseSelectDesign::closeEvent(QCloseEvent* event) {
    SaveDescriptions(true);
    ui::TfrmBase::closeEvent(event);
}

bool TfrmBaseSelectDesign::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {  // an open editor has the keys itself
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit enterPressed();
            return true;
        }
    }
    if (watched == grid_->viewport() && event->type() == QEvent::Resize) SetColumnWidths();
    return ui::TfrmBase::eventFilter(watched, event);
}

}  // namespace quill
