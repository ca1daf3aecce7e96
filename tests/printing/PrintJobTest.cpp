#include "printing/PrintJob.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "printing/PrintRepeat.h"
#include "printing/PrintWorld.h"

namespace quill {
namespace {

namespace fs = std::filesystem;
using labelrender::LabelJob;

class PrintLabelTest : public test::PrintWorldTest {
protected:
    bool print(const std::vector<TLabelRecord>& records, bool preview = false, const PrintProgress& progress = {}) {
        const TMode mode = records.empty() ? TMode::Manual : records.front().Mode;
        return PrintLabel(job, records, quill::Mode(mode).Fields, preview, errorText, progress);
    }
    // The text of the one PDF the records printed to; fails the test when printing failed.
    std::string printedText(const std::vector<TLabelRecord>& records) {
        EXPECT_TRUE(print(records)) << errorText;
        return onlyPdfText();
    }

    LabelJob job;
    std::string errorText;
};

TEST_F(PrintLabelTest, NoRecordsSucceedWithoutPrinting) {
    EXPECT_TRUE(print({}));
    EXPECT_EQ(errorText, "");
    EXPECT_TRUE(pdfFiles().empty());
}

TEST_F(PrintLabelTest, AmountZeroPrintsNothingAndIsNoError) {
    writeTextDesign("C01", {"WearerName"});
    EXPECT_TRUE(print({makeRecord(TMode::Corvane, "C01", 0, {{21, "Anna"}})})) << errorText;
    EXPECT_TRUE(pdfFiles().empty());

    const std::string text = printedText(
        {makeRecord(TMode::Corvane, "C01", 0, {{21, "Anna"}}), makeRecord(TMode::Corvane, "C01", 2, {{21, "Bert"}})});
    EXPECT_EQ(text.find("Anna"), std::string::npos);
    EXPECT_NE(text.find("WearerName=Bert"), std::string::npos) << text;
}

TEST_F(PrintLabelTest, EveryRecordPrintsItsAmountOnTheFirstRecordsDesign) {
    writeTextDesign("C01", {"WearerName"});
    writeTextDesign("C02", {"Locker"});
    const std::string text = printedText({makeRecord(TMode::Corvane, "C01", 2, {{21, "Anna"}, {27, "L1"}}),
                                          makeRecord(TMode::Corvane, "C02", 1, {{21, "Bert"}, {27, "L2"}})});
    std::size_t annas = 0;
    for (auto at = text.find("WearerName=Anna"); at != std::string::npos; at = text.find("WearerName=Anna", at + 1))
        ++annas;
    EXPECT_EQ(annas, 2u);
    EXPECT_NE(text.find("WearerName=Bert"), std::string::npos);
    EXPECT_EQ(text.find("Locker"), std::string::npos);
    EXPECT_EQ(LastPrinterName(), "PDF");
}

TEST_F(PrintLabelTest, MissingDesignIsReportedWithoutAJob) {
    EXPECT_FALSE(print({makeRecord(TMode::Corvane, "C09", 1)}));
    EXPECT_EQ(errorText, "Design not found: " + designFolder() + "C09.lbl");
    EXPECT_TRUE(pdfFiles().empty());
}

TEST_F(PrintLabelTest, DesignIsFoundWithoutRegardToCase) {
    writeTextDesign("AB07", {"WearerName"});
    EXPECT_NE(printedText({makeRecord(TMode::Corvane, "ab07", 1, {{21, "Anna"}})}).find("WearerName=Anna"),
              std::string::npos);
}

TEST_F(PrintLabelTest, DesignFolderWithoutTrailingSeparatorAndBecomesCurrentDirectory) {
    writeTextDesign("C01", {"WearerName"});
    TLabelRecord record = makeRecord(TMode::Corvane, "C01", 1);
    record.DesignFolder.pop_back();
    EXPECT_TRUE(print({record})) << errorText;
    EXPECT_TRUE(fs::equivalent(fs::current_path(), designFolder()));
}

// Variables a record does not carry keep the sample contents of the design definitions.
TEST_F(PrintLabelTest, UncarriedVariablesKeepTheirSampleContents) {
    writeTextDesign("C01", {"WearerName", "Locker", "BarcodeSecondaryIDCode", "SecondaryIDCodeSGTIN96"});
    TLabelRecord record;
    record.Mode = TMode::Corvane;
    record.Amount = 1;
    record.Design = "C01";
    record.DesignFolder = designFolder();
    const std::vector<TField>& fields = quill::Mode(TMode::Corvane).Fields;
    for (int i = 0; i <= 21; ++i) record.AppendField(&fields[static_cast<std::size_t>(i)].Name, KindText, i == 21 ? "Anna" : "");
    const std::string text = printedText({record});
    EXPECT_NE(text.find("WearerName=Anna"), std::string::npos) << text;
    EXPECT_NE(text.find("Locker=Locker"), std::string::npos) << text;
    EXPECT_NE(text.find("BarcodeSecondaryIDCode=00005814"), std::string::npos) << text;
    EXPECT_NE(text.find("SecondaryIDCodeSGTIN96=12345.123.123456789"), std::string::npos) << text;
}

TEST_F(PrintLabelTest, CorvaneIdentificationCodesGiveBarcodeDataMatrixAndSgtin) {
    writeTextDesign("C01", {"IDCode", "BarcodeIDCode", "IDCodeSGTIN96", "BarcodeSecondaryIDCode",
                            "SecondaryIDCodeSGTIN96"});
    const std::string text = printedText(
        {makeRecord(TMode::Corvane, "C01", 1, {{47, "3074257BF7194E4000001A85"}, {48, "00012345"}})});
    EXPECT_NE(text.find("IDCode=3074257BF7194E4000001A85"), std::string::npos) << text;
    EXPECT_NE(text.find("BarcodeIDCode=3074257BF7194E4000001A85"), std::string::npos);
    EXPECT_NE(text.find("IDCodeSGTIN96=0614141.812345.6789"), std::string::npos);
    EXPECT_NE(text.find("BarcodeSecondaryIDCode=00012345"), std::string::npos);
    // not an SGTIN-96 code: printed as it is
    EXPECT_NE(text.find("SecondaryIDCodeSGTIN96=00012345"), std::string::npos);
}

TEST_F(PrintLabelTest, CorvanePwbTakesItsCodesFromPositions32And33) {
    writeTextDesign("R01", {"BarcodeIDCode", "SecondaryIDCodeSGTIN96"});
    const std::string text = printedText(
        {makeRecord(TMode::CorvanePWB, "R01", 1, {{32, "11112222"}, {33, "3074257BF7194E4000001A85"}})});
    EXPECT_NE(text.find("BarcodeIDCode=11112222"), std::string::npos) << text;
    EXPECT_NE(text.find("SecondaryIDCodeSGTIN96=0614141.812345.6789"), std::string::npos) << text;
}

TEST_F(PrintLabelTest, LegacyBarcodeFieldsDefineBarcodeTheLastOneWinning) {
    writeTextDesign("01", {"Barcode", "Line_01", "Line_02"});
    TLabelRecord record = makeRecord(TMode::Legacy, "01", 1);
    record.ClearFields();
    const std::vector<TField>& fields = quill::Mode(TMode::Legacy).Fields;
    record.AppendField(&fields[0].Name, KindBarcode, "12345678");
    record.AppendField(&fields[1].Name, KindText, "HELLO");
    record.AppendField(&fields[2].Name, KindBarcode, "87654321");
    const std::string text = printedText({record});
    EXPECT_NE(text.find("Barcode=87654321"), std::string::npos) << text;
    // a barcode field defines no text variable of its own
    EXPECT_NE(text.find("Line_01=Line_01"), std::string::npos) << text;
    EXPECT_NE(text.find("Line_02=HELLO"), std::string::npos) << text;
}

TEST_F(PrintLabelTest, VekLegacyIdentificationNumbersBecomeBarcodes) {
    writeTextDesign("01", {"BarcodePWB", "BarcodeBKL", "IDCodeNumberBKL", "ResidentName"});
    const std::string text = printedText(
        {makeRecord(TMode::VekLegacy, "01", 1, {{16, "00123456"}, {23, "00654321"}, {21, "Mrs. J. de Vries"}})});
    EXPECT_NE(text.find("BarcodePWB=00123456"), std::string::npos) << text;
    EXPECT_NE(text.find("BarcodeBKL=00654321"), std::string::npos);
    EXPECT_NE(text.find("IDCodeNumberBKL=00654321"), std::string::npos);
    EXPECT_NE(text.find("ResidentName=Mrs. J. de Vries"), std::string::npos);
}

TEST_F(PrintLabelTest, ManualBarcodesAreBroughtToTheBarcodeLength) {
    Settings.Barcodelength = 10;
    writeTextDesign("new", {"Field_01_Barcode", "Field_02_Barcode", "Field_03"});
    const std::string text =
        printedText({makeRecord(TMode::Manual, "new", 1, {{0, "12345"}, {1, "000000000077"}, {2, "Text"}})});
    EXPECT_NE(text.find("Field_01_Barcode=0000012345"), std::string::npos) << text;
    EXPECT_NE(text.find("Field_02_Barcode=0000000077"), std::string::npos) << text;
    EXPECT_NE(text.find("Field_03=Text"), std::string::npos) << text;
}

TEST_F(PrintLabelTest, TamberCodeIdKeepsItsLastCharacters) {
    Settings.BarcodeLengthTamber = 5;
    writeTextDesign("C01", {"CodeID", "BarcodeCodeID", "WearerName"});
    const std::string text = printedText({makeRecord(TMode::Tamber, "C01", 1, {{19, "0000012345678"}, {6, "Kim"}})});
    EXPECT_NE(text.find("CodeID=45678"), std::string::npos) << text;
    EXPECT_NE(text.find("BarcodeCodeID=45678"), std::string::npos) << text;
    EXPECT_NE(text.find("WearerName=Kim"), std::string::npos) << text;
}

TEST_F(PrintLabelTest, OrsHeaderIdCodeBecomesAHeaderBarcode) {
    writeTextDesign("A01", {"Header.BarcodeIDCode", "Row.01.ProductDescription"});
    const std::string text =
        printedText({makeRecord(TMode::CorvaneORS, "A01", 1, {{22, "00004711"}, {48, "Scalpel handle"}})});
    EXPECT_NE(text.find("Header.BarcodeIDCode=00004711"), std::string::npos) << text;
    EXPECT_NE(text.find("Row.01.ProductDescription=Scalpel handle"), std::string::npos) << text;
}

// With a code page the job also learns the byte that stands for a line break.
TEST_F(PrintLabelTest, CodePageSetsTheRepresentationCodes) {
    writeDesign("new", "[Object1]\nType=Text\nX=2\nY=2\nWidth=100\nHeight=30\nContents={Field_03}\n");
    Settings.CodePage = 1252;
    const std::string text = printedText({makeRecord(TMode::Manual, "new", 1, {{2, "Upper\x14Lower \xE9t\xE9"}})});
    EXPECT_NE(text.find("Upper\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Lower été"), std::string::npos) << text;
}

TEST_F(PrintLabelTest, FailedStartEndsTheJobAndReportsItsCode) {
    writeTextDesign("C01", {"NoSuchVariable"});
    writeTextDesign("C02", {"WearerName"});
    EXPECT_FALSE(print({makeRecord(TMode::Corvane, "C01", 1)}));
    EXPECT_EQ(errorText, "Errorcode: -35. Unknown variable in design");
    // the same job prints the next task: nothing of the failed one is left open
    EXPECT_TRUE(print({makeRecord(TMode::Corvane, "C02", 1)})) << errorText;
    EXPECT_EQ(pdfFiles().size(), 1u);
}

// A label the library cannot print stops the job; its code has no message of ours.
TEST_F(PrintLabelTest, FailedLabelStopsTheJobWithAnEmptyMessageForUnknownCodes) {
    writeDesign("01", "[Object1]\nType=Barcode\nX=2\nY=2\nWidth=80\nHeight=20\nContents={BarcodeBKL}\n");
    std::vector<TLabelRecord> records = {makeRecord(TMode::VekLegacy, "01", 1, {{23, "00001111"}}),
                                         makeRecord(TMode::VekLegacy, "01", 1, {{23, "NOT DIGITS"}}),
                                         makeRecord(TMode::VekLegacy, "01", 1, {{23, "00002222"}})};
    int printed = -1;
    EXPECT_FALSE(PrintLabel(job, records, quill::Mode(TMode::VekLegacy).Fields, false, errorText, {}, &printed));
    EXPECT_EQ(errorText, "Errorcode: " + std::to_string(labelrender::LL_ERR_BARCODE) + ". ");
    EXPECT_EQ(printed, 1) << "the label before the failed one is printed";
    EXPECT_EQ(pdfFiles().size(), 1u);
}

TEST_F(PrintLabelTest, PreviewReportsProgressPerCopyAndPrintsNothing) {
    writeTextDesign("C01", {"WearerName"});
    std::vector<int> percents;
    EXPECT_TRUE(print({makeRecord(TMode::Corvane, "C01", 3), makeRecord(TMode::Corvane, "C01", 1)}, true,
                      [&percents](int percent) { percents.push_back(percent); }))
        << errorText;
    EXPECT_EQ(percents, (std::vector<int>{33, 66, 100, 100}));
    EXPECT_TRUE(pdfFiles().empty());
    // without a window the kept file is the preview
    EXPECT_TRUE(fs::exists(job.PreviewFile())) << job.PreviewFile();
}

// The library hands the job over when it ends; a job it could not hand over
// printed nothing and must not count as printed.
TEST_F(PrintLabelTest, JobThatCannotBeDeliveredIsAFailure) {
    writeTextDesign("C01", {"WearerName"});
    const std::string previewFolder = world.path("data/Temp/Preview");
    const auto blockDelivery = [&](int) {
        fs::rename(previewFolder, previewFolder + ".moved");
        world.writeFile("data/Temp/Preview", "a file where the folder was");
    };
    EXPECT_FALSE(print({makeRecord(TMode::Corvane, "C01", 1)}, true, blockDelivery));
    EXPECT_EQ(errorText, "Errorcode: -17. No preview files found");
}

TEST(PrintRepeating, CallsAgainWhileTheLibraryAsksForTheSameLabel) {
    // stands in for LlPrint: the library itself never asks to repeat a label
    std::vector<int> answers = {labelrender::LL_WRN_REPEAT_DATA, labelrender::LL_ERR_ALREADY_PRINTING,
                                labelrender::LL_WRN_REPEAT_DATA, 0, -12};
    std::size_t calls = 0;
    EXPECT_EQ(PrintRepeating([&] { return answers[calls++]; }), 0);
    EXPECT_EQ(calls, 4u);
}

TEST(PrintRepeating, OtherCodesEndAtOnce) {
    int calls = 0;
    EXPECT_EQ(PrintRepeating([&] { return ++calls, labelrender::LL_ERR_PRINTING; }), labelrender::LL_ERR_PRINTING);
    EXPECT_EQ(calls, 1);
}

TEST(PrintRepeating, GivesUpOnALibraryThatNeverStopsAsking) {
    int calls = 0;
    EXPECT_EQ(PrintRepeating([&] { return ++calls, labelrender::LL_WRN_REPEAT_DATA; }),
              labelrender::LL_WRN_REPEAT_DATA);
    EXPECT_EQ(calls, MaxLabelRepeats + 1);
}

}  // namespace
}  // namespace quill
