#include <gtest/gtest.h>

#include <QSignalSpy>

#include <filesystem>
#include <stdexcept>

#include "EngineCoreWorld.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class PrintTasksTest : public test::EngineCoreTest {};

TEST_F(PrintTasksTest, FullPagesPrintDuringReadingAndTheRestWaits) {
    makeEngine();
    writeDesign("C06", 2, 3);
    writeLabelFile("thirteen.lbl", "13,C,06,PAGE\r\n");
    core->CheckIncomingTimerTimer();
    EXPECT_EQ(pdfFiles().size(), 2u);
    const int slot = core->FindTask(designFolder(), "C06");
    EXPECT_EQ(core->Task(slot).Count(), 1);
    EXPECT_EQ(core->Task(slot).Capacity, 6);
    EXPECT_TRUE(core->Task(slot).Timer->isActive());
    EXPECT_EQ(core->Task(slot).Timer->interval(), 60000);
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), 1u) << "filed while one copy still waits";
    ASSERT_EQ(core->Rows().Rows().size(), 3u);
    EXPECT_EQ(core->Rows().Rows()[2].Amount, "1/6");

    core->TaskTimerFired(slot);
    EXPECT_EQ(pdfFiles().size(), 3u);
    EXPECT_EQ(core->CollectedCopies(), 0);
    EXPECT_FALSE(core->Task(slot).Timer->isActive());
    EXPECT_EQ(rowStatuses(), (std::vector<std::string>(3, "Printed to PDF")));
}

TEST_F(PrintTasksTest, DesignNamesThatDifferInCaseShareATask) {
    makeEngine();
    writeDesign("C01", 1, 4);
    writeLabelFile("a.lbl", "1,C,01,FIRST\r\n", 20);
    writeLabelFile("b.lbl", "1,c,01,SECOND\r\n", 10);
    core->CheckIncomingTimerTimer();
    core->CheckIncomingTimerTimer();
    EXPECT_EQ(core->CollectedCopies(), 2);
    EXPECT_EQ(core->Rows().Rows().size(), 1u);
    core->PrintAllTasks();
    ASSERT_EQ(pdfFiles().size(), 1u);
    const std::string text = allPdfText();
    EXPECT_NE(text.find("P=FIRST"), std::string::npos) << text;
    EXPECT_NE(text.find("P=SECOND"), std::string::npos) << text;
}

TEST_F(PrintTasksTest, EighteenthDesignPrintsSlotZeroFirst) {
    makeEngine();
    std::string lines;
    for (int n = 1; n <= 18; ++n) {
        const std::string number = (n < 10 ? "0" : "") + std::to_string(n);
        writeDesign("C" + number, 1, 2);
        lines += "1,C," + number + ",D" + number + "\r\n";
    }
    writeLabelFile("many.lbl", lines);
    core->CheckIncomingTimerTimer();
    ASSERT_EQ(pdfFiles().size(), 1u);
    EXPECT_NE(allPdfText().find("P=D01"), std::string::npos);
    EXPECT_EQ(core->Task(0).Design, "C18");
    EXPECT_EQ(core->Task(0).TaskID, 18);
    EXPECT_EQ(core->Task(16).Design, "C17");
    EXPECT_EQ(core->CollectedCopies(), 17);
}

TEST_F(PrintTasksTest, DelayRunsFromTheFirstCopyAndPauseResumeRearmsOnlyBusyTasks) {
    makeEngine();
    writeDesign("C01", 1, 6);
    core->Start();
    core->AddToTask(record("C01", "a"));
    test::Pump(300);
    core->AddToTask(record("C01", "b"));
    const QTimer& timer = *core->Task(0).Timer;
    EXPECT_LE(timer.remainingTime(), 60000 - 250) << "a later copy does not restart the delay";

    QSignalSpy paused(core.get(), &TEngineCore::pausedChanged);
    core->PauseEngine();
    core->PauseEngine();
    EXPECT_EQ(paused.count(), 1);
    EXPECT_TRUE(core->Pacer().IsIdleOrPaused());
    EXPECT_FALSE(timer.isActive());
    EXPECT_FALSE(core->DeletePrintedTimer().isActive());

    test::Pump(300);
    core->ResumeEngine();
    core->ResumeEngine();
    EXPECT_EQ(paused.count(), 2);
    EXPECT_TRUE(core->Pacer().TimerActive());
    EXPECT_TRUE(core->DeletePrintedTimer().isActive());
    EXPECT_GT(timer.remainingTime(), 59000) << "the delay starts over";
    for (int slot = 1; slot < TaskSlotCount; ++slot) EXPECT_FALSE(core->Task(slot).Timer->isActive());
    EXPECT_EQ(core->CollectedCopies(), 2);
}

