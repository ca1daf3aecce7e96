#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "EngineWorld.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

using TwoEnginesTest = test::EngineTest;

// Two engine processes with their own computer names serve one label folder,
// the second as secondary engine; files keep arriving while they run.
TEST_F(TwoEnginesTest, TwoEnginesSharingAFolderPrintEveryFileExactlyOnce) {
    const std::string shared = "[CORVANE]\nVisible=1\nFileLocation=" + world.path("shared/labels") +
                               "\nDesignLocation=" + world.path("shared/designs") + "\n";
    world.writeFile("progA/QUILL.INI", "[Quill]\nUseDirMonitor=1\nLogMode=3\n" + shared);
    world.writeFile("progB/QUILL.INI",
                    "[Quill]\nUseDirMonitor=0\nSecundaryPrintEngine=1\nLabelsOlderThanSecs=1\nLogMode=3\n" + shared);
    StartUp("", "FileLocation=" + world.path("shared/labels") + "\nDesignLocation=" + world.path("shared/designs") + "\n");
    writeDesign("C01");

    const std::string stop = world.path("stop");
    std::vector<int> engines;
    for (const auto& [name, program] : {std::pair{"ENGINE_A", "progA/"}, std::pair{"ENGINE_B", "progB/"}})
        engines.push_back(test::SpawnSelf("EngineChild.DISABLED_ServeUntilStopped",
                                          {std::string("QUILL_COMPUTER_NAME=") + name,
                                           "QUILL_CHILD_PROGRAM=" + world.path(program), "QUILL_CHILD_STOP=" + stop}));
    constexpr int fileCount = 24;
    for (int n = 0; n < fileCount; ++n) {
        // Some files are old enough for the secondary engine at once.
        writeLabelFile("f" + std::to_string(n) + ".lbl", "1,C,01,VALUE" + std::to_string(n) + "X\r\n", n % 3 ? 0 : 5);
        test::Pump(120);
    }
    for (int i = 0; i < 600 && filesIn(labelFolder() + "Backup").size() < fileCount; ++i) test::Pump(100);
    std::ofstream(stop) << "";
    for (int pid : engines) {
        int status = -1;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    EXPECT_TRUE(filesIn(labelFolder()).empty());
    EXPECT_EQ(filesIn(labelFolder() + "Backup").size(), static_cast<std::size_t>(fileCount));
    ASSERT_EQ(pdfFiles().size(), static_cast<std::size_t>(fileCount));
    std::multiset<std::string> printed;
    for (const std::string& pdf : pdfFiles()) {
        const std::string text = pdfText(pdf);
        const auto at = text.find("P=VALUE");
        ASSERT_NE(at, std::string::npos) << text;
        printed.insert(text.substr(at + 2, text.find('X', at) - at - 2));
    }
    for (int n = 0; n < fileCount; ++n) EXPECT_EQ(printed.count("VALUE" + std::to_string(n)), 1u) << n;
    // Both engines took part (each logs its rows under its own name).
    for (const std::string engine : {"ENGINE_A", "ENGINE_B"}) {
        std::string log;
        for (const std::string& name : filesIn(world.path("Log")))
            if (name.rfind(engine, 0) == 0) log += world.readFile("Log/" + name);
        EXPECT_NE(log.find("Printed to"), std::string::npos) << engine;
    }
}

}  // namespace
}  // namespace quill
