// The engine's settings page: what it shows for the stored settings, the
// Modes menu, what a save writes to either store, what No keeps, the
// barcode fields, and the shift printers' lists over a real scheduler.
#include <algorithm>
#include <filesystem>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "SettingsPageWorld.h"
#include "core/ShiftSettings.h"
#include "core/UGlobals.h"
#include "platform/FileOps.h"
#include "engine_app/EngineSettingsGroups.h"
#include "engine_app/FEngine.h"
#include "support/CupsTestScheduler.h"
#include "support/WidgetTestSupport.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;

using SettingsPage = SettingsPageTest;

QAction* ModeAction(const TfrmSideMenuEngine& window, const QString& caption) {
    for (QAction* action : window.ModesMenu()->actions())
        if (action->text() == caption) return action;
    ADD_FAILURE() << "no mode " << caption.toStdString();
    return nullptr;
}

TEST_F(SettingsPage, ShowsTheVisibleModesAndKeepsOneVisible) {
    std::string ini = "[USER]\nVisible=1\n[CORVANE]\nVisible=1\n[CORVANEORS]\nVisible=1\n";
    for (int n = 1; n <= 3; ++n)
        ini += "[CORVANE" + std::to_string(n) + "]\nName=Site " + std::to_string(n) + "\nDesignLocation=" +
               world.path("sites/" + std::to_string(n) + "/designs") + "\nFileLocation=" +
               world.path("sites/" + std::to_string(n) + "/labels") + "\n";
    openPage(ini);
    const std::string stored = world.readFile("prog/QUILL.INI");

    EXPECT_TRUE(core().IsPaused());
    EXPECT_TRUE(window->ModesMenu()->isEnabled());
    EXPECT_EQ(window->StatusPanel(1)->text(), "QUILL.INI");
    EXPECT_EQ(page().Tabs()->tabText(0), "General");
    for (const auto& [caption, checked] :
         {std::pair{"Manual", true}, {"Corvane", true}, {"Corvane ORS", true}, {"Legacy", false}, {"Direct Corvane", false}})
        EXPECT_EQ(ModeAction(*window, caption)->isChecked(), checked) << caption;
    EXPECT_EQ(window->ModesMenu()->actions().size(), 8) << "every mode but Tamber";

    TModeFolderGroup* corvane = page().ModeGroup(TMode::Corvane);
    EXPECT_TRUE(page().ModeGroup(TMode::Manual)->isVisibleTo(&page()));
    EXPECT_FALSE(page().ModeGroup(TMode::Legacy)->isVisibleTo(&page()));
    EXPECT_EQ(page().ModeGroup(TMode::Manual)->TextFolder()->text().toStdString(), Folders.TextFileFolder);
    EXPECT_FALSE(corvane->DesignFolder()->isEnabled()) << "three multi-folder entries replace the pair";
    EXPECT_FALSE(corvane->FileBrowse()->isEnabled());
    EXPECT_TRUE(corvane->MultiFolders()->isEnabled());
    EXPECT_TRUE(page().ModeGroup(TMode::CorvaneORS)->DesignFolder()->isEnabled());
    EXPECT_EQ(page().ModeGroup(TMode::CorvaneORS)->DesignFolder()->text().toStdString(), Mode(TMode::CorvaneORS).DesignLocation);

    // Only Manual left: the right column goes.
    ModeAction(*window, "Corvane")->trigger();
    ModeAction(*window, "Corvane ORS")->trigger();
    EXPECT_FALSE(corvane->parentWidget()->isVisibleTo(&page()));
    EXPECT_FALSE(Mode(TMode::Corvane).Visible) << "applied to the running engine at once";

    const auto notice = AnswerNextMessageBox(QMessageBox::Ok);
    ModeAction(*window, "Manual")->trigger();
    EXPECT_EQ(notice->text, "At least one mode must be visible!\nThis will be default the Manual Mode.");
    EXPECT_EQ(notice->icon, QMessageBox::Information);
    EXPECT_TRUE(Mode(TMode::Manual).Visible);
    EXPECT_TRUE(ModeAction(*window, "Manual")->isChecked());
    EXPECT_TRUE(page().ModeGroup(TMode::Manual)->isVisibleTo(&page()));

    leavePage(QMessageBox::No);
    EXPECT_EQ(world.readFile("prog/QUILL.INI"), stored) << "No stores nothing";
    EXPECT_FALSE(window->ModesMenu()->isEnabled());
    EXPECT_TRUE(window->StatusPanel(1)->text().isEmpty());
    EXPECT_FALSE(core().IsPaused());

    showPage();
    EXPECT_TRUE(ModeAction(*window, "Corvane")->isChecked()) << "shown again from the store";
    leavePage(std::nullopt);
}

