#include "print_app/FPrintLabelsUseFile.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"
#include "print_app/LabelText.h"
#include "ui/BaseSideMenu.h"
#include "ui/Help.h"
#include "ui/WaitCursor.h"

namespace quill {

namespace {

constexpr const char* kUnit = "FPrintLabelsUseFile";
// A text file beyond this is no list of labels; reading it would only eat the memory.
constexpr std::int64_t kLargestTextFile = 256LL << 20;

std::string UnreadableText(const std::string& path) { return "File [" + path + "] could not be read"; }

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

TfrmPrintLabelsUseFile::TfrmPrintLabelsUseFile(QWidget* parent) : TfrmBasePrintLabels(false, 2, parent) {
    setWindowTitle("Print Labels - Use File");
    ui::SetHelpContext(this, HelpContext);
    Body()->insertWidget(1, BuildTextFileGroup(), 1);
}

QWidget* TfrmPrintLabelsUseFile::BuildTextFileGroup() {
    auto* group = new QGroupBox("Text-file", this);
    dxFileList_ = new QTableView(group);
    dxFileList_->setObjectName("dxFileList");
    dxFileList_->setModel(&model_);
    dxFileList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    dxFileList_->setSelectionMode(QAbstractItemView::SingleSelection);
    dxFileList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dxFileList_->setWordWrap(false);
    // fixed heights: a file of 100,000 lines scrolls without measuring them
    dxFileList_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    dxFileList_->verticalHeader()->setDefaultSectionSize(dxFileList_->fontMetrics().height() + 6);
    dxFileList_->horizontalHeader()->setDefaultSectionSize(130);
    dxFileList_->setColumnWidth(TTextFileModel::TickColumn, 28);
    connect(dxFileList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfrmPrintLabelsUseFile::FocusedRowChanged);
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] { dxFileList_->setColumnWidth(0, 28); });

    auto* btnSelectNone = new QPushButton("Select None", group);
    auto* btnSelectAll = new QPushButton("Select All", group);
    auto* btnBrowse = new QPushButton("Browse", group);
    btnBrowse->setObjectName("btnBrowse");
    connect(btnSelectNone, &QPushButton::clicked, this, &TfrmPrintLabelsUseFile::btnSelectNoneClick);
    connect(btnSelectAll, &QPushButton::clicked, this, &TfrmPrintLabelsUseFile::btnSelectAllClick);
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmPrintLabelsUseFile::btnBrowseClick);
    lblSelected_ = new QLabel("0", group);
    lblTotal_ = new QLabel("0", group);
    connect(&model_, &TTextFileModel::countsChanged, this, [this] {
        lblSelected_->setNum(model_.Selected());
        lblTotal_->setNum(model_.Total());
    });

    auto* below = new QHBoxLayout;
    below->addWidget(btnSelectNone);
    below->addWidget(btnSelectAll);
    below->addSpacing(20);
    below->addWidget(new QLabel("Selected:", group));
    below->addWidget(lblSelected_);
    below->addSpacing(20);
    below->addWidget(new QLabel("Total:", group));
    below->addWidget(lblTotal_);
    below->addStretch();
    below->addWidget(btnBrowse);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(dxFileList_, 1);
    layout->addLayout(below);
    return group;
}

void TfrmPrintLabelsUseFile::FormShow() {
    TfrmBasePrintLabels::FormShow();
    MapColumns();
    if (ui::TfrmBaseSideMenu* main = MainWindow()) {
        using ui::TToolbarAction;
        main->SetActionHandler(TToolbarAction::First, [this] { GoFirstEvent(); });
        main->SetActionHandler(TToolbarAction::Previous, [this] { GoPreviousEvent(); });
        main->SetActionHandler(TToolbarAction::Next, [this] { GoNextEvent(); });
        main->SetActionHandler(TToolbarAction::Last, [this] { GoLastEvent(); });
        main->SetToolbarFilter(2);
    }
}

