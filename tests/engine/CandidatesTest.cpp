#include "engine/Candidates.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "EngineWorld.h"

namespace quill {
namespace {

class CandidatesTest : public test::EngineTest {
protected:
    // One scan's files in the order they are taken (the files stay on disk).
    std::vector<std::string> takeAll() {
        std::vector<std::string> names;
        list.ScanIncomingFiles();
        while (list.Count() > 0) names.push_back(list.GetNextLabelFile()->FileName);
        return names;
    }
    TCandidateList list;
};

TEST_F(CandidatesTest, OrderByDateByDateAndNameAndByNaturalName) {
    StartUp();
    writeLabelFile("b.lbl", "", 30);
    writeLabelFile("a.lbl", "", 10);
    writeLabelFile("c.lbl", "", 20);
    EXPECT_EQ(takeAll(), (std::vector<std::string>{"b.lbl", "c.lbl", "a.lbl"}));

    Settings.SortOn = 2;
    for (const char* name : {"b.lbl", "a.lbl", "c.lbl"}) std::filesystem::remove(labelFolder() + name);
    writeLabelFile("L10.lbl", "", 30);
    writeLabelFile("l3.lbl", "", 20);
    writeLabelFile("L2.lbl", "", 10);
    EXPECT_EQ(takeAll(), (std::vector<std::string>{"L2.lbl", "l3.lbl", "L10.lbl"}));

    // Within one second the name decides, in natural order, whatever the
    // milliseconds say; an older second comes first.
    Settings.SortOn = 1;
    using namespace std::chrono;
    const auto second = floor<seconds>(system_clock::now()) - seconds(60);
    const auto at = [&](const std::string& name, system_clock::time_point when) {
        std::filesystem::last_write_time(writeLabelFile(name, ""), file_clock::from_sys(when));
    };
    at("L10.lbl", second + milliseconds(100));
    at("l3.lbl", second + milliseconds(500));
    at("L2.lbl", second + milliseconds(900));
    at("Z.lbl", second - seconds(1) + milliseconds(999));
    EXPECT_EQ(takeAll(), (std::vector<std::string>{"Z.lbl", "L2.lbl", "l3.lbl", "L10.lbl"}));
}

TEST_F(CandidatesTest, ScansOnlyWhenEmptyAndTakesEveryVisibleFolder) {
    StartUp("", "[USER]\nVisible=1\n[CORVANE1]\nName=North\nFileLocation=" + world.path("north") +
                    "\nDesignLocation=" + world.path("northdesigns") + "\n");
    writeLabelFile("one.lbl", "", 30);
    writeLabelFile("hand.TXT", "", 20, TMode::Manual);
    writeLabelFile("skip.txt", "", 20);  // not a Corvane extension
    std::filesystem::create_directories(world.path("north"));
    std::ofstream(world.path("north/far.LBL")) << "";
    EXPECT_EQ(list.ScanIncomingFiles(), 3);

    writeLabelFile("late.lbl", "", 40);
    EXPECT_EQ(list.ScanIncomingFiles(), 3) << "a list with entries is not scanned again";
    std::vector<TFileRecord> taken;
    while (list.Count() > 0) taken.push_back(*list.GetNextLabelFile());
    ASSERT_EQ(taken.size(), 3u);
    for (const TFileRecord& file : taken) {
        if (file.FileName == "far.LBL") {
            EXPECT_EQ(file.LocationName, "North");
            EXPECT_EQ(file.DesignFolder, world.path("northdesigns/"));
        }
        if (file.FileName == "hand.TXT") {
            EXPECT_EQ(file.Mode, TMode::Manual);
        }
    }
    EXPECT_EQ(list.GetNextLabelFile()->FileName, "late.lbl") << "the empty list scans again";
}

TEST_F(CandidatesTest, SecondaryEngineLeavesYoungFilesToThePrimary) {
    StartUp("SecundaryPrintEngine=1\nLabelsOlderThanSecs=5\n");
    writeLabelFile("young.lbl", "", 3);
    writeLabelFile("old.lbl", "", 6);
    EXPECT_EQ(takeAll(), std::vector<std::string>{"old.lbl"});
    std::filesystem::remove(labelFolder() + "old.lbl");
    writeLabelFile("young.lbl", "", 5);
    EXPECT_EQ(takeAll(), std::vector<std::string>{"young.lbl"});
}

TEST_F(CandidatesTest, ReportedFileJoinsTheSortedList) {
    StartUp("SortOn=2\n");
    writeLabelFile("b5.lbl", "", 10);
    writeLabelFile("b20.lbl", "", 10);
    ASSERT_EQ(list.ScanIncomingFiles(), 2);
    list.Add({TMode::Corvane, "b7.lbl", CurrentFileTimeNs(), designFolder(), labelFolder(), "*"});
    EXPECT_EQ(takeAll(), (std::vector<std::string>{"b5.lbl", "b7.lbl", "b20.lbl"}));
}

}  // namespace
}  // namespace quill
