// The settings of the two shift printers in \Shift1 and \Shift2, and the
// label stock a controller starts from.
#include "core/ShiftSettings.h"

#include <gtest/gtest.h>

#include "CoreWorld.h"
#include "core/Settings.h"
#include "platform/IniFile.h"

namespace quill::test {
namespace {

class ShiftSettings : public CoreTest {
protected:
    void TearDown() override {
        for (int printer = 1; printer <= ShiftPrinterCount; ++printer) ShiftSettingsOf(printer) = TShiftSettings{};
        CoreTest::TearDown();
    }
    std::string Stored(const std::string& section, const std::string& key) {
        return platform::IniFile(ProgramFile("QUILL.INI")).ReadString(section, key, "<none>");
    }
};

TEST_F(ShiftSettings, PortsNamingAParallelPortOrNothingBecomeTheDefaultPrinter) {
    for (const char* stored : {"lpt1", "LPT2:", "Lpt", ""}) EXPECT_EQ(ShiftPortFromSetting(stored), "Epson FX-870") << stored;
    EXPECT_EQ(ShiftPortFromSetting("OKI ML3390"), "OKI ML3390");
    EXPECT_EQ(ShiftPortFromSetting("LP"), "LP");

    WriteQuillIni("[Shift1]\nShiftPort=lpt1\n[Shift2]\nShiftPort=OKI\n");
    StartUp();
    ReadShiftSettings(1);
    ReadShiftSettings(2);
    EXPECT_EQ(ShiftSettingsOf(1).ShiftPort, "Epson FX-870");
    EXPECT_EQ(ShiftSettingsOf(2).ShiftPort, "OKI");
}

TEST_F(ShiftSettings, LoadTakesTheSecondStockThenTheStoredOne) {
    world.writeFile("prog/LABELS.INI",
                    "[Label1]\nDescription=First\nHeightINCH=30\nSpaceHeightINCH_24Pins=6\nCols=1\n"
                    "[Label2]\nDescription=Second\nHeightINCH=40\nSpaceHeightINCH_24Pins=8\nShiftCorrection_24Pins=-5\nCols=3\n");
    WriteQuillIni("[Shift1]\nLabelInfoDescription=First\n[Shift2]\nLabelInfoDescription=Unknown\nUseShift=1\n"
                  "LabelPosition=2\nShiftDelaySecs=9\n");
    StartUp();
    LoadShiftSettings(1);
    LoadShiftSettings(2);
    const TShiftSettings& one = ShiftSettingsOf(1);
    EXPECT_EQ(one.LabelInfoDescription, "First");
    EXPECT_EQ(one.LabelHeightINCH, 36);
    EXPECT_EQ(one.Positions, 1);
    EXPECT_EQ(one.LabelPosition, 0);
    EXPECT_EQ(one.ShiftDistanceMM, 110);
    EXPECT_TRUE(one.UsePageShift);

    const TShiftSettings& two = ShiftSettingsOf(2);
    EXPECT_EQ(two.LabelInfoDescription, "Unknown") << "an unknown stock keeps its name";
    EXPECT_EQ(two.LabelHeightINCH, 48) << "but the default stock stays in use";
    EXPECT_EQ(two.ShiftCorrection, -5);
    EXPECT_EQ(two.Positions, 3);
    EXPECT_EQ(two.LabelPosition, 2);
    EXPECT_EQ(two.ShiftDelaySecs, 9);
}

TEST_F(ShiftSettings, ASingleStockIsNoDefault) {
    world.writeFile("prog/LABELS.INI", "[Label1]\nDescription=Only\nHeightINCH=30\nSpaceHeightINCH_24Pins=6\nCols=4\n");
    StartUp();
    LoadShiftSettings(1);
    const TShiftSettings builtIn;
    EXPECT_EQ(ShiftSettingsOf(1).LabelInfoDescription, builtIn.LabelInfoDescription);
    EXPECT_EQ(ShiftSettingsOf(1).LabelHeightINCH, builtIn.LabelHeightINCH);
    EXPECT_EQ(ShiftSettingsOf(1).Positions, builtIn.Positions);
}

TEST_F(ShiftSettings, LabelPositionIsKeptOnlyWhileShiftIsUsed) {
    WriteQuillIni("[Shift1]\nLabelPosition=4\n[Shift2]\nUseShift=1\nLabelPosition=4\n");
    StartUp();
    LoadShiftSettings(1);
    LoadShiftSettings(2);
    EXPECT_EQ(ShiftSettingsOf(1).LabelPosition, 0);
    EXPECT_EQ(ShiftSettingsOf(2).LabelPosition, 4);
    ShiftSettingsOf(1).LabelPosition = 1;
    ShiftSettingsOf(2).LabelPosition = 1;
    WriteLabelPosition(1);
    WriteLabelPosition(2);
    EXPECT_EQ(Stored("Shift1", "LabelPosition"), "4");
    EXPECT_EQ(Stored("Shift2", "LabelPosition"), "1");
}

TEST_F(ShiftSettings, WriteStoresEveryKeyInOrder) {
    WriteQuillIni("");
    StartUp();
    TShiftSettings& s = ShiftSettingsOf(2);
    s.UseShift = true;
    s.ShiftPort = "OKI";
    s.LabelInfoDescription = "Tube";
    s.LabelHeightINCH = 48;
    WriteShiftSettings(2);
    EXPECT_EQ(world.readFile("prog/QUILL.INI"),
              "[Shift2]\r\nUseShift=1\r\nUsePageShift=1\r\nShiftPort=OKI\r\nShiftDelaySecs=5\r\n"
              "LabelInfoDescription=Tube\r\nShiftDistanceMM=110\r\nLabelHeightINCH=48\r\nPaperHeightINCH=144\r\n");
}

TEST_F(ShiftSettings, ExampleFileHoldsBothShiftSections) {
    WriteQuillIni("[Shift1]\nUseShift=1\nLabelPosition=2\n");
    StartUp();
    LoadShiftSettings(1);
    LoadShiftSettings(2);
    SaveQuillINI_Example();
    const platform::IniFile example(ProgramFile("QUILL_INI.INI"));
    EXPECT_EQ(example.ReadString("Shift1", "LabelPosition", ""), "2");
    EXPECT_EQ(example.ReadString("Shift1", "UseShift", ""), "1");
    EXPECT_EQ(example.ReadString("Shift2", "ShiftPort", ""), "Epson FX-870");
    EXPECT_EQ(example.ReadString("Shift2", "PaperHeightINCH", ""), "144");
    EXPECT_EQ(example.ReadString("Quill", "Maxlabels", ""), "1");
}

}  // namespace
}  // namespace quill::test
