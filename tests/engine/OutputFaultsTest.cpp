// What a failing output does to labels, rows and label files: nothing is
// reported printed that was not, and nothing unprinted is lost.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>

#include "EngineCoreWorld.h"
#include "core/Utilities.h"
#include "support/CupsTestScheduler.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// The one file a row's status names in Error: "... (NAME moved to Error)".
std::string NamedInError(const std::string& status) {
    const auto end = status.rfind(" moved to Error)");
    const auto start = status.rfind(" (", end);
    if (end == std::string::npos || start == std::string::npos) return {};
    return status.substr(start + 2, end - start - 2);
}

// The kernel's own file size limit, for this process while it lives: any
// write beyond `bytes` fails with EFBIG, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    sighandler_t handler_;
};

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class OutputFaultsTest : public test::EngineCoreTest {
protected:
    // A design of `rows` labels per page with the given object sections,
    // printing to `printer`.
    void writeObjects(TMode mode, const std::string& name, int rows, const std::string& objects,
                      const std::string& printer = "PDF") const {
        fs::create_directories(designFolder(mode));
        std::ofstream(designFolder(mode) + name + ".lbl")
            << "[Design]\nFormatVersion=1\n[Label]\nWidth=60\nHeight=20\n[Layout]\nnRows=" << rows
            << "\nnCols=1\n" << objects;
        setPrinter(mode, name, printer);
    }
    void setPrinter(TMode mode, const std::string& name, const std::string& printer) const {
        std::ofstream(designFolder(mode) + name + ".lbp") << "[Printer]\nFormatVersion=1\nName=" << printer << "\n";
    }
    static std::string TextObject(int number, const std::string& contents, int y) {
        return "[Object" + std::to_string(number) + "]\nType=Text\nX=2\nY=" + std::to_string(y) +
               "\nWidth=56\nHeight=5\nFontSize=7\nContents=" + contents + "\n";
    }
    std::string onlyRowStatus() const {
        EXPECT_EQ(core->Rows().Rows().size(), 1u);
        return core->Rows().Rows().empty() ? std::string() : core->Rows().Rows().back().Status;
    }
};

TEST_F(OutputFaultsTest, PdfThatCannotBeWrittenIsNotPrintedAndItsFileGoesToError) {
    makeEngine("LogMode=3\n");
    writeDesign("C01");
    writeLabelFile("full.lbl", "1,C,01,x\r\n");
    {
        const FileSizeLimit disk(4096);
        core->CheckIncomingTimerTimer();
    }
    const std::string status = onlyRowStatus();
    EXPECT_EQ(status.rfind("Not printed. Errorcode: -12. Error during printing (", 0), 0u) << status;
    EXPECT_TRUE(filesIn(world.path("pdf")).empty()) << "neither a cut PDF nor its work file is left";
    EXPECT_EQ(filesIn(labelFolder() + "Error"), std::vector<std::string>{NamedInError(status)});
    EXPECT_TRUE(filesIn(labelFolder() + "Backup").empty());
    EXPECT_NE(logText().find("File too large"), std::string::npos) << logText();
}

// Label 2 holds a value its barcode cannot carry: label 1 prints, label 2
// and the file it came from are where the row says. On a page of 2 the
// task fails while its file is read; on a page of 4 after the file was
// filed in Backup.
class FailedLabelTest : public OutputFaultsTest, public ::testing::WithParamInterface<int> {};