TEST_F(SettingsPage, NoAfterTickingBackupKeepsTheNewBehaviourAndLosesNoLabelFile) {
    writeManualDesign("Single", 1);
    openPage("BackupLabelFile=1\n[USER]\nVisible=1\n");
    const std::string stored = world.readFile("prog/QUILL.INI");
    core().PauseEngine();   // paused before: leaving resumes all the same
    const auto& a = page().Additional();
    ASSERT_TRUE(a.Backup->isChecked());
    a.Backup->click();
    EXPECT_FALSE(Settings.BackupLabelFile);

    dropManualFile("USR1.txt", "Single", {"one"});
    QTest::qWait(1500);
    EXPECT_TRUE(fs::exists(world.path("data/labels/User/USR1.txt"))) << "nothing is taken while the page is open";
    EXPECT_TRUE(pdfs().empty());

    leavePage(QMessageBox::No);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !fs::exists(world.path("data/labels/User/USR1.txt")); }, 5000));
    QTest::qWait(1200);
    EXPECT_EQ(pdfs().size(), 1u) << "printed once";
    EXPECT_TRUE(filesIn("data/labels/User/Backup").empty()) << "the new backup behaviour is in force";
    EXPECT_EQ(world.readFile("prog/QUILL.INI"), stored);

    showPage();
    EXPECT_TRUE(page().Additional().Backup->isChecked()) << "the stored value again";
    leavePage(std::nullopt);
}

TEST_F(SettingsPage, SavingToAReadOnlyStoreSaysThatNothingWasStored) {
    openPage("[USER]\nVisible=1\n");
    page().Additional().PrintDelay->setValue(7);
    ASSERT_TRUE(platform::SetReadOnly(world.programFolder() + "QUILL.INI", true));
    std::shared_ptr<ModalSeen> warning;
    AnswerNextModal([&warning](QWidget* question) {
        warning = AnswerNextMessageBox(QMessageBox::Ok);
        ClickButton(question, "Yes");
    });
    window->FExBarMenuItemClick(TfrmSideMenuEngine::PrintEngineCommand);
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->text, "QUILL.INI is read-only: the settings were not stored.");
    EXPECT_EQ(ValueIn(exported(), "Quill", "PrintDelayMinutes"), "(none)");
}

struct TBarcodeCase {
    int LengthSteps;   // arrow clicks from 8
    const char* Typed;
    const char* Shown;
    bool TooLong;
};

TEST_F(SettingsPage, BarcodeFieldsBringTheNumberToTheLength) {
    openPage("[USER]\nVisible=1\n");
    const auto& a = page().Additional();
    for (const TBarcodeCase& c : {TBarcodeCase{0, "4711", "00004711", false},
                                  TBarcodeCase{0, "12a3", "00000123", false},   // only digits are keys
                                  TBarcodeCase{0, "0", "00000001", false},
                                  TBarcodeCase{2, "", "0000000001", false},     // the length's arrow
                                  TBarcodeCase{-2, "1234567", "1234567", true}}) {
        std::shared_ptr<ModalSeen> seen;
        if (c.TooLong) seen = AnswerNextMessageBox(QMessageBox::Ok);
        if (c.LengthSteps != 0) {
            a.BarcodeLength->setValue(8);
            a.BarcodeLength->stepBy(c.LengthSteps / 2);
        }
        if (*c.Typed) {
            a.LastBarcode->clear();
            QTest::keyClicks(a.LastBarcode, c.Typed);
            QTest::keyClick(a.LastBarcode, Qt::Key_Return);
        }
        EXPECT_EQ(a.LastBarcode->text(), c.Shown) << c.Typed;
        if (seen) {
            EXPECT_EQ(seen->text, "Barcodenumber is too long!");
        }
    }
    leavePage(QMessageBox::Yes);
    const std::string store = exported();
    EXPECT_EQ(ValueIn(store, "Quill", "LastBarcode"), "1234567") << "stored as shown";
    EXPECT_EQ(ValueIn(store, "Quill", "Barcodelength"), "6");
}

