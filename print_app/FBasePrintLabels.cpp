#include "print_app/FBasePrintLabels.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>

#include "core/Settings.h"
#include "core/UGlobals.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"
#include "print_app/LabelText.h"
#include "print_app/ManualLabelFile.h"
#include "printing/DesignSketch.h"
#include "printing/PrintJob.h"
#include "ui/WaitCursor.h"

namespace quill {

namespace ll = labelrender;

namespace {

constexpr int kSketchDelayMs = 230;
constexpr int kProgressResetMs = 1000;
// Two columns of pairs leave room for a list below: a smaller sketch then.
QSize SketchSize(int pairColumns) { return pairColumns > 1 ? QSize(320, 180) : QSize(420, 240); }
// A sketch is small; shown larger it would only blur.
constexpr double kSketchMaxZoom = 2.0;

std::string Stem(const std::string& fileName) { return std::filesystem::path(fileName).stem().string(); }

}  // namespace

TfrmBasePrintLabels::TfrmBasePrintLabels(bool editMode, int pairColumns, QWidget* parent)
    : ui::TfrmBase(parent), editMode_(editMode) {
    BuildWindow(pairColumns);
    progressTimer_.setInterval(kProgressResetMs);
    progressTimer_.setSingleShot(true);
    connect(&progressTimer_, &QTimer::timeout, this, [this] { progressBar_->setValue(0); });
    sketchTimer_.setInterval(kSketchDelayMs);
    connect(&sketchTimer_, &QTimer::timeout, this, &TfrmBasePrintLabels::sketchTimerTimer);
}

void TfrmBasePrintLabels::BuildWindow(int pairColumns) {
    auto* grpFields = new QGroupBox("Fields", this);
    auto* pairs = new QGridLayout(grpFields);
    const int rowsPerColumn = (FieldPairCount + pairColumns - 1) / pairColumns;
    for (int pair = 0; pair < FieldPairCount; ++pair) {
        auto* caption = new QLabel(grpFields);
        auto* edit = new QLineEdit(grpFields);
        edit->setMinimumWidth(180);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, &TfrmBasePrintLabels::FieldTextChanged);
        caption->setBuddy(edit);
        caption->hide();
        edit->hide();
        const int row = pair % rowsPerColumn, column = 2 * (pair / rowsPerColumn);
        pairs->addWidget(caption, row, column);
        pairs->addWidget(edit, row, column + 1);
        captions_[static_cast<std::size_t>(pair)] = caption;
        edits_[static_cast<std::size_t>(pair)] = edit;
    }
    for (int column = 0; column < pairColumns; ++column) pairs->setColumnStretch(2 * column + 1, 1);
    pairs->setRowStretch(rowsPerColumn, 1);

    imgSketch_ = new QLabel(this);
    imgSketch_->setObjectName("Sketch");
    imgSketch_->setFixedSize(SketchSize(pairColumns));
    imgSketch_->setAlignment(Qt::AlignCenter);
    imgSketch_->setFrameShape(QFrame::StyledPanel);
    imgSketch_->setBackgroundRole(QPalette::Base);
    imgSketch_->setAutoFillBackground(true);

    auto* grpLabel = new QGroupBox("Label", this);
    lblDesign_ = new QLabel(grpLabel);
    lblDesign_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    (new QVBoxLayout(grpLabel))->addWidget(lblDesign_);

    auto* grpAmount = new QGroupBox("Amount", this);
    auto* amount = new QHBoxLayout(grpAmount);
    edtAmount_ = new QLineEdit("1", grpAmount);
    edtAmount_->setMaxLength(3);
    edtAmount_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edtAmount_));
    edtAmount_->setMaximumWidth(80);
    edtAmount_->installEventFilter(this);
    auto* lblAmount = new QLabel("Number of labels", grpAmount);
    lblAmount->setBuddy(edtAmount_);
    amount->addWidget(lblAmount);
    amount->addWidget(edtAmount_);
    amount->addStretch();

    btnPreview_ = new QPushButton("Preview", this);
    btnPrint_ = new QPushButton("Print", this);
    btnPrint_->setDefault(true);
    connect(btnPreview_, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(btnPrint_, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPreview_);
    buttons->addWidget(btnPrint_);

    sideColumn_ = new QVBoxLayout;
    sideColumn_->addWidget(imgSketch_);
    if (pairColumns > 1) {
        // side by side, leaving the height to what stands below
        auto* row = new QHBoxLayout;
        row->addWidget(grpLabel);
        row->addWidget(grpAmount);
        sideColumn_->addLayout(row);
    } else {
        sideColumn_->addWidget(grpLabel);
        sideColumn_->addWidget(grpAmount);
    }
    auto* side = new QVBoxLayout;
    side->addLayout(sideColumn_);
    side->addLayout(buttons);
    side->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(grpFields, 1);
    top->addLayout(side);

    progressBar_ = new QProgressBar(this);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);

    body_ = new QVBoxLayout(this);
    body_->addLayout(top);
    body_->addWidget(progressBar_);
}

