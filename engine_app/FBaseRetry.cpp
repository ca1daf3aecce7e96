#include "engine_app/FBaseRetry.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/WaitCursor.h"

namespace quill {

namespace {

constexpr const char* Caption = "Labelprint Engine";

struct TCountRow {
    TMode Mode;
    const char* Label;
};
// Top to bottom.
constexpr TCountRow CountRows[ModeCount] = {
    {TMode::Manual, "Manual Mode:"},           {TMode::VekLegacy, "Vek-Legacy Mode:"},
    {TMode::Legacy, "Legacy Mode:"},           {TMode::Corvane, "Corvane Mode:"},
    {TMode::CorvanePWB, "Corvane PWB Mode:"},  {TMode::Tamber, "Tamber Mode:"},
    {TMode::Direct, "Direct Corvane Mode:"},   {TMode::DirectORS, "Direct ORS Mode:"},
    {TMode::CorvaneORS, "Corvane ORS Mode:"},
};

QWidget* TitleStrip(const char* title, QWidget* parent) {
    auto* strip = new QLabel(QString("  ") + title, parent);
    QFont font = strip->font();
    font.setPointSizeF(font.pointSizeF() * 1.8);
    font.setBold(true);
    strip->setFont(font);
    strip->setAutoFillBackground(true);
    strip->setBackgroundRole(QPalette::Dark);
    strip->setForegroundRole(QPalette::BrightText);
    strip->setMinimumHeight(strip->sizeHint().height() + 12);
    return strip;
}

}  // namespace

TfrmBaseRetry::TfrmBaseRetry(const char* title, const char* actionCaption, const char* subfolder, QWidget* parent,
                             std::unique_ptr<TLabelFileWork> work)
    : ui::TfrmBase(parent), work_(work ? std::move(work) : std::make_unique<TLocalFileWork>()) {
    setWindowTitle(Caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TitleStrip(title, this));
    layout->addWidget(BuildCountRows());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnAction_ = new QPushButton(actionCaption, this);
    btnDelete_ = new QPushButton("Delete", this);
    btnCancel_ = new QPushButton("Cancel", this);
    for (QPushButton* button : {btnAction_, btnDelete_, btnCancel_}) buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(btnCancel_, &QPushButton::clicked, this, &TfrmBaseRetry::btnCancelClick);

    const TModeCounts counts = work_->Count(subfolder);
    bool found = false;
    for (const TCountRow& row : CountRows) {
        counts_[Index(row.Mode)]->setNum(counts[Index(row.Mode)]);
        found = found || counts[Index(row.Mode)] > 0;
    }
    btnAction_->setEnabled(found);
    btnDelete_->setEnabled(found);
}

QWidget* TfrmBaseRetry::BuildCountRows() {
    auto* group = new QGroupBox("Number of labels found", this);
    auto* grid = new QGridLayout(group);
    int line = 0;
    for (const TCountRow& row : CountRows) {
        auto* check = new QCheckBox(group);
        check->setChecked(true);
        auto* label = new QLabel(row.Label, group);
        auto* count = new QLabel(group);
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The Tamber row is shown but cannot be unticked.
        const bool fixed = row.Mode == TMode::Tamber;
        for (QWidget* widget : {static_cast<QWidget*>(check), static_cast<QWidget*>(label),
                                static_cast<QWidget*>(count)})
            widget->setEnabled(!fixed);
        grid->addWidget(check, line, 0);
        grid->addWidget(label, line, 1);
        grid->addWidget(count, line, 2);
        checks_[Index(row.Mode)] = check;
        counts_[Index(row.Mode)] = count;
        ++line;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(2, 40);
    return group;
}

TModeFlags TfrmBaseRetry::Ticked() const {
    TModeFlags ticked{};
    for (TMode mode : AllModes) ticked[Index(mode)] = checks_[Index(mode)]->isChecked();
    return ticked;
}

void TfrmBaseRetry::RunAndReport(TBatchAction action) {
    const TModeFlags ticked = Ticked();
    std::string text;
    {
        const TWaitCursor wait;
        text = work_->Run(action, ticked);
    }
    QMessageBox summary(QMessageBox::NoIcon, windowTitle(), QString::fromStdString(text), QMessageBox::Ok, this);
    summary.exec();
    accept();
}

void TfrmBaseRetry::AskAndDelete(TBatchAction action) {
    if (QMessageBox::question(this, windowTitle(), "Delete all current label files?",
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        RunAndReport(action);
    else
        accept();
}

TfrmDlgAbort::TfrmDlgAbort(QWidget* parent, std::unique_ptr<TLabelFileWork> work)
    : TfrmBaseRetry("Abort", "Backup", "", parent, std::move(work)) {
    ActionButton()->setDefault(true);
    connect(ActionButton(), &QPushButton::clicked, this, &TfrmDlgAbort::btnBackupClick);
    connect(DeleteButton(), &QPushButton::clicked, this, &TfrmDlgAbort::btnDeleteClick);
}

TfrmDlgRetry::TfrmDlgRetry(QWidget* parent, std::unique_ptr<TLabelFileWork> work)
    : TfrmBaseRetry("Retry", "Retry", "Error", parent, std::move(work)) {
    connect(ActionButton(), &QPushButton::clicked, this, &TfrmDlgRetry::btnRetryClick);
    connect(DeleteButton(), &QPushButton::clicked, this, &TfrmDlgRetry::btnDeleteClick);
}

}  // namespace quill
