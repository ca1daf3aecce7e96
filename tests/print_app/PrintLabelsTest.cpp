// "Print Labels" driven as a user would: the fields a design uses, the
// amount, the barcode range, the preview, and the label files the engine
// then prints.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "PrintingWindowsWorld.h"
#include "core/UGlobals.h"
#include "print_app/FPrintLabels.h"
#include "printing/BarcodeNumbers.h"
#include "labelrender/WindowHooks.h"
#include "ui/FPreview.h"

namespace quill::test {

namespace {

class PrintLabelsTest : public PrintingWindowsTest {
protected:
    std::unique_ptr<TfrmPrintLabels> open(const std::string& design) { return openWindow<TfrmPrintLabels>(design); }
    static QStringList shownCaptions(const TfrmBasePrintLabels& window) {
        QStringList captions;
        for (int pair = 0; pair < FieldPairCount; ++pair)
            if (!window.FieldEdit(pair)->isHidden()) captions << window.FieldCaption(pair)->text();
        return captions;
    }
    // "1,D," and sixteen values, each with its comma.
    static std::string line(const std::string& design, std::map<int, std::string> values, int amount = 1) {
        std::string text = std::to_string(amount) + "," + design + ",";
        for (int position = 0; position < 16; ++position) text += values[position] + ",";
        return text + "\r";
    }
};

TEST_F(PrintLabelsTest, TheDesignsFieldsBecomePairsAndTheLineKeepsVocabularyOrder) {
    start();
    const std::vector<std::string> sixteen = {"Field_01_Barcode", "Field_02_Barcode", "Field_03", "Field_04",
                                              "Field_05", "Field_06", "Field_07", "Field_08", "Field_09",
                                              "Field_10", "Field_11", "Field_12", "Field_13", "Field_14",
                                              "Field_15", "Field_16"};
    struct Case {
        std::string design;
        std::vector<std::string> fields;
        QStringList captions;
        std::map<int, std::string> written;   // position -> value, for values "v1", "v2", ... typed into the pairs
        bool tooMany = false;
    } cases[] = {
        {"English", {"Field_01_Barcode", "Field_03", "Field_05"}, {"Field_01_Barcode", "Field_03", "Field_05"},
         {{0, "v1"}, {2, "v2"}, {4, "v3"}}},
        {"Dutch", {"Veld_03", "Veld_04"}, {"Veld_03", "Veld_04"}, {{2, "v1"}, {3, "v2"}}},
        {"German", {"Feld_16"}, {"Feld_16"}, {{15, "v1"}}},
        {"NoFields", {}, {}, {}},
        {"Sixteen", sixteen, {}, {}, true},
    };
    for (int pair = 0; pair < FieldPairCount; ++pair) cases[4].captions << QString::fromStdString(sixteen[pair]);
    for (int pair = 0; pair < FieldPairCount; ++pair) cases[4].written[pair] = "v" + std::to_string(pair + 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.design);
        writeDesign(c.design + ".lbl", c.fields);
        if (c.fields.empty()) world.writeFile("data/labels/designs/User/NoFields.lbl",
                                              "[Design]\nFormatVersion=1\n[Object1]\nType=Text\nX=1\nY=1\n"
                                              "Width=40\nHeight=5\nContents=Plain text\n");
        const auto seen = c.tooMany ? AnswerNextMessageBox(QMessageBox::Ok) : nullptr;
        auto window = open(c.design + ".lbl");
        if (c.tooMany) {
            EXPECT_EQ(seen->text, "There are too many fields in the design, \nnot all can be shown!");
        }
        EXPECT_EQ(shownCaptions(*window), c.captions);
        for (int pair = 0; pair < c.captions.size(); ++pair)
            window->FieldEdit(pair)->setText(QString("v%1").arg(pair + 1));
        const auto before = labelFiles();
        window->btnPrintClick();
        const auto after = labelFiles();
        ASSERT_EQ(after.size(), before.size() + 1);
        EXPECT_EQ(lines(after.back()), std::vector<std::string>{line(c.design, c.written)});
    }
}

TEST_F(PrintLabelsTest, WhatTheUserTypesIsWrittenAsTypedOrRefusedWithAReason) {
    start();
    writeDesign("Typed.lbl", {"Field_03", "Field_04"});
    auto window = open("Typed.lbl");
    struct Case {
        QString amount, field3, field4;
        std::string message;   // empty: printed
        std::string written;
    } cases[] = {
        {"3", "Müller", "5 €", "", line("Typed", {{2, "M\xFCller"}, {3, "5 \x80"}}, 3)},
        {"", "a", "b", "Please enter a valid amount", ""},
        {"000", "a", "b", "Please enter a valid amount", ""},
        {"1", "a,b", "c", "The field \"Field_03\" holds the separator \",\", which would split it into two values in the label file.", ""},
        {"1", "Ω", "c", "The field \"Field_03\" holds the character \"Ω\", which the label code page (1252) cannot hold.", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount.toStdString() + " " + c.field3.toStdString());
        window->AmountEdit()->setText(c.amount);
        window->FieldEdit(0)->setText(c.field3);
        window->FieldEdit(1)->setText(c.field4);
        const auto before = labelFiles();
        const auto seen = c.message.empty() ? nullptr : AnswerNextMessageBox(QMessageBox::Ok);
        window->btnPrintClick();
        if (!c.message.empty()) {
            EXPECT_EQ(seen->text.toStdString(), c.message);
            EXPECT_EQ(labelFiles(), before);
        } else {
            ASSERT_EQ(labelFiles().size(), before.size() + 1);
            EXPECT_EQ(lines(labelFiles().back()), std::vector<std::string>{c.written});
        }
    }
    // the amount box takes digits only, three of them
    window->AmountEdit()->clear();
    QTest::keyClicks(window->AmountEdit(), "12a345");
    EXPECT_EQ(window->AmountEdit()->text(), "123");
}

TEST_F(PrintLabelsTest, KeysLeaveForTheDesignListOrPrint) {
    start();
    writeDesign("Keys.lbl", {"Field_03"});
    auto window = open("Keys.lbl");
    QSignalSpy leave(window.get(), &TfrmBasePrintLabels::designListWanted);
    QTest::keyClick(window->FieldEdit(0), Qt::Key_Escape);
    QTest::keyClick(window->AmountEdit(), Qt::Key_Escape);
    EXPECT_EQ(leave.count(), 2);
    QTest::keyClick(window->FieldEdit(0), Qt::Key_Return);
    QTest::keyClick(window->AmountEdit(), Qt::Key_Enter);
    EXPECT_EQ(labelFiles().size(), 2u);
    // two prints within one second: two names
    EXPECT_NE(labelFiles()[0], labelFiles()[1]);
}

TEST_F(PrintLabelsTest, TheSketchShowsTheTypedValuesAfterAPause) {
    start();
    writeDesign("Sketch.lbl", {"Field_03"}, 1, 1);
    auto window = open("Sketch.lbl");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->SketchView()->pixmap().isNull(); }, 2000));
    const QImage empty = window->SketchView()->pixmap().toImage();
    QTest::keyClicks(window->FieldEdit(0), "WIDE TEXT ON THE LABEL");
    EXPECT_TRUE(window->SketchTimer().isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->SketchView()->pixmap().toImage() != empty; }, 2000));
    EXPECT_TRUE(window->SketchWorks());
}

