#include "print_app/FSideMenuPrint.h"

#include <QCloseEvent>
#include <QLabel>

#include "core/Startup.h"
#include "labelrender/LabelJob.h"
#include "print_app/DesignCommands.h"
#include "print_app/DirectDesignCommands.h"
#include "print_app/FPrintLabels.h"
#include "print_app/FPrintLabelsUseFile.h"
#include "print_app/FSelectDesigns.h"
#include "print_app/PrintMessages.h"
#include "print_app/SideMenuIcons.h"
#include "ui/ExBar.h"
#include "ui/Help.h"

namespace quill {

namespace {

constexpr const char* NoDesignsText = "There are no designs";

// The first enabled mode's list shows at start, in this order.
constexpr TMode StartOrder[] = {TMode::Manual,  TMode::VekLegacy, TMode::Legacy,    TMode::Corvane,   TMode::CorvanePWB,
                                TMode::Tamber,  TMode::Direct,    TMode::DirectORS, TMode::CorvaneORS};

}  // namespace

TfrmSideMenuPrint::TfrmSideMenuPrint(QWidget* parent) : ui::TfrmBaseSideMenu(parent) {
    setWindowTitle("Quill - Print & Design");
    InitializeGlobals();
    ui::InstallHelpSystem();
    LILA().LlSetOption(labelrender::LL_OPTION_CODEPAGE, Settings.CodePage);
    CreateInnerWindows();
    // QuillPrint never serves Tamber, whatever the settings say.
    Mode(TMode::Tamber).Visible = false;
    panels_ = {AddStatusPanel(300), AddStatusPanel(200), AddStatusPanel(50)};
    panels_[0]->setText("Vek");
    BuildMenus();
    BuildSideMenu();
    resize(1100, 680);
}

TfrmSideMenuPrint::~TfrmSideMenuPrint() { Shutdown(); }

void TfrmSideMenuPrint::CreateInnerWindows() {
    const auto make = [this]<typename List>(TMode mode) { lists_[std::size_t(ModeIndex(mode))] = new List(this); };
    make.operator()<TfrmSelectDesignUser>(TMode::Manual);
    make.operator()<TfrmSelectDesignLegacy>(TMode::Legacy);
    make.operator()<TfrmSelectDesignVek>(TMode::VekLegacy);
    make.operator()<TfrmSelectDesignCORVANE>(TMode::Corvane);
    make.operator()<TfrmSelectDesignTamber>(TMode::Tamber);
    make.operator()<TfrmSelectDesignDirect>(TMode::Direct);
    CreatePrintWindows();
    make.operator()<TfrmSelectDesignCORVANEPWB>(TMode::CorvanePWB);
    make.operator()<TfrmSelectDesignDirectORS>(TMode::DirectORS);
    make.operator()<TfrmSelectDesignCORVANEORS>(TMode::CorvaneORS);
    for (TfrmBaseSelectDesign* list : lists_) list->setVisible(false);
    connect(DesignList(TMode::Manual), &TfrmBaseSelectDesign::enterPressed, this, &TfrmSideMenuPrint::ShowPrintLabels);
}

void TfrmSideMenuPrint::CreatePrintWindows() {
    auto* printLabels = new TfrmPrintLabels(this);
    auto* byFile = new TfrmPrintLabelsUseFile(this);
    for (TfrmBasePrintLabels* window : {static_cast<TfrmBasePrintLabels*>(printLabels), static_cast<TfrmBasePrintLabels*>(byFile)}) {
        window->setVisible(false);
        window->SetMainWindow(this);
        connect(window, &TfrmBasePrintLabels::designListWanted, this, [this] { ShowDesignList(TMode::Manual); });
    }
    SetPrintWindows(printLabels, byFile);
}

void TfrmSideMenuPrint::BuildSideMenu() {
    ui::TExBar* bar = ExBar();
    bar->SetAnimate(true);
    bar->SetSingleGroupOpen(true);
    bar->SetItemIcons(SideMenuIcons());
    bar->SuspendPainting();
    const auto groups = SideMenuGroups();
    for (std::size_t number = 0; number < groups.size(); ++number) {
        const TSideMenuGroup& table = groups[number];
        if (!Mode(table.Mode).Visible) continue;
        ui::TExGroup* group = bar->Groups().AddGroup(table.Caption, bar->Groups().Count() == 0);
        group->SetGroupNumber(int(number));
        for (const TSideMenuItem& item : table.Items) group->AddItem(item.Caption, item.Caption, item.Icon, item.Command);
    }
    bar->SetSkin(BlueImg);
    connect(bar, &ui::TExBar::OnMenuItemClick, this, &TfrmSideMenuPrint::FExBarMenuItemClick);
    connect(bar, &ui::TExBar::OnGroupItemClick, this,
            [this](ui::TExGroup* group) { FExBarGroupItemClick(group->GroupNumber()); });
    ShowFirstList();
    bar->ResumePainting();
}

void TfrmSideMenuPrint::ShowFirstList() {
    for (TMode mode : StartOrder) {
        if (!Mode(mode).Visible) continue;
        ShowDesignList(mode);
        // groups are created open
        ExBar()->CollapseAllButOne(ExBar()->Groups()[0]);
        return;
    }
}

void TfrmSideMenuPrint::BuildMenus() {
    AddHelpCommands("&Help", HelpContext);
}

void TfrmSideMenuPrint::FExBarGroupItemClick(int groupNumber) {
    const auto groups = SideMenuGroups();
    if (groupNumber >= 0 && groupNumber < int(groups.size())) ShowDesignList(groups[std::size_t(groupNumber)].Mode);
}

void TfrmSideMenuPrint::FExBarMenuItemClick(int command) {
    const auto target = FindCommand(command);
    if (!target) return;
    switch (target->Kind) {
    case TPrintCommand::SelectDesign: ShowDesignList(target->Mode); break;
    case TPrintCommand::PrintLabels: ShowPrintLabels(); break;
    case TPrintCommand::PrintLabelsByFile: ShowPrintLabelsUseFile(); break;
    case TPrintCommand::NewLabel: NewLabel(target->Mode); break;
    case TPrintCommand::ModifyLabel: ModifyLabel(target->Mode); break;
    }
}

void TfrmSideMenuPrint::ShowDesignList(TMode mode) {
    if (mode != TMode::Tamber) ShowInnerWindow(DesignList(mode));
}

void TfrmSideMenuPrint::SetPrintWindows(QWidget* printLabels, QWidget* printLabelsUseFile) {
    frmPrintLabels_ = printLabels;
    frmPrintLabelsUseFile_ = printLabelsUseFile;
}

TCurrentDesign TfrmSideMenuPrint::CurrentManualDesign() const {
    const TfrmBaseSelectDesign* list = DesignList(TMode::Manual);
    return {list->CurrentDesignName(), list->CurrentDesignFolder(), list->CurrentLabelFolder()};
}

void TfrmSideMenuPrint::ShowPrintLabels() { ShowPrintWindow(frmPrintLabels_); }

void TfrmSideMenuPrint::ShowPrintLabelsUseFile() { ShowPrintWindow(frmPrintLabelsUseFile_); }

void TfrmSideMenuPrint::ShowPrintWindow(QWidget* window) {
    if (!DesignList(TMode::Manual)->HasDesigns()) {
        ShowPlainMessage(this, NoDesignsText);
        return;
    }
    auto* printing = dynamic_cast<IPrintWindow*>(window);
    if (!printing) return;
    printing->SetDesign(CurrentManualDesign());
    ShowInnerWindow(window);
}

void TfrmSideMenuPrint::NewLabel(TMode mode) {
    TfrmBaseSelectDesign* list = DesignList(mode);
    ShowDesignList(mode);
    list->SaveDescriptions(false);
    const std::string folder = list->CurrentDesignFolder();
    std::string name;
    const bool made = IsDirectMode(mode) ? NewDirectDesign(folder, mode, this, name)
                                         : NewDesign(folder, mode, LILA(), this, name);
    if (!made) return;
    list->SetCurrentDesignName(name);
    list->SaveDescriptions(true);
    list->DesignsFillList(false);
}

void TfrmSideMenuPrint::ModifyLabel(TMode mode) {
    TfrmBaseSelectDesign* list = DesignList(mode);
    if (!list->HasDesigns()) {
        ShowPlainMessage(this, NoDesignsText);
        return;
    }
    if (!list->HasFocusedDesign()) return;
    const std::string folder = list->CurrentDesignFolder(), name = list->CurrentDesignName();
    list->BeforeDesigner();
    if (IsDirectMode(mode))
        EditDirectDesign(folder, mode, this, name);
    else
        EditDesign(folder, mode, LILA(), this, name);
    list->AfterDesigner();
    if (CurrentInnerWindow() == list) list->DesignsFillList(false);
    if (auto* printing = dynamic_cast<IPrintWindow*>(CurrentInnerWindow()); printing && mode == TMode::Manual)
        printing->ReloadDesign();
}

void TfrmSideMenuPrint::showEvent(QShowEvent* event) {
    panels_[2]->clear();
    ui::TfrmBaseSideMenu::showEvent(event);
}

void TfrmSideMenuPrint::closeEvent(QCloseEvent* event) {
    Shutdown();
    ui::TfrmBaseSideMenu::closeEvent(event);
}

void TfrmSideMenuPrint::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    if (QWidget* current = CurrentInnerWindow()) current->close();
    ui::FinalizeHelpSystem();
    FinalizeGlobals();
}

}  // namespace quill
