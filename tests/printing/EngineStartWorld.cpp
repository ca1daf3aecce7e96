#include "printing/EngineStartWorld.h"

#include <memory>

#include "core/Logging.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"
#include "printing/ShiftControllers.h"

namespace quill::test {

namespace {

std::unique_ptr<CupsTestScheduler>& SharedScheduler() {
    static std::unique_ptr<CupsTestScheduler> scheduler;
    return scheduler;
}

// Stops the scheduler once all tests have run.
class SchedulerEnvironment : public ::testing::Environment {
public:
    void TearDown() override { SharedScheduler().reset(); }
};

[[maybe_unused]] const auto* const kSchedulerEnvironment =
    ::testing::AddGlobalTestEnvironment(new SchedulerEnvironment);   // gtest owns it

}  // namespace

void EngineStartWorldTest::StartEngine(const std::string& quillIni, const std::string& labelsIni) {
    world.writeFile("prog/QUILL.INI", quillIni);
    if (!labelsIni.empty()) world.writeFile("prog/LABELS.INI", labelsIni);
    platform::SetCurrentDirectory(world.programFolder());
    Folders.AppTitle = "QuillEngine";
    InitializeGlobals();
    StartShiftControllers();
    started_ = true;
}

void EngineStartWorldTest::TearDown() {
    if (!started_) return;
    StopShiftControllers();
    FinalizeGlobals();
    Folders = TFolders{};
}

std::string EngineStartWorldTest::MonthlyLog() const { return platform::ReadWholeFile(LogFileName()).value_or(""); }

std::string EngineStartWorldTest::ExceptionLog() const {
    return platform::ReadWholeFile(AddBackslash(Folders.LogFolder) + Folders.ComputerName + "QuillException_" +
                                   MonthStamp() + ".txt")
        .value_or("");
}

const CupsTestScheduler* EngineStartWorldTest::Scheduler(std::string& error) {
    static std::string startError;
    auto& scheduler = SharedScheduler();
    if (!scheduler && startError.empty() && CupsTestScheduler::Available()) {
        scheduler = CupsTestScheduler::Start(startError);
        if (!scheduler && startError.empty()) startError = "the scheduler did not start";
    }
    error = startError;
    return scheduler.get();
}

}  // namespace quill::test
