#pragma once
// "Multi Design Folders": the modal window in which an administrator edits
// one mode's multi-folder list. Changes stay in the grid until Save stores
// the whole list; a list with an incomplete row is not stored at all.
#include "engine_app/MultiFolderDesignsModel.h"
#include "ui/BaseForms.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace quill {

class TfrmDlgMultiFolderDesignsEdit : public ui::TfrmBase {
    Q_OBJECT
public:
    static constexpr const char* IncompleteMessage = "The name or folders are empty. Please fill in the name and folders.";

    // `mode` is one of the four modes with a multi-folder list.
    explicit TfrmDlgMultiFolderDesignsEdit(TMode mode, QWidget* parent = nullptr);

    void AddClick();
    void DeleteClick();
    // Stores the list; false (after one message per incomplete row) when
    // a row is incomplete.
    bool SaveClick();

    TMultiFolderDesignsModel& Model() { return model_; }
    QTableView* Grid() const { return grid_; }
    QLineEdit* NameEdit() const { return name_; }
    QLineEdit* DesignFolderEdit() const { return design_; }
    QLineEdit* FileFolderEdit() const { return file_; }
    QPushButton* DesignBrowse() const { return designBrowse_; }
    QPushButton* FileBrowse() const { return fileBrowse_; }
    QLabel* StatusPanel(int index) const { return index == 0 ? modePanel_ : modifiedPanel_; }
    QAction* SaveAction() const { return save_; }

public slots:
    // The close box, Escape and "&Exit": asks to save changes first.
    void reject() override;

private:
    QWidget* BuildDetails();
    void BuildMenuAndToolbar(QVBoxLayout* layout);
    int FocusedRow() const;
    void Focus(int row);
    void ShowDetails();
    void Browse(QLineEdit* edit, int column);

    TMultiFolderDesignsModel model_;
    QTableView* grid_ = nullptr;
    QGroupBox* details_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* design_ = nullptr;
    QLineEdit* file_ = nullptr;
    QPushButton* designBrowse_ = nullptr;
    QPushButton* fileBrowse_ = nullptr;
    QLabel* modePanel_ = nullptr;
    QLabel* modifiedPanel_ = nullptr;
    QAction* add_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* save_ = nullptr;
};

}  // namespace quill
