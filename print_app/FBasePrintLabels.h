#pragma once
// The base of the two printing windows of QuillPrint: twelve field pairs
// that show the fields the Manual design uses, its live sketch, the number
// of labels and the Preview and Print buttons. Printing writes Manual label
// files for the engine; only the preview prints through the label job.
#include <QTimer>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/LabelRecord.h"
#include "print_app/IPrintWindow.h"
#include "print_app/ManualFields.h"
#include "print_app/ManualLabelRun.h"
#include "ui/BaseForms.h"

class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace quill::ui {
class TfrmBaseSideMenu;
}

namespace quill {

inline constexpr const char* TooManyFieldsMessage = "There are too many fields in the design, \rnot all can be shown!";
inline constexpr const char* InvalidAmountMessage = "Please enter a valid amount";
inline constexpr const char* InvalidDesignMessage = "Please select a valid labeldesign";

class TfrmBasePrintLabels : public ui::TfrmBase, public IPrintWindow {
    Q_OBJECT
public:
    // `editMode`: the field pairs take typed values (else they show values).
    // `pairColumns`: the pairs stand in this many columns.
    TfrmBasePrintLabels(bool editMode, int pairColumns, QWidget* parent = nullptr);

    // The design of the Manual list, handed over before showing.
    void SetDesign(const std::string& designFileName, const std::string& designFolder, const std::string& labelFolder);
    // The main window whose toolbar the window sets while it is shown.
    void SetMainWindow(ui::TfrmBaseSideMenu* mainWindow) { mainWindow_ = mainWindow; }
    // After "Modify Label": the design and its fields again.
    virtual void Reload();
    void SetDesign(const TCurrentDesign& design) override {
        SetDesign(design.FileName, design.DesignFolder, design.LabelFolder);
    }
    void ReloadDesign() override { Reload(); }

    // One Manual label file in the label folder; its path, empty on failure.
    std::string SendRecordsToFile(std::span<const TLabelRecord> records) const;
    // Tells the user that a label file could not be written, so its labels
    // will not be printed.
    void InformNotWritten();

    QLabel* FieldCaption(int pair) const { return captions_[static_cast<std::size_t>(pair)]; }
    QLineEdit* FieldEdit(int pair) const { return edits_[static_cast<std::size_t>(pair)]; }
    QLineEdit* AmountEdit() const { return edtAmount_; }
    QPushButton* PreviewButton() const { return btnPreview_; }
    QPushButton* PrintButton() const { return btnPrint_; }
    QProgressBar* ProgressBar() const { return progressBar_; }
    QLabel* SketchView() const { return imgSketch_; }
    QLabel* DesignCaption() const { return lblDesign_; }
    const QTimer& SketchTimer() const { return sketchTimer_; }
    const QTimer& ProgressTimer() const { return progressTimer_; }
    bool SketchWorks() const { return sketchWorks_; }
    bool UsesFirstBarcode() const { return fields_.usesFirstBarcode; }
    const TDesignFields& DesignFields() const { return fields_; }
    const std::string& DesignFileName() const { return designFileName_; }

signals:
    // Esc: back to the Manual design list.
    void designListWanted();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    virtual void FormShow();
    virtual void FormClose();
    virtual void btnPrintClick() = 0;
    virtual void btnPreviewClick() = 0;
    // Whether Esc in field box `edit` goes back to the design list.
    virtual bool EscapeLeaves(const QLineEdit* edit) const { return edit == edtAmount_; }

    void LoadDesign();
    ui::TfrmBaseSideMenu* MainWindow() const { return mainWindow_; }
    const std::string& DesignFolder() const { return designFolder_; }
    // The amount box as a number of labels; with a message unless `quiet`.
    std::optional<int> ValidAmount(bool quiet);
    // The label the window shows: amount, design and the pairs' values.
    std::optional<TManualLabel> BuildLabel(bool quiet);
    // The current pair values as label bytes; with a message unless `quiet`.
    std::optional<std::array<std::string, FieldPairCount>> PairValues(bool quiet);
    // Shows the records in the preview window; a failure in a message box.
    void PreviewRecords(const std::vector<TLabelRecord>& records);
    void BeginProgress();
    void SetProgress(int done, int total);
    void EndProgress();   // at 100, back to 0 a second later
    // Shows a message box of the kind the messages of these windows use.
    void Inform(const QString& text, bool error = false);
    void FocusFirstPair();
    // Window colour for a typed field, tooltip colour for a shown one.
    void ColourPair(QLineEdit* edit);

    // Room for a subclass's groups: under the amount, and under everything.
    QVBoxLayout* SideColumn() const { return sideColumn_; }
    QVBoxLayout* Body() const { return body_; }

private:
    void BuildWindow(int pairColumns);
    void FieldTextChanged();
    void sketchTimerTimer();
    void MakeSketch();
    void ShowSketchPicture();

    ui::TfrmBaseSideMenu* mainWindow_ = nullptr;
    const bool editMode_;
    std::string designFileName_, designFolder_, labelFolder_;
    TDesignFields fields_;
    bool sketchWorks_ = true;
    TLabelRecord sketchRecord_;

    std::array<QLabel*, FieldPairCount> captions_{};
    std::array<QLineEdit*, FieldPairCount> edits_{};
    QLabel* imgSketch_ = nullptr;
    QLabel* lblDesign_ = nullptr;
    QLineEdit* edtAmount_ = nullptr;
    QPushButton* btnPreview_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QVBoxLayout* sideColumn_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QTimer progressTimer_;
    QTimer sketchTimer_;
};

}  // namespace quill
