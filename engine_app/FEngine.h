#pragma once
// The engine's queue window: one row per print task, the whole status of
// the focused row, and the buttons that steer the engine. A view over the
// engine's state, its own (TEngineCore) or the service's it is attached to
// (TEngineControl): it holds no engine state of its own.
#include <QSortFilterProxyModel>
#include <QWidget>

#include "engine/EngineCore.h"
#include "engine_app/EngineControl.h"
#include "engine_app/QueueRowsModel.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace quill {

class TfrmEngine : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1073;

    explicit TfrmEngine(TEngineControl& control, QWidget* parent = nullptr);
    // Over the engine of this process.
    explicit TfrmEngine(TEngineCore& core, QWidget* parent = nullptr);

    // Navigation of the main window's toolbar: each focuses that row when it exists.
    void GoFirstEvent();
    void GoPreviousEvent();
    void GoNextEvent();
    void GoLastEvent();
    // Removes the focused row and focuses the one before it.
    void DeleteFocusedRow();

    void btnRetryClick();
    void btnAbortClick();
    void btnPrintAllClick();
    void btnClearErrorsClick();
    void btnPauseClick();

    QTreeView* List() const { return list_; }
    bool StatusPanelShown() const;
    QString StatusText() const;
    // Attached: which engine the window shows, or that it cannot be reached.
    QString AttachedText() const;

signals:
    // Shown: the main window's toolbar navigation comes here; hidden: it goes.
    void navigationWanted(bool wanted);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // The list's resizes: the shown columns share its width in their proportions.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildStatusPanel();
    QWidget* BuildButtonBar();
    void ConfigureList();
    void ShareColumnWidths();
    void Focus(int row);
    int FocusedRow() const;
    // The focused row's whole status in the panel.
    void ShowFocusedStatus();
    void HideStatusPanel();
    void PausedChanged(bool paused);
    QWidget* BuildAttachedBanner();
    void ReachableChanged(bool reachable, const QString& why);
    // Pauses while `dialog` is open, then lets the next tick rescan.
    template <class Dialog>
    void RunFileDialog();

    TEngineControl& core_;
    TQueueRowsModel model_;
    QSortFilterProxyModel sorted_;
    QTreeView* list_ = nullptr;
    QWidget* pnlStatus_ = nullptr;
    QPlainTextEdit* mmStatus_ = nullptr;
    QPushButton* btnClearErrors_ = nullptr;
    QPushButton* btnPause_ = nullptr;
    QLabel* attached_ = nullptr;
    QWidget* buttons_ = nullptr;
    int refocus_ = -2;  // while rows go: the row before the focused one (-1 none), -2 not affected
};

}  // namespace quill
