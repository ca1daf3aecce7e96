#include <gtest/gtest.h>

#include <QSignalSpy>

#include <filesystem>
#include <fstream>

#include "EngineCoreWorld.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class EngineTickTest : public test::EngineCoreTest {};

TEST_F(EngineTickTest, OneFilePerTickOldestFirstFiledInBackup) {
    makeEngine();
    writeDesign("C01");
    writeLabelFile("new.lbl", "1,C,01,NEW\r\n", 10);
    writeLabelFile("old.lbl", "1,C,01,OLD\r\n", 20);
    QSignalSpy busy(core.get(), &TEngineCore::busy);
    core->CheckIncomingTimerTimer();
    EXPECT_EQ(busy.count(), 1);
    EXPECT_EQ(filesIn(labelFolder()), std::vector<std::string>{"new.lbl"});
    ASSERT_EQ(pdfFiles().size(), 1u);
    EXPECT_NE(allPdfText().find("P=OLD"), std::string::npos);
    core->CheckIncomingTimerTimer();
    EXPECT_TRUE(filesIn(labelFolder()).empty());
    const std::vector<std::string> backup = filesIn(labelFolder() + "Backup");
    ASSERT_EQ(backup.size(), 2u);
    EXPECT_EQ(backup[0].substr(0, 3), "CRV");
    EXPECT_FALSE(core->Pacer().TimerActive()) << "a tick does not start an engine that was not running";
}

TEST_F(EngineTickTest, WithoutBackupTheReadFileIsDeleted) {
    makeEngine("BackupLabelFile=0\nLogMode=3\n");
    writeDesign("C01");
    writeLabelFile("x.lbl", "1,C,01,x\r\n");
    core->CheckIncomingTimerTimer();
    EXPECT_TRUE(filesIn(labelFolder()).empty());
    EXPECT_TRUE(filesIn(labelFolder() + "Backup").empty());
    EXPECT_EQ(rowStatuses(), std::vector<std::string>{"Printed to PDF (labelfile deleted)"});
}

// The debug trace of a tick, in order; every tick that took a candidate ends.
std::vector<std::string> TickTrace(const std::string& log) {
    std::vector<std::string> steps;
    const std::string mark = "Check-Incoming-Files: ";
    for (std::size_t at = log.find(mark); at != std::string::npos; at = log.find(mark, at + 1)) {
        const std::size_t start = at + mark.size();
        steps.push_back(log.substr(start, log.find('\n', start) - start));
    }
    return steps;
}

TEST_F(EngineTickTest, TraceEndsClaimedAndUnclaimedTicks) {
    makeEngine("Debug=1\nLogMode=3\n");
    writeDesign("C01");
    writeLabelFile("x.lbl", "1,C,01,x\r\n");
    core->CheckIncomingTimerTimer();
    EXPECT_EQ(TickTrace(logText()),
              (std::vector<std::string>{"File(s) Found", "Rename-File", "Printing Start", "Printing Done", "End"}));

    // the work name is taken, so the claim fails
    world.writeFile("data/labels/Corvan/" + Folders.WorkFileName, "");
    writeLabelFile("y.lbl", "1,C,01,y\r\n");
    const std::size_t before = logText().size();
    core->CheckIncomingTimerTimer();
    EXPECT_EQ(TickTrace(logText().substr(before)), (std::vector<std::string>{"File(s) Found", "Rename-File", "End"}));
    EXPECT_EQ(filesIn(labelFolder()).size(), 2u) << "the label file stays";
}

TEST_F(EngineTickTest, FileStillBeingWrittenIsLeftAlone) {
    makeEngine("LogMode=3\n");
    writeDesign("C01");
    const std::string path = labelFolder() + "slow.lbl";
    // The writer keeps the file open and finishes the line two seconds later.
    ASSERT_EQ(test::RunCommand("(exec 3>'" + path + "'; printf '1,C,01,' >&3; sleep 2; printf 'LATE\\r\\n' >&3) &"),
              0);
    ASSERT_TRUE(test::WaitForFile(path, 5));
    test::Pump(200);
    const std::string logBefore = logText();
    core->CheckIncomingTimerTimer();
    EXPECT_EQ(filesIn(labelFolder()), std::vector<std::string>{"slow.lbl"});
    EXPECT_TRUE(core->Rows().Rows().empty());
    EXPECT_EQ(logText(), logBefore) << "nothing to report";

    for (int i = 0; i < 50 && world.readFile("data/labels/Corvan/slow.lbl").find('\n') == std::string::npos; ++i)
        test::Pump(100);
    test::Pump(200);
    core->CheckIncomingTimerTimer();
    EXPECT_TRUE(filesIn(labelFolder()).empty());
    EXPECT_NE(allPdfText().find("P=LATE"), std::string::npos) << "the whole line was read";
}

TEST_F(EngineTickTest, FileThatBreaksOffHalfwayGoesToErrorAndKeepsItsQueuedCopies) {
    makeEngine("", "[LEGACY]\nVisible=1\n");
    writeDesign("01", 1, 4, TMode::Legacy);
    const std::string text = "***0101B08   12345678***\r\n***0101B08   87654321*** \r\n";
    writeLabelFile("broken.lbf", text, 10, TMode::Legacy);
    core->CheckIncomingTimerTimer();
    const std::vector<std::string> error = filesIn(labelFolder(TMode::Legacy) + "Error");
    ASSERT_EQ(error.size(), 1u);
    EXPECT_EQ(world.readFile("data/labels/Legacy/Error/" + error[0]), text);
    EXPECT_EQ(core->CollectedCopies(), 1);
}

TEST_F(EngineTickTest, FailedFilingKeepsTheFileAndFreesTheWorkName) {
    makeEngine();
    writeDesign("C01");
    fs::remove_all(labelFolder() + "Backup");
    std::ofstream(labelFolder() + "Backup") << "";  // a file where the folder should be
    writeLabelFile("a.lbl", "1,C,01,A\r\n", 20);
    writeLabelFile("b.lbl", "1,C,01,B\r\n", 10);
    core->CheckIncomingTimerTimer();
    core->CheckIncomingTimerTimer();
    int kept = 0;
    for (const std::string& name : filesIn(labelFolder()))
        if (fs::path(name).extension() == ".unfiled") ++kept;
    EXPECT_EQ(kept, 2) << "both files were claimed, neither lost";
    EXPECT_EQ(pdfFiles().size(), 2u);
}

TEST_F(EngineTickTest, DrainTakesEveryFileAndPrintsEveryTask) {
    makeEngine();
    writeDesign("C01", 1, 10);
    for (int n = 0; n < 5; ++n) writeLabelFile("f" + std::to_string(n) + ".lbl", "2,C,01,V" + std::to_string(n) + "\r\n");
    EXPECT_EQ(core->Drain(), 5);
    EXPECT_EQ(core->CollectedCopies(), 0);
    ASSERT_EQ(pdfFiles().size(), 1u);
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), 5u);
}

TEST_F(EngineTickTest, RunningEngineTicksByItself) {
    makeEngine();
    writeDesign("C01");
    core->Start();
    writeLabelFile("a.lbl", "1,C,01,A\r\n");
    for (int i = 0; i < 40 && !filesIn(labelFolder()).empty(); ++i) test::Pump(100);
    EXPECT_TRUE(filesIn(labelFolder()).empty());
    EXPECT_TRUE(core->Pacer().TimerActive()) << "the tick started the pacer again";
    core->Shutdown();
    EXPECT_TRUE(core->IsPaused());
}

}  // namespace
}  // namespace quill
