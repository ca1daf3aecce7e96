#include "core/Locations.h"

#include <gtest/gtest.h>

#include "CoreWorld.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"

namespace quill::test {
namespace {

class Locations : public CoreTest {
protected:
    std::string Entry(int n, const std::string& name, const std::string& file) {
        return "[CORVANE" + std::to_string(n) + "]\nName=" + name + "\nDesignLocation=" + world.path("d" + std::to_string(n)) +
               "\nFileLocation=" + file + "\n";
    }
};

TEST_F(Locations, AGapEndsTheListAndSavingRemovesEntriesBehindIt) {
    WriteQuillIni("[CORVANE]\nVisible=1\n" + Entry(1, "North", world.path("f1")) + Entry(2, "South", world.path("f2")) +
                  Entry(4, "West", world.path("f4")));
    StartUp();
    const TLocationList& list = Mode(TMode::Corvane).Locations;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->Name, "North");
    EXPECT_EQ(list[1]->Number, 2);
    EXPECT_EQ(list[1]->FileLocation, world.path("f2/"));
    EXPECT_EQ(list[1]->DesignLocation, world.path("d2/"));
    EXPECT_TRUE(platform::FolderExists(world.path("f1/Backup")));
    EXPECT_TRUE(platform::FolderExists(world.path("f2/Error")));
    EXPECT_FALSE(platform::FolderExists(world.path("f4")));

    SaveLocations(TMode::Corvane, list);
    const platform::IniFile ini(ProgramFile("QUILL.INI"));
    EXPECT_TRUE(ini.SectionExists("CORVANE2"));
    EXPECT_FALSE(ini.SectionExists("CORVANE4"));
}

TEST_F(Locations, SavingRenumbersInListOrder) {
    WriteQuillIni("[CORVANE]\nVisible=1\n" + Entry(1, "North", world.path("f1")) + Entry(2, "South", world.path("f2")));
    StartUp();
    TLocationList& list = Mode(TMode::Corvane).Locations;
    list.erase(list.begin());
    SaveLocations(TMode::Corvane, list);
    const platform::IniFile ini(ProgramFile("QUILL.INI"));
    EXPECT_EQ(ini.ReadString("CORVANE1", "Name", ""), "South");
    EXPECT_FALSE(ini.SectionExists("CORVANE2"));
}

TEST_F(Locations, EmptyStoredFolderEndsTheListButAMissingOneTakesTheModeFolder) {
    WriteQuillIni("[CORVANE]\nVisible=1\n" + Entry(1, "North", world.path("f1")) +
                  "[CORVANE2]\nName=NoFolders\n" + Entry(3, "Empty", ""));
    StartUp();
    const TLocationList& list = Mode(TMode::Corvane).Locations;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1]->FileLocation, ModeFileFolder(TMode::Corvane));
    EXPECT_EQ(list[1]->DesignLocation, ModeDesignFolder(TMode::Corvane));
}

TEST_F(Locations, InvisibleModesAndModesWithoutListsLoadNothing) {
    WriteQuillIni("[LEGACY]\nVisible=1\n[LEGACY1]\nName=x\n" + Entry(1, "North", world.path("f1")));
    StartUp();
    EXPECT_TRUE(Mode(TMode::Legacy).Locations.empty());
    EXPECT_TRUE(Mode(TMode::Corvane).Locations.empty());
    EXPECT_FALSE(platform::FolderExists(world.path("f1")));
}

}  // namespace
}  // namespace quill::test
