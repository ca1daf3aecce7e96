// The settings store with both backends, as the programs read and write it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "CoreWorld.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "core/Startup.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"
#include "platform/RegistryStore.h"

namespace quill::test {
namespace {

using SettingsIni = CoreTest;
using SettingsRegistry = CoreTest;

platform::RegistryStore Registry() { return platform::RegistryStore(platform::RegistryStore::DefaultPath()); }

TEST_F(SettingsIni, EmptyStoreGivesDefaultsAndCreatesNoModeFolder) {
    WriteQuillIni("");
    StartUp();
    EXPECT_TRUE(Folders.UseINIFile);
    for (TMode m : AllModes) {
        EXPECT_FALSE(Mode(m).Visible) << ModeInfo(m).Word;
        EXPECT_FALSE(platform::FolderExists(Mode(m).FileLocation));
    }
    EXPECT_EQ(Mode(TMode::Corvane).FileLocation, world.path("data/labels/Corvan"));
    EXPECT_EQ(Mode(TMode::Corvane).DesignLocation, world.path("data/labels/designs/Corvan"));
    EXPECT_EQ(Settings.TempLocation, world.path("data/Temp/"));
    EXPECT_TRUE(platform::FolderExists(Settings.TempLocation));
    EXPECT_EQ(platform::CurrentDirectory() + "/", Settings.TempLocation);
    EXPECT_EQ(Settings.LastBarcode, "00000001");
    EXPECT_EQ(Settings.DotsPerInch, 60);
}

TEST_F(SettingsIni, VisibleValuesAndTheTamberRule) {
    WriteQuillIni(
        "[LEGACY]\nVisible=1\n[vek]\nvisible = -1\n[USER]\nVisible=0\n[TAMBER]\nVisible=1\n"
        "[CORVANE]\nVisible=1\nFileLocation=\nDesignLocation=" + world.path("mine") + "\n");
    StartUp();
    EXPECT_TRUE(Mode(TMode::Legacy).Visible);
    EXPECT_TRUE(Mode(TMode::VekLegacy).Visible);
    EXPECT_FALSE(Mode(TMode::Manual).Visible);
    EXPECT_FALSE(Mode(TMode::Tamber).Visible);
    EXPECT_FALSE(platform::FolderExists(Mode(TMode::Tamber).FileLocation));
    // an empty stored folder keeps the built-in one
    EXPECT_EQ(Mode(TMode::Corvane).FileLocation, world.path("data/labels/Corvan"));
    EXPECT_EQ(Mode(TMode::Corvane).DesignLocation, world.path("mine"));
    for (const char* sub : {"", "/Backup", "/Error"})
        EXPECT_TRUE(platform::FolderExists(Mode(TMode::Corvane).FileLocation + sub)) << sub;
    EXPECT_TRUE(platform::FolderExists(world.path("mine")));
}

TEST_F(SettingsIni, DebugOnlyWithOneAndPrinterTypeGivesDots) {
    WriteQuillIni("[Quill]\nDebug=2\nSpecialPrinterType=0\nUseDirMonitor=2\nMaxlabels=junk\nLogMode=3\n");
    StartUp();
    EXPECT_EQ(Settings.Debug, 2);
    EXPECT_FALSE(Settings.DebugFlag);
    EXPECT_EQ(Settings.DotsPerInch, 72);
    EXPECT_FALSE(Settings.UseDirMonitorFlag);
    EXPECT_EQ(Settings.Maxlabels, 1);
    EXPECT_EQ(Settings.LogMode, 3);
}

TEST_F(SettingsIni, ReadOnlyFileIsReadButNeverWritten) {
    WriteQuillIni("; site settings\n[Quill]\nMaxlabels=5\n[CORVANE1]\nName=North\n");
    const std::string path = ProgramFile("QUILL.INI");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    StartUp();
    EXPECT_EQ(Settings.Maxlabels, 5);
    Settings.Maxlabels = 9;
    WriteSettings();
    WithSettingsSection("\\CORVANE1", [] { DeleteSection(); });
    EXPECT_EQ(world.readFile("prog/QUILL.INI"), "; site settings\n[Quill]\nMaxlabels=5\n[CORVANE1]\nName=North\n");
}

TEST_F(SettingsIni, FileRemovedWhileRunningReadsDefaultsAndWritesANewFile) {
    WriteQuillIni("[Quill]\nMaxlabels=5\n");
    StartUp();
    ASSERT_TRUE(platform::DeleteFile(ProgramFile("QUILL.INI")));
    WithSettingsSection("", [] { EXPECT_EQ(ReadIntegerValue("Maxlabels", 1), 1); });
    WriteSettings();
    const platform::IniFile ini(ProgramFile("QUILL.INI"));
    EXPECT_EQ(ini.ReadString("Quill", "Maxlabels", ""), "5");
    EXPECT_EQ(ini.ReadString("Quill", "BackupLabelFile", ""), "1");
    EXPECT_EQ(ini.ReadString("LEGACY", "Visible", ""), "0");
    EXPECT_FALSE(ini.Read("Quill", "Debug").has_value());
}

TEST_F(SettingsIni, WriteThenReadKeepsEveryValue) {
    WriteQuillIni("");
    StartUp();
    Settings.Separator = ";";
    Settings.CheckDigit = "MOD11";
    Settings.SortOn = 2;
    Settings.BackupLabelFile = false;
    Settings.LastBarcode = "00000123";
    Mode(TMode::Direct).Visible = true;
    WriteSettings();
    FinalizeGlobals();
    StartUp();
    EXPECT_EQ(Settings.Separator, ";");
    EXPECT_EQ(Settings.CheckDigit, "MOD11");
    EXPECT_EQ(Settings.SortOn, 2);
    EXPECT_FALSE(Settings.BackupLabelFile);
    EXPECT_EQ(Settings.LastBarcode, "00000123");
    EXPECT_TRUE(Mode(TMode::Direct).Visible);
}

TEST_F(SettingsIni, ExampleFileIsWrittenOnceAndTheBackendStays) {
    WriteQuillIni("[Quill]\nMaxlabels=4\n");
    StartUp();
    SaveQuillINI_Example();
    EXPECT_TRUE(Folders.UseINIFile);
    EXPECT_EQ(Folders.INIFileName, "QUILL.INI");
    const platform::IniFile example(ProgramFile("QUILL_INI.INI"));
    EXPECT_EQ(example.ReadString("Quill", "Maxlabels", ""), "4");
    EXPECT_EQ(example.ReadString("CORVANEORS", "Visible", ""), "0");
    world.writeFile("prog/QUILL_INI.INI", "[Quill]\nMaxlabels=77\n");
    Settings.Maxlabels = 8;
    SaveQuillINI_Example();
    EXPECT_EQ(example.ReadString("Quill", "Maxlabels", ""), "77");
    EXPECT_EQ(Settings.Maxlabels, 8);
}

TEST_F(SettingsRegistry, TypesFollowTheStoredRegistryType) {
    {
        auto r = Registry();
        r.WriteString("SOFTWARE\\Vek\\Quill", "Maxlabels", "5");   // wrong type: ignored
        r.WriteDWord("SOFTWARE\\Vek\\Quill", "PrintDelayMinutes", 3);
        r.WriteBinary("SOFTWARE\\Vek\\Quill", "Separator", ";");   // other type: ignored
        r.WriteDWord("SOFTWARE\\Vek\\Quill\\CORVANE", "Visible", 1);
        r.WriteDWord("SOFTWARE\\Vek\\Quill\\TAMBER", "Visible", 1);
    }
    StartUp();
    EXPECT_FALSE(Folders.UseINIFile);
    EXPECT_EQ(Settings.Maxlabels, 1);
    EXPECT_EQ(Settings.PrintDelayMinutes, 3);
    EXPECT_EQ(Settings.Separator, ",");
    EXPECT_TRUE(Mode(TMode::Corvane).Visible);
    EXPECT_FALSE(Mode(TMode::Tamber).Visible);
}

TEST_F(SettingsRegistry, SaveStoresDWordsAndStrings) {
    StartUp();
    Settings.UseDirMonitorFlag = false;
    WriteSettings();
    auto r = Registry();
    const auto dirMonitor = r.ReadValue("SOFTWARE\\Vek\\Quill", "UseDirMonitor");
    ASSERT_TRUE(dirMonitor);
    EXPECT_EQ(dirMonitor->type, platform::RegType::DWord);
    EXPECT_EQ(dirMonitor->dword, 0u);
    const auto visible = r.ReadValue("SOFTWARE\\Vek\\Quill\\LEGACY", "Visible");
    ASSERT_TRUE(visible);
    EXPECT_EQ(visible->type, platform::RegType::DWord);
    const auto barcode = r.ReadValue("SOFTWARE\\Vek\\Quill", "LastBarcode");
    ASSERT_TRUE(barcode);
    EXPECT_EQ(barcode->type, platform::RegType::String);
    EXPECT_EQ(barcode->text, "00000001");
    EXPECT_FALSE(r.ReadValue("SOFTWARE\\Vek\\Quill", "Debug"));
}

TEST_F(SettingsRegistry, EveryProgramTakesTheSitesProgramFolderWhereverItStartsAndLies) {
    unsetenv("QUILL_PROGRAM_FOLDER");
    Registry().WriteString("SYSTEM\\CurrentControlSet\\Services\\QuillService", "ImagePath",
                           world.path("srv/quill-engine"));
    world.writeFile("data/program/QUILL.INI", "[Quill]\nMaxlabels=6\n");
    for (const char* title : {"QuillService", "QuillEngine", "QuillPrint"}) {
        StartUp(title);
        EXPECT_EQ(Folders.ProgramFolder, world.path("data/program/")) << title;
        EXPECT_TRUE(Folders.UseINIFile);
        EXPECT_EQ(Settings.Maxlabels, 6);
        EXPECT_EQ(Folders.LogFolder, world.path("data/Log"));
        EXPECT_EQ(Folders.HelpFolder, world.path("data/Help"));
        FinalizeGlobals();
    }
}

TEST(SettingsStoreFailure, UnopenableRegistryEndsTheProgramWithItsMessage) {
    TempWorld world;
    // a folder where the database file should be cannot be opened as a store
    ASSERT_TRUE(platform::CreateFolders(world.path("registry.db")));
    Folders = TFolders{};
    Folders.StartFolder = world.programFolder();
    EXPECT_EXIT(
        {
            OpenSettingsStore();
            std::exit(0);
        },
        ::testing::ExitedWithCode(1), "Error opening Windows Registry.");
}

}  // namespace
}  // namespace quill::test
