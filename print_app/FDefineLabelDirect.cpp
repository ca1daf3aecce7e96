#include "print_app/FDefineLabelDirect.h"

#include <QAction>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/FileOps.h"
#include "print_app/FDialogSettingsDirect.h"
#include "print_app/FDlgAddPartialField.h"
#include "print_app/TextListModel.h"
#include "printing/DirectPreview.h"

namespace quill {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QTreeView* ListView(TTextListModel* model, QWidget* parent) {
    auto* view = new QTreeView(parent);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->header()->setStretchLastSection(true);
    return view;
}

// Enter belongs to the free text (it adds it), so no button takes it.
QPushButton* Button(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

void PopupMenu(QWidget* widget, const std::vector<std::pair<QString, std::function<void()>>>& entries) {
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, widget, [widget, entries](const QPoint& at) {
        QMenu menu(widget);
        for (const auto& [caption, run] : entries) QObject::connect(menu.addAction(caption), &QAction::triggered, run);
        menu.exec(widget->mapToGlobal(at));
    });
}

}  // namespace

TfrmDefineLabelDirect::TfrmDefineLabelDirect(const std::string& designFolder, const std::string& fileName, TMode mode,
                                             bool isNew, QWidget* parent)
    : TfrmBase(parent),
      model_(std::make_unique<TDirectLayoutModel>(designFolder, fileName, mode, isNew)),
      lines_(new TTextListModel("LABEL LINES", this)),
      commands_(new TTextListModel("Command", this)) {
    setWindowTitle("Quill - Define Print Layout");
    model_->Open(openProblem_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    BuildMenusAndToolbar(layout);
    auto* upper = new QSplitter(Qt::Horizontal, this);
    upper->addWidget(BuildLinesSide());
    upper->addWidget(BuildPickSide());
    upper->setSizes({620, 600});
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(upper);
    split->addWidget(BuildBytePane());
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);
    lblPrinter_ = new QLabel(this);
    layout->addWidget(lblPrinter_);

    FillCommandList();
    ShowModel();
    resize(1200, 660);
}

TfrmDefineLabelDirect::~TfrmDefineLabelDirect() = default;

void TfrmDefineLabelDirect::BuildMenusAndToolbar(QVBoxLayout* layout) {
    auto* menus = new QMenuBar(this);
    actionSave_ = new QAction("Save", this);
    actionSave_->setShortcut(QKeySequence::Save);
    actionExit_ = new QAction("Exit", this);
    actionPrinterSettings_ = new QAction("Printer Settings", this);
    actionAddLine_ = new QAction("Add", this);
    actionAddLine_->setToolTip("Add a line after the selected one");
    actionDeleteLine_ = new QAction("Delete", this);
    actionDeleteLine_->setToolTip("Delete the selected line");
    QMenu* file = menus->addMenu("File");
    file->addAction(actionSave_);
    file->addAction(actionExit_);
    menus->addMenu("Settings")->addAction(actionPrinterSettings_);
    layout->setMenuBar(menus);

    auto* toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar->addAction(actionAddLine_);
    toolbar->addAction(actionDeleteLine_);
    toolbar->addAction(actionSave_);
    layout->addWidget(toolbar);

    connect(actionSave_, &QAction::triggered, this, [this] { SaveClick(); });
    connect(actionExit_, &QAction::triggered, this, &QWidget::close);
    connect(actionPrinterSettings_, &QAction::triggered, this, &TfrmDefineLabelDirect::PrinterSettingsClick);
    connect(actionAddLine_, &QAction::triggered, this, [this] {
        model_->InsertLine();
        ShowModel();
    });
    connect(actionDeleteLine_, &QAction::triggered, this, &TfrmDefineLabelDirect::DeleteLineClick);
}

QWidget* TfrmDefineLabelDirect::BuildLinesSide() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    lstLines_ = ListView(lines_, side);
    lstLines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // long lines scroll rather than lose their end
    lstLines_->setTextElideMode(Qt::ElideNone);
    lstLines_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(lstLines_, 1);
    connect(lstLines_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& row) {
        if (showing_) return;
        model_->SelectLine(row.row());
        ShowModel();
    });

    edtCurrentLine_ = new QLineEdit(side);
    edtCurrentLine_->setReadOnly(true);
    edtCurrentLine_->setFont(lstLines_->font());
    edtCurrentLine_->installEventFilter(this);   // a double-click clears it
    btnClear_ = Button("CLR", side);
    btnBackspace_ = Button("BS", side);
    edtFreeText_ = new QLineEdit(side);
    edtFreeText_->setValidator(new QRegularExpressionValidator(QRegularExpression("[^<>]*"), edtFreeText_));
    edtFreeText_->installEventFilter(this);   // a double-click adds it
    btnAddFreeText_ = Button("Add", side);
    auto* rows = new QGridLayout;
    rows->addWidget(new QLabel("Current Line", side), 0, 0);
    rows->addWidget(edtCurrentLine_, 0, 1);
    auto* lineButtons = new QHBoxLayout;
    lineButtons->addWidget(btnClear_);
    lineButtons->addWidget(btnBackspace_);
    rows->addLayout(lineButtons, 0, 2);
    rows->addWidget(new QLabel("Free Text", side), 1, 0);
    rows->addWidget(edtFreeText_, 1, 1);
    rows->addWidget(btnAddFreeText_, 1, 2, Qt::AlignLeft);
    rows->setColumnStretch(1, 1);
    layout->addLayout(rows);

    connect(btnClear_, &QPushButton::clicked, this, [this] {
        model_->ClearCurrentLine();
        ShowModel();
    });
    connect(btnBackspace_, &QPushButton::clicked, this, [this] {
        model_->RemoveLastItem();
        ShowModel();
    });
    connect(btnAddFreeText_, &QPushButton::clicked, this, &TfrmDefineLabelDirect::AddFreeTextClick);
    connect(edtFreeText_, &QLineEdit::returnPressed, this, &TfrmDefineLabelDirect::AddFreeTextClick);
    PopupMenu(edtFreeText_, {{"Add", [this] { AddFreeTextClick(); }}});
    return side;
}

