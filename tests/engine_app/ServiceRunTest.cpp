// quill-engine --service: the engine released once, whatever combination of
// stop (SIGTERM) and shutdown (SIGINT) arrives, and its events traced.
#include <signal.h>

#include <gtest/gtest.h>

#include "EngineAppWorld.h"

namespace quill::test {
namespace {

constexpr const char* kServiceIni = "[Quill]\nLogMode=3\nDebug=1\nPrintDelayMinutes=60\n[USER]\nVisible=1\n";

std::vector<std::string> ServiceEvents(const std::string& trace) {
    std::vector<std::string> events;
    for (std::size_t at = 0; (at = trace.find(" - Service", at)) != std::string::npos;) {
        const auto end = trace.find('\n', at);
        events.push_back(trace.substr(at + 3, end - at - 3));
        at = end;
    }
    return events;
}

// A service with one task collecting, ended by `signals` sent back to back.
class ServiceEnd : public EngineAppTest {
protected:
    int endWith(std::initializer_list<int> signals) {
        writeIni(kServiceIni);
        writeManualDesign("Sheet", 4);
        registerService();
        EngineProcess service(world.root(), {"--service"});
        if (!service.waitForError("QuillService running headless")) return -2;
        dropManualFile("USR1.txt", "Sheet", {"alpha"});
        if (!service.waitForOutput("Labels added to task")) return -2;
        for (int s : signals) service.signal(s);
        return service.wait();
    }
    // Whatever arrived: the engine released once, its task printed once.
    void expectReleasedOnce() const {
        EXPECT_EQ(pdfs().size(), 1u) << "the collected task prints once";
        EXPECT_EQ(CountOf(log(), "QuillEngine END"), 1);
        EXPECT_EQ(CountOf(trace(), "ServiceExecute - ReleaseServiceForm"), 1) << trace();
        EXPECT_EQ(CountOf(trace(), "ServiceExecute - END"), 1) << trace();
    }
};

const std::vector<std::string> kStopTrace = {
    "ServiceExecute - START", "ServiceExecute - CreateServiceForm", "ServiceExecute - Terminated",
    "ServiceExecute - ReleaseServiceForm", "ServiceExecute - END"};

TEST_F(ServiceEnd, StopTracesTheServiceEventsInOrder) {
    EXPECT_EQ(endWith({SIGTERM}), 0);
    expectReleasedOnce();
    EXPECT_EQ(ServiceEvents(trace()), kStopTrace) << trace();
}

TEST_F(ServiceEnd, ShutdownTracesTheServiceEventsInOrder) {
    EXPECT_EQ(endWith({SIGINT}), 0);
    expectReleasedOnce();
    const std::vector<std::string> shutdownTrace = {
        "ServiceExecute - START",      "ServiceExecute - CreateServiceForm",  "ServiceShutdown - START",
        "ServiceExecute - Terminated", "ServiceExecute - ReleaseServiceForm", "ServiceExecute - END",
        "ServiceShutdown - END"};
    EXPECT_EQ(ServiceEvents(trace()), shutdownTrace) << trace();
}

// Which of two signals sent together the process takes first is the
// kernel's choice; the release must happen once either way.
TEST_F(ServiceEnd, TwoStopsReleaseOnce) {
    EXPECT_EQ(endWith({SIGTERM, SIGTERM}), 0);
    expectReleasedOnce();
}

TEST_F(ServiceEnd, StopAndShutdownReleaseOnce) {
    EXPECT_EQ(endWith({SIGTERM, SIGINT}), 0);
    expectReleasedOnce();
    const auto events = ServiceEvents(trace());
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], "ServiceExecute - START");
    EXPECT_EQ(events[1], "ServiceExecute - CreateServiceForm");
    EXPECT_EQ(CountOf(trace(), "ServiceShutdown - START"), CountOf(trace(), "ServiceShutdown - END"));
}

TEST_F(ServiceEnd, ManyMixedSignalsReleaseOnce) {
    EXPECT_EQ(endWith({SIGINT, SIGTERM, SIGINT, SIGTERM, SIGTERM}), 0);
    expectReleasedOnce();
}

TEST_F(EngineAppTest, ServiceTracesNothingWithoutDebug) {
    writeIni("[Quill]\nLogMode=3\n");
    registerService();
    EngineProcess service(world.root(), {"--service"});
    ASSERT_TRUE(service.waitForError("QuillService running headless")) << service.error();
    service.signal(SIGTERM);
    EXPECT_EQ(service.wait(), 0);
    EXPECT_EQ(trace(), "");
    EXPECT_EQ(CountOf(log(), "QuillEngine END"), 1);
}

}  // namespace
}  // namespace quill::test
