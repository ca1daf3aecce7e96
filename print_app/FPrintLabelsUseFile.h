#pragma once
// "Print Labels - Use File": every line of a text file is one label of the
// Manual design, its values the design's fields in vocabulary order. The
// ticked lines print; the field pairs show the focused line.
#include "print_app/FBasePrintLabels.h"
#include "print_app/TextFileModel.h"

class QLabel;
class QTableView;

namespace quill {

inline constexpr const char* NoTextFileMessage = "Please select a text-file";
inline constexpr const char* NothingTickedMessage = "Please select something from the text-file";

class TfrmPrintLabelsUseFile : public TfrmBasePrintLabels {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1063;

    explicit TfrmPrintLabelsUseFile(QWidget* parent = nullptr);

    void Reload() override;
    // Fills the grid from the file; the rows stay when it cannot be found.
    void ReadFile(const std::string& path);

    void btnBrowseClick();
    void btnSelectAllClick() { model_.TickAll(true); }
    void btnSelectNoneClick() { model_.TickAll(false); }
    void btnPrintClick() override;
    void btnPreviewClick() override;
    void GoFirstEvent();
    void GoPreviousEvent();
    void GoNextEvent();
    void GoLastEvent();

    QTableView* FileList() const { return dxFileList_; }
    TTextFileModel& Model() { return model_; }
    QLabel* SelectedCount() const { return lblSelected_; }
    QLabel* TotalCount() const { return lblTotal_; }

protected:
    void FormShow() override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* BuildTextFileGroup();
    void MapColumns();
    void FocusRow(int row);
    void FocusedRowChanged();
    // The design name up to the first dot.
    std::optional<std::string> DesignName();
    // The checks before Print and Preview; the design name when they pass.
    std::optional<std::string> CheckPrint(int& amount);
    // One record per row; empty (after a message) when a value cannot go into a label file.
    std::optional<std::vector<TLabelRecord>> RowRecords(const std::vector<int>& rows, int amount,
                                                         const std::string& design);

    TTextFileModel model_;
    std::array<const std::string*, TextFileColumnCount> columnNames_{};
    QTableView* dxFileList_ = nullptr;
    QLabel* lblSelected_ = nullptr;
    QLabel* lblTotal_ = nullptr;
};

}  // namespace quill
