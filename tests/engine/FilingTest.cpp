#include "engine/Filing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "EngineWorld.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class FilingTest : public test::EngineTest {
protected:
    void SetUp() override { StartUp(); }
    std::string work(const std::string& text = "1,C,01,x\n") {
        return writeLabelFile(Folders.WorkFileName, text);
    }
};

TEST_F(FilingTest, StoredNamesCarryPrefixHourLetterAndMilliseconds) {
    EXPECT_EQ(FileStamp(QTime(13, 5, 42, 123)), "N0542123");
    EXPECT_EQ(FileStamp(QTime(0, 0, 0, 7)), "A0000007");
    EXPECT_EQ(FileStamp(QTime(23, 59, 59, 999)), "X5959999");
    const std::string backup = MakeBackupPath("/l/Legacy", TMode::Legacy);
    EXPECT_TRUE(std::regex_match(backup, std::regex("/l/Legacy/Backup/LBF[A-X][0-9]{7}\\.lbf"))) << backup;
    const std::string error = MakeErrorPath("/l/Corvan/", TMode::Corvane);
    EXPECT_TRUE(std::regex_match(error, std::regex("/l/Corvan/Error/CRV[A-X][0-9]{7}\\.lbl"))) << error;
}

TEST_F(FilingTest, TakenNameGetsANumberAndMissingFolderIsMade) {
    const std::string target = labelFolder() + "Backup/CRVN0542123.lbl";
    std::ofstream(target) << "earlier";
    EXPECT_EQ(StoreLabelFile(work("new"), target), labelFolder() + "Backup/CRVN0542123_1.lbl");
    EXPECT_EQ(world.readFile("data/labels/Corvan/Backup/CRVN0542123.lbl"), "earlier");
    EXPECT_EQ(world.readFile("data/labels/Corvan/Backup/CRVN0542123_1.lbl"), "new");

    fs::remove_all(labelFolder() + "Error");
    const std::string error = labelFolder() + "Error/CRVA0000000.lbl";
    EXPECT_EQ(StoreLabelFile(work("bad"), error), error);
    EXPECT_FALSE(fs::exists(labelFolder() + Folders.WorkFileName));
}

TEST_F(FilingTest, FileThatCannotBeFiledStaysInItsFolder) {
    // "Backup" is a plain file: no folder can be made there.
    fs::remove_all(labelFolder() + "Backup");
    std::ofstream(labelFolder() + "Backup") << "";
    const std::string where = StoreLabelFile(work("keep me"), labelFolder() + "Backup/CRVA0000000.lbl");
    EXPECT_EQ(fs::path(where).parent_path(), fs::path(labelFolder()).parent_path());
    EXPECT_EQ(fs::path(where).extension(), ".unfiled");
    EXPECT_EQ(world.readFile(where.substr(world.root().size())), "keep me");
    EXPECT_FALSE(fs::exists(labelFolder() + Folders.WorkFileName)) << "the work name is free for the next claim";
}

TEST_F(FilingTest, SuffixNamesTheFateOfTheCurrentFile) {
    TQuill& q = Mode(TMode::Corvane);
    q.CurrentFile = "in.lbl";
    q.BackupPath = "/x/Backup/CRVB0000001.lbl";
    q.ErrorPath = "/x/Error/CRVB0000001.lbl";
    Settings.LogMode = 0;
    EXPECT_EQ(StatusSuffix(TSuffixKind::Printed, TMode::Corvane), "");
    Settings.LogMode = 3;
    EXPECT_EQ(StatusSuffix(TSuffixKind::NewTask, TMode::Corvane), " (in.lbl)");
    EXPECT_EQ(StatusSuffix(TSuffixKind::Printed, TMode::Corvane), " (CRVB0000001.lbl moved to Backup)");
    EXPECT_EQ(StatusSuffix(TSuffixKind::NotPrinted, TMode::Corvane), " (CRVB0000001.lbl moved to Error)");
    Settings.BackupLabelFile = false;
    EXPECT_EQ(StatusSuffix(TSuffixKind::Printed, TMode::Corvane), " (labelfile deleted)");
}

}  // namespace
}  // namespace quill