TEST_P(FailedLabelTest, LabelsBeforeItPrintAndTheRowNamesWhereTheRestIs) {
    const int perPage = GetParam();
    makeEngine("LogMode=3\n", "[USER]\nVisible=1\n");
    writeObjects(TMode::Manual, "Sheet", perPage,
                 TextObject(1, "P={Field_03}", 1) +
                     "[Object2]\nType=Barcode\nX=2\nY=7\nWidth=56\nHeight=12\nContents={Field_01_Barcode}\n");
    writeLabelFile("USR1.txt", "1,Sheet,1234,,one\r\n1,Sheet,12AB,,two\r\n", 10, TMode::Manual);
    core->CheckIncomingTimerTimer();
    core->PrintAllTasks();

    ASSERT_EQ(pdfFiles().size(), 1u);
    const std::string printed = allPdfText();
    EXPECT_NE(printed.find("P=one"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("P=two"), std::string::npos) << printed;
    const std::string status = onlyRowStatus();
    EXPECT_EQ(status.rfind("Not printed. Errorcode: -51. ", 0), 0u) << status;
    const std::string errorFolder = labelFolder(TMode::Manual) + "Error/";
    ASSERT_EQ(filesIn(errorFolder), std::vector<std::string>{NamedInError(status)}) << status;
    const std::string inError = ReadText(errorFolder + NamedInError(status));
    if (perPage == 2) {
        EXPECT_TRUE(filesIn(labelFolder(TMode::Manual) + "Backup").empty());
        EXPECT_EQ(inError.rfind("1,Sheet,1234,,one\r\n", 0), 0u) << "the label file itself";
    } else {
        EXPECT_EQ(filesIn(labelFolder(TMode::Manual) + "Backup").size(), 1u);
        EXPECT_EQ(inError.rfind("1,Sheet,12AB,,two,", 0), 0u) << inError;
        EXPECT_EQ(CountOf(inError, "\r\n"), 1) << "only the label that did not print";
    }
}

INSTANTIATE_TEST_SUITE_P(WhileReadingAndAfterFiling, FailedLabelTest, ::testing::Values(2, 4));

TEST_F(OutputFaultsTest, EachLabelOfAPageShowsOnlyItsOwnValues) {
    makeEngine("", "[LEGACY]\nVisible=1\n");
    writeObjects(TMode::Legacy, "01", 2,
                 TextObject(1, "B={Barcode}", 1) + TextObject(2, "T={Line_02}", 7) + TextObject(3, "L={Line_01}", 13));
    writeLabelFile("two.lbf", "***0101B08   12345678/05   ALPHA***\r\n***0101/04   BETA***\r\n", 10, TMode::Legacy);
    core->CheckIncomingTimerTimer();
    ASSERT_EQ(pdfFiles().size(), 1u);
    const std::string text = allPdfText();
    EXPECT_EQ(CountOf(text, "B=12345678"), 1) << text;
    EXPECT_EQ(CountOf(text, "T=ALPHA"), 1) << text;
    // what the second record does not carry keeps the design's sample contents
    EXPECT_NE(text.find("B=00005814"), std::string::npos) << text;
    EXPECT_NE(text.find("T=Line_02"), std::string::npos) << text;
    EXPECT_NE(text.find("L=BETA"), std::string::npos) << text;
}

// A task that waited after its file went to Backup fails at its printer:
// its copies go to Error as a label file that prints once retried.
class FailedPrinterTest : public OutputFaultsTest, public ::testing::WithParamInterface<std::string> {
protected:
    static void SetUpTestSuite() {
        if (test::CupsTestScheduler::Available()) scheduler_ = test::CupsTestScheduler::Start(startError_);
    }
    static void TearDownTestSuite() { scheduler_.reset(); }
    void SetUp() override {
        if (!test::CupsTestScheduler::Available()) GTEST_SKIP() << "cupsd is not installed";
        ASSERT_TRUE(scheduler_) << startError_;
        scheduler_->Use();
    }

    static std::unique_ptr<test::CupsTestScheduler> scheduler_;
    static std::string startError_;
};

std::unique_ptr<test::CupsTestScheduler> FailedPrinterTest::scheduler_;
std::string FailedPrinterTest::startError_;

TEST_P(FailedPrinterTest, TaskFailingAfterFilingLeavesItsCopiesInErrorForARetry) {
    makeEngine("LogMode=3\n");
    writeObjects(TMode::Corvane, "C01", 4, TextObject(1, "P={" + Mode(TMode::Corvane).Fields[0].Name + "}", 2),
                 GetParam());
    writeLabelFile("two.lbl", "1,C,01,alpha\r\n1,C,01,beta\r\n");
    core->CheckIncomingTimerTimer();
    core->PrintAllTasks();

    const std::string status = onlyRowStatus();
    EXPECT_EQ(status.rfind("Not printed. Errorcode: -1", 0), 0u) << status;
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), 1u);
    const std::string stored = NamedInError(status);
    ASSERT_EQ(filesIn(labelFolder() + "Error"), std::vector<std::string>{stored}) << status;
    EXPECT_NE(logText().find("2 unprinted labels of design C01 written to "), std::string::npos) << logText();

    // what Retry does, with the printer back
    setPrinter(TMode::Corvane, "C01", "PDF");
    fs::rename(labelFolder() + "Error/" + stored, labelFolder() + stored);
    core->CheckIncomingTimerTimer();
    core->PrintAllTasks();
    ASSERT_EQ(pdfFiles().size(), 1u);
    const std::string text = allPdfText();
    EXPECT_NE(text.find("P=alpha"), std::string::npos) << text;
    EXPECT_NE(text.find("P=beta"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(RejectingAndMissing, FailedPrinterTest, ::testing::Values("refuser", "nosuchprinter"));

TEST_F(OutputFaultsTest, PreviewWithoutAWindowIsKeptAndNamed) {
    makeEngine("PreviewAll=1\nLogMode=1\n");
    writeDesign("C01");
    writeLabelFile("look.lbl", "1,C,01,x\r\n");
    core->CheckIncomingTimerTimer();
    const std::string status = onlyRowStatus();
    const std::string previewFolder = AddBackslash(Settings.TempLocation) + "Preview/";
    ASSERT_EQ(status.rfind("Preview in " + previewFolder, 0), 0u) << status;
    const std::string preview = status.substr(11, status.rfind(" (") - 11);
    EXPECT_TRUE(fs::exists(preview)) << preview;
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), 1u);
    EXPECT_NE(pdfText(preview).find("P=x"), std::string::npos);
    EXPECT_NE(logText().find(preview), std::string::npos) << logText();
    EXPECT_TRUE(pdfFiles().empty()) << "a preview prints nothing";
}

}  // namespace
}  // namespace quill
