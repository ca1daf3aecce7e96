#pragma once
// "Quill - Define Print Layout": the Direct layout editor. Builds a design
// line by line from pick lists (bytes, printer commands, label fields, free
// text) and shows beside it what the printer receives for a sample label.
#include <memory>
#include <string>

#include "core/UGlobals.h"
#include "print_app/DirectLayoutModel.h"
#include "ui/BaseForms.h"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;
class QVBoxLayout;

namespace quill {

class TTextListModel;

class TfrmDefineLabelDirect : public ui::TfrmBase {
    Q_OBJECT
public:
    // `fileName` with ".lbl"; a new design starts empty and asks for its
    // printer when shown, an existing one is read from its file.
    TfrmDefineLabelDirect(const std::string& designFolder, const std::string& fileName, TMode mode, bool isNew,
                          QWidget* parent = nullptr);
    ~TfrmDefineLabelDirect() override;

    const TDirectLayoutModel& Model() const { return *model_; }
    // The sample the byte pane fills its fields from (the button asks for the file).
    bool UseSampleLabelFile(const std::string& path);

    QTreeView* LinesView() const { return lstLines_; }
    QLineEdit* CurrentLineEdit() const { return edtCurrentLine_; }
    QPushButton* ClearButton() const { return btnClear_; }
    QPushButton* BackspaceButton() const { return btnBackspace_; }
    QTreeView* NumberList() const { return lstNumbers_; }
    QTreeView* CommandList() const { return lstCommands_; }
    QTreeView* FieldList() const { return lstFields_; }
    QLineEdit* FreeTextEdit() const { return edtFreeText_; }
    QPushButton* FreeTextAddButton() const { return btnAddFreeText_; }
    QPushButton* AddButton() const { return btnAdd_; }
    QPushButton* AddPartialButton() const { return btnAddPartial_; }
    QAction* AddLineAction() const { return actionAddLine_; }
    QAction* DeleteLineAction() const { return actionDeleteLine_; }
    QAction* SaveAction() const { return actionSave_; }
    QAction* ExitAction() const { return actionExit_; }
    QAction* PrinterSettingsAction() const { return actionPrinterSettings_; }
    QPlainTextEdit* BytePane() const { return txtBytes_; }

public slots:
    // Closing while modified asks whether to save first.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildLinesSide();
    QWidget* BuildPickSide();
    QWidget* BuildBytePane();
    void BuildMenusAndToolbar(QVBoxLayout* layout);
    QTreeView* PickList(TTextListModel* model);

    void OpenOnShow();
    void PickItem(const QModelIndex& index);
    void AddItemClick();
    void AddPartialClick();
    void AddFreeTextClick();
    void DeleteLineClick();
    void PrinterSettingsClick();
    bool SaveClick();
    void SampleFileClick();
    void FieldNamesClick();

    void FillCommandList();
    // Lines, current line and byte pane after every change of the model.
    void ShowModel();
    void ShowBytes();

    std::unique_ptr<TDirectLayoutModel> model_;
    std::string openProblem_;
    bool shown_ = false;
    bool showing_ = false;   // the lines view is being refilled

    TTextListModel* lines_;
    TTextListModel* commands_;
    QTreeView* lstLines_;
    QLineEdit* edtCurrentLine_;
    QPushButton* btnClear_;
    QPushButton* btnBackspace_;
    QTreeView* lstNumbers_;
    QTreeView* lstCommands_;
    QTreeView* lstFields_;
    QLineEdit* edtFreeText_;
    QPushButton* btnAddFreeText_;
    QPushButton* btnAdd_;
    QPushButton* btnAddPartial_;
    QAction* actionAddLine_;
    QAction* actionDeleteLine_;
    QAction* actionSave_;
    QAction* actionExit_;
    QAction* actionPrinterSettings_;
    QPlainTextEdit* txtBytes_;
    QLabel* lblSample_;
    QLabel* lblPrinter_;
};

}  // namespace quill
