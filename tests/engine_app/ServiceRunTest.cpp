// quill-engine --service: the engine released once, whatever combination of
// stop (SIGTERM) and shutdown (SIGINT) arrives, and its events traced.
#include <signal.h>

#include <gtest/gtest.h>

#include "EngineAppWorld.h"

namespace quill::test {
namespace {

constexpr const char* kServiceIni = "[Quill]\nLogMode=3\nDebug=1\nPrintDelayMinutes=60\n[USER]\nVisible=1\n";

struct SignalPair {
    int first;
    int second;
    std::vector<std::string> trace;   // the service's events, in order
};

class ServiceRelease : public EngineAppTest, public ::testing::WithParamInterface<SignalPair> {};

std::vector<std::string> ServiceEvents(const std::string& trace) {
    std::vector<std::string> events;
    for (std::size_t at = 0; (at = trace.find(" - Service", at)) != std::string::npos;) {
        const auto end = trace.find('\n', at);
        events.push_back(trace.substr(at + 3, end - at - 3));
        at = end;
    }
    return events;
}

TEST_P(ServiceRelease, ReleasesTheEngineOnce) {
    writeIni(kServiceIni);
    writeManualDesign("Sheet", 4);
    EngineProcess service(world.root(), {"--service"});
    ASSERT_TRUE(service.waitForError("QuillService running headless")) << service.error();
    dropManualFile("USR1.txt", "Sheet", {"alpha"});
    ASSERT_TRUE(service.waitForOutput("Labels added to task")) << service.output();

    service.signal(GetParam().first);
    service.signal(GetParam().second);
    EXPECT_EQ(service.wait(), 0) << service.error();
    EXPECT_EQ(pdfs().size(), 1u) << "the collected task prints once";
    EXPECT_EQ(CountOf(log(), "QuillEngine END"), 1);
    const auto events = ServiceEvents(trace());
    ASSERT_GE(events.size(), GetParam().trace.size()) << trace();
    // The second signal may come after the loop has ended: then it leaves no trace.
    EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + GetParam().trace.size()), GetParam().trace)
        << trace();
    EXPECT_EQ(CountOf(trace(), "ReleaseServiceForm"), 1) << trace();
}

const std::vector<std::string> kStopTrace = {
    "ServiceExecute - START", "ServiceExecute - CreateServiceForm", "ServiceExecute - Terminated",
    "ServiceExecute - ReleaseServiceForm", "ServiceExecute - END"};
const std::vector<std::string> kShutdownTrace = {
    "ServiceExecute - START",           "ServiceExecute - CreateServiceForm", "ServiceShutdown - START",
    "ServiceExecute - Terminated",      "ServiceExecute - ReleaseServiceForm", "ServiceExecute - END",
    "ServiceShutdown - END"};

INSTANTIATE_TEST_SUITE_P(Signals, ServiceRelease,
                         ::testing::Values(SignalPair{SIGTERM, SIGTERM, kStopTrace},
                                           SignalPair{SIGTERM, SIGINT, kStopTrace},
                                           SignalPair{SIGINT, SIGTERM, kShutdownTrace},
                                           SignalPair{SIGINT, SIGINT, kShutdownTrace}));

TEST_F(EngineAppTest, ServiceTracesNothingWithoutDebug) {
    writeIni("[Quill]\nLogMode=3\n");
    EngineProcess service(world.root(), {"--service"});
    ASSERT_TRUE(service.waitForError("QuillService running headless")) << service.error();
    service.signal(SIGTERM);
    EXPECT_EQ(service.wait(), 0);
    EXPECT_EQ(trace(), "");
    EXPECT_EQ(CountOf(log(), "QuillEngine END"), 1);
}

}  // namespace
}  // namespace quill::test
