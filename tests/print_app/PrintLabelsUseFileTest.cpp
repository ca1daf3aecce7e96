// "Print Labels - Use File": text files read into the grid as they are
// written, ticked lines printed in label files of 250 for the engine.
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <sys/stat.h>

#include "PrintingWindowsWorld.h"
#include "print_app/FPrintLabelsUseFile.h"
#include "ui/BaseSideMenu.h"

namespace quill::test {

namespace {

class UseFileTest : public PrintingWindowsTest {
protected:
    std::unique_ptr<TfrmPrintLabelsUseFile> open(const std::string& design) {
        return openWindow<TfrmPrintLabelsUseFile>(design);
    }
    std::string textFile(const std::string& name, const std::string& bytes) const {
        world.writeFile("text/" + name, bytes);
        return world.path("text/" + name);
    }
    static std::vector<std::string> row(TfrmPrintLabelsUseFile& window, int r) {
        std::vector<std::string> values;
        for (const QStringView value : window.Model().Values(r)) values.push_back(value.toString().toStdString());
        while (!values.empty() && values.back().empty()) values.pop_back();
        return values;
    }
};

TEST_F(UseFileTest, LinesAreReadWithTheirSeparatorInTheirEncoding) {
    start();
    writeDesign("Names.lbl", {"Field_01_Barcode", "Field_03"});
    auto window = open("Names.lbl");
    using Rows = std::vector<std::vector<std::string>>;
    struct Case {
        std::string name, bytes;
        Rows rows;
    } cases[] = {
        // no comma: ";" from here on; a line with neither switches back to ","
        {"switch.txt", "a;b;c\r\nd;e\r\nf g\r\nh,i\r\n", {{"a", "b", "c"}, {"d", "e"}, {"f g"}, {"h", "i"}}},
        {"long.txt", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\n,,x",
         {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"}, {"", "", "x"}}},
        {"utf8.txt", "Zo\xC3\xAB,\xCE\xA9\n", {{"Zo\xC3\xAB", "\xCE\xA9"}}},
        {"utf16.txt", std::string("\xFF\xFEZ\0o\0\xEB\0,\0\xA9\x03\n\0", 14), {{"Zo\xC3\xAB", "\xCE\xA9"}}},
        {"cp1252.txt", "Zo\xEB,\x80\r\n", {{"Zo\xC3\xAB", "\xE2\x82\xAC"}}},
        {"empty.txt", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window->ReadFile(textFile(c.name, c.bytes));
        Rows rows;
        for (int r = 0; r < window->Model().Total(); ++r) rows.push_back(row(*window, r));
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(window->TotalCount()->text().toInt(), static_cast<int>(c.rows.size()));
        EXPECT_EQ(window->SelectedCount()->text().toInt(), static_cast<int>(c.rows.size()));
    }
    window->ReadFile(textFile("two.txt", "a\nb\n"));
    const auto missing = AnswerNextMessageBox(QMessageBox::Ok);
    window->ReadFile(world.path("text/none.txt"));
    EXPECT_EQ(missing->text.toStdString(), "File [" + world.path("text/none.txt") + "] could not be found");
    EXPECT_EQ(window->Model().Total(), 2);
    // a pipe is never opened (that would wait for a writer), and it says so
    ASSERT_EQ(::mkfifo(world.path("text/pipe.txt").c_str(), 0600), 0);
    const auto unreadable = AnswerNextMessageBox(QMessageBox::Ok);
    window->ReadFile(world.path("text/pipe.txt"));
    EXPECT_EQ(unreadable->text.toStdString(), "File [" + world.path("text/pipe.txt") + "] could not be read");
    EXPECT_EQ(window->Model().Total(), 2);
}

TEST_F(UseFileTest, TicksCountAndNothingPrintsWithoutThem) {
    start();
    writeDesign("Names.lbl", {"Field_03"});
    auto window = open("Names.lbl");
    const auto noFile = AnswerNextMessageBox(QMessageBox::Ok);
    window->btnPrintClick();
    EXPECT_EQ(noFile->text, "Please select a text-file");
    window->ReadFile(textFile("three.txt", "a\nb\nc\n"));
    window->btnSelectNoneClick();
    EXPECT_EQ(window->SelectedCount()->text(), "0");
    const auto nothing = AnswerNextMessageBox(QMessageBox::Ok);
    window->btnPreviewClick();
    EXPECT_EQ(nothing->text, "Please select something from the text-file");
    // a click on a line's tick box
    QTableView* grid = window->FileList();
    const QRect tick = grid->visualRect(window->Model().index(1, TTextFileModel::TickColumn));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, tick.center());
    EXPECT_EQ(window->SelectedCount()->text(), "1");
    window->btnPrintClick();
    ASSERT_EQ(labelFiles().size(), 1u);
    EXPECT_EQ(lines(labelFiles()[0]), std::vector<std::string>{"1,Names,b,,,,,,,,,,,,,,,,\r"});
    window->btnSelectAllClick();
    EXPECT_EQ(window->SelectedCount()->text(), "3");
    EXPECT_TRUE(labelFiles().size() == 1u);
}

TEST_F(UseFileTest, TheFocusedLineFillsTheFieldsAndTheToolbarMovesIt) {
    start();
    writeDesign("Names.lbl", {"Field_01_Barcode", "Field_04"});
    ui::TfrmBaseSideMenu main;
    auto window = std::make_unique<TfrmPrintLabelsUseFile>();
    window->SetMainWindow(&main);
    window->SetDesign("Names.lbl", designFolder(), labelFolder());
    main.show();
    main.ShowInnerWindow(window.get());
    EXPECT_EQ(main.ToolbarFilter(), 2);
    // column 2 and 3 are fields the design does not use
    EXPECT_TRUE(window->FileList()->isColumnHidden(2));
    EXPECT_EQ(window->Model().headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), "Field_04");
    window->ReadFile(textFile("list.txt", "00000001,x,y,First\n00000002,x,y,Second\n"));
    EXPECT_EQ(window->FieldEdit(1)->text(), "First");
    EXPECT_FALSE(window->FieldEdit(1)->isEnabled());
    main.ToolbarAction(ui::TToolbarAction::Next)->trigger();
    EXPECT_EQ(window->FieldEdit(0)->text(), "00000002");
    EXPECT_EQ(window->FieldEdit(1)->text(), "Second");
    QWidget other;
    other.setWindowTitle("Manual Labels");
    main.ShowInnerWindow(&other);
    EXPECT_FALSE(main.HasActionHandler(ui::TToolbarAction::Next));
}

TEST_F(UseFileTest, SixHundredLinesPrintInThreeFilesThroughTheEngine) {
    start();
    writeDesign("Names.lbl", {"Field_01_Barcode", "Field_03"});
    // A.B.lbl names design "A" in its label files
    writeDesign("A.B.lbl", {"Field_03"});
    std::string text;
    std::vector<std::string> expected;
    for (int i = 1; i <= 600; ++i) {
        expected.push_back(QString("%1").arg(i, 8, 10, QChar('0')).toStdString());
        text += expected.back() + ";hidden;Name " + std::to_string(i) + "\r\n";
    }
    auto window = open("Names.lbl");
    window->ReadFile(textFile("list.txt", text));
    EXPECT_EQ(window->SelectedCount()->text(), "600");
    window->btnPrintClick();
    const auto files = labelFiles();
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(lines(files[0]).size(), 250u);
    EXPECT_EQ(lines(files[1]).size(), 250u);
    EXPECT_EQ(lines(files[2]).size(), 100u);
    // the hidden column's value goes along
    EXPECT_EQ(lines(files[0])[0], "1,Names,00000001,hidden,Name 1,,,,,,,,,,,,,,\r");

    auto dotted = open("A.B.lbl");
    dotted->ReadFile(textFile("one.txt", "x;y;z\r\n"));
    dotted->btnPrintClick();
    ASSERT_EQ(labelFiles().size(), 4u);
    EXPECT_EQ(lines(labelFiles()[3]), std::vector<std::string>{"1,A,x,y,z,,,,,,,,,,,,,,\r"});
    std::filesystem::remove(labelFolder() + labelFiles()[3]);

    ASSERT_EQ(drainWithEngine(), 0) << world.readFile("engine.out");
    EXPECT_EQ(printedBarcodes(), expected);
}

TEST_F(UseFileTest, AHundredThousandLinesAreRead) {
    start();
    writeDesign("Names.lbl", {"Field_03"});
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "1,2," + std::to_string(i) + "\n";
    auto window = open("Names.lbl");
    window->ReadFile(textFile("big.txt", text));
    EXPECT_EQ(window->TotalCount()->text(), "100000");
    EXPECT_EQ(row(*window, 99999), (std::vector<std::string>{"1", "2", "99999"}));
    window->GoLastEvent();
    EXPECT_EQ(window->FieldEdit(0)->text(), "99999");
}

}  // namespace

}  // namespace quill::test
