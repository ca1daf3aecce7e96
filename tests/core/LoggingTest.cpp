#include "core/Logging.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <regex>
#include <sstream>

#include "CoreWorld.h"
#include "core/Settings.h"
#include "platform/FileOps.h"

namespace quill::test {
namespace {

class Logging : public CoreTest {
protected:
    void SetUp() override {
        WriteQuillIni("[Quill]\nLogMode=3\n");
        // The engine's start-up logs a missing LABELS.INI; these tests start from an empty log.
        world.writeFile("prog/LABELS.INI", "");
        StartUp();
    }
    std::string MonthlyLog() { return platform::ReadWholeFile(LogFileName()).value_or(""); }
    std::string ExceptionLog() {
        return platform::ReadWholeFile(world.path("Log/") + Folders.ComputerName + "QuillException_" + MonthStamp() + ".txt")
            .value_or("");
    }
};

TEST_F(Logging, LogFilesLiveBesideTheProgramFolderPerComputerAndMonth) {
    EXPECT_EQ(Folders.LogFolder, world.path("Log"));
    EXPECT_EQ(LogFileName(), world.path("Log/") + Folders.ComputerName + "QUILLLOG_" + MonthStamp() + ".txt");
    EXPECT_TRUE(std::regex_match(MonthStamp(), std::regex("20[0-9]{2}(0[1-9]|1[0-2])")));
    EXPECT_EQ(ComputeLogFolder("/"), "/Log");
    EXPECT_EQ(ComputeLogFolder(world.path("no/such/")), world.path("no/such/Log"));
}

TEST_F(Logging, LineSeparatorsAreExact) {
    AddLog("Printed to PDF");
    LogException("UProcs", "ReadINIFile", "EIniFileException", "bad line");
    EXPECT_TRUE(std::regex_match(MonthlyLog(), std::regex("[^\n]+ - Printed to PDF\n")));
    EXPECT_TRUE(std::regex_match(
        ExceptionLog(),
        std::regex("[^\n]+  -  Source: UProcs, Proc: ReadINIFile, Class: EIniFileException, Message: bad line\n")));
}

TEST_F(Logging, LevelsDecideWhatIsWritten) {
    Settings.LogMode = 2;
    AddLog("normal");
    AddLogVerbose("verbose");
    Settings.LogMode = 1;
    AddLog("normal");
    AddLogVerbose("verbose");
    Settings.LogMode = 0;
    AddLog("off");
    LogException("a", "b", "c", "still written");
    const std::string log = MonthlyLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
    EXPECT_EQ(log.find("verbose"), std::string::npos);
    EXPECT_NE(ExceptionLog().find("still written"), std::string::npos);
}

TEST_F(Logging, AWriteErrorStopsLoggingUntilTheSettingsAreReadAgain) {
    // a folder in the log file's place fails every write, also for root
    ASSERT_TRUE(platform::CreateFolders(LogFileName()));
    AddLog("lost");
    EXPECT_EQ(Settings.LogMode, 0);
    ReadSettings();
    EXPECT_EQ(Settings.LogMode, 3);
}

TEST_F(Logging, TraceNeedsDebugOneAndGoesToTheCurrentFolder) {
    ShutdownTrace("WMQueryEndSession - START");
    EXPECT_FALSE(platform::FileExists(Settings.TempLocation + "QUILLLOG.TXT"));
    Settings.DebugFlag = true;
    ShutdownTrace("WMQueryEndSession - START");
    const auto trace = platform::ReadWholeFile(Settings.TempLocation + "QUILLLOG.TXT");
    ASSERT_TRUE(trace);
    EXPECT_TRUE(std::regex_match(*trace, std::regex("[^\n]+ - WMQueryEndSession - START\n")));
}

TEST_F(Logging, TwoProcessesAppendingLoseNoLine) {
    constexpr int kLines = 2000;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            for (int i = 0; i < kLines; ++i) AddLog("writer " + std::to_string(c) + " line " + std::to_string(i));
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::istringstream lines(MonthlyLog());
    std::string line;
    int seen[2] = {0, 0};
    while (std::getline(lines, line)) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, std::regex(".+ - writer ([01]) line ([0-9]+)"))) << line;
        ++seen[std::stoi(m[1])];
    }
    EXPECT_EQ(seen[0], kLines);
    EXPECT_EQ(seen[1], kLines);
}

}  // namespace
}  // namespace quill::test
