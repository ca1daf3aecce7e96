#pragma once
// A private CUPS scheduler for one test suite, started and stopped by
// tests/support/cups-test-scheduler.sh in a fresh folder. Its queues:
// "capture" (the default), "refuser" (rejects jobs), "paused" (disabled)
// and "thermal203" (a 203 dpi printer); what they print lands in
// outFolder() as job-<id>.prn.
// Set QUILL_KEEP_CUPSD=1 to leave it running after the tests for a look.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

namespace quill::test {

class CupsTestScheduler {
public:
    static bool Available();   // cupsd is installed
    // nullptr, with the script's output in `error`, when it did not start.
    static std::unique_ptr<CupsTestScheduler> Start(std::string& error);
    ~CupsTestScheduler();
    CupsTestScheduler(const CupsTestScheduler&) = delete;
    CupsTestScheduler& operator=(const CupsTestScheduler&) = delete;

    const std::string& socket() const { return socket_; }
    std::string jobsFolder() const { return folder_ + "/out/jobs/"; }
    // Points this process's libcups at the scheduler.
    void Use() const;
    // The file of the job printed `count`-th, waiting up to `timeout` for it.
    std::string WaitForJobFiles(std::size_t count, std::chrono::milliseconds timeout) const;
    std::size_t JobFileCount() const;
    // Jobs the scheduler holds that have not printed, from lpstat.
    std::string PendingJobs(const std::string& queue) const;
    // Runs a CUPS command line (lp, cupsenable, ...) against the scheduler;
    // its exit status.
    int Command(const std::string& command) const;

private:
    explicit CupsTestScheduler(std::string folder);
    std::string folder_;
    std::string socket_;
};

// A test suite whose tests print to one scheduler, started once for the
// suite; tests are skipped where cupsd is not installed.
template <typename Base = ::testing::Test>
class WithCupsScheduler : public Base {
protected:
    static void SetUpTestSuite() {
        if (CupsTestScheduler::Available()) scheduler_ = CupsTestScheduler::Start(startError_);
    }
    static void TearDownTestSuite() { scheduler_.reset(); }
    void SetUp() override {
        Base::SetUp();
        if (!CupsTestScheduler::Available()) GTEST_SKIP() << "cupsd is not installed";
        ASSERT_TRUE(scheduler_) << startError_;
        scheduler_->Use();
    }

    static inline std::unique_ptr<CupsTestScheduler> scheduler_;
    static inline std::string startError_;
};

}  // namespace quill::test