QTreeView* TfrmDefineLabelDirect::PickList(TTextListModel* model) {
    QTreeView* view = ListView(model, this);
    connect(view, &QTreeView::clicked, this, &TfrmDefineLabelDirect::PickItem);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, &TfrmDefineLabelDirect::PickItem);
    connect(view, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        PickItem(index);
        AddItemClick();
    });
    return view;
}

QWidget* TfrmDefineLabelDirect::BuildPickSide() {
    auto* side = new QWidget(this);
    auto* grid = new QGridLayout(side);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* numbers = new TTextListModel("Number", this);
    numbers->SetTexts(TDirectLayoutModel::NumberItems());
    auto* fields = new TTextListModel("Field", this);
    fields->SetTexts(model_->FieldItems());
    lstNumbers_ = PickList(numbers);
    lstCommands_ = PickList(commands_);
    lstFields_ = PickList(fields);
    grid->addWidget(lstNumbers_, 0, 0);
    grid->addWidget(lstCommands_, 0, 1);
    grid->addWidget(lstFields_, 0, 2, 1, 2);
    lstNumbers_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstNumbers_->setFixedWidth(lstNumbers_->fontMetrics().horizontalAdvance("Number") +
                               lstNumbers_->verticalScrollBar()->sizeHint().width() + 24);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 3);

    btnAdd_ = Button("Add", side);
    btnAddPartial_ = Button("Add Partial", side);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnAdd_);
    buttons->addWidget(btnAddPartial_);
    grid->addLayout(buttons, 1, 0, 1, 4);
    connect(btnAdd_, &QPushButton::clicked, this, &TfrmDefineLabelDirect::AddItemClick);
    connect(btnAddPartial_, &QPushButton::clicked, this, &TfrmDefineLabelDirect::AddPartialClick);
    PopupMenu(lstFields_, {{"Add", [this] { AddItemClick(); }}, {"Add Partial", [this] { AddPartialClick(); }}});
    PopupMenu(lstCommands_, {{"Add", [this] { AddItemClick(); }}});
    return side;
}

QWidget* TfrmDefineLabelDirect::BuildBytePane() {
    auto* box = new QGroupBox("What the printer receives", this);
    auto* layout = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    lblSample_ = new QLabel(box);
    auto* sampleFile = Button("Sample Label File...", box);
    auto* fieldNames = Button("Field Names", box);
    sampleFile->setToolTip("Fill the fields from the first label of a label file");
    fieldNames->setToolTip("Fill every field with its own name");
    row->addWidget(lblSample_, 1);
    row->addWidget(sampleFile);
    row->addWidget(fieldNames);
    layout->addLayout(row);
    txtBytes_ = new QPlainTextEdit(box);
    txtBytes_->setReadOnly(true);
    txtBytes_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtBytes_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(txtBytes_);
    connect(sampleFile, &QPushButton::clicked, this, &TfrmDefineLabelDirect::SampleFileClick);
    connect(fieldNames, &QPushButton::clicked, this, &TfrmDefineLabelDirect::FieldNamesClick);
    return box;
}

void TfrmDefineLabelDirect::showEvent(QShowEvent* event) {
    TfrmBase::showEvent(event);
    if (shown_) return;
    shown_ = true;
    setWindowTitle(Text(model_->Caption()));
    // after the window is up, so that what it asks sits on top of it
    QTimer::singleShot(0, this, &TfrmDefineLabelDirect::OpenOnShow);
}

void TfrmDefineLabelDirect::OpenOnShow() {
    if (!openProblem_.empty()) QMessageBox::warning(this, windowTitle(), Text(openProblem_));
    if (model_->IsNew()) {
        PrinterSettingsClick();
        model_->ClearModified();
    }
}

bool TfrmDefineLabelDirect::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == edtCurrentLine_) {
            model_->ClearCurrentLine();
            ShowModel();
            return true;
        }
        if (watched == edtFreeText_) {
            AddFreeTextClick();
            return true;
        }
    }
    return TfrmBase::eventFilter(watched, event);
}

