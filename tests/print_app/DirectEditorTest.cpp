// The Direct layout editor on real design folders: building lines from the
// pick lists, the partial-field and printer dialogs, saving, and the byte
// pane against what the real quill-engine sends to a file port.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>

#include "core/Startup.h"
#include "core/UGlobals.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"
#include "print_app/FDefineLabelDirect.h"
#include "print_app/FDialogSettingsDirect.h"
#include "print_app/FDlgAddPartialField.h"
#include "printing/DirectPreview.h"
#include "support/TestEnv.h"
#include "support/WidgetTestSupport.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;
const fs::path kExamples = fs::path(QUILL_SOURCE_DIR) / "examples";

QStringList Rows(const QTreeView* view) {
    QStringList rows;
    for (int row = 0; row < view->model()->rowCount(); ++row) rows << view->model()->index(row, 0).data().toString();
    return rows;
}

// Makes the row of `text` current, as a click in the list does.
void Pick(QTreeView* view, const QString& text) {
    const int row = static_cast<int>(Rows(view).indexOf(text));
    ASSERT_GE(row, 0) << text.toStdString();
    view->setCurrentIndex(view->model()->index(row, 0));
    view->scrollTo(view->currentIndex());
}

// Answers the next dialog of type Dialog: `fill` sets it up, then OK.
template <class Dialog, class Fill>
std::shared_ptr<ModalSeen> AnswerDialog(Fill fill) {
    return AnswerNextModal([fill](QWidget* modal) {
        auto* dialog = qobject_cast<Dialog*>(modal);
        ASSERT_NE(dialog, nullptr) << modal->windowTitle().toStdString();
        fill(*dialog);
        dialog->template findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
}

class DirectEditor : public TempWorldTest {
protected:
    void SetUp() override {
        world.writeFile("prog/QUILL.INI", "[Quill]\nLogMode=1\n[DIRECT]\nVisible=1\n[DIRORS]\nVisible=1\n");
        fs::copy_file(kExamples / "direct/ZEBRA_ZPL.INI", world.programFolder() + "ZEBRA_ZPL.INI");
        fs::copy_file(kExamples / "direct/Printers.INI", world.programFolder() + "Printers.INI");
        Folders.AppTitle = "QuillPrint";
        InitializeGlobals();
        folder = ModeDesignFolder(TMode::Direct);
        platform::CreateFolders(folder);
    }
    void TearDown() override {
        editor.reset();
        FinalizeGlobals();
        Folders = TFolders{};
    }
    // The editor on `name`, shown; a new design first answers its printer question.
    TfrmDefineLabelDirect& open(const std::string& name, bool isNew, TMode mode = TMode::Direct) {
        editor = std::make_unique<TfrmDefineLabelDirect>(ModeDesignFolder(mode), name, mode, isNew);
        editor->show();
        QTest::qWait(1);   // the window's first event round, where it asks what it must
        return *editor;
    }
    std::string line() const { return editor->CurrentLineEdit()->text().toStdString(); }
    void click(QPushButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }

    std::string folder;
    std::unique_ptr<TfrmDefineLabelDirect> editor;
};

TEST_F(DirectEditor, ANewDesignAsksForItsPrinterAndOffersSortedPickLists) {
    const auto settings = AnswerDialog<TfrmDialogSettingsDirect>([](TfrmDialogSettingsDirect& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Printer settings");
        EXPECT_EQ(dialog.PrinterList()->currentIndex().data().toString(), "ZEBRA_ZPL");
        dialog.PortList()->setCurrentIndex(dialog.PortList()->model()->index(1, 0));
    });
    TfrmDefineLabelDirect& window = open("C01.lbl", true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return settings->shown; }));
    EXPECT_EQ(window.windowTitle().toStdString(), "Quill - Direct Print Label: " + folder + "C01.lbl");
    EXPECT_EQ(window.Model().Design().Port, "LPT2");
    EXPECT_FALSE(window.Model().Modified()) << "a new design is unmodified after its printer question";
    EXPECT_EQ(Rows(window.LinesView()), QStringList{""});

    const QStringList numbers = Rows(window.NumberList());
    ASSERT_EQ(numbers.size(), 256);
    EXPECT_EQ(numbers.front(), "<000>");
    EXPECT_EQ(numbers.back(), "<255>");
    const QStringList commands = Rows(window.CommandList());
    EXPECT_EQ(commands.size(), 14);
    EXPECT_EQ(commands.mid(0, 4), (QStringList{"<Code 128>", "<CR LF>", "<Field data>", "<Field end>"}))
        << "ignoring case";
    const QStringList fields = Rows(window.FieldList());
    EXPECT_EQ(fields.size(), 74);
    EXPECT_TRUE(fields.contains("(WearerName)"));
    for (int i = 1; i < fields.size(); ++i) EXPECT_LE(fields[i - 1].compare(fields[i], Qt::CaseInsensitive), 0);

    editor.reset();
    AnswerDialog<TfrmDialogSettingsDirect>([](TfrmDialogSettingsDirect&) {});
    EXPECT_EQ(Rows(open("A01.lbl", true, TMode::DirectORS).FieldList()).size(), 495);
}

