// QuillPrint's main window: the side menu of the enabled modes, the
// commands and the hooks of the printing windows and the designer.
#include <QLabel>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <fstream>

#include "PrintAppWorld.h"
#include "labelrender/WindowHooks.h"
#include "print_app/IPrintWindow.h"
#include "ui/ExBar.h"

namespace quill::test {
namespace {

using MainWindowTest = PrintAppTest;

constexpr const char* ManualFolder = "data/labels/designs/User";

std::vector<std::string> GroupCaptions(TfrmSideMenuPrint& w) {
    std::vector<std::string> captions;
    for (const auto& group : w.ExBar()->Groups()) captions.push_back(group->Caption().toStdString());
    return captions;
}

TEST_F(MainWindowTest, SideMenuHoldsTheEnabledModesWithTheFirstListShown) {
    struct Case {
        const char* ini;
        std::vector<std::string> groups;
        const char* firstWindow;
    };
    const Case cases[] = {
        {"[USER]\nVisible=1\n[TAMBER]\nVisible=1\n[CORVANE]\nVisible=1\n", {"Manual", "Corvane"}, "Manual Labels"},
        {"[DIRECT]\nVisible=1\n", {"Direct Corvane"}, "Direct Corvane Labels"},
        {"[TAMBER]\nVisible=1\n", {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ini);
        TfrmSideMenuPrint& w = start(c.ini);
        EXPECT_EQ(w.windowTitle(), "Quill - Print & Design");
        EXPECT_EQ(GroupCaptions(w), c.groups);
        EXPECT_FALSE(Mode(TMode::Tamber).Visible);
        EXPECT_FALSE(list(TMode::Tamber).isVisible());
        if (c.firstWindow) {
            EXPECT_EQ(w.CurrentInnerWindow()->windowTitle(), c.firstWindow);
            EXPECT_EQ(w.TitleLabel()->text(), QString("  ") + c.firstWindow);
            EXPECT_TRUE(w.ExBar()->Groups()[0]->IsOpen());
            for (int g = 1; g < w.ExBar()->Groups().Count(); ++g) EXPECT_FALSE(w.ExBar()->Groups()[g]->IsOpen());
        } else {
            EXPECT_EQ(w.CurrentInnerWindow(), nullptr);
        }
        EXPECT_EQ(w.StatusPanel(0)->text(), "Vek");
        window->close();
        window.reset();
    }
}

TEST_F(MainWindowTest, CommandsOnAnEmptyManualListSayThereAreNoDesigns) {
    TfrmSideMenuPrint& w = start("[USER]\nVisible=1\n");
    QWidget* shown = w.CurrentInnerWindow();
    for (int command : {2, 3, 5}) {
        SCOPED_TRACE(command);
        const auto seen = AnswerInOrder({Button(QMessageBox::Ok)});
        w.FExBarMenuItemClick(command);
        ASSERT_EQ(seen->size(), 1u);
        EXPECT_EQ(seen->at(0).text, "There are no designs");
        EXPECT_EQ(w.CurrentInnerWindow(), shown);
    }
}

TEST_F(MainWindowTest, ChoosingTheCurrentListAgainDoesNotReloadIt) {
    putDesign(ManualFolder, "Address");
    TfrmSideMenuPrint& w = start("[USER]\nVisible=1\n[CORVANE]\nVisible=1\n");
    putDesign(ManualFolder, "Later");
    w.FExBarMenuItemClick(1);
    w.FExBarGroupItemClick(0);
    EXPECT_EQ(rows(list(TMode::Manual)), std::vector<std::string>{"Address.lbl"});
    w.FExBarGroupItemClick(3);   // Corvane, and back: shown again, read again
    w.FExBarMenuItemClick(1);
    EXPECT_EQ(rows(list(TMode::Manual)), (std::vector<std::string>{"Address.lbl", "Later.lbl"}));
}

// Stands in for the printing windows, which come with their own window.
class PrintWindowProbe : public QWidget, public IPrintWindow {
public:
    void SetDesign(const TCurrentDesign& design) override { this->design = design; }
    void ReloadDesign() override { ++reloads; }
    TCurrentDesign design;
    int reloads = 0;
};

TEST_F(MainWindowTest, PrintingWindowsGetTheManualDesignAndReloadAfterModifyLabel) {
    putDesign(ManualFolder, "Address");
    TfrmSideMenuPrint& w = start("[USER]\nVisible=1\n");
    PrintWindowProbe printLabels, byFile;
    w.SetPrintWindows(&printLabels, &byFile);
    QTest::keyClick(list(TMode::Manual).dxFileList(), Qt::Key_Return);   // Enter prints
    EXPECT_EQ(w.CurrentInnerWindow(), &printLabels);
    EXPECT_EQ(printLabels.design.FileName, "Address.lbl");
    EXPECT_EQ(printLabels.design.DesignFolder, world.path(ManualFolder) + "/");
    EXPECT_EQ(printLabels.design.LabelFolder, world.path("data/labels/User/"));

    // The designer saves the design without its description.
    labelrender::InstallDesignerWindow([](labelrender::LabelJob&, void*, const std::string& title,
                                          const std::string& path) {
        EXPECT_EQ(title, "Label Designer");
        std::ofstream(path) << "[Design]\nFormatVersion=1\n";
        return 0;
    });
    w.FExBarMenuItemClick(5);
    EXPECT_EQ(printLabels.reloads, 1);
    EXPECT_EQ(description(std::string(ManualFolder) + "/Address.lbl"), "Address labels");
    w.FExBarMenuItemClick(3);
    EXPECT_EQ(w.CurrentInnerWindow(), &byFile);
    w.SetPrintWindows(nullptr, nullptr);
    w.FExBarMenuItemClick(1);
}

TEST_F(MainWindowTest, NewLabelNamesTheDesignAndKeepsTheDesignersPrinterSettings) {
    putDesign(ManualFolder, "Address");
    TfrmSideMenuPrint& w = start("[USER]\nVisible=1\n");
    // No designer: the name is asked, the old design stays.
    auto seen = AnswerInOrder({Input("Address"), Button(QMessageBox::Yes), Button(QMessageBox::Ok)});
    w.FExBarMenuItemClick(4);
    ASSERT_EQ(seen->size(), 3u);
    EXPECT_EQ(seen->at(0).title, "Designname");
    EXPECT_EQ(seen->at(1).text, "You entered: Address.lbl\nThis file already exists! Overwrite?");
    EXPECT_EQ(seen->at(2).text, "The label designer is not installed: Address.lbl was not opened.");
    EXPECT_EQ(description(std::string(ManualFolder) + "/Address.lbl"), "Address labels");

    // A designer left without saving: the design that was to be replaced stays.
    labelrender::InstallDesignerWindow([](labelrender::LabelJob&, void*, const std::string&, const std::string& path) {
        EXPECT_FALSE(std::filesystem::exists(path));   // the designer starts a new design
        return 0;
    });
    seen = AnswerInOrder({Input("Address"), Button(QMessageBox::Yes)});
    w.FExBarMenuItemClick(4);
    EXPECT_EQ(description(std::string(ManualFolder) + "/Address.lbl"), "Address labels");
    EXPECT_FALSE(exists(std::string(ManualFolder) + "/Address.lbl.replaced"));

    labelrender::InstallDesignerWindow([this](labelrender::LabelJob&, void*, const std::string&,
                                              const std::string& path) {
        putDesign(ManualFolder, "Made", false);
        std::filesystem::rename(world.path(std::string(ManualFolder) + "/Made.lbl"), path);
        std::ofstream(world.path(std::string(ManualFolder) + "/default.lbp")) << "[Printer]\n";
        return 0;
    });
    seen = AnswerInOrder({Input("")});
    w.FExBarMenuItemClick(4);   // cancelled: nothing made
    EXPECT_EQ(rows(list(TMode::Manual)), std::vector<std::string>{"Address.lbl"});
    seen = AnswerInOrder({Input("Parcel")});
    w.FExBarMenuItemClick(4);
    EXPECT_TRUE(exists(std::string(ManualFolder) + "/Parcel.lbp"));
    EXPECT_FALSE(exists(std::string(ManualFolder) + "/default.lbp"));
    EXPECT_EQ(rows(list(TMode::Manual)), (std::vector<std::string>{"Address.lbl", "Parcel.lbl"}));
    EXPECT_EQ(list(TMode::Manual).CurrentDesignName(), "Parcel.lbl");
}

TEST_F(MainWindowTest, NewLabelAsksUntilTheNameFitsTheMode) {
    putDesign("data/labels/designs/Corvan", "C01");
    TfrmSideMenuPrint& w = start("[CORVANE]\nVisible=1\n");
    const auto seen = AnswerInOrder(
        {Input("Abc"), Button(QMessageBox::Ok), Input("C01"), Button(QMessageBox::No), Input("")});
    w.FExBarMenuItemClick(10);
    ASSERT_EQ(seen->size(), 5u);
    EXPECT_TRUE(seen->at(1).text.startsWith("Design filename must be C01.lbl ... C99.lbl, N01.lbl ... N99.lbl"));
    EXPECT_EQ(description("data/labels/designs/Corvan/C01.lbl"), "Address labels");
}

}  // namespace
}  // namespace quill::test