TEST_F(PrintLabelsTest, ABarcodeRangeAndAPlainLabelPrintThroughTheEngine) {
    // stored with a wrong check digit: the range starts from the corrected number
    start("CheckDigit=MOD10\nLastBarcode=00000017\nBarcodelength=8");
    writeDesign("Range.lbl", {"Field_01_Barcode", "Field_03"});
    auto window = open("Range.lbl");
    ASSERT_TRUE(window->BarcodeRangeBox()->isEnabled());
    window->BarcodeRangeBox()->setChecked(true);
    EXPECT_FALSE(window->FieldEdit(0)->isEnabled());
    EXPECT_EQ(window->FieldEdit(0)->text(), "00000018");
    window->FieldEdit(1)->setText("Range");
    QTest::keyClicks(window->AmountEdit(), "\b251");
    EXPECT_EQ(window->AmountEdit()->text(), "251");
    window->btnPrintClick();

    std::vector<std::string> expected;
    std::string number = "00000018";
    for (int i = 0; i < 251; ++i, number = *NextBarcode(number, "MOD10", 1)) expected.push_back(number);
    EXPECT_EQ(lastBarcodeStored(), number);
    EXPECT_EQ(window->FieldEdit(0)->text().toStdString(), number);
    const auto files = labelFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(lines(files[0]).size(), 250u);
    EXPECT_EQ(lines(files[1]), std::vector<std::string>{line("Range", {{0, expected.back()}, {2, "Range"}})});

    window->BarcodeRangeBox()->setChecked(false);
    EXPECT_TRUE(window->FieldEdit(0)->isEnabled());
    window->FieldEdit(0)->setText("55555555");
    window->AmountEdit()->setText("1");
    window->btnPrintClick();
    ASSERT_EQ(labelFiles().size(), 3u);

    ASSERT_EQ(drainWithEngine(), 0) << world.readFile("engine.out");
    expected.push_back("55555555");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(printedBarcodes(), expected);
}

