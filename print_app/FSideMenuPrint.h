#pragma once
// QuillPrint's main window: the side menu of the enabled modes, the design
// list of each mode and the two printing windows as inner windows, and the
// commands of the side menu (show a list, print labels, print labels by
// file, new label, modify label).
#include <array>

#include "core/UGlobals.h"
#include "print_app/IPrintWindow.h"
#include "print_app/PrintSideMenu.h"
#include "ui/BaseSideMenu.h"

class QLabel;

namespace quill {

class TfrmBaseSelectDesign;

class TfrmSideMenuPrint : public ui::TfrmBaseSideMenu {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1001;

    // Runs the core's start-up (the program identity must be set first).
    explicit TfrmSideMenuPrint(QWidget* parent = nullptr);
    ~TfrmSideMenuPrint() override;

    void FExBarMenuItemClick(int command);
    void FExBarGroupItemClick(int groupNumber);

    // Commands 2 and 3: the printing windows with the current Manual design.
    void ShowPrintLabels();
    void ShowPrintLabelsUseFile();
    // Replaces the printing windows made at start (tests put probes in;
    // with none set, those commands do nothing).
    void SetPrintWindows(QWidget* printLabels, QWidget* printLabelsUseFile);
    TCurrentDesign CurrentManualDesign() const;

    void NewLabel(TMode mode);
    void ModifyLabel(TMode mode);
    void ShowDesignList(TMode mode);

    TfrmBaseSelectDesign* DesignList(TMode mode) const { return lists_[std::size_t(ModeIndex(mode))]; }
    QLabel* StatusPanel(int index) const { return panels_.at(std::size_t(index)); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateInnerWindows();
    void CreatePrintWindows();
    void BuildSideMenu();
    void BuildMenus();
    void ShowFirstList();
    void ShowPrintWindow(QWidget* window);
    void Shutdown();

    std::array<TfrmBaseSelectDesign*, ModeCount> lists_{};
    QWidget* frmPrintLabels_ = nullptr;
    QWidget* frmPrintLabelsUseFile_ = nullptr;
    std::array<QLabel*, 3> panels_{};
    bool shutDown_ = false;
};

}  // namespace quill