class SettingsSave : public SettingsPageTest, public ::testing::WithParamInterface<bool> {};

TEST_P(SettingsSave, WritesWhatThePageShowsToTheStore) {
    const bool registry = GetParam();
    if (registry)
        openPageOnRegistry("USER\tVisible\t1\n");
    else
        openPage("Debug=1\n[USER]\nVisible=1\n");
    EXPECT_EQ(window->StatusPanel(1)->text(), registry ? "Registry" : "QUILL.INI");

    const auto& a = page().Additional();
    a.BarcodeLength->stepBy(1);
    a.CheckDigit->setFocus();
    QTest::keyClick(a.CheckDigit, Qt::Key_Down);   // "31313"
    a.Secondary->click();
    EXPECT_TRUE(a.OlderThan->isEnabled());
    a.OlderThan->setValue(30);
    a.PrintDelay->setValue(15);
    QTest::keyClick(a.Separator, Qt::Key_Up);      // ";"
    a.Logging->button(2)->click();
    a.SortOn->button(1)->click();
    a.Workfile->click();
    page().Special().PrinterType->button(0)->click();

    const std::string designs = world.path("new/designs");
    const auto openedAt = ChooseFolderWhenAsked(designs);
    page().ModeGroup(TMode::Manual)->DesignBrowse()->click();
    EXPECT_EQ(openedAt->toStdString() + "/", ModeDesignFolder(TMode::Manual));
    EXPECT_TRUE(fs::is_directory(designs)) << "created after asking";
    const std::string shownBarcode = a.LastBarcode->text().toStdString();

    leavePage(QMessageBox::Yes);
    const std::string store = exported();
    for (const auto& [section, key, value] : std::initializer_list<std::tuple<const char*, const char*, std::string>>{
             {"USER", "DesignLocation", designs},
             {"USER", "Visible", "1"},
             {"Quill", "Barcodelength", "10"},
             {"Quill", "CheckDigit", "31313"},
             {"Quill", "LastBarcode", shownBarcode},
             {"Quill", "SecundaryPrintEngine", "1"},
             {"Quill", "LabelsOlderThanSecs", "30"},
             {"Quill", "PrintDelayMinutes", "15"},
             {"Quill", "Separator", ";"},
             {"Quill", "LogMode", "2"},
             {"Quill", "SortOn", "1"},
             {"Quill", "MakeUseOfWorkfile", "0"},
             {"Quill", "BackupLabelFile", "1"},
             {"Quill", "SpecialPrinterType", "0"},
             {"Quill", "UseDirMonitor", "0"},
             {"Quill", "Maxlabels", "1"},
             {"Shift1", "ShiftPort", "Epson FX-870"},
             {"Shift2", "UseShift", "0"},
         })
        EXPECT_EQ(ValueIn(store, section, key), value) << section << " " << key;
    EXPECT_EQ(ValueIn(store, "Quill", "Debug"), registry ? "(none)" : "1") << "never written, kept";
    EXPECT_EQ(shownBarcode.size(), 10u);
    EXPECT_EQ(Settings.DotsPerInch, 72);
    EXPECT_TRUE(fs::exists(world.path("prog/QUILL_INI.INI"))) << "the example file";
    EXPECT_EQ(fs::exists(world.path("prog/QUILL.INI")), !registry) << "the store in use stays in use";
}