TEST_F(DirectEditor, ItemsJoinTheCurrentLineInTheirLayoutForm) {
    world.writeFile("data/labels/designs/Direct/D01.lbl", "[Main]\nPrinter=ZEBRA_ZPL\n[Lines]\nLine1=\n");
    TfrmDefineLabelDirect& window = open("D01.lbl", false);
    EXPECT_FALSE(window.Model().Modified());
    struct Partial {
        int from, length;
        const char* align;
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        std::string line;
    };
    const auto partial = [&](Partial p) {
        return [&, p] {
            AnswerDialog<TfrmDlgAddPartialField>([p](TfrmDlgAddPartialField& dialog) {
                EXPECT_EQ(dialog.FromBox()->value(), 1);
                EXPECT_EQ(dialog.LengthBox()->value(), 10);
                EXPECT_EQ(dialog.AlignBox()->currentText(), "None");
                dialog.FromBox()->setValue(p.from);
                dialog.LengthBox()->setValue(p.length);
                dialog.AlignBox()->setCurrentText(p.align);
            });
            click(window.AddPartialButton());
        };
    };
    const Step steps[] = {
        {"field", [&] { Pick(window.FieldList(), "(WearerName)"), click(window.AddButton()); }, "<(WearerName)>"},
        {"part, zero-filled", partial({3, 4, "Zero"}), "<(WearerName)><(WearerName,3,4,3)>"},
        {"part, not aligned", [&] { Pick(window.FieldList(), "(Locker)"), partial({3, 4, "None"})(); },
         "<(WearerName)><(WearerName,3,4,3)><(Locker,3,4)>"},
        {"CLR", [&] { click(window.ClearButton()); }, ""},
        {"command, unchanged", [&] { Pick(window.CommandList(), "<Label start>"), click(window.AddButton()); },
         "<Label start>"},
        {"free text, by Enter",
         [&] { QTest::keyClicks(window.FreeTextEdit(), "a<b>c"), QTest::keyClick(window.FreeTextEdit(), Qt::Key_Return); },
         "<Label start><\"abc\">"},
        {"byte, by double-click",
         [&] {
             Pick(window.NumberList(), "<013>");
             const QRect cell = window.NumberList()->visualRect(window.NumberList()->currentIndex());
             // the view takes a double-click only on the row pressed before
             QTest::mouseClick(window.NumberList()->viewport(), Qt::LeftButton, {}, cell.center());
             QTest::mouseDClick(window.NumberList()->viewport(), Qt::LeftButton, {}, cell.center());
         },
         "<Label start><\"abc\"><013>"},
        {"BS", [&] { click(window.BackspaceButton()); }, "<Label start><\"abc\">"},
        {"BS, BS, BS on empty", [&] { for (int i = 0; i < 3; ++i) click(window.BackspaceButton()); }, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(line(), step.line);
        EXPECT_EQ(Rows(window.LinesView()).front().toStdString(), step.line) << "the line follows the current line";
    }
    EXPECT_TRUE(window.Model().Modified());

    Pick(window.CommandList(), "<Row 1>");
    const auto refused = AnswerNextMessageBox(QMessageBox::Ok);
    click(window.AddPartialButton());
    EXPECT_EQ(refused->text, "This button can only be used with a field.");
    EXPECT_EQ(line(), "");
}

TEST_F(DirectEditor, SavingLeavesOutEmptyLinesAndReplacesTheFileInOneStep) {
    const std::string original =
        "[Main]\nPrinter=ZEBRA_ZPL\nPort=out.prn\nRemark=keep me\n[Description]\nText=Garment\n"
        "[Extra]\nOld=1\n[Lines]\nLine1=<1>\n";
    world.writeFile("data/labels/designs/Direct/D01.lbl", original);
    TfrmDefineLabelDirect& window = open("D01.lbl", false);
    // five lines, 2 and 4 empty
    for (const char* text : {"", "three", "", "five"}) {
        window.AddLineAction()->trigger();
        window.FreeTextEdit()->setText(text);
        if (*text) click(window.FreeTextAddButton());
    }
    ASSERT_EQ(Rows(window.LinesView()), (QStringList{"<1>", "", "<\"three\">", "", "<\"five\">"}));
    // a reader that holds the old file still reads it whole: the new one took its place
    const int old = ::open((folder + "D01.lbl").c_str(), O_RDONLY);
    window.SaveAction()->trigger();
    EXPECT_FALSE(window.Model().Modified());
    const platform::IniFile saved(folder + "D01.lbl");
    EXPECT_EQ(saved.ReadSections(), (std::vector<std::string>{"Main", "Description", "Lines"}));
    EXPECT_EQ(saved.ReadSectionKeys("Lines"), (std::vector<std::string>{"Line1", "Line2", "Line3"}));
    EXPECT_EQ(saved.ReadString("Lines", "Line3", ""), "<\"five\">");
    EXPECT_EQ(saved.ReadString("Main", "Remark", ""), "keep me");
    EXPECT_EQ(saved.ReadString("Description", "Text", ""), "Garment");
    std::string held(4096, '\0');
    held.resize(static_cast<std::size_t>(std::max<ssize_t>(::pread(old, held.data(), held.size(), 0), 0)));
    EXPECT_EQ(held, original);
    ::close(old);

    // Delete asks; No keeps the line.
    Pick(window.LinesView(), "<\"three\">");
    auto asked = AnswerNextMessageBox(QMessageBox::No);
    window.DeleteLineAction()->trigger();
    EXPECT_EQ(asked->text, "Delete line?");
    EXPECT_EQ(Rows(window.LinesView()).size(), 5);
    AnswerNextMessageBox(QMessageBox::Yes);
    window.DeleteLineAction()->trigger();
    EXPECT_EQ(Rows(window.LinesView()), (QStringList{"<1>", "", "", "<\"five\">"}));

    // A design that cannot be written keeps its window, and the old file.
    ASSERT_TRUE(platform::SetReadOnly(folder + "D01.lbl", true));
    std::shared_ptr<ModalSeen> failed;
    asked = AnswerNextModal([&](QWidget* question) {
        failed = AnswerNextMessageBox(QMessageBox::Ok);
        qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
    });
    window.ExitAction()->trigger();
    EXPECT_EQ(asked->text, "You've changed something! Save changes?");
    ASSERT_TRUE(QTest::qWaitFor([&] { return failed->shown; }));
    EXPECT_EQ(failed->icon, QMessageBox::Critical);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(platform::IniFile(folder + "D01.lbl").ReadString("Lines", "Line2", ""), "<\"three\">");
    ASSERT_TRUE(platform::SetReadOnly(folder + "D01.lbl", false));
    AnswerNextMessageBox(QMessageBox::Yes);
    window.ExitAction()->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(platform::IniFile(folder + "D01.lbl").ReadSectionKeys("Lines").size(), 2u);
}

TEST_F(DirectEditor, ADesignThatCannotBeReadOpensEmptyWithAMessage) {
    fs::create_directories(folder + "Broken.lbl");   // no file to read
    for (const char* name : {"Broken.lbl", "Gone.lbl"}) {
        SCOPED_TRACE(name);
        const auto told = AnswerNextMessageBox(QMessageBox::Ok);
        TfrmDefineLabelDirect& window = open(name, false);
        ASSERT_TRUE(QTest::qWaitFor([&] { return told->shown; }));
        EXPECT_EQ(told->icon, QMessageBox::Warning);
        EXPECT_TRUE(told->text.contains(name)) << told->text.toStdString();
        EXPECT_EQ(Rows(window.LinesView()), QStringList{""});
        EXPECT_EQ(window.Model().Design().Printer, "ZEBRA_ZPL") << "the defaults of Printers.INI";
        EXPECT_FALSE(window.Model().Modified());
    }
}

TEST_F(DirectEditor, ChangingThePrinterRefillsTheCommands) {
    world.writeFile("prog/Printers.INI", "[Printers]\nPrinter1=ZEBRA_ZPL\nPrinter2=EPL\n[Ports]\nPort1=LPT1\n");
    world.writeFile("prog/EPL.INI", "[Command1]\nEN=Clear\nESC=N\n");
    world.writeFile("data/labels/designs/Direct/D01.lbl", "[Main]\nPrinter=ZEBRA_ZPL\nPort=x.prn\n");
    TfrmDefineLabelDirect& window = open("D01.lbl", false);
    AnswerNextModal([](QWidget* dialog) { dialog->close(); });   // Cancel changes nothing
    window.PrinterSettingsAction()->trigger();
    EXPECT_FALSE(window.Model().Modified());
    EXPECT_EQ(Rows(window.CommandList()).size(), 14);

    AnswerDialog<TfrmDialogSettingsDirect>([](TfrmDialogSettingsDirect& dialog) {
        EXPECT_EQ(dialog.PortList()->currentIndex().row(), 0) << "a port not listed preselects the first";
        dialog.PrinterList()->setCurrentIndex(dialog.PrinterList()->model()->index(1, 0));
        dialog.PortList()->clearSelection();
    });
    window.PrinterSettingsAction()->trigger();
    EXPECT_EQ(Rows(window.CommandList()), QStringList{"<Clear>"});
    EXPECT_EQ(window.Model().Design().Printer, "EPL");
    EXPECT_EQ(window.Model().Design().Port, "x.prn") << "a list without selection leaves its value";
    EXPECT_TRUE(window.Model().Modified());
}

// What the pane shows for a label file is what the engine, run on that
// label file after the save, writes to the design's port.
TEST_F(DirectEditor, ThePaneShowsTheBytesTheEngineSends) {
    fs::copy_file(kExamples / "direct/designs/Direct/D01.lbl", folder + "D01.lbl");
    world.writeFile("prog/QUILL.INI", "[Quill]\nLogMode=1\nUseDirMonitor=0\n[DIRECT]\nVisible=1\n");
    std::ofstream(world.programFolder() + "ZEBRA_ZPL.INI", std::ios::app) << "[Command15]\nEN=Barcode\nESC=27,66,0,0\n";
    TfrmDefineLabelDirect& window = open("D01.lbl", false);
    const fs::path labelFile = kExamples / "labelfiles/Direct/DIR20240611-0001.lbl";
    ASSERT_TRUE(window.UseSampleLabelFile(labelFile.string()));
    // a barcode command whose length byte comes from the next piece, a byte
    // that is no text, a zero-filled part
    Pick(window.LinesView(), "<Label end><CR LF>");
    window.AddLineAction()->trigger();
    Pick(window.CommandList(), "<Barcode>");
    click(window.AddButton());
    Pick(window.FieldList(), "(IDCode)");
    AnswerDialog<TfrmDlgAddPartialField>([](TfrmDlgAddPartialField& dialog) {
        dialog.FromBox()->setValue(5);
        dialog.LengthBox()->setValue(12);
        dialog.AlignBox()->setCurrentText("Zero");
    });
    click(window.AddPartialButton());
    Pick(window.NumberList(), "<200>");
    click(window.AddButton());

    const QStringList pane = window.BytePane()->toPlainText().split('\n');
    ASSERT_EQ(pane.size(), 7);
    EXPECT_EQ(pane[2], "^FO40,90^A0N,40,40^FDJ. de Vries^FS<013><010>");
    EXPECT_EQ(pane[6], "<027>B<000><012>000002123456<200>");
    std::string expected;
    for (const std::string& bytes : window.Model().SampleLineBytes()) expected += bytes;
    window.SaveAction()->trigger();

    const std::string drop = world.path("data/labels/Direct/");
    fs::create_directories(drop);
    fs::copy_file(labelFile, drop + labelFile.filename().string());
    const int code = RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR CUPS_SERVER=" +
                                world.path("no-cups.sock") + " " QUILL_BINARY_DIR "/engine_app/quill-engine --drain >" +
                                world.path("engine.out") + " 2>&1");
    ASSERT_EQ(code, 0) << world.readFile("engine.out");
    const std::string sent = world.readFile("data/labels/designs/Direct/direct-output.prn");
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(QString::fromStdString(ReadableBytes(sent)), pane.join(""));
}

}  // namespace
}  // namespace quill::test
