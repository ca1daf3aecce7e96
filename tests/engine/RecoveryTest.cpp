#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>

#include "EngineCoreWorld.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class RecoveryTest : public test::EngineCoreTest {};

TEST_F(RecoveryTest, WorkFileOfAnInterruptedRunIsReadAtStart) {
    makeEngine();
    writeDesign("C01");
    writeLabelFile(Folders.WorkFileName, "1,C,01,LEFT\r\n");
    core->Start();
    EXPECT_TRUE(filesIn(labelFolder()).empty());
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), 1u);
    EXPECT_NE(allPdfText().find("P=LEFT"), std::string::npos);
}

TEST_F(RecoveryTest, CopiesWaitingInTasksSurviveAKilledEngine) {
    const std::string ini = "PrintDelayMinutes=60\n";
    StartUp(ini);
    writeDesign("C01", 1, 10);
    writeDesign("C02", 1, 10);
    writeLabelFile("a.lbl", "2,C,01,ALPHA\r\n", 30);
    writeLabelFile("b.lbl", "1,C,02,BRAVO\r\n", 20);
    const std::string marker = world.path("collected");
    const int pid = test::SpawnSelf("EngineChild.DISABLED_CollectThenWait",
                                    {"QUILL_CHILD_PROGRAM=" + world.programFolder(), "QUILL_CHILD_FILES=2",
                                     "QUILL_CHILD_MARKER=" + marker});
    ASSERT_GT(pid, 0);
    const bool collected = test::WaitForFile(marker, 60);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ASSERT_TRUE(collected);
    EXPECT_EQ(world.readFile("collected"), "3");
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), 2u) << "both files were filed before the crash";
    EXPECT_TRUE(pdfFiles().empty());

    core = std::make_unique<TEngineCore>();
    core->Start();
    EXPECT_EQ(core->CollectedCopies(), 3);
    core->Shutdown();
    const std::string text = allPdfText();
    EXPECT_EQ(pdfFiles().size(), 2u);
    EXPECT_NE(text.find("P=ALPHA"), std::string::npos) << text;
    EXPECT_NE(text.find("P=BRAVO"), std::string::npos) << text;

    // Printed now: a third start has nothing to replay.
    core.reset();
    core = std::make_unique<TEngineCore>();
    core->Start();
    EXPECT_EQ(core->CollectedCopies(), 0);
}

}  // namespace
}  // namespace quill
