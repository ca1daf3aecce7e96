#include "designer/LabelDesigner.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "designer/CanvasView.h"
#include "designer/DesignProblems.h"
#include "designer/EditOperations.h"
#include "designer/PageSettingsDialog.h"
#include "designer/PrinterChooser.h"
#include "designer/PropertyPanel.h"
#include "designer/StockCatalogue.h"
#include "designer/VariablesPane.h"
#include "labelrender/LabelJob.h"
#include "labelrender/WindowHooks.h"

namespace quill::designer {

using namespace labelrender;

namespace {
constexpr int kCheckPauseMs = 250;   // the print check waits for a pause in typing and dragging
}

TfrmLabelDesigner::TfrmLabelDesigner(LabelJob& job, const std::string& designPath, const QString& title,
                                     QWidget* parent)
    : TfrmBase(parent), title_(title) {
    setWindowTitle(title);
    setSizeGripEnabled(true);
    document_.SetVariables(job.DefinedVariables());
    document_.Open(designPath);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    canvasView_ = new CanvasView(document_, this);
    BuildActions(job.DesignerProhibitedActions());
    BuildMenusAndToolbar(layout);

    variables_ = new TVariablesPane(this);
    variables_->SetVariables(job.DefinedVariables());
    connect(variables_, &TVariablesPane::VariableActivated, this, [this](const DraggedVariable& v) {
        // Enter or a double-click places the variable at the label's corner
        document_.AddObjects({ObjectForVariable(v.name.toStdString(), v.type, Length::mm(1), Length::mm(1))},
                             tr("Add %1").arg(v.name));
    });

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(variables_);
    splitter->addWidget(canvasView_);
    splitter->addWidget(BuildSidePanel());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 0);
    splitter->setSizes({300, 700, 340});
    layout->addWidget(splitter, 1);

    auto* status = new QStatusBar(this);
    zoomLabel_ = new QLabel(status);
    positionLabel_ = new QLabel(status);
    status->addWidget(positionLabel_, 1);
    status->addPermanentWidget(zoomLabel_);
    layout->addWidget(status);

    DesignCanvas& canvas = canvasView_->canvas();
    connect(&canvas, &DesignCanvas::zoomChanged, this,
            [this](double zoom) { zoomLabel_->setText(tr("Zoom %1 %").arg(qRound(zoom * 100))); });
    connect(&canvas, &DesignCanvas::cursorMoved, this, [this](QPointF um) {
        positionLabel_->setText(tr("x %1 mm   y %2 mm").arg(um.x() / 1000, 0, 'f', 1).arg(um.y() / 1000, 0, 'f', 1));
    });
    zoomLabel_->setText(tr("Zoom %1 %").arg(qRound(canvas.zoom() * 100)));

    checkTimer_ = new QTimer(this);
    checkTimer_->setSingleShot(true);
    checkTimer_->setInterval(kCheckPauseMs);
    connect(checkTimer_, &QTimer::timeout, this, &TfrmLabelDesigner::CheckNow);
    connect(&document_, &DesignDocument::changed, this, [this] {
        checkTimer_->start();
        UpdateActions();
        UpdateTitle();
        if (!description_->hasFocus())
            description_->setText(QString::fromStdString(document_.design().description));
    });
    connect(&document_, &DesignDocument::selectionChanged, this, &TfrmLabelDesigner::UpdateActions);
    connect(&document_.undoStack(), &QUndoStack::cleanChanged, this, &TfrmLabelDesigner::UpdateTitle);
    // the stack counts a step only after the edit ran
    connect(&document_.undoStack(), &QUndoStack::indexChanged, this, [this] {
        UpdateActions();
        UpdateTitle();
    });

    printer_->Load(PrinterSettingsFileFor(QString::fromStdString(document_.Folder()), QString::fromStdString(designPath)));
    PrinterChanged();
    description_->setText(QString::fromStdString(document_.design().description));
    UpdateActions();
    UpdateTitle();
    CheckNow();
    resize(1280, 760);
}

TfrmLabelDesigner::~TfrmLabelDesigner() {
    // the stack outlives the members its signals reach
    document_.undoStack().disconnect(this);
    document_.disconnect(this);
}

