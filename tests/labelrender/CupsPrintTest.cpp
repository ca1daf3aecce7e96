// Printing to CUPS destinations of a real, private scheduler.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "RenderTestSupport.h"
#include "labelrender/LabelJob.h"
#include "labelrender/PrinterSettings.h"
#include "support/CupsTestScheduler.h"

namespace quill::labelrender {
namespace {

using namespace std::chrono_literals;
using test::Object;

class CupsPrintTest : public test::RenderTest {
protected:
    static void SetUpTestSuite() {
        if (!quill::test::CupsTestScheduler::Available()) return;
        scheduler_ = quill::test::CupsTestScheduler::Start(startError_);
    }
    static void TearDownTestSuite() { scheduler_.reset(); }

    void SetUp() override {
        test::RenderTest::SetUp();
        if (!quill::test::CupsTestScheduler::Available()) GTEST_SKIP() << "cupsd is not installed";
        ASSERT_TRUE(scheduler_) << startError_;
        scheduler_->Use();
    }

    // A 60 x 40 mm label, two per page; printer from <name>.lbp when `printer` is given.
    std::string MakeDesign(const std::string& name, const std::string& printer) {
        Design design = test::LabelDesign(60, 40, 2, 1);
        design.objects.push_back(Object(test::Text("Locker {Locker}"), 2, 2, 56, 8));
        design.objects.push_back(Object(test::Barcode("{Barcode}", Symbology::Interleaved2of5), 2, 12, 56, 20));
        const std::string path = Save(design, name);
        if (!printer.empty()) {
            EXPECT_TRUE((PrinterSettings{printer, 1}.Save(designFolder() + name + ".lbp")));
        }
        return path;
    }

    int Print(LabelJob& job, const std::string& design, int labels) {
        job.LlDefineVariableStart();
        job.LlDefineVariableExt("Locker", "12", VariableType::Text);
        job.LlDefineVariableExt("Barcode", "00005814", VariableType::Barcode);
        job.LlSetPrinterDefaultsDir(designFolder());
        const int started = job.LlPrintStart(LL_PROJECT_LABEL, design, LL_PRINT_NORMAL);
        int result = started;
        for (int i = 0; result == 0 && i < labels; ++i) result = job.LlPrint();
        const int ended = job.LlPrintEnd(0);
        return result != 0 ? result : ended;
    }

