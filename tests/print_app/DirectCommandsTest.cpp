// "New Label" and "Modify Label" of the Direct modes in QuillPrint's main
// window: the name question, the layout editor, and the list afterwards.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <filesystem>

#include "PrintAppWorld.h"
#include "platform/IniFile.h"
#include "print_app/FDefineLabelDirect.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;

using DirectCommands = PrintAppTest;

constexpr const char* kDirectFolder = "data/labels/designs/Direct";

Answer Ok() {
    return [](QWidget* dialog) { dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); };
}

// In the editor: `act`, then Exit (a question about saving answered with No).
Answer InEditor(std::function<void(TfrmDefineLabelDirect&)> act) {
    return [act](QWidget* modal) {
        auto* editor = qobject_cast<TfrmDefineLabelDirect*>(modal);
        ASSERT_NE(editor, nullptr) << modal->windowTitle().toStdString();
        act(*editor);
        if (editor->Model().Modified()) AnswerNextMessageBox(QMessageBox::No);
        editor->ExitAction()->trigger();
    };
}

std::string Line1(const std::string& path) { return platform::IniFile(path).ReadString("Lines", "Line1", ""); }

TEST_F(DirectCommands, NewAndModifyLabelOpenTheLayoutEditor) {
    const fs::path examples = fs::path(QUILL_SOURCE_DIR) / "examples/direct";
    for (const char* file : {"Printers.INI", "ZEBRA_ZPL.INI"}) fs::copy_file(examples / file, world.programFolder() + file);
    TfrmSideMenuPrint& w = start("[DIRECT]\nVisible=1\n[DIRORS]\nVisible=1\n");
    const std::string design = world.path(std::string(kDirectFolder) + "/D02.lbl");

    // New Label: named, the printer asked for, a line saved.
    auto seen = AnswerInOrder({Input("D02"), Ok(), InEditor([](TfrmDefineLabelDirect& editor) {
                                   editor.FreeTextEdit()->setText("x");
                                   editor.FreeTextAddButton()->click();
                                   editor.SaveAction()->trigger();
                               })});
    w.FExBarMenuItemClick(16);
    ASSERT_EQ(seen->size(), 3u);
    EXPECT_EQ(seen->at(1).title, "Printer settings");
    EXPECT_EQ(seen->at(2).title.toStdString(), "Quill - Direct Print Label: " + world.path(kDirectFolder) + "/D02.lbl");
    EXPECT_EQ(Line1(design), "<\"x\">");
    EXPECT_EQ(rows(list(TMode::Direct)), std::vector<std::string>{"D02.lbl"});

    // Modify Label opens the focused design; leaving without saving keeps it.
    focus(list(TMode::Direct), "D02.lbl");
    seen = AnswerInOrder({InEditor([](TfrmDefineLabelDirect& editor) {
        EXPECT_EQ(editor.CurrentLineEdit()->text(), "<\"x\">");
        editor.ClearButton()->click();
    })});
    w.FExBarMenuItemClick(17);
    ASSERT_EQ(seen->size(), 1u);
    EXPECT_EQ(Line1(design), "<\"x\">");

    // A new design over an old name: the old one stays until the new one is saved.
    seen = AnswerInOrder({Input("D02"), Button(QMessageBox::Yes), Ok(),
                          InEditor([](TfrmDefineLabelDirect& editor) { EXPECT_EQ(editor.CurrentLineEdit()->text(), ""); })});
    w.FExBarMenuItemClick(16);
    ASSERT_EQ(seen->size(), 4u);
    EXPECT_EQ(Line1(design), "<\"x\">");

    // Direct ORS offers its own fields.
    seen = AnswerInOrder({Input("A01"), Ok(), InEditor([](TfrmDefineLabelDirect& editor) {
                              EXPECT_EQ(editor.FieldList()->model()->rowCount(), 495);
                          })});
    w.FExBarMenuItemClick(18);
    EXPECT_EQ(seen->size(), 3u);
    EXPECT_FALSE(exists("data/labels/designs/DirORS/A01.lbl"));
}

}  // namespace
}  // namespace quill::test
