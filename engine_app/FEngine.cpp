#include "engine_app/FEngine.h"

#include <algorithm>

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/UGlobals.h"
#include "engine_app/FBaseRetry.h"
#include "ui/WaitCursor.h"

namespace quill {

namespace {

// Whole rows are selected; the focus rectangle is not drawn.
class TNoFocusDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
    }
};

struct TColumnSetup {
    int Width;
    bool Shown;
};
constexpr TColumnSetup Columns[TQueueRowsModel::ColumnCount] = {
    {50, true}, {50, true}, {30, true}, {90, true}, {160, true}, {0, false}, {30, false}};

}  // namespace

TfrmEngine::TfrmEngine(TEngineCore& core, QWidget* parent) : TfrmEngine(*new TLocalEngineControl(core), parent) {
    core_.setParent(this);
}

TfrmEngine::TfrmEngine(TEngineControl& control, QWidget* parent)
    : QWidget(parent), core_(control), model_(control.Rows()) {
    setWindowTitle("Labelprint Engine");
    model_.SetTextInUtf8(core_.RowsInUtf8());
    sorted_.setSourceModel(&model_);
    sorted_.setSortRole(TQueueRowsModel::SortRole);

    list_ = new QTreeView(this);
    ConfigureList();
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->addWidget(list_, 3);
    middle->addWidget(BuildStatusPanel(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    if (core_.Attached()) layout->addWidget(BuildAttachedBanner());
    layout->addLayout(middle, 1);
    layout->addWidget(BuildButtonBar());

    connect(&core_, &TEngineControl::pausedChanged, this, &TfrmEngine::PausedChanged);
    PausedChanged(core_.IsPaused());
    HideStatusPanel();
    if (attached_) ReachableChanged(true, {});
}

void TfrmEngine::ConfigureList() {
    list_->setModel(&sorted_);
    list_->setItemDelegate(new TNoFocusDelegate(list_));
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setFrameShape(QFrame::StyledPanel);
    list_->setSortingEnabled(true);
    list_->sortByColumn(TQueueRowsModel::DesignColumn, Qt::DescendingOrder);
    QHeaderView* header = list_->header();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->viewport()->installEventFilter(this);
    for (int column = 0; column < TQueueRowsModel::ColumnCount; ++column) {
        list_->setColumnWidth(column, Columns[column].Width);
        list_->setColumnHidden(column, !Columns[column].Shown);
    }
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, &TfrmEngine::ShowFocusedStatus);
    connect(&sorted_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
        const int focused = FocusedRow();
        if (focused >= from.row() && focused <= to.row()) ShowFocusedStatus();
    });
    connect(&sorted_, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex&, int first, int last) {
        const int focused = FocusedRow();
        refocus_ = focused >= first && focused <= last ? first - 1 : -2;
    });
    connect(&sorted_, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (refocus_ == -2) return;
        if (refocus_ >= 0) {
            Focus(refocus_);
        } else {
            list_->selectionModel()->clear();
            HideStatusPanel();
        }
        refocus_ = -2;
    });
}

bool TfrmEngine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::Resize) ShareColumnWidths();
    return QWidget::eventFilter(watched, event);
}

void TfrmEngine::ShareColumnWidths() {
    QHeaderView* header = list_->header();
    int total = 0;
    for (int column = 0; column < TQueueRowsModel::ColumnCount; ++column)
        if (!header->isSectionHidden(column)) total += header->sectionSize(column);
    const int width = list_->viewport()->width();
    if (total <= 0 || width <= 0) return;
    int given = 0;
    int last = -1;
    for (int column = 0; column < TQueueRowsModel::ColumnCount; ++column) {
        if (header->isSectionHidden(column)) continue;
        // Never narrower than its caption.
        const int caption = header->fontMetrics().horizontalAdvance(model_.headerData(column, Qt::Horizontal).toString()) + 24;
        const int size = std::max(caption, header->sectionSize(column) * width / total);
        header->resizeSection(column, size);
        given += size;
        last = column;
    }
    header->resizeSection(last, header->sectionSize(last) + width - given);  // rounding
}

QWidget* TfrmEngine::BuildStatusPanel() {
    pnlStatus_ = new QWidget(this);
    auto* layout = new QVBoxLayout(pnlStatus_);
    layout->setContentsMargins(0, 0, 0, 0);
    mmStatus_ = new QPlainTextEdit(pnlStatus_);
    mmStatus_->setReadOnly(true);
    mmStatus_->setTabChangesFocus(true);
    layout->addWidget(mmStatus_);
    return pnlStatus_;
}