    static std::unique_ptr<quill::test::CupsTestScheduler> scheduler_;
    static std::string startError_;
};

std::unique_ptr<quill::test::CupsTestScheduler> CupsPrintTest::scheduler_;
std::string CupsPrintTest::startError_;

TEST_F(CupsPrintTest, AJobArrivesAsOnePdfWithTheDesignsPages) {
    const std::size_t before = scheduler_->JobFileCount();
    LabelJob job;
    ASSERT_EQ(Print(job, MakeDesign("AB07", "capture"), 3), 0) << job.LastErrorMessage();
    EXPECT_EQ(job.LlPrintGetPrinterInfo().name, "capture");
    EXPECT_EQ(job.LlPrintGetPrinterInfo().port.rfind("file://", 0), 0u) << job.LlPrintGetPrinterInfo().port;

    const std::string file = scheduler_->WaitForJobFiles(before + 1, 10s);
    ASSERT_FALSE(file.empty()) << "no job reached the queue";
    EXPECT_EQ(scheduler_->JobFileCount(), before + 1) << "one job for the whole print";
    const test::PdfInfo info = test::ReadPdfInfo(file);
    EXPECT_EQ(info.pages, 2) << "3 labels, 2 per page";
    EXPECT_NEAR(info.widthPt, 60 * 72 / 25.4, 0.5);
    EXPECT_NEAR(info.heightPt, 80 * 72 / 25.4, 0.5);
    EXPECT_TRUE(test::FilesIn(world.path("temp/")).empty()) << "the work file is removed after sending";
    EXPECT_TRUE(test::FilesIn(pdfFolder()).empty());
}

// Symbols are laid out for the resolution the destination prints at, as
// its driver gives it; a queue without one is what CUPS assumes, 300 dpi.
TEST_F(CupsPrintTest, SymbolsAreLaidOutForTheDestinationsResolution) {
    for (const auto& [queue, dpi] : {std::pair<std::string, int>{"thermal203", 203}, {"capture", 300}}) {
        SCOPED_TRACE(queue);
        const std::size_t before = scheduler_->JobFileCount();
        LabelJob job;
        ASSERT_EQ(Print(job, MakeDesign("RES", queue), 1), 0) << job.LastErrorMessage();
        EXPECT_EQ(job.LlPrintGetPrinterInfo().dotsPerInch, dpi);
        const std::string file = scheduler_->WaitForJobFiles(before + 1, 10s);
        ASSERT_FALSE(file.empty());
        const QImage page = test::RasterisePdf(file, dpi);
        EXPECT_EQ(test::Decode(test::Crop(page, 2, 12, 56, 20, dpi), ZXing::BarcodeFormat::ITF), "00005814");
    }
}

TEST_F(CupsPrintTest, WithoutPrinterSettingsTheDefaultDestinationPrints) {
    const std::size_t before = scheduler_->JobFileCount();
    LabelJob job;
    ASSERT_EQ(Print(job, MakeDesign("NOLBP", ""), 1), 0) << job.LastErrorMessage();
    EXPECT_EQ(job.LlPrintGetPrinterInfo().name, "capture");
    EXPECT_FALSE(scheduler_->WaitForJobFiles(before + 1, 10s).empty());
}

TEST_F(CupsPrintTest, AMissingDestinationIsNoPrinter) {
    LabelJob job;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Print(job, MakeDesign("GONE", "no-such-queue"), 1), LL_ERR_NOPRINTER);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_NE(job.LastErrorMessage().find("no-such-queue"), std::string::npos) << job.LastErrorMessage();
}

TEST_F(CupsPrintTest, ADestinationThatRejectsJobsFailsWithoutHanging) {
    const std::size_t before = scheduler_->JobFileCount();
    LabelJob job;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Print(job, MakeDesign("CLOSED", "refuser"), 1), LL_ERR_PRINTING);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_NE(job.LastErrorMessage().find("not accept"), std::string::npos) << job.LastErrorMessage();
    EXPECT_NE(job.LastErrorMessage().find("closed for the test"), std::string::npos) << job.LastErrorMessage();
    EXPECT_EQ(scheduler_->JobFileCount(), before);
}

// The destination accepted jobs when the job started and stopped before it
// was sent: the job fails at the end, with the scheduler's reason.
TEST_F(CupsPrintTest, ADestinationThatStartsRejectingFailsTheJobAtTheEnd) {
    LabelJob job;
    job.LlDefineVariableStart();
    job.LlDefineVariableExt("Locker", "12", VariableType::Text);
    job.LlDefineVariableExt("Barcode", "00005814", VariableType::Barcode);
    job.LlSetPrinterDefaultsDir(designFolder());
    ASSERT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, MakeDesign("LATE", "closing"), LL_PRINT_NORMAL), 0)
        << job.LastErrorMessage();
    ASSERT_EQ(job.LlPrint(), 0);
    ASSERT_EQ(quill::test::RunCommand("cupsreject closing"), 0);
    EXPECT_EQ(job.LlPrintEnd(0), LL_ERR_PRINTING);
    EXPECT_NE(job.LastErrorMessage().find("closing"), std::string::npos) << job.LastErrorMessage();
    EXPECT_TRUE(test::FilesIn(world.path("temp/")).empty()) << "the work file is removed after a failure too";
    EXPECT_EQ(quill::test::RunCommand("cupsaccept closing"), 0);
}

TEST_F(CupsPrintTest, AStoppedQueueAcceptsTheJobAndHoldsIt) {
    LabelJob job;
    ASSERT_EQ(Print(job, MakeDesign("HELD", "paused"), 1), 0) << job.LastErrorMessage();
    EXPECT_NE(scheduler_->PendingJobs("paused").find("paused-"), std::string::npos);
}

}  // namespace
}  // namespace quill::labelrender
