#pragma once
// The abort and retry dialogs: the label files waiting in the label folders
// (abort) or lying in their Error subfolders (retry), counted per mode, and
// the buttons that move or delete them. The work itself is a
// TLabelFileWork's: done here, or by the engine the window is attached to.
#include <array>
#include <memory>

#include "engine_app/LabelFileWork.h"
#include "ui/BaseForms.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace quill {

class TfrmBaseRetry : public ui::TfrmBase {
    Q_OBJECT
public:
    QCheckBox* ModeCheck(TMode mode) const { return checks_[Index(mode)]; }
    QLabel* CountLabel(TMode mode) const { return counts_[Index(mode)]; }
    QPushButton* ActionButton() const { return btnAction_; }
    QPushButton* DeleteButton() const { return btnDelete_; }
    QPushButton* CancelButton() const { return btnCancel_; }

    void btnCancelClick() { reject(); }

protected:
    // Counts the files in `subfolder` of every label folder; the action
    // buttons work only when there is something to work on. Without `work`
    // the work is done here.
    TfrmBaseRetry(const char* title, const char* actionCaption, const char* subfolder, QWidget* parent,
                  std::unique_ptr<TLabelFileWork> work);

    // Runs `action` over the ticked modes, shows the summary and closes.
    void RunAndReport(TBatchAction action);
    // Asks "Delete all current label files?" first; No closes without work.
    void AskAndDelete(TBatchAction action);

private:
    static std::size_t Index(TMode mode) { return static_cast<std::size_t>(ModeIndex(mode)); }
    QWidget* BuildCountRows();
    TModeFlags Ticked() const;

    std::unique_ptr<TLabelFileWork> work_;
    std::array<QCheckBox*, ModeCount> checks_{};
    std::array<QLabel*, ModeCount> counts_{};
    QPushButton* btnAction_ = nullptr;
    QPushButton* btnDelete_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

// Takes the waiting label files out of the engine's way: into the Error
// subfolders ("Backup") or deleted.
class TfrmDlgAbort : public TfrmBaseRetry {
    Q_OBJECT
public:
    explicit TfrmDlgAbort(QWidget* parent = nullptr, std::unique_ptr<TLabelFileWork> work = {});
    void btnBackupClick() { RunAndReport(TBatchAction::Backup); }
    void btnDeleteClick() { AskAndDelete(TBatchAction::DeleteWaiting); }
};

// Brings the files of the Error subfolders back into the label folders, or deletes them.
class TfrmDlgRetry : public TfrmBaseRetry {
    Q_OBJECT
public:
    explicit TfrmDlgRetry(QWidget* parent = nullptr, std::unique_ptr<TLabelFileWork> work = {});
    void btnRetryClick() { RunAndReport(TBatchAction::Restore); }
    void btnDeleteClick() { AskAndDelete(TBatchAction::DeleteErrors); }
};

}  // namespace quill