QWidget* TfrmEngine::BuildButtonBar() {
    auto* bar = new QWidget(this);
    buttons_ = bar;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 4, 0, 0);
    const auto add = [&](const char* caption, void (TfrmEngine::*handler)()) {
        auto* button = new QPushButton(caption, bar);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        layout->addWidget(button);
        return button;
    };
    add("Retry", &TfrmEngine::btnRetryClick);
    add("Abort", &TfrmEngine::btnAbortClick);
    add("Print Now", &TfrmEngine::btnPrintAllClick);
    btnClearErrors_ = add("Clear Messages", &TfrmEngine::btnClearErrorsClick);
    btnClearErrors_->setEnabled(false);
    layout->addStretch(1);
    btnPause_ = add("Pause", &TfrmEngine::btnPauseClick);
    btnPause_->setDefault(true);
    return bar;
}

void TfrmEngine::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    HideStatusPanel();
    if (Settings.PauseEngineAtStart != 0) core_.PauseEngine();
    emit navigationWanted(true);
}

void TfrmEngine::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    HideStatusPanel();
    emit navigationWanted(false);
}

int TfrmEngine::FocusedRow() const {
    const QModelIndex current = list_->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TfrmEngine::Focus(int row) {
    if (row < 0 || row >= sorted_.rowCount()) return;
    list_->selectionModel()->setCurrentIndex(sorted_.index(row, 0),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TfrmEngine::GoFirstEvent() { Focus(0); }
void TfrmEngine::GoLastEvent() { Focus(sorted_.rowCount() - 1); }
void TfrmEngine::GoPreviousEvent() {
    if (FocusedRow() > 0) Focus(FocusedRow() - 1);
}
void TfrmEngine::GoNextEvent() {
    if (FocusedRow() >= 0) Focus(FocusedRow() + 1);
}

void TfrmEngine::ShowFocusedStatus() {
    const int focused = FocusedRow();
    if (focused < 0) return;
    const QModelIndex status = sorted_.index(focused, TQueueRowsModel::StatusColumn);
    pnlStatus_->show();
    btnClearErrors_->setEnabled(true);
    const QString text = status.data().toString();
    if (mmStatus_->toPlainText() != text) mmStatus_->setPlainText(text);
}

void TfrmEngine::HideStatusPanel() { pnlStatus_->hide(); }

bool TfrmEngine::StatusPanelShown() const { return !pnlStatus_->isHidden(); }

QString TfrmEngine::StatusText() const { return mmStatus_->toPlainText(); }

void TfrmEngine::DeleteFocusedRow() {
    const int focused = FocusedRow();
    if (focused < 0) return;
    const int source = sorted_.mapToSource(sorted_.index(focused, 0)).row();
    core_.RemoveRow(source);  // the focus moves to the row before (rowsRemoved)
}

void TfrmEngine::btnClearErrorsClick() {
    if (QMessageBox::question(this, windowTitle(), "Clear error-messages?", QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    core_.ClearMessages();
    list_->selectionModel()->clear();
    HideStatusPanel();
    btnClearErrors_->setEnabled(false);
}

void TfrmEngine::btnPrintAllClick() {
    if (core_.CollectedCopies() < 1) {
        QMessageBox::information(this, windowTitle(), "There are no current printjobs...");
        return;
    }
    const TWaitCursor wait;
    core_.PrintAllTasks();
}

void TfrmEngine::btnPauseClick() {
    if (core_.IsPaused())
        core_.ResumeEngine();
    else
        core_.PauseEngine();
}

void TfrmEngine::PausedChanged(bool paused) { btnPause_->setText(paused ? "Resume" : "Pause"); }

template <class Dialog>
void TfrmEngine::RunFileDialog() {
    core_.FileDialogOpened();
    {
        Dialog dialog(this, core_.FileWork());
        dialog.exec();
    }
    core_.FileDialogClosed();
}

QWidget* TfrmEngine::BuildAttachedBanner() {
    attached_ = new QLabel(this);
    attached_->setWordWrap(true);
    attached_->setMargin(6);
    attached_->setFrameShape(QFrame::StyledPanel);
    attached_->setAutoFillBackground(true);
    attached_->setBackgroundRole(QPalette::ToolTipBase);
    attached_->setForegroundRole(QPalette::ToolTipText);
    connect(&core_, &TEngineControl::reachableChanged, this, &TfrmEngine::ReachableChanged);
    return attached_;
}

void TfrmEngine::ReachableChanged(bool reachable, const QString& why) {
    attached_->setText(reachable ? "This window shows " + core_.Describe() +
                                       ". Its buttons steer the service; closing the window leaves it running."
                                 : "The service cannot be reached (" + why + "). Trying again...");
    list_->setEnabled(reachable);
    buttons_->setEnabled(reachable);
}

QString TfrmEngine::AttachedText() const { return attached_ ? attached_->text() : QString(); }

void TfrmEngine::btnRetryClick() { RunFileDialog<TfrmDlgRetry>(); }
void TfrmEngine::btnAbortClick() { RunFileDialog<TfrmDlgAbort>(); }

}  // namespace quill