void TfrmBasePrintLabels::SetDesign(const std::string& designFileName, const std::string& designFolder,
                                    const std::string& labelFolder) {
    designFileName_ = designFileName;
    designFolder_ = designFolder;
    labelFolder_ = labelFolder;
}

// the show handler loads the design
void TfrmBasePrintLabels::Reload() { FormShow(); }

std::string TfrmBasePrintLabels::SendRecordsToFile(std::span<const TLabelRecord> records) const {
    return quill::SendRecordsToFile(labelFolder_, records);
}

void TfrmBasePrintLabels::InformNotWritten() {
    Inform(QString::fromStdString("The labels could not be written to the label folder " + labelFolder_ +
                                  "\rThey will not be printed. The log tells why."),
           true);
}

void TfrmBasePrintLabels::showEvent(QShowEvent* event) {
    ui::TfrmBase::showEvent(event);
    // shown again after the main window was minimised: nothing to reload
    if (!event->spontaneous()) FormShow();
}

void TfrmBasePrintLabels::closeEvent(QCloseEvent* event) {
    FormClose();
    ui::TfrmBase::closeEvent(event);
}

bool TfrmBasePrintLabels::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (key == Qt::Key_Escape && EscapeLeaves(edit)) {
            emit designListWanted();
            return true;
        }
        // Print is the default button also inside the main window
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnPrint_->click();
            return true;
        }
    }
    return ui::TfrmBase::eventFilter(watched, event);
}

void TfrmBasePrintLabels::FormShow() {
    ReadSettings();
    LoadDesign();
    ClearLabelRecord(sketchRecord_);
    if (sketchWorks_) sketchTimer_.start();
}

void TfrmBasePrintLabels::FormClose() {
    sketchTimer_.stop();
    // the design lists show the design without values again
    ClearLabelRecord(sketchRecord_);
    if (sketchWorks_) MakeSketch();
}

void TfrmBasePrintLabels::LoadDesign() {
    EnsureFolder(designFolder_);
    const std::string folder = AddBackslash(designFolder_);
    const std::string designPath = folder + (designFileName_.empty() ? std::string("names.lbl") : designFileName_);

    ll::LabelJob& job = LILA();
    DefineDesignVariables(job, TMode::Manual, ManualFieldsAllLanguages());
    job.LlSetPrinterDefaultsDir(folder);
    const bool started = job.LlPrintStart(ll::LL_PROJECT_LABEL, designPath, ll::LL_PRINT_PREVIEW) == 0;
    fields_ = FindDesignFields([&](const std::string& name) { return started && job.LlPrintIsVariableUsed(name); });
    job.LlPrintEnd(0);
    // the question needed a print job, not its (empty) preview
    if (!job.PreviewFile().empty()) platform::DeleteFile(job.PreviewFile());

    for (int pair = 0; pair < FieldPairCount; ++pair) {
        const TFieldPair& field = fields_.pairs[static_cast<std::size_t>(pair)];
        QLineEdit* edit = FieldEdit(pair);
        FieldCaption(pair)->setVisible(field.shown);
        edit->setVisible(field.shown);
        if (!field.shown) continue;
        FieldCaption(pair)->setText(QString::fromStdString(*field.name));
        edit->setEnabled(editMode_);
        ColourPair(edit);
    }
    if (fields_.tooMany) Inform(TooManyFieldsMessage);
    FocusFirstPair();
    designFileName_ = std::filesystem::path(designPath).filename().string();
    lblDesign_->setText(QString::fromStdString(designFileName_));
    if (sketchWorks_) sketchTimer_.start();
}

void TfrmBasePrintLabels::ColourPair(QLineEdit* edit) {
    QPalette palette = QApplication::palette();
    if (!edit->isEnabled()) {
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Base, palette.color(QPalette::ToolTipBase));
            palette.setColor(group, QPalette::Text, palette.color(QPalette::ToolTipText));
        }
    }
    edit->setPalette(palette);
}

void TfrmBasePrintLabels::FocusFirstPair() {
    for (int pair = 0; pair < 2; ++pair) {
        QLineEdit* edit = FieldEdit(pair);
        if (!edit->isHidden() && edit->isEnabled()) {
            edit->setFocus();
            return;
        }
    }
}

