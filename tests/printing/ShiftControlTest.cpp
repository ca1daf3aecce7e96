// The printer shift controller against a real, private CUPS scheduler: the
// raw bytes that reach a file-backed queue, the page-shift timer, label
// positions, and the spooler queue wait.
#include "printing/ShiftClass.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "labelrender/CupsPrinter.h"
#include "platform/IniFile.h"
#include "printing/EngineStartWorld.h"
#include "printing/PrintJob.h"
#include "printing/ShiftControllers.h"
#include "printing/SpoolerJobs.h"

namespace quill::test {
namespace {

using namespace std::chrono_literals;

std::string Feed(char letter, std::initializer_list<int> amounts) {
    std::string bytes;
    for (int n : amounts) bytes += {'\x1b', letter, static_cast<char>(n)};
    return bytes;
}

class ShiftControl : public EngineStartWorldTest {
protected:
    // The bytes of the next job the scheduler prints; "" after 10 s.
    std::string nextJob() {
        const std::string file = scheduler_->WaitForJobFiles(++jobs_, 10s);
        if (file.empty()) return {};
        std::ifstream in(file, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    void startWithScheduler(const CupsTestScheduler* scheduler, const std::string& quillIni,
                            const std::string& labelsIni = {}) {
        scheduler_ = scheduler;
        jobs_ = scheduler->JobFileCount();
        StartEngine(quillIni, labelsIni);
    }
    bool printLabel(bool preview = false) {
        if (!std::ifstream(designFolder() + "S01.lbl")) writeTextDesign("S01", {"WearerName"});
        const TLabelRecord record = makeRecord(TMode::Corvane, "S01", 1, {{21, "Jansen"}});
        labelrender::LabelJob job;
        std::string error;
        const bool printed = PrintLabel(job, std::span(&record, 1), quill::Mode(TMode::Corvane).Fields, preview, error);
        EXPECT_TRUE(printed) << error;
        return printed;
    }
    std::size_t newJobs() const { return scheduler_->JobFileCount() - jobs_; }

    const CupsTestScheduler* scheduler_ = nullptr;
    std::size_t jobs_ = 0;
};

TEST_F(ShiftControl, AMoveGoesOutAsOneRawJobOfAtMost255UnitsPerCommand) {
    QUILL_USE_CUPS(scheduler);
    startWithScheduler(scheduler, "[Quill]\nLogMode=3\n[Shift1]\nUseShift=1\nShiftPort=capture\n");
    TShiftClass& shift = *ShiftController(1);
    shift.ActionPageShift(true, 200);
    EXPECT_EQ(shift.PendingMove(), 600);
    shift.SendPendingMove();
    EXPECT_EQ(shift.PendingMove(), 0);
    EXPECT_EQ(nextJob(), Feed('J', {255, 255, 90}));

    shift.ActionPageShift(true, -7, true);   // a correction is signed and in command units
    shift.ActionPageShift(true, 2);
    EXPECT_EQ(shift.PendingMove(), -1);
    shift.SendPendingMove();
    EXPECT_EQ(nextJob(), Feed('j', {1}));
    EXPECT_NE(MonthlyLog().find("capture - J - 600"), std::string::npos);
    EXPECT_NE(MonthlyLog().find("StartRawPrintJob OK capture"), std::string::npos);
}

TEST_F(ShiftControl, NinePinPaperIsFedOutAfterTheDelayAndPulledBackBeforeTheNextPrint) {
    QUILL_USE_CUPS(scheduler);
    startWithScheduler(scheduler,
                       "[Quill]\nLogMode=3\nSpecialPrinterType=0\n[Shift1]\nUseShift=1\nShiftPort=capture\nShiftDelaySecs=1\n");
    TShiftClass& shift = *ShiftController(1);
    ASSERT_TRUE(printLabel());
    EXPECT_NE(MonthlyLog().find("Before PrintLabel: CheckSpoolerJobs (capture)"), std::string::npos);
    EXPECT_TRUE(shift.PageShiftTimer()->isActive());
    EXPECT_EQ(newJobs(), 0u) << "nothing moves until the delay has passed";

    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!shift.Shifted() && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(shift.Shifted());
    EXPECT_FALSE(shift.PageShiftTimer()->isActive());
    // 72 / 25.4 x 110 mm + 0.5 = 312 printer units = 936 command units
    EXPECT_EQ(nextJob(), Feed('J', {255, 255, 255, 171}));

    ASSERT_TRUE(printLabel());
    EXPECT_FALSE(shift.Shifted());
    EXPECT_EQ(nextJob(), Feed('j', {255, 255, 255, 171}));
    EXPECT_EQ(shift.Settings().LabelPosition, 0) << "a stock without positions stays at 0";
}

TEST_F(ShiftControl, PositionsOfOneSheetAreUsedInTurn) {
    QUILL_USE_CUPS(scheduler);
    // 24 pins: the default stock is LABELS.INI's second entry; sheet 144/72" = 120
    // printer units, pitch 48/72" = 40 units.
    startWithScheduler(scheduler, "[Quill]\nLogMode=1\n[Shift1]\nUseShift=1\nUsePageShift=0\nShiftPort=capture\n",
                       "[Label1]\nDescription=Single\nCols=1\n"
                       "[Label2]\nDescription=Triple\nHeightINCH=40\nSpaceHeightINCH_24Pins=8\nShiftCorrection_24Pins=-5\nCols=3\n");
    TShiftClass& shift = *ShiftController(1);
    labelrender::LabelJob job;
    shift.AfterPrint();
    shift.AfterPrint();
    EXPECT_EQ(shift.Settings().LabelPosition, 2);
    EXPECT_EQ(shift.PendingMove(), 0);
    EXPECT_FALSE(shift.PageShiftTimer()->isActive()) << "without page shift no timer runs";
    shift.AfterPrint();   // the sheet is full: back by sheet - pitch, then the correction
    EXPECT_EQ(shift.Settings().LabelPosition, 0);
    EXPECT_EQ(shift.PendingMove(), -(80 * 3 + 5));
    EXPECT_EQ(newJobs(), 0u) << "AfterPrint sends nothing";
    shift.PrepareForPrint(job);
    EXPECT_EQ(nextJob(), Feed('j', {245}));

    shift.AfterPrint();
    shift.PrepareForPrint(job);   // mid-sheet: the whole sheet is pulled back
    EXPECT_EQ(nextJob(), Feed('j', {255, 105}));

    ShiftSettingsOf(1).Positions = 1;   // every print completes a sheet
    ShiftSettingsOf(1).LabelPosition = 0;
    shift.AfterPrint();
    EXPECT_EQ(shift.PendingMove(), -245);
    shift.PrepareForPrint(job);
    EXPECT_EQ(nextJob(), Feed('j', {245}));
}

TEST_F(ShiftControl, PreviewTouchesNeitherTheControllerNorTheSpooler) {
    QUILL_USE_CUPS(scheduler);
    startWithScheduler(scheduler, "[Quill]\nLogMode=3\n[Shift1]\nUseShift=1\nShiftPort=capture\nLabelPosition=1\n",
                       "[Label1]\nDescription=Triple\nCols=3\n");
    ASSERT_TRUE(printLabel(true));
    EXPECT_EQ(ShiftController(1)->Settings().LabelPosition, 1);
    EXPECT_FALSE(ShiftController(1)->PageShiftTimer()->isActive());
    EXPECT_EQ(MonthlyLog().find("CheckSpoolerJobs"), std::string::npos);
    EXPECT_EQ(newJobs(), 0u);
}

TEST_F(ShiftControl, CloseFeedsBackAndStoresThePosition) {
    QUILL_USE_CUPS(scheduler);
    startWithScheduler(scheduler, "[Quill]\n[Shift1]\nUseShift=1\nShiftPort=capture\nShiftDistanceMM=10\n"
                                  "[Shift2]\nLabelPosition=3\n",
                       "[Label1]\nDescription=Single\nCols=1\n[Label2]\nDescription=Triple\nCols=3\n");
    TShiftClass& shift = *ShiftController(1);
    shift.PageShiftTimerTimer();
    EXPECT_EQ(nextJob(), Feed('J', {72}));   // 60 / 25.4 x 10 + 0.5 = 24 units
    shift.AfterPrint();
    StopShiftControllers();
    EXPECT_EQ(ShiftController(1), nullptr);
    EXPECT_EQ(nextJob(), Feed('j', {72}));
    const platform::IniFile ini(world.programFolder() + "QUILL.INI");
    EXPECT_EQ(ini.ReadString("Shift1", "LabelPosition", ""), "1");
    EXPECT_EQ(ini.ReadString("Shift2", "LabelPosition", ""), "3") << "printer 2 does not use shift";
}

TEST_F(ShiftControl, OnlyTheEngineHasControllersAndEitherMakesShiftInUse) {
    StartEngine("[Shift2]\nUseShift=1\n");
    ASSERT_NE(ShiftController(2), nullptr);
    EXPECT_EQ(ShiftController(2)->PageShiftTimer()->objectName(), "PageShiftTimer2");
    EXPECT_TRUE(AnyShiftInUse());
    ShiftSettingsOf(2).UseShift = false;
    EXPECT_FALSE(AnyShiftInUse());
    StopShiftControllers();

    Folders.AppTitle = "QuillPrint";
    StartShiftControllers();
    EXPECT_EQ(ShiftController(1), nullptr);
    EXPECT_FALSE(AnyShiftInUse());
}

TEST_F(ShiftControl, HandEditedDistancesAreBounded) {
    StartEngine("[Shift1]\nUseShift=1\nShiftDistanceMM=2147483647\n");
    TShiftClass& shift = *ShiftController(1);
    shift.ActionPageShift(true, MillimetresToPrinterUnits(ShiftSettingsOf(1).ShiftDistanceMM));
    shift.ActionPageShift(true, 2147483647);
    EXPECT_EQ(shift.PendingMove(), 1'000'000);
    shift.ActionPageShift(true, -2147483647 - 1, true);
    shift.ActionPageShift(true, -2147483647 - 1, true);
    EXPECT_EQ(shift.PendingMove(), -1'000'000);
}

TEST_F(ShiftControl, SpoolerJobsOfAStoppedQueueAreCountedAndTheWaitIsBounded) {
    QUILL_USE_CUPS(scheduler);
    startWithScheduler(scheduler, "[Quill]\nLogMode=3\n");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(labelrender::cups::SubmitRaw("paused", "x", "held " + std::to_string(i)).ok());
    EXPECT_EQ(GetSpoolerJobs("paused"), 2);
    EXPECT_NE(MonthlyLog().find("spooler job paused nr jobs =3"), std::string::npos);
    // printer, machine, user, document, data type, status text, number and name
    EXPECT_NE(MonthlyLog().find("Info job printer name: paused paused localhost root held 0 application/vnd.cups-raw "
                                "pending 0 JOB_POSITION_UNSPECIFIED"),
              std::string::npos)
        << MonthlyLog();

    const auto started = std::chrono::steady_clock::now();
    EXPECT_TRUE(CheckSpoolerJobs("paused", 1s));
    EXPECT_GE(std::chrono::steady_clock::now() - started, 1s);
    EXPECT_NE(MonthlyLog().find("CheckSpoolerJobs: paused still holds 3 jobs after 1000 ms; printing goes on."),
              std::string::npos);

    EXPECT_EQ(GetSpoolerJobs("Epson FX-870"), -1);
    EXPECT_NE(MonthlyLog().find("GetSpoolerJobs: Error opening the printer"), std::string::npos);
    EXPECT_TRUE(CheckSpoolerJobs("Epson FX-870", 1s)) << "a queue that cannot be read is not waited for";

    ASSERT_EQ(scheduler->Command("cupsenable paused"), 0);
    EXPECT_TRUE(CheckSpoolerJobs("paused", 20s));
    EXPECT_LE(GetSpoolerJobs("paused"), 0);
    EXPECT_EQ(scheduler->Command("cupsdisable paused"), 0);
}

TEST(JobStatus, NamesOfTheStatusBits) {
    EXPECT_EQ(JobStatusName(0), "JOB_POSITION_UNSPECIFIED");
    EXPECT_EQ(JobStatusName(1024), "JOB_STATUS_USER_INTERVENTION");
    EXPECT_EQ(JobStatusName(3), "Unknown status...");
    EXPECT_EQ(JobStatusName(JobStatusOf(labelrender::cups::JobState::Completed)), "JOB_STATUS_PRINTED");
    EXPECT_EQ(JobStatusName(JobStatusOf(labelrender::cups::JobState::Held)), "JOB_STATUS_PAUSED");
}

}  // namespace
}  // namespace quill::test