INSTANTIATE_TEST_SUITE_P(BothStores, SettingsSave, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Registry" : "IniFile"; });

TEST_F(SettingsPage, ShiftPrintersOfferTheInstalledPrintersAndKeepAStoredOne) {
    if (!CupsTestScheduler::Available()) GTEST_SKIP() << "cupsd is not installed";
    std::string error;
    const auto scheduler = CupsTestScheduler::Start(error);
    ASSERT_NE(scheduler, nullptr) << error;
    scheduler->Use();
    world.writeFile("prog/LABELS.INI",
                    "[Label1]\nDescription=Small\nWidthMM=50\nHeightINCH=36\nSpaceWidthMM=2\nSpaceHeightINCH_9Pins=6\n"
                    "SpaceHeightINCH_24Pins=6\nCols=1\n[Label2]\nDescription=Wide\nWidthMM=100\nHeightINCH=72\n"
                    "SpaceWidthMM=3\nSpaceHeightINCH_9Pins=12\nSpaceHeightINCH_24Pins=12\nCols=2\n");
    openPage("[USER]\nVisible=1\n[Shift1]\nUseShift=1\nShiftPort=Gone\nLabelInfoDescription=Wide\nLabelPosition=2\n"
             "[Shift2]\nShiftPort=capture\nShiftDelaySecs=9\n");
    const auto& s = page().Special();
    TShiftPrinterGroup* printer = s.Printers[0];
    EXPECT_FALSE(s.Printers[1]->isVisibleTo(&page()));

    QStringList listed;
    for (int i = 0; i < printer->PrinterList()->count(); ++i) listed << printer->PrinterList()->itemText(i);
    QStringList sorted = listed;
    std::sort(sorted.begin(), sorted.end(), [](const QString& x, const QString& y) { return x.compare(y, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(listed, sorted);
    EXPECT_TRUE(listed.contains("capture") && listed.contains("PDF") && !listed.contains("Gone")) << listed.join(",").toStdString();
    EXPECT_EQ(printer->PrinterList()->currentIndex(), 0) << "Gone is not installed";
    EXPECT_EQ(printer->LabelList()->currentText(), "Wide");
    EXPECT_EQ(printer->ExampleTexts(), QStringList({"0", "0", "100", "25.4", "3", "4.23", "2", "1", "210", "50.8"}));

    ASSERT_TRUE(printer->ResetPosition()->isEnabled());
    printer->ResetPosition()->click();
    EXPECT_EQ(ShiftSettingsOf(1).LabelPosition, 0);
    EXPECT_FALSE(printer->ResetPosition()->isEnabled());

    s.UseSpecialMode->click();
    EXPECT_FALSE(ShiftSettingsOf(1).UseShift || ShiftSettingsOf(2).UseShift) << "both printers at once";
    EXPECT_FALSE(printer->PrinterList()->isEnabled());
    s.UseSpecialMode->click();
    EXPECT_TRUE(printer->LabelList()->isEnabled());
    EXPECT_TRUE(ShiftSettingsOf(2).UseShift);

    QTest::keyClick(printer->LabelList(), Qt::Key_Up);
    EXPECT_EQ(ShiftSettingsOf(1).LabelInfoDescription, "Small") << "applied at once";
    EXPECT_EQ(printer->ExampleTexts(), QStringList({"0", "0", "50", "12.7", "2", "2.12", "1", "1", "210", "50.8"}));

    leavePage(QMessageBox::Yes);
    const std::string store = exported();
    EXPECT_EQ(ValueIn(store, "Shift1", "ShiftPort"), "Gone") << "the stored printer stays until another is picked";
    EXPECT_EQ(ValueIn(store, "Shift1", "LabelInfoDescription"), "Small");
    EXPECT_EQ(ValueIn(store, "Shift1", "LabelPosition"), "0");
    EXPECT_EQ(ValueIn(store, "Shift2", "ShiftPort"), "capture") << "printer 2 loaded and saved";
    EXPECT_EQ(ValueIn(store, "Shift2", "ShiftDelaySecs"), "9");
    EXPECT_EQ(ValueIn(store, "Shift2", "UseShift"), "1");
}

}  // namespace
}  // namespace quill::test