TEST_F(PrintLabelsTest, TheEnginePrintsADesignInItsOwnLanguageButNotOneMixingLanguages) {
    start("Barcodelength=8");
    struct Case {
        std::string design;
        std::vector<std::string> fields;
        std::vector<std::string> typed;   // into the shown pairs
        bool printed;
    } cases[] = {
        {"Dutch", {"Veld_01_Barcode", "Veld_03"}, {"12345678", "Tulip"}, true},
        // the window shows the Dutch barcode only; the English text has no value the engine could give it
        {"Mixed", {"Veld_01_Barcode", "Field_03"}, {"87654321"}, false},
    };
    for (const Case& c : cases) {
        writeDesign(c.design + ".lbl", c.fields);
        auto window = open(c.design + ".lbl");
        for (std::size_t pair = 0; pair < c.typed.size(); ++pair)
            window->FieldEdit(static_cast<int>(pair))->setText(QString::fromStdString(c.typed[pair]));
        window->btnPrintClick();
    }
    ASSERT_EQ(labelFiles().size(), 2u);
    drainWithEngine();
    const std::string output = world.readFile("engine.out");
    EXPECT_EQ(printedBarcodes(), std::vector<std::string>{"12345678"}) << output;
    EXPECT_NE(printedText().find("Tulip"), std::string::npos) << output;
    EXPECT_NE(output.find("Manual\tMixed\t1/30\tNot printed. Errorcode: -35."), std::string::npos) << output;
}

// A label folder that takes no files: the user is told once, and the range
// ends at the first chunk not written.
TEST_F(PrintLabelsTest, LabelsThatCannotBeWrittenAreReportedNotPrinted) {
    start("CheckDigit=MOD10\nLastBarcode=00000017\nBarcodelength=8");
    writeDesign("Range.lbl", {"Field_01_Barcode", "Field_03"});
    std::filesystem::remove_all(labelFolder());
    world.writeFile("data/labels/User", "not a folder");
    auto window = open("Range.lbl");
    window->BarcodeRangeBox()->setChecked(true);
    window->FieldEdit(1)->setText("Range");
    window->AmountEdit()->setText("251");
    const auto seen = AnswerNextMessageBox(QMessageBox::Ok);
    window->btnPrintClick();
    ASSERT_TRUE(seen->shown);
    EXPECT_EQ(seen->icon, QMessageBox::Critical);
    EXPECT_TRUE(seen->text.startsWith("The labels could not be written to the label folder ")) << seen->text.toStdString();
    EXPECT_EQ(lastBarcodeStored(), *NextBarcode("00000018", "MOD10", 250));
}

TEST_F(PrintLabelsTest, APreviewOfARangeShowsAtMost100LabelsAndNumbersNothing) {
    start("CheckDigit=MOD10\nLastBarcode=00000017");
    writeDesign("Range.lbl", {"Field_01_Barcode", "Field_03"});
    ui::InstallPreviewWindowHook();
    auto window = open("Range.lbl");
    window->BarcodeRangeBox()->setChecked(true);
    window->AmountEdit()->setText("150");
    int pages = 0;
    std::shared_ptr<ModalSeen> preview;
    const auto limit = AnswerNextModal([&](QWidget* box) {
        preview = AnswerNextModal([&](QWidget* shown) {
            pages = qobject_cast<ui::TfrmPreview*>(shown)->PageCount();
            shown->close();
        });
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    window->btnPreviewClick();
    EXPECT_EQ(limit->text, "Only the first 100 items will be shown in preview!");
    ASSERT_TRUE(preview && preview->shown);
    EXPECT_EQ(pages, 4);   // 100 labels, 30 a page
    EXPECT_EQ(lastBarcodeStored(), "00000017");
    EXPECT_TRUE(labelFiles().empty());
    labelrender::InstallPreviewWindow({});
}

}  // namespace

}  // namespace quill::test