void TfrmLabelDesigner::BuildActions(const std::vector<int>& prohibited) {
    for (int id : prohibited)
        if (id >= 0) prohibited_.insert(static_cast<CommandId>(id));
    for (const DesignerCommand& command : DesignerCommands()) {
        auto* action = new QAction(QString::fromUtf8(command.text), this);
        if (command.icon >= 0) action->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(command.icon)));
        if (*command.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
        action->setCheckable(command.checkable);
        const bool canvasOnly = command.id >= CommandId::NudgeLeft && command.id <= CommandId::NudgeDownFar;
        // arrow keys nudge only while the canvas has the focus, so fields keep their cursor keys
        action->setShortcutContext(canvasOnly ? Qt::WidgetWithChildrenShortcut : Qt::WindowShortcut);
        (canvasOnly ? static_cast<QWidget*>(canvasView_) : static_cast<QWidget*>(this))->addAction(action);
        const CommandId id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        actions_[id] = action;
    }
    actions_[CommandId::ShowGrid]->setChecked(true);
    actions_[CommandId::SnapToGrid]->setChecked(true);
}

void TfrmLabelDesigner::BuildMenusAndToolbar(QVBoxLayout* layout) {
    auto* bar = new QMenuBar(this);
    std::map<QString, QMenu*> menus;
    auto* toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->setIconSize(QSize(16, 16));
    QString lastMenu;
    for (const DesignerCommand& command : DesignerCommands()) {
        const QString menu = QString::fromUtf8(command.menu);
        if (!menus.count(menu)) menus[menu] = bar->addMenu(menu);
        menus[menu]->addAction(actions_[command.id]);
        if (command.toolbar) {
            if (!lastMenu.isEmpty() && lastMenu != menu) toolbar->addSeparator();
            toolbar->addAction(actions_[command.id]);
            lastMenu = menu;
        }
    }
    toolbar->addSeparator();
    toolbar->addWidget(new QLabel(tr(" Grid "), toolbar));
    gridSize_ = new QDoubleSpinBox(toolbar);
    gridSize_->setRange(0.1, 50);
    gridSize_->setDecimals(1);
    gridSize_->setSingleStep(0.5);
    gridSize_->setValue(1.0);
    gridSize_->setSuffix(tr(" mm"));
    toolbar->addWidget(gridSize_);
    connect(gridSize_, &QDoubleSpinBox::valueChanged, this, [this](double mm) {
        canvasView_->canvas().SetGrid(mm, actions_[CommandId::ShowGrid]->isChecked(),
                                      actions_[CommandId::SnapToGrid]->isChecked());
    });
    layout->setMenuBar(bar);
    layout->addWidget(toolbar);
}

QWidget* TfrmLabelDesigner::BuildSidePanel() {
    auto* side = new QSplitter(Qt::Vertical, this);

    auto* propertiesBox = new QGroupBox(tr("Properties"), side);
    auto* propertiesLayout = new QVBoxLayout(propertiesBox);
    propertiesLayout->setContentsMargins(4, 4, 4, 4);
    auto* scroll = new QScrollArea(propertiesBox);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    properties_ = new PropertyPanel(document_, scroll);
    scroll->setWidget(properties_);
    propertiesLayout->addWidget(scroll);

    auto* designBox = new QGroupBox(tr("Design and printer"), side);
    auto* designLayout = new QFormLayout(designBox);
    description_ = new QLineEdit(designBox);
    description_->setPlaceholderText(tr("What the label is for"));
    connect(description_, &QLineEdit::textEdited, this,
            [this](const QString& text) { document_.EditDescription(text.toStdString()); });
    designLayout->addRow(tr("Description"), description_);
    printer_ = new TPrinterChooser(designBox);
    designLayout->addRow(printer_);
    connect(printer_, &TPrinterChooser::PrinterChanged, this, &TfrmLabelDesigner::PrinterChanged);

    auto* notesBox = new QGroupBox(tr("Print check"), side);
    auto* notesLayout = new QVBoxLayout(notesBox);
    notesLayout->setContentsMargins(4, 4, 4, 4);
    notesModel_ = new DesignNotesModel(this);
    notesView_ = new QTableView(notesBox);
    notesView_->setModel(notesModel_);
    notesView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    notesView_->setWordWrap(true);
    notesView_->verticalHeader()->hide();
    notesView_->horizontalHeader()->setStretchLastSection(true);
    notesView_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    notesLayout->addWidget(notesView_);
    // a click on a note selects its object
    connect(notesView_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        const std::string& object = notesModel_->notes()[index.row()].object;
        const auto& objects = document_.objects();
        for (int i = 0; i < static_cast<int>(objects.size()); ++i)
            if (objects[i].name == object) document_.Select({i});
    });

    side->addWidget(propertiesBox);
    side->addWidget(designBox);
    side->addWidget(notesBox);
    side->setStretchFactor(0, 3);
    side->setStretchFactor(2, 2);
    return side;
}

