#include "engine/DirMonitor.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "EngineCoreWorld.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class DirMonitorTest : public test::EngineCoreTest {
protected:
    struct Change {
        TDirAction action;
        std::string name;
        bool operator==(const Change&) const = default;
    };
    void watch(const std::string& folder) {
        fs::create_directories(folder);
        monitor.Directory = folder;
        connect();
        monitor.SetActive(true);
    }
    void connect() {
        QObject::connect(&monitor, &TDirMonitor::changed,
                         [this](TDirAction action, const std::string& name) { changes.push_back({action, name}); });
    }
    void waitForChanges(std::size_t count) {
        for (int i = 0; i < 100 && changes.size() < count; ++i) test::Pump(20);
    }
    TDirMonitor monitor;
    std::vector<Change> changes;
};

TEST_F(DirMonitorTest, ReportsWrittenRenamedAndDeletedFilesByName) {
    watch(world.path("watched"));
    std::ofstream(world.path("watched/one.lbl")) << "1";
    std::ofstream(world.path("watched/two words.lbl")) << "2";
    waitForChanges(4);
    EXPECT_EQ(changes, (std::vector<Change>{{TDirAction::Modified, "one.lbl"},
                                            {TDirAction::Added, "one.lbl"},
                                            {TDirAction::Modified, "two words.lbl"},
                                            {TDirAction::Added, "two words.lbl"}}));

    changes.clear();
    fs::rename(world.path("watched/one.lbl"), world.path("watched/three.lbl"));
    fs::remove(world.path("watched/three.lbl"));
    fs::create_directory(world.path("watched/sub"));
    std::ofstream(world.path("watched/sub/deep.lbl")) << "not watched";
    waitForChanges(3);
    test::Pump(100);
    EXPECT_EQ(changes, (std::vector<Change>{{TDirAction::RenamedOldName, "one.lbl"},
                                            {TDirAction::RenamedNewName, "three.lbl"},
                                            {TDirAction::Removed, "three.lbl"}}));
}

TEST_F(DirMonitorTest, StopsWhileABatchWaitsForTheMainThread) {
    watch(world.path("watched"));
    std::ofstream(world.path("watched/a.lbl")) << "1";
    // The worker now waits for this thread, which does not run its event loop.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    QElapsedTimer clock;
    clock.start();
    monitor.SetActive(false);
    EXPECT_FALSE(monitor.Active());
    EXPECT_LT(clock.elapsed(), 5000);
    test::Pump(50);
    EXPECT_TRUE(changes.empty());
}

TEST_F(DirMonitorTest, MissingFolderCannotBeWatchedAndSaysSo) {
    monitor.Directory = world.path("nowhere/");
    try {
        monitor.SetActive(true);
        ADD_FAILURE() << "a missing folder was watched";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "No se ha encontrado el directorio");
    }
    EXPECT_FALSE(monitor.Active());
}

TEST_F(DirMonitorTest, EngineTakesReportedFilesFirstAndLeavesCapitalExtensionsToTheScan) {
    makeEngine("UseDirMonitor=1\n", "[USER]\nVisible=1\n");
    EXPECT_EQ(core->MonitorCount(), 2);
    writeDesign("C01");
    writeDesign("C02");
    core->Start();
    std::ofstream(labelFolder() + "CAPS.LBL") << "1,C,02,y\r\n";
    std::ofstream(labelFolder() + "n.lbl") << "1,C,01,x\r\n";
    for (int i = 0; i < 60 && core->Rows().Rows().size() < 2; ++i) test::Pump(100);
    ASSERT_EQ(core->Rows().Rows().size(), 2u);
    EXPECT_EQ(core->Rows().Rows()[0].Design, "C01");
    EXPECT_EQ(core->Rows().Rows()[0].Mode, "*") << "reported by the monitor";
    EXPECT_EQ(core->Rows().Rows()[1].Mode, "Corvane") << "found by a scan";

    core->PauseEngine();
    std::ofstream(labelFolder() + "paused.lbl") << "1,C,01,z\r\n";
    test::Pump(300);
    EXPECT_EQ(core->Candidates().Count(), 0) << "notifications while paused are dropped";
}

TEST_F(DirMonitorTest, WithoutMonitoringNoMonitorExists) {
    makeEngine("UseDirMonitor=0\n");
    EXPECT_EQ(core->MonitorCount(), 0);
}

}  // namespace
}  // namespace quill
