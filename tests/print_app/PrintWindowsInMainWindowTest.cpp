// The printing windows inside QuillPrint's main window: the side menu opens
// them on the focused Manual design, Esc goes back to the list, and a
// design changed in the designer shows its new fields.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <fstream>

#include "PrintAppWorld.h"
#include "labelrender/WindowHooks.h"
#include "print_app/FPrintLabels.h"
#include "print_app/FPrintLabelsUseFile.h"

namespace quill::test {
namespace {

using PrintWindowsInMainWindowTest = PrintAppTest;

TEST_F(PrintWindowsInMainWindowTest, CommandsOpenThePrintingWindowsOnTheFocusedDesign) {
    putDesign("data/labels/designs/User", "Address");
    TfrmSideMenuPrint& w = start("[USER]\nVisible=1\n");
    w.FExBarMenuItemClick(2);
    auto* printLabels = qobject_cast<TfrmPrintLabels*>(w.CurrentInnerWindow());
    ASSERT_NE(printLabels, nullptr);
    EXPECT_EQ(printLabels->DesignFileName(), "Address.lbl");
    EXPECT_EQ(printLabels->FieldCaption(0)->text(), "Field_01_Barcode");
    EXPECT_EQ(w.ToolbarFilter(), 11);
    QTest::keyClick(printLabels->FieldEdit(1), Qt::Key_Escape);
    EXPECT_EQ(w.CurrentInnerWindow(), w.DesignList(TMode::Manual));

    w.FExBarMenuItemClick(3);
    auto* byFile = qobject_cast<TfrmPrintLabelsUseFile*>(w.CurrentInnerWindow());
    ASSERT_NE(byFile, nullptr);
    EXPECT_EQ(w.ToolbarFilter(), 2);
    EXPECT_TRUE(w.HasActionHandler(ui::TToolbarAction::First));
    // the designer leaves one field: the window shows just that one
    labelrender::InstallDesignerWindow([](labelrender::LabelJob&, void*, const std::string&, const std::string& path) {
        std::ofstream(path) << "[Design]\nFormatVersion=1\n[Object1]\nType=Text\nX=1\nY=1\nWidth=40\nHeight=5\n"
                               "Contents={Field_05}\n";
        return 0;
    });
    w.FExBarMenuItemClick(5);
    labelrender::InstallDesignerWindow({});
    EXPECT_EQ(byFile->FieldCaption(0)->text(), "Field_05");
    EXPECT_TRUE(byFile->FieldEdit(1)->isHidden());
    QTest::keyClick(byFile->AmountEdit(), Qt::Key_Escape);
    EXPECT_EQ(w.CurrentInnerWindow(), w.DesignList(TMode::Manual));
}

}  // namespace
}  // namespace quill::test