void TfrmLabelDesigner::CheckNow() {
    checkTimer_->stop();
    std::vector<DesignNote> notes = CollectNotes(document_, printer_->DotsPerInch());
    std::set<std::string> marked;
    for (const DesignNote& note : notes)
        if (note.kind == DesignNote::Kind::Problem && !note.object.empty()) marked.insert(note.object);
    canvasView_->canvas().SetProblemObjects(std::move(marked));
    notesModel_->SetNotes(std::move(notes));
    notesView_->resizeColumnToContents(0);
}

void TfrmLabelDesigner::PrinterChanged() {
    canvasView_->canvas().SetPrinterDpi(printer_->DotsPerInch());
    CheckNow();
}

void TfrmLabelDesigner::UpdateTitle() {
    QString title = title_ + " - " + QString::fromStdString(document_.Path());
    if (document_.IsReadOnly()) title += tr(" (read-only)");
    if (document_.IsModified()) title += " *";
    setWindowTitle(title);
}

void TfrmLabelDesigner::UpdateActions() {
    const bool editable = !document_.IsReadOnly();
    const bool any = !document_.selection().empty();
    const bool several = document_.selection().size() > 1;
    const auto enable = [&](CommandId id, bool on) { actions_[id]->setEnabled(on && !prohibited_.count(id)); };
    for (const auto& [id, action] : actions_) enable(id, true);
    enable(CommandId::Save, editable);
    enable(CommandId::Undo, editable && document_.undoStack().canUndo());
    enable(CommandId::Redo, editable && document_.undoStack().canRedo());
    actions_[CommandId::Undo]->setText(tr("&Undo %1").arg(document_.undoStack().undoText()));
    actions_[CommandId::Redo]->setText(tr("&Redo %1").arg(document_.undoStack().redoText()));
    for (CommandId id : {CommandId::Cut, CommandId::Delete, CommandId::Duplicate, CommandId::Rotate,
                         CommandId::BringToFront, CommandId::BringForward, CommandId::SendBackward,
                         CommandId::SendToBack, CommandId::AlignLeft, CommandId::AlignHCentre, CommandId::AlignRight,
                         CommandId::AlignTop, CommandId::AlignVCentre, CommandId::AlignBottom,
                         CommandId::CentreHorizontally, CommandId::CentreVertically, CommandId::Lock,
                         CommandId::NudgeLeft, CommandId::NudgeRight, CommandId::NudgeUp, CommandId::NudgeDown,
                         CommandId::NudgeLeftFar, CommandId::NudgeRightFar, CommandId::NudgeUpFar,
                         CommandId::NudgeDownFar, CommandId::Ungroup})
        enable(id, editable && any);
    enable(CommandId::Copy, any);
    enable(CommandId::Group, editable && several);
    enable(CommandId::DistributeHorizontally, editable && document_.selection().size() > 2);
    enable(CommandId::DistributeVertically, editable && document_.selection().size() > 2);
    for (CommandId id : {CommandId::Paste, CommandId::PageSetup, CommandId::InsertText, CommandId::InsertBarcode,
                         CommandId::InsertDataMatrix, CommandId::InsertQRCode, CommandId::InsertImage,
                         CommandId::InsertLine, CommandId::InsertRectangle, CommandId::InsertEllipse})
        enable(id, editable);
    bool allLocked = any;
    for (int i : document_.selection()) allLocked = allLocked && document_.objects()[i].locked;
    actions_[CommandId::Lock]->setChecked(allLocked);
}

