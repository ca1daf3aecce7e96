// The real quill-engine run headless: the orderly end on a signal, --drain,
// and one engine at a time.
#include <signal.h>

#include <gtest/gtest.h>

#include "EngineAppWorld.h"

namespace quill::test {
namespace {

// Manual served, tasks that wait an hour for their page to fill.
constexpr const char* kCollectingIni = "[Quill]\nLogMode=3\nPrintDelayMinutes=60\n[USER]\nVisible=1\n";

class HeadlessRun : public EngineAppTest, public ::testing::WithParamInterface<int> {};

TEST_P(HeadlessRun, SignalEndsInOrderAndPrintsTheCollectedTasks) {
    writeIni(kCollectingIni);
    writeManualDesign("Sheet", 4);
    EngineProcess engine(world.root(), {"--headless"});
    ASSERT_TRUE(engine.waitForError("running headless")) << engine.error();
    dropManualFile("USR1.txt", "Sheet", {"alpha", "beta"});
    ASSERT_TRUE(engine.waitForOutput("Manual\tSheet\t2/4\tLabels added to task\t1\t1\n")) << engine.output();
    EXPECT_TRUE(pdfs().empty()) << "a task of 2 labels on a page of 4 waits";

    engine.signal(GetParam());
    EXPECT_EQ(engine.wait(), 0) << engine.error();
    EXPECT_NE(engine.output().find("Manual\tSheet\t2/4\tPrinted to PDF"), std::string::npos) << engine.output();
    EXPECT_EQ(pdfs().size(), 1u);
    EXPECT_EQ(filesIn("data/labels/User/Backup").size(), 1u);
    const std::string text = log();
    const auto start = text.find("QuillEngine START Quill - Labelprint Engine - ");
    const auto printed = text.find("Manual,Sheet,2/4,Printed to PDF");
    const auto end = text.find("QuillEngine END");
    ASSERT_NE(start, std::string::npos) << text;
    ASSERT_NE(printed, std::string::npos) << text;
    ASSERT_NE(end, std::string::npos) << text;
    EXPECT_LT(start, printed);
    EXPECT_LT(printed, end);
    EXPECT_EQ(CountOf(text, "QuillEngine END"), 1);
}

INSTANTIATE_TEST_SUITE_P(TermAndInt, HeadlessRun, ::testing::Values(SIGTERM, SIGINT));

TEST_F(EngineAppTest, TwoQuickSignalsEndOnce) {
    writeIni(kCollectingIni);
    writeManualDesign("Sheet", 4);
    dropManualFile("USR1.txt", "Sheet", {"alpha"});
    EngineProcess engine(world.root(), {});
    ASSERT_TRUE(engine.waitForOutput("Labels added to task")) << engine.output();
    engine.signal(SIGTERM);
    engine.signal(SIGINT);
    EXPECT_EQ(engine.wait(), 0) << engine.error();
    EXPECT_EQ(pdfs().size(), 1u);
    EXPECT_EQ(CountOf(log(), "QuillEngine END"), 1);
}

TEST_F(EngineAppTest, DrainPrintsEverythingPresentAndExits) {
    writeIni(kCollectingIni);
    writeManualDesign("Sheet", 4);
    writeManualDesign("Single", 1);
    dropManualFile("USR1.txt", "Sheet", {"a1", "a2", "a3"});
    dropManualFile("USR2.txt", "Single", {"b1", "b2"});
    dropManualFile("USR3.txt", "Sheet", {"a4", "a5"});
    const EngineResult result = run({"--drain"});
    EXPECT_EQ(result.code, 0) << result.error;
    // Sheet: one full page of 4 and the rest at the end; Single: one job per label.
    EXPECT_EQ(pdfs().size(), 4u);
    EXPECT_EQ(filesIn("data/labels/User/Backup").size(), 3u);
    EXPECT_TRUE(filesIn("data/labels/User").empty());
    EXPECT_EQ(CountOf(result.output, "\tPrinted to PDF"), 4) << result.output;
    EXPECT_EQ(CountOf(log(), "QuillEngine END"), 1);
}

TEST_F(EngineAppTest, DrainFailsWhenSomethingIsNotPrinted) {
    writeIni(kCollectingIni);
    writeManualDesign("Sheet", 4);
    dropManualFile("USR1.txt", "Sheet", {"a1"});
    dropManualFile("USR2.txt", "Missing", {"m1"});
    const EngineResult result = run({"--drain"});
    EXPECT_EQ(result.code, 1) << result.output;
    EXPECT_NE(result.output.find("Manual\tMissing\t1/1\tNot printed"), std::string::npos) << result.output;
    EXPECT_EQ(filesIn("data/labels/User/Error").size(), 1u);
    EXPECT_EQ(filesIn("data/labels/User/Backup").size(), 1u);
    EXPECT_EQ(pdfs().size(), 1u);
}

TEST_F(EngineAppTest, DrainEndsInOrderOnSigterm) {
    writeIni(kCollectingIni);
    writeManualDesign("Sheet", 4);
    writeManualDesign("Single", 1);
    dropManualFile("USR0.txt", "Sheet", {"s1", "s2"});
    constexpr int files = 60;
    for (int n = 1; n <= files; ++n) dropManualFile("USR" + std::to_string(n) + ".txt", "Single", {"v"});
    EngineProcess engine(world.root(), {"--drain"});
    ASSERT_TRUE(engine.waitForOutput("Single\t1/1\tPrinted to PDF")) << engine.output();
    engine.signal(SIGTERM);
    EXPECT_GE(engine.wait(), 0) << "ended by the signal: " << engine.error();
    EXPECT_NE(engine.output().find("Manual\tSheet\t2/4\tPrinted to PDF"), std::string::npos)
        << "the collected task printed";
    EXPECT_EQ(CountOf(log(), "QuillEngine END"), 1);
    const std::size_t taken = filesIn("data/labels/User/Backup").size();
    EXPECT_EQ(pdfs().size(), taken) << "every file taken printed";
    EXPECT_EQ(taken + filesIn("data/labels/User").size(), static_cast<std::size_t>(files + 1)) << "none lost";
}

TEST_F(EngineAppTest, DrainWithNothingToDoSucceeds) {
    writeIni(kCollectingIni);
    const EngineResult result = run({"--drain"});
    EXPECT_EQ(result.code, 0) << result.error;
    EXPECT_EQ(result.output, "");
}

TEST_F(EngineAppTest, DebugSwitchWritesTheHelpDiagnosticLogAfresh) {
    EXPECT_EQ(run({"--drain", "-DEBUG"}).code, 0);
    EXPECT_EQ(world.readFile("prog/HHDebug.txt").rfind(std::string(80, '='), 0), 0u);
    EXPECT_NE(world.readFile("prog/HHDebug.txt").find("Cmdline Param(s) =  \t--drain | -DEBUG"), std::string::npos);
    EXPECT_EQ(run({"/debug", "--drain"}).code, 0);
    EXPECT_EQ(run({"--drain"}).code, 0);
    EXPECT_TRUE(filesIn("prog").empty()) << "an earlier run's log is removed";
}

TEST_F(EngineAppTest, SecondEngineIsRefusedWhileOneRuns) {
    writeIni(kCollectingIni);
    writeManualDesign("Single", 1);
    EngineProcess first(world.root(), {"--headless"});
    ASSERT_TRUE(first.waitForError("running headless")) << first.error();

    const std::string pid = std::to_string(first.pid());
    for (const auto& args : {std::vector<std::string>{}, {"--drain"}, {"--service"}}) {
        const EngineResult second = run(args);
        EXPECT_EQ(second.code, 3);
        EXPECT_NE(second.error.find("not started: another engine is running (process " + pid + " QuillEngine)"),
                  std::string::npos)
            << second.error;
    }
    // The first engine still serves the folders.
    dropManualFile("USR1.txt", "Single", {"x"});
    EXPECT_TRUE(first.waitForOutput("Printed to PDF")) << first.output();
    first.signal(SIGTERM);
    EXPECT_EQ(first.wait(), 0);
    EXPECT_EQ(CountOf(log(), "QuillEngine START"), 1);
}

TEST_F(EngineAppTest, EngineStartedWhileTheServiceRunsEnds) {
    writeIni(kCollectingIni);
    registerService();
    EngineProcess service(world.root(), {"--service"});
    ASSERT_TRUE(service.waitForError("QuillService running headless")) << service.error();
    const EngineResult desktop = run({});
    EXPECT_EQ(desktop.code, 3);
    EXPECT_NE(desktop.error.find(" QuillService)"), std::string::npos) << desktop.error;
    service.signal(SIGTERM);
    EXPECT_EQ(service.wait(), 0);
}

TEST_F(EngineAppTest, WithADisplayDrainAndHeadlessOpenNoWindow) {
    writeIni(kCollectingIni);
    setenv("DISPLAY", ":97", 1);
    const EngineResult drained = run({"--drain"});
    const EngineResult asked = run({"--drain", "--headless"});
    unsetenv("DISPLAY");
    EXPECT_EQ(drained.code, 0) << drained.error;
    EXPECT_EQ(asked.code, 0) << asked.error;
    // The desktop engine's caption carries the four-part file version.
    EXPECT_EQ(log().find("Labelprint Engine - 0.1.0.0"), std::string::npos) << log();
}

TEST_F(EngineAppTest, UnknownSwitchShowsUsage) {
    EXPECT_EQ(run({"--frobnicate"}).code, 2);
    EXPECT_EQ(run({"--drain", "--service"}).code, 2);
    const EngineResult help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.output.find("runs headless"), std::string::npos) << help.output;
}

}  // namespace
}  // namespace quill::test
