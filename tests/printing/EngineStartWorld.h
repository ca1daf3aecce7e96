#pragma once
// A printing world with the engine's start-up run in it: QUILL.INI and
// LABELS.INI in the program folder, the core started as QuillEngine and the
// shift controllers running; and a private CUPS scheduler shared by the
// tests of this executable.
#include <string>

#include "printing/PrintWorld.h"
#include "support/CupsTestScheduler.h"

namespace quill::test {

class EngineStartWorldTest : public PrintWorldTest {
protected:
    void StartEngine(const std::string& quillIni, const std::string& labelsIni = {});
    void TearDown() override;

    std::string MonthlyLog() const;
    std::string ExceptionLog() const;

    // The shared scheduler, started on first use; null (with the reason in
    // `error`) when it cannot run here.
    static const CupsTestScheduler* Scheduler(std::string& error);

private:
    bool started_ = false;
};

// Skips the test when cupsd is missing, fails it when it does not start,
// and points libcups at the scheduler.
#define QUILL_USE_CUPS(scheduler)                                                         \
    std::string cupsError_;                                                               \
    const ::quill::test::CupsTestScheduler* scheduler = Scheduler(cupsError_);            \
    if (!::quill::test::CupsTestScheduler::Available()) GTEST_SKIP() << "cupsd is not installed"; \
    ASSERT_NE(scheduler, nullptr) << cupsError_;                                          \
    scheduler->Use()

}  // namespace quill::test