void TfrmLabelDesigner::Arrange(const QString& text,
                                const std::function<std::vector<DesignObject>(std::vector<DesignObject>)>& how) {
    const std::vector<int>& selection = document_.selection();
    std::vector<DesignObject> objects;
    for (int i : selection) objects.push_back(document_.objects()[i]);
    document_.ReplaceObjects(selection, how(std::move(objects)), text, static_cast<int>(MergeKey::None));
}

void TfrmLabelDesigner::Nudge(int dxUm, int dyUm) {
    std::vector<int> movable;
    for (int i : document_.selection())
        if (!document_.objects()[i].locked) movable.push_back(i);
    std::vector<DesignObject> objects;
    for (int i : movable) objects.push_back(document_.objects()[i]);
    document_.ReplaceObjects(movable, Moved(std::move(objects), Length::um(dxUm), Length::um(dyUm)), tr("Nudge"),
                             static_cast<int>(MergeKey::None));
}

void TfrmLabelDesigner::Insert(const std::string& type) {
    const PageGeometry& g = document_.design().geometry;
    auto object = NewObject(type, Length::mm(1), Length::mm(1));
    if (!object) return;
    // a new object starts centred on the label, where it is easy to see
    object->x = Length::um((g.labelWidth.um() - object->width.um()) / 2);
    object->y = Length::um((g.labelHeight.um() - object->height.um()) / 2);
    document_.AddObjects({*object}, tr("Insert %1").arg(QString::fromStdString(type)));
    if (type == "Image") QTimer::singleShot(0, properties_, [this] {
        if (auto* field = properties_->Field(tr("Image file"))) field->setFocus();
    });
}

void TfrmLabelDesigner::CopySelection() {
    std::vector<DesignObject> objects;
    for (int i : document_.selection()) objects.push_back(document_.objects()[i]);
    if (objects.empty()) return;
    auto* data = new QMimeData;
    const QByteArray bytes = ObjectsToBytes(objects);
    data->setData(kObjectsMimeType, bytes);
    data->setText(QString::fromUtf8(bytes));
    QApplication::clipboard()->setMimeData(data);
}

void TfrmLabelDesigner::Paste() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return;
    std::vector<DesignObject> objects;
    if (data->hasFormat(kObjectsMimeType))
        objects = ObjectsFromBytes(data->data(kObjectsMimeType));
    else if (data->hasText() && data->text().contains("[Object"))
        objects = ObjectsFromBytes(data->text().toUtf8());
    if (objects.empty()) return;
    // pasted into the design it came from, it lands beside the original
    bool sameDesign = false;
    for (const DesignObject& o : objects)
        for (const DesignObject& mine : document_.objects())
            if (o.x == mine.x && o.y == mine.y && o.kind.index() == mine.kind.index()) sameDesign = true;
    if (sameDesign) objects = Moved(std::move(objects), Length::mm(1), Length::mm(1));
    for (DesignObject& o : objects) o.group = 0;
    document_.AddObjects(std::move(objects), tr("Paste"));
}

void TfrmLabelDesigner::EditPage() {
    if (!catalogue_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        catalogue_ = std::make_unique<StockCatalogue>();
        catalogue_->Load(StockCatalogue::DefaultTemplatesFolder(), StockCatalogue::DefaultSiteStocksFile());
        QApplication::restoreOverrideCursor();
    }
    PageGeometry geometry = document_.design().geometry;
    if (TfrmPageSettings::Edit(*catalogue_, geometry, this)) document_.EditGeometry(geometry, tr("Page and stock"));
}

