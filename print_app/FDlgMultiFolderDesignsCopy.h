#pragma once
// The locations of a multi-folder list a design is copied to.
#include <QDialog>
#include <QString>
#include <vector>

class QStandardItemModel;
class QTreeView;

namespace quill {

class TDesignListModel;

class TfrmDlgMultiFolderDesignsCopy : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDlgMultiFolderDesignsCopy(QWidget* parent = nullptr);

    // One row per location row of the design list (its ID and name); the
    // first row is focused.
    void Fill(const TDesignListModel& designs);
    // Shown after "Copy Design: " in the caption.
    void SetHeaderText(const QString& text) { headerText_ = text; }
    const QString& HeaderText() const { return headerText_; }
    // The IDs of the selected rows, in list order.
    std::vector<int> SelectedIds() const;
    // The focused row's ID when OK was pressed.
    int FocusedId() const { return focusedId_; }

    QTreeView* dxTreeList() const { return dxTreeList_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnOKClick();

    QTreeView* dxTreeList_;
    QStandardItemModel* rows_;
    QString headerText_;
    int focusedId_ = -1;
};

}  // namespace quill