void TfrmPrintLabelsUseFile::hideEvent(QHideEvent* event) {
    TfrmBasePrintLabels::hideEvent(event);
    if (event->spontaneous()) return;
    if (ui::TfrmBaseSideMenu* main = MainWindow())
        for (const auto action : {ui::TToolbarAction::First, ui::TToolbarAction::Previous, ui::TToolbarAction::Next,
                                  ui::TToolbarAction::Last})
            main->SetActionHandler(action, {});
}

void TfrmPrintLabelsUseFile::Reload() {
    LoadDesign();
    MapColumns();
}

void TfrmPrintLabelsUseFile::MapColumns() {
    columnNames_.fill(nullptr);
    for (const TFieldPair& pair : DesignFields().pairs)
        if (pair.shown && !columnNames_[static_cast<std::size_t>(pair.position)])
            columnNames_[static_cast<std::size_t>(pair.position)] = pair.name;
    for (int column = 1; column <= TextFileColumnCount; ++column) {
        const std::string* name = columnNames_[static_cast<std::size_t>(column - 1)];
        model_.SetCaption(column, name ? QString::fromStdString(*name) : QString());
        dxFileList_->setColumnHidden(column, name == nullptr);
    }
}

void TfrmPrintLabelsUseFile::FocusedRowChanged() {
    const int row = dxFileList_->currentIndex().row();
    if (row < 0 || row >= model_.Total()) return;
    const TTextFileValues values = model_.Values(row);
    for (int pair = 0; pair < FieldPairCount; ++pair) {
        const TFieldPair& field = DesignFields().pairs[static_cast<std::size_t>(pair)];
        if (!field.shown) continue;
        QString text;
        for (int column = 0; column < TextFileColumnCount; ++column)
            if (columnNames_[static_cast<std::size_t>(column)] == field.name)
                text = values[static_cast<std::size_t>(column)].toString();
        FieldEdit(pair)->setText(text);
    }
}

void TfrmPrintLabelsUseFile::FocusRow(int row) {
    if (model_.Total() == 0) return;
    row = std::clamp(row, 0, model_.Total() - 1);
    dxFileList_->setCurrentIndex(model_.index(row, 1));
}

void TfrmPrintLabelsUseFile::GoFirstEvent() { FocusRow(0); }
void TfrmPrintLabelsUseFile::GoPreviousEvent() { FocusRow(dxFileList_->currentIndex().row() - 1); }
void TfrmPrintLabelsUseFile::GoNextEvent() { FocusRow(dxFileList_->currentIndex().row() + 1); }
void TfrmPrintLabelsUseFile::GoLastEvent() { FocusRow(model_.Total() - 1); }

void TfrmPrintLabelsUseFile::btnBrowseClick() {
    EnsureFolder(Folders.TextFileFolder);
    const QString chosen = QFileDialog::getOpenFileName(
        this, "Open", QString::fromStdString(AddBackslash(Folders.TextFileFolder) + "list.txt"),
        "Text files (*.txt);;Excel files (*.csv)");
    if (!chosen.isEmpty()) ReadFile(chosen.toStdString());
}

void TfrmPrintLabelsUseFile::ReadFile(const std::string& path) {
    try {
        if (!platform::FileExists(path)) {
            Inform(QString::fromStdString("File [" + path + "] could not be found"));
            return;
        }
        const std::int64_t size = std::filesystem::file_size(path);
        if (size > kLargestTextFile) {
            Inform(QString::fromStdString("File [" + path + "] is larger than 256 MB and is not read"), true);
            return;
        }
    } catch (const std::exception& e) {
        // not a plain file (a pipe, a device): never opened, it could block
        LogException(kUnit, "ReadFile(1)", "Exception", e.what());
        Inform(QString::fromStdString(UnreadableText(path)), true);
        return;
    }
    model_.Clear();
    std::vector<TTextFileLine> lines;
    bool read = true;
    {
        const TWaitCursor wait;
        try {
            const QString text = DecodeTextFile(ReadBytes(path), Settings.CodePage);
            const QChar separator = QChar(static_cast<unsigned char>(FieldSeparator()));
            lines = SplitTextFile(text, separator, [this](int percent) {
                ProgressBar()->setValue(percent);
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });
        } catch (const std::exception& e) {
            LogException(kUnit, "ReadFile(2)", "Exception", e.what());
            read = false;
        }
        ProgressBar()->setValue(0);
        model_.SetLines(std::move(lines));
        if (model_.Total() > 0) FocusRow(0);
    }
    if (!read) Inform(QString::fromStdString(UnreadableText(path)), true);
}

