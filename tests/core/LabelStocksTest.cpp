// LABELS.INI: the label stocks of the shift printers, read at the engine's
// start-up, and the upgrade of files that carry only the older keys.
#include "core/LabelStocks.h"

#include <gtest/gtest.h>

#include "CoreWorld.h"
#include "core/Logging.h"
#include "core/Startup.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"

namespace quill::test {
namespace {

class LabelStocks : public CoreTest {
protected:
    void WriteLabelsIni(const std::string& text) { world.writeFile("prog/LABELS.INI", text); }
    std::string MonthlyLog() { return platform::ReadWholeFile(LogFileName()).value_or(""); }
};

TEST_F(LabelStocks, OlderKeysAreReadForBothPrinterTypesAndUpgradedInTheFile) {
    WriteLabelsIni("[Label1]\nDescription=Tube 36x12\nHeightINCH=36\nSpaceHeightINCH=12\nCols=2\n");
    StartUp();
    ASSERT_EQ(LabelDefinitions.size(), 1u);
    const TLabelInfoRecord& stock = LabelDefinitions[0];
    EXPECT_EQ(stock.SpaceHeight9Pins, 12);
    EXPECT_EQ(stock.SpaceHeight24Pins, 12);
    EXPECT_EQ(stock.Cols, 2);

    const platform::IniFile file(ProgramFile("LABELS.INI"));
    EXPECT_EQ(file.ReadString("Label1", "SpaceHeightINCH_9Pins", ""), "12");
    EXPECT_EQ(file.ReadString("Label1", "SpaceHeightINCH_24Pins", ""), "12");
    EXPECT_EQ(file.ReadString("Label1", "ShiftCorrection_9Pins", ""), "0");
    EXPECT_EQ(file.ReadString("Label1", "ShiftCorrection_24Pins", ""), "0");
    EXPECT_EQ(file.ReadString("Label1", "SpaceHeightINCH", ""), "12") << "the older key stays";
}

TEST_F(LabelStocks, PinSpecificKeysWinAndTheFileStaysUntouched) {
    const std::string text =
        "[Label1]\nDescription=A\nSpaceHeightINCH=12\nSpaceHeightINCH_9Pins=9\nSpaceHeightINCH_24Pins=24\n"
        "ShiftCorrection=5\nShiftCorrection_9Pins=-3\nShiftCorrection_24Pins=7\n";
    WriteLabelsIni(text);
    WriteQuillIni("[Quill]\nSpecialPrinterType=0\n");
    StartUp();
    ASSERT_EQ(LabelDefinitions.size(), 1u);
    EXPECT_EQ(SpaceHeight(LabelDefinitions[0]), 9);
    EXPECT_EQ(ShiftCorrection(LabelDefinitions[0]), -3);
    Settings.SpecialPrinterType = 1;
    EXPECT_EQ(SpaceHeight(LabelDefinitions[0]), 24);
    EXPECT_EQ(ShiftCorrection(LabelDefinitions[0]), 7);
    EXPECT_EQ(world.readFile("prog/LABELS.INI"), text);
}

TEST_F(LabelStocks, TheListEndsAtTheFirstSectionWithoutDescriptionAndAtLabel127) {
    WriteLabelsIni("[Label1]\nDescription=One\n[Label2]\nWidthMM=3\n[Label3]\nDescription=Three\n");
    StartUp();
    ASSERT_EQ(LabelDefinitions.size(), 1u);
    EXPECT_EQ(LabelDefinitions[0].Description, "One");
    FinalizeGlobals();
    EXPECT_TRUE(LabelDefinitions.empty()) << "shut-down disposes the list";

    std::string many;
    for (int n = 1; n <= 128; ++n) many += "[Label" + std::to_string(n) + "]\nDescription=S" + std::to_string(n) + "\n";
    WriteLabelsIni(many);
    StartUp();
    ASSERT_EQ(LabelDefinitions.size(), 127u) << "Label128 is never read";
    EXPECT_EQ(LabelDefinitions.back().Description, "S127");
}

TEST_F(LabelStocks, FindIsExactAndCaseSensitive) {
    WriteLabelsIni("[Label1]\nDescription=Tube\n[Label2]\nDescription=tube\n[Label3]\nDescription=Tube\nCols=9\n");
    StartUp();
    ASSERT_NE(FindLabelDefinition("tube"), nullptr);
    EXPECT_EQ(FindLabelDefinition("tube"), &LabelDefinitions[1]);
    EXPECT_EQ(FindLabelDefinition("Tube"), &LabelDefinitions[0]) << "the first match";
    EXPECT_EQ(FindLabelDefinition("Tube "), nullptr);
    EXPECT_EQ(FindLabelDefinition(""), nullptr);
}

TEST_F(LabelStocks, MissingFileIsLoggedAndQuillPrintNeverReadsIt) {
    WriteQuillIni("[Quill]\nLogMode=1\n");
    StartUp();
    EXPECT_TRUE(LabelDefinitions.empty());
    EXPECT_NE(MonthlyLog().find("Warning: Cannot find: " + world.programFolder() + "LABELS.INI"), std::string::npos);
    FinalizeGlobals();

    WriteLabelsIni("[Label1]\nDescription=One\n");
    StartUp("QuillPrint");
    EXPECT_TRUE(LabelDefinitions.empty());
    FinalizeGlobals();
    StartUp("QuillEngine");
    EXPECT_EQ(LabelDefinitions.size(), 1u);
}

TEST_F(LabelStocks, ReadOnlyFileKeepsTheListWhenTheUpgradeCannotBeWritten) {
    WriteLabelsIni("[Label1]\nDescription=One\nSpaceHeightINCH=4\n[Label2]\nDescription=Two\n");
    ASSERT_TRUE(platform::SetReadOnly(ProgramFile("LABELS.INI"), true));
    StartUp();
    ASSERT_EQ(LabelDefinitions.size(), 2u);
    EXPECT_EQ(LabelDefinitions[0].SpaceHeight24Pins, 4);
    EXPECT_FALSE(platform::IniFile(ProgramFile("LABELS.INI")).Read("Label1", "SpaceHeightINCH_9Pins"));
}

}  // namespace
}  // namespace quill::test