std::optional<int> TfrmBasePrintLabels::ValidAmount(bool quiet) {
    const QString text = edtAmount_->text();
    bool number = false;
    const int amount = text.toInt(&number);
    if (text.isEmpty() || (number && amount == 0)) {
        if (!quiet) Inform(InvalidAmountMessage);
        return std::nullopt;
    }
    if (!number) {
        if (!quiet) edtAmount_->setText("1");
        return std::nullopt;
    }
    return amount;
}

std::optional<std::array<std::string, FieldPairCount>> TfrmBasePrintLabels::PairValues(bool quiet) {
    std::array<std::string, FieldPairCount> values;
    for (int pair = 0; pair < FieldPairCount; ++pair) {
        const TFieldPair& field = fields_.pairs[static_cast<std::size_t>(pair)];
        if (!field.shown) continue;
        QString problem;
        const auto bytes = LabelValueBytes(FieldEdit(pair)->text(), Settings.CodePage, FieldSeparator(),
                                           QString("The field \"%1\"").arg(QString::fromStdString(*field.name)), problem);
        if (!bytes) {
            if (!quiet) Inform(problem, true);
            return std::nullopt;
        }
        values[static_cast<std::size_t>(pair)] = *bytes;
    }
    return values;
}

std::optional<TManualLabel> TfrmBasePrintLabels::BuildLabel(bool quiet) {
    const std::optional<int> amount = ValidAmount(quiet);
    if (!amount) return std::nullopt;
    std::string design = designFileName_;
    if (design.size() > 4 && QString::fromStdString(design).endsWith(".lbl", Qt::CaseInsensitive))
        design.resize(design.size() - 4);
    if (design.empty()) {
        if (!quiet) Inform(InvalidDesignMessage);
        return std::nullopt;
    }
    const auto values = PairValues(quiet);
    if (!values) return std::nullopt;
    return TManualLabel{*amount, design, designFolder_, ManualEntries(fields_.pairs, *values)};
}

void TfrmBasePrintLabels::PreviewRecords(const std::vector<TLabelRecord>& records) {
    std::string error;
    const bool shown = PrintLabel(LILA(), records, Mode(TMode::Manual).Fields, true, error,
                                  [this](int percent) { progressBar_->setValue(percent); });
    progressBar_->setValue(0);
    if (!shown) Inform(QString::fromStdString(error), true);
}

void TfrmBasePrintLabels::BeginProgress() {
    progressTimer_.stop();
    progressBar_->setValue(0);
}

void TfrmBasePrintLabels::SetProgress(int done, int total) {
    progressBar_->setValue(total > 0 ? static_cast<int>(static_cast<long long>(done) * 100 / total) : 0);
}

void TfrmBasePrintLabels::EndProgress() {
    progressBar_->setValue(100);
    progressTimer_.start();
}

void TfrmBasePrintLabels::Inform(const QString& text, bool error) {
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information, QApplication::applicationName(),
                    QString(text).replace('\r', '\n'), QMessageBox::Ok, this);
    box.exec();
}

void TfrmBasePrintLabels::FieldTextChanged() {
    if (sketchWorks_ && !sketchTimer_.isActive()) sketchTimer_.start();
}

void TfrmBasePrintLabels::sketchTimerTimer() {
    sketchTimer_.stop();
    if (const std::optional<TManualLabel> label = BuildLabel(true)) sketchRecord_ = label->Record();
    MakeSketch();
}

void TfrmBasePrintLabels::MakeSketch() {
    if (designFileName_.empty()) return;
    if (!CreateSketch(TMode::Manual, designFolder_, designFolder_, sketchRecord_, designFileName_)) {
        // a design the sketch cannot draw stops trying for this window
        sketchWorks_ = false;
        sketchTimer_.stop();
        imgSketch_->clear();
        return;
    }
    ConvertSketch(designFolder_, designFileName_);
    ShowSketchPicture();
}

void TfrmBasePrintLabels::ShowSketchPicture() {
    const QImage picture(QString::fromStdString(AddBackslash(designFolder_) + Stem(designFileName_) + ".bmp"));
    if (picture.isNull()) {
        imgSketch_->clear();
        return;
    }
    const QSize room = imgSketch_->contentsRect().size() - QSize(8, 8);
    QSize shown = picture.size().scaled(room, Qt::KeepAspectRatio);
    if (shown.width() > picture.width() * kSketchMaxZoom) shown = picture.size() * kSketchMaxZoom;
    imgSketch_->setPixmap(QPixmap::fromImage(picture.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace quill