void TfrmLabelDesigner::Run(CommandId id) {
    if (prohibited_.count(id)) return;
    const PageGeometry& g = document_.design().geometry;
    DesignCanvas& canvas = canvasView_->canvas();
    const std::vector<int> selection = document_.selection();
    using C = CommandId;
    switch (id) {
        case C::Save: SaveDesign(); break;
        case C::PageSetup: EditPage(); break;
        case C::Printer: printer_->PrinterBox()->setFocus(); printer_->PrinterBox()->showPopup(); break;
        case C::Close: close(); break;
        case C::Undo: document_.EndGesture(); document_.undoStack().undo(); break;
        case C::Redo: document_.undoStack().redo(); break;
        case C::Cut: CopySelection(); document_.RemoveObjects(selection, tr("Cut")); break;
        case C::Copy: CopySelection(); break;
        case C::Paste: Paste(); break;
        case C::Duplicate: {
            std::vector<DesignObject> copies;
            for (int i : selection) copies.push_back(document_.objects()[i]);
            for (DesignObject& o : copies) o.group = 0;
            document_.AddObjects(Moved(std::move(copies), Length::mm(1), Length::mm(1)), tr("Duplicate"));
            break;
        }
        case C::Delete: document_.RemoveObjects(selection, tr("Delete")); break;
        case C::SelectAll: {
            std::vector<int> all(document_.objects().size());
            for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
            document_.Select(all);
            break;
        }
        case C::InsertText: Insert("Text"); break;
        case C::InsertBarcode: Insert("Barcode"); break;
        case C::InsertDataMatrix: Insert("DataMatrix"); break;
        case C::InsertQRCode: Insert("QRCode"); break;
        case C::InsertImage: Insert("Image"); break;
        case C::InsertLine: Insert("Line"); break;
        case C::InsertRectangle: Insert("Rectangle"); break;
        case C::InsertEllipse: Insert("Ellipse"); break;
        case C::Rotate: Arrange(tr("Rotate"), Rotated); break;
        case C::BringToFront:
        case C::BringForward:
        case C::SendBackward:
        case C::SendToBack: {
            const ZMove move = id == C::BringToFront ? ZMove::ToFront
                               : id == C::BringForward ? ZMove::Forward
                               : id == C::SendBackward ? ZMove::Backward
                                                       : ZMove::ToBack;
            document_.Reorder(ZOrder(static_cast<int>(document_.objects().size()), selection, move),
                              actions_[id]->text().remove('&'));
            break;
        }
        case C::AlignLeft:
        case C::AlignHCentre:
        case C::AlignRight:
        case C::AlignTop:
        case C::AlignVCentre:
        case C::AlignBottom: {
            const Alignment a = id == C::AlignLeft      ? Alignment::Left
                                : id == C::AlignHCentre ? Alignment::HCentre
                                : id == C::AlignRight   ? Alignment::Right
                                : id == C::AlignTop     ? Alignment::Top
                                : id == C::AlignVCentre ? Alignment::VCentre
                                                        : Alignment::Bottom;
            Arrange(actions_[id]->text().remove('&'),
                    [&](std::vector<DesignObject> o) { return Align(std::move(o), a, g.labelWidth, g.labelHeight); });
            break;
        }
        case C::DistributeHorizontally:
        case C::DistributeVertically:
            Arrange(actions_[id]->text().remove('&'), [&](std::vector<DesignObject> o) {
                return Distribute(std::move(o), id == C::DistributeHorizontally);
            });
            break;
        case C::CentreHorizontally:
        case C::CentreVertically:
            Arrange(actions_[id]->text().remove('&'), [&](std::vector<DesignObject> o) {
                return CentreOnLabel(std::move(o), id == C::CentreHorizontally, g.labelWidth, g.labelHeight);
            });
            break;
        case C::Group: {
            int next = 0;
            for (const DesignObject& o : document_.objects()) next = std::max(next, o.group);
            document_.EditObjects(selection, tr("Group"), -1, [next](DesignObject& o) { o.group = next + 1; });
            break;
        }
        case C::Ungroup: document_.EditObjects(selection, tr("Ungroup"), -1, [](DesignObject& o) { o.group = 0; }); break;
        case C::Lock: {
            const bool lock = actions_[C::Lock]->isChecked();
            document_.EditObjects(selection, lock ? tr("Lock") : tr("Unlock"), -1,
                                  [lock](DesignObject& o) { o.locked = lock; });
            break;
        }
        case C::NudgeLeft: Nudge(-100, 0); break;
        case C::NudgeRight: Nudge(100, 0); break;
        case C::NudgeUp: Nudge(0, -100); break;
        case C::NudgeDown: Nudge(0, 100); break;
        case C::NudgeLeftFar: Nudge(-1000, 0); break;
        case C::NudgeRightFar: Nudge(1000, 0); break;
        case C::NudgeUpFar: Nudge(0, -1000); break;
        case C::NudgeDownFar: Nudge(0, 1000); break;
        case C::ZoomIn: canvasView_->ZoomBy(1); break;
        case C::ZoomOut: canvasView_->ZoomBy(-1); break;
        case C::ZoomFitLabel: canvasView_->FitLabel(); break;
        case C::ZoomFitPage: canvasView_->FitPage(); actions_[C::PageView]->setChecked(true); break;
        case C::ZoomActual: canvasView_->ActualSize(); break;
        case C::ShowGrid:
        case C::SnapToGrid:
            canvas.SetGrid(gridSize_->value(), actions_[C::ShowGrid]->isChecked(), actions_[C::SnapToGrid]->isChecked());
            break;
        case C::ShowVariableNames: canvas.SetShowVariableNames(actions_[C::ShowVariableNames]->isChecked()); break;
        case C::PageView: canvas.SetPageView(actions_[C::PageView]->isChecked()); break;
    }
}

