// The real quill-engine with a display: the desktop engine starts (its log
// line carries the four-part file version), and SIGTERM ends it without a
// question after printing the collected tasks.
#include <signal.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "EngineAppWorld.h"

namespace quill::test {
namespace {

class DesktopRun : public EngineAppTest {
protected:
    void SetUp() override {
        EngineAppTest::SetUp();
        // Any display name: the offscreen platform draws without one.
        setenv("DISPLAY", ":97", 1);
        writeIni("[Quill]\nLogMode=3\nPrintDelayMinutes=60\nUseDirMonitor=0\n[USER]\nVisible=1\n");
        writeManualDesign("Sheet", 4);
    }
    void TearDown() override { unsetenv("DISPLAY"); }
};

TEST_F(DesktopRun, SigtermEndsTheDesktopEngineAfterPrintingTheCollectedTasks) {
    EngineProcess engine(world.root(), {});
    dropManualFile("USR1.txt", "Sheet", {"alpha"});
    ASSERT_TRUE(engine.waitForOutput("Labels added to task")) << engine.output() << engine.error();
    engine.signal(SIGTERM);
    EXPECT_EQ(engine.wait(), 0) << engine.error();
    EXPECT_EQ(pdfs().size(), 1u);
    const std::string text = log();
    EXPECT_NE(text.find("QuillEngine START Quill - Labelprint Engine - 0.1.0.0"), std::string::npos) << text;
    EXPECT_LT(text.find("Manual,Sheet,1/4,Printed to PDF"), text.find("QuillEngine END")) << text;
    EXPECT_EQ(engine.error().find("running headless"), std::string::npos);
}

}  // namespace
}  // namespace quill::test
