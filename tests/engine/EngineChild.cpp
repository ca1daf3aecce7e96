// Bodies of the engine processes that the crash and two-engine tests start:
// disabled tests, run only in a child started by SpawnSelf with the program
// folder in QUILL_CHILD_PROGRAM (the data root and the PDF folder come with
// the inherited environment).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "EngineWorld.h"
#include "core/Startup.h"
#include "engine/EngineCore.h"

namespace quill {
namespace {

void StartCore() {
    ASSERT_EQ(chdir(std::getenv("QUILL_CHILD_PROGRAM")), 0);
    ChooseProgramFolder(std::getenv("QUILL_CHILD_PROGRAM"));
    Folders.AppTitle = "QuillEngine";
    InitializeGlobals();
}

// Takes QUILL_CHILD_FILES files, reports in QUILL_CHILD_MARKER, then waits
// to be killed with its tasks still collecting.
TEST(EngineChild, DISABLED_CollectThenWait) {
    StartCore();
    TEngineCore core;
    core.Start();
    const int files = std::atoi(std::getenv("QUILL_CHILD_FILES"));
    for (int n = 0; n < files; ++n) core.CheckIncomingTimerTimer();
    std::ofstream(std::getenv("QUILL_CHILD_MARKER")) << core.CollectedCopies();
    for (;;) ::pause();
}

// Serves the folders until the file QUILL_CHILD_STOP appears, then shuts down.
TEST(EngineChild, DISABLED_ServeUntilStopped) {
    StartCore();
    TEngineCore core;
    core.Start();
    while (!std::filesystem::exists(std::getenv("QUILL_CHILD_STOP"))) test::Pump(50);
    core.Shutdown();
    FinalizeGlobals();
}

}  // namespace
}  // namespace quill