bool TfrmLabelDesigner::SaveDesign() {
    if (document_.IsReadOnly()) return false;
    CheckNow();
    if (notesModel_->ProblemCount() > 0) {
        const auto answer = QMessageBox::question(
            this, title_,
            tr("The print check found %n problem(s) in this design (listed beside the label).\rSave it anyway?", "",
               notesModel_->ProblemCount())
                .replace('\r', '\n'));
        if (answer != QMessageBox::Yes) return false;
    }
    // the printer first: a new design's printer goes to default.lbp, which is looked for before the design exists
    const QString folder = QString::fromStdString(document_.Folder());
    const QString path = QString::fromStdString(document_.Path());
    if (!printer_->Save(PrinterSettingsFileFor(folder, path))) {
        QMessageBox::critical(this, title_, tr("The printer settings beside the design could not be written."));
        return false;
    }
    QString error;
    if (!document_.Save(error)) {
        QMessageBox::critical(this, title_, error);
        return false;
    }
    UpdateTitle();
    return true;
}

bool TfrmLabelDesigner::MayClose() {
    if (!document_.IsModified() || document_.IsReadOnly()) return true;
    const auto answer = QMessageBox::question(this, title_, tr("You've changed something! Save changes?"),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) return true;
    return SaveDesign();
}

void TfrmLabelDesigner::closeEvent(QCloseEvent* event) {
    if (closing_ || MayClose()) {
        closing_ = true;
        TfrmBase::closeEvent(event);
        return;
    }
    event->ignore();
}

void TfrmLabelDesigner::reject() {
    // Escape, the window's close button and Close Designer all ask first
    if (closing_ || MayClose()) {
        closing_ = true;
        TfrmBase::reject();
    }
}

void TfrmLabelDesigner::showEvent(QShowEvent* event) {
    TfrmBase::showEvent(event);
    if (!toldReadOnly_ && document_.IsReadOnly()) {
        toldReadOnly_ = true;
        QTimer::singleShot(0, this, [this] {
            const int version = document_.design().formatVersion;
            QMessageBox::information(
                this, title_,
                version > kDesignFormatVersion
                    ? tr("This design was written by a newer program (design format version %1; this designer "
                         "knows up to %2).\nIt is opened read-only, so that nothing of it is lost.")
                          .arg(version)
                          .arg(kDesignFormatVersion)
                    : tr("This file is not a design this designer can read:\n%1\nIt is opened read-only.")
                          .arg(QString::fromStdString(document_.LoadProblems().empty() ? std::string()
                                                                                       : document_.LoadProblems().front())));
        });
    }
    QTimer::singleShot(0, this, [this] { canvasView_->FitLabel(); });
}

void InstallLabelDesigner() {
    InstallDesignerWindow([](LabelJob& job, void* parentWindow, const std::string& title, const std::string& path) {
        TfrmLabelDesigner window(job, path, QString::fromStdString(title), static_cast<QWidget*>(parentWindow));
        window.exec();
        return 0;
    });
}

}  // namespace quill::designer