void TfrmDefineLabelDirect::PickItem(const QModelIndex& index) {
    if (index.isValid()) model_->SelectItem(index.data().toString().toStdString());
}

void TfrmDefineLabelDirect::AddItemClick() {
    model_->AddSelectedItem();
    ShowModel();
}

void TfrmDefineLabelDirect::AddPartialClick() {
    const std::string& item = model_->SelectedItem();
    if (item.empty() || item.front() != '(') {
        QMessageBox::information(this, windowTitle(), "This button can only be used with a field.");
        return;
    }
    TfrmDlgAddPartialField dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    model_->AddPartialField(dialog.From(), dialog.Length(), dialog.Align());
    ShowModel();
}

void TfrmDefineLabelDirect::AddFreeTextClick() {
    model_->AddFreeText(edtFreeText_->text().toStdString());
    ShowModel();
}

void TfrmDefineLabelDirect::DeleteLineClick() {
    if (model_->CurrentLine() < 0) return;
    if (QMessageBox::question(this, windowTitle(), "Delete line?", QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    model_->DeleteCurrentLine();
    ShowModel();
}

void TfrmDefineLabelDirect::PrinterSettingsClick() {
    std::vector<std::string> printers;
    for (const TPrinterEntry& entry : model_->Printers().Printers) printers.push_back(entry.Name);
    TfrmDialogSettingsDirect dialog(printers, model_->Printers().Ports, model_->Design().Printer,
                                    model_->Design().Port, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (model_->ChangePrinter(dialog.SelectedPrinter(), dialog.SelectedPort())) FillCommandList();
    ShowModel();
}

bool TfrmDefineLabelDirect::SaveClick() {
    std::string problem;
    if (model_->Save(problem)) return true;
    QMessageBox::critical(this, windowTitle(), Text(problem));
    return false;
}

void TfrmDefineLabelDirect::reject() {
    if (model_->Modified()) {
        const auto answer = QMessageBox::question(this, windowTitle(), "You've changed something! Save changes?",
                                                  QMessageBox::Yes | QMessageBox::No);
        // a design that could not be saved keeps its window, so nothing is lost
        if (answer == QMessageBox::Yes && !SaveClick()) return;
    }
    TfrmBase::reject();
}

bool TfrmDefineLabelDirect::UseSampleLabelFile(const std::string& path) {
    std::string problem;
    const bool used = model_->UseSampleLabelFile(path, problem);
    if (!used) QMessageBox::warning(this, windowTitle(), Text(problem));
    ShowBytes();
    return used;
}

void TfrmDefineLabelDirect::SampleFileClick() {
    const TMode mode = model_->Mode();
    std::string folder = ModeFileFolder(mode) + "Backup";
    if (!platform::FolderExists(folder)) folder = ModeFileFolder(mode);
    const QString extension = Text(Mode(mode).FileExtension);
    const QString path = QFileDialog::getOpenFileName(this, "Sample Label File", Text(folder),
                                                      "Label files (*." + extension + ");;All files (*)");
    if (!path.isEmpty()) UseSampleLabelFile(path.toStdString());
}

void TfrmDefineLabelDirect::FieldNamesClick() {
    model_->UseFieldNamesAsSample();
    ShowBytes();
}

void TfrmDefineLabelDirect::FillCommandList() {
    commands_->SetTexts(model_->CommandItems());
}

void TfrmDefineLabelDirect::ShowModel() {
    showing_ = true;
    lines_->SetTexts(model_->Lines());
    const int current = model_->CurrentLine();
    if (current >= 0) lstLines_->setCurrentIndex(lines_->index(current, 0));
    showing_ = false;
    edtCurrentLine_->setText(Text(model_->CurrentLineText()));
    QString printer = "Printer: " + Text(model_->Design().Printer) + "    Port: " + Text(model_->Design().Port);
    // commands of a printer without a command file send nothing
    if (commands_->rowCount() == 0)
        printer += "    (no commands: " + Text(Folders.ProgramFolder + model_->Design().Printer) + ".INI was not found)";
    lblPrinter_->setText(printer);
    ShowBytes();
}

void TfrmDefineLabelDirect::ShowBytes() {
    QStringList text;
    std::size_t total = 0;
    for (const std::string& bytes : model_->SampleLineBytes()) {
        text << Text(ReadableBytes(bytes));
        total += bytes.size();
    }
    txtBytes_->setPlainText(text.join('\n'));
    const QString sample = Text(model_->SampleName());
    lblSample_->setText((sample.isEmpty() ? "Sample: every field holds its own name"
                                          : "Sample: the first label of " + sample.section('/', -1)) +
                        QString(" - %1 bytes").arg(total));
    lblSample_->setToolTip(sample);
    // the current line's bytes stand out
    const QTextBlock block = txtBytes_->document()->findBlockByNumber(model_->CurrentLine());
    if (!block.isValid()) return;
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(block);
    mark.format.setBackground(palette().color(QPalette::Highlight));
    mark.format.setForeground(palette().color(QPalette::HighlightedText));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    txtBytes_->setExtraSelections({mark});
}

}  // namespace quill