std::optional<std::string> TfrmPrintLabelsUseFile::DesignName() {
    const std::string fileName = DesignFileName();
    const std::string design = fileName.substr(0, fileName.find('.'));
    if (design.empty()) {
        Inform(InvalidDesignMessage);
        return std::nullopt;
    }
    return design;
}

std::optional<std::string> TfrmPrintLabelsUseFile::CheckPrint(int& amount) {
    const std::optional<int> valid = ValidAmount(false);
    if (!valid) return std::nullopt;
    if (model_.Total() == 0) {
        Inform(NoTextFileMessage);
        return std::nullopt;
    }
    if (model_.Selected() == 0) {
        Inform(NothingTickedMessage);
        return std::nullopt;
    }
    amount = *valid;
    return DesignName();
}

std::optional<std::vector<TLabelRecord>> TfrmPrintLabelsUseFile::RowRecords(const std::vector<int>& rows, int amount,
                                                                           const std::string& design) {
    // kinds by the language of the first field found
    int language = -1;
    for (const std::string* name : columnNames_)
        for (int candidate = 0; name && language < 0 && candidate < ManualLanguageCount; ++candidate)
            for (int position = 0; position < ManualFieldCount; ++position)
                if (&ManualFieldName(candidate, position) == name) language = candidate;
    const auto kindOf = [&](const std::string* name) {
        const bool barcode = language >= 0 && (name == &ManualFieldName(language, 0) || name == &ManualFieldName(language, 1));
        return barcode ? KindBarcode : KindText;
    };
    const char separator = FieldSeparator();
    std::vector<TLabelRecord> records;
    records.reserve(rows.size());
    for (const int row : rows) {
        const TTextFileValues values = model_.Values(row);
        TManualLabel label{amount, design, DesignFolder(), {}};
        for (int column = 0; column < TextFileColumnCount; ++column) {
            const std::string* name = columnNames_[static_cast<std::size_t>(column)];
            QString problem;
            const auto bytes = LabelValueBytes(values[static_cast<std::size_t>(column)].toString(), Settings.CodePage,
                                               separator, QString("Line %1, column %2").arg(row + 1).arg(column + 1),
                                               problem);
            if (!bytes) {
                Inform(problem, true);
                return std::nullopt;
            }
            label.entries.push_back({name, kindOf(name), *bytes});
        }
        records.push_back(label.Record());
    }
    return records;
}

void TfrmPrintLabelsUseFile::btnPrintClick() {
    int amount = 0;
    const std::optional<std::string> design = CheckPrint(amount);
    if (!design) return;
    const std::vector<int> rows = model_.TickedRows();
    BeginProgress();
    const std::optional<std::vector<TLabelRecord>> records = RowRecords(rows, amount, *design);
    if (!records) return;
    const std::span<const TLabelRecord> all(*records);
    std::size_t done = 0;
    bool written = true;
    {
        const TWaitCursor wait;
        for (const int size : ChunkSizes(static_cast<int>(all.size()))) {
            written = !SendRecordsToFile(all.subspan(done, static_cast<std::size_t>(size))).empty();
            if (!written) break;
            done += static_cast<std::size_t>(size);
            SetProgress(static_cast<int>(done), static_cast<int>(all.size()));
        }
    }
    if (!written) InformNotWritten();
    EndProgress();
}

void TfrmPrintLabelsUseFile::btnPreviewClick() {
    int amount = 0;
    const std::optional<std::string> design = CheckPrint(amount);
    if (!design) return;
    std::vector<int> rows = model_.TickedRows();
    if (rows.size() > static_cast<std::size_t>(PreviewLimit)) {
        Inform(PreviewLimitMessage);
        rows.resize(PreviewLimit);
    }
    BeginProgress();
    if (const auto records = RowRecords(rows, amount, *design)) PreviewRecords(*records);
}

}  // namespace quill