TEST_F(PrintTasksTest, FailedTaskIsReportedFiledInErrorAndNotRetried) {
    makeEngine("LogMode=3\n");
    writeLabelFile("missing.lbl", "1,C,99,x\r\n", 20);
    writeLabelFile("again.lbl", "1,C,99,y\r\n", 10);
    core->CheckIncomingTimerTimer();
    ASSERT_EQ(core->Rows().Rows().size(), 1u);
    const TQueueRow& row = core->Rows().Rows()[0];
    EXPECT_EQ(row.StatusCode, TRowStatus::NotPrinted);
    EXPECT_EQ(row.Status.rfind("Not printed. Design not found", 0), 0u) << row.Status;
    EXPECT_NE(row.Status.find(" moved to Error)"), std::string::npos) << row.Status;
    EXPECT_EQ(filesIn(labelFolder() + "Error").size(), 1u);
    EXPECT_NE(logText().find("Not printed"), std::string::npos);

    core->CheckIncomingTimerTimer();
    ASSERT_EQ(core->Rows().Rows().size(), 2u);
    EXPECT_EQ(core->Rows().Rows()[1].TaskID, 2) << "a new task, not a retry of the failed one";
    EXPECT_EQ(filesIn(labelFolder() + "Error").size(), 2u);
}

TEST_F(PrintTasksTest, PrintedRowNamesPrinterAndStoredFile) {
    makeEngine("LogMode=3\n");
    writeDesign("C01");
    writeLabelFile("ok.lbl", "1,C,01,x\r\n");
    core->CheckIncomingTimerTimer();
    const std::vector<std::string> stored = filesIn(labelFolder() + "Backup");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(rowStatuses(), std::vector<std::string>{"Printed to PDF (" + stored[0] + " moved to Backup)"});
    core->DeletePrintedTimerTimer();
    EXPECT_TRUE(core->Rows().Rows().empty());
}

// The real print job cannot be made to throw; this fake stands for a
// library that does.
TEST_F(PrintTasksTest, PrintJobThatThrowsFailsTheTaskOnly) {
    makeEngine();
    writeDesign("C01", 1, 2);
    core->SetPrintFunction([](auto&, auto, const auto&, bool, std::string&) -> bool {
        throw std::runtime_error("spooler vanished");
    });
    core->AddToTask(record("C01", "a"));
    EXPECT_FALSE(core->PrintTask(0));
    EXPECT_EQ(rowStatuses(), std::vector<std::string>{"Not printed. spooler vanished"});
    EXPECT_EQ(core->CollectedCopies(), 0);
}

TEST_F(PrintTasksTest, DirectCopiesPrintToTheirPortEachAtOnce) {
    makeEngine("", "[DIRECT]\nVisible=1\n");
    const std::string port = world.path("direct-out.prn");
    world.writeFile("prog/Printers.INI", "[Ports]\nPort1=" + port + "\n");  // outside the design folder
    world.writeFile("data/labels/designs/Direct/C01.lbl",
                    "[Main]\nPrinter=NONE\nPort=" + port + "\n[Lines]\nLine1=<\"Plant \"><(PlantCode)>\n");
    writeLabelFile("raw.lbl", "2,C,01,x\r\n", 10, TMode::Direct);
    core->CheckIncomingTimerTimer();
    EXPECT_EQ(filesIn(labelFolder(TMode::Direct) + "Backup").size(), 1u);
    EXPECT_TRUE(filesIn(labelFolder(TMode::Direct) + "Error").empty());
    // two copies, two tasks; the port file holds the last job
    ASSERT_EQ(core->Rows().Rows().size(), 2u);
    EXPECT_EQ(core->Rows().Rows()[1].Status.rfind("Printed to " + port, 0), 0u);
    EXPECT_EQ(world.readFile("direct-out.prn").rfind("Plant x", 0), 0u);
    EXPECT_TRUE(pdfFiles().empty());
}

TEST_F(PrintTasksTest, DirectFileWithoutItsDesignGoesToError) {
    makeEngine("", "[DIRECT]\nVisible=1\n");
    writeLabelFile("raw.lbl", "1,C,02,x\r\n", 10, TMode::Direct);
    core->CheckIncomingTimerTimer();
    EXPECT_EQ(filesIn(labelFolder(TMode::Direct) + "Error").size(), 1u);
    ASSERT_FALSE(core->Rows().Rows().empty());
    EXPECT_EQ(core->Rows().Rows()[0].Status.rfind("Not printed. ", 0), 0u);
}

}  // namespace
}  // namespace quill
