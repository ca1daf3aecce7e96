// The abort and retry dialogs over real label folders: counts, moves that
// never overwrite, unticked modes, the delete question and the summary.
#include <filesystem>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "EngineWindowWorld.h"
#include "core/UGlobals.h"
#include "engine_app/FBaseRetry.h"
#include "engine_app/FEngine.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLegacyAndNorth = "[LEGACY]\nVisible=1\n[CORVANE]\nVisible=1\n";

class RetryDialogs : public EngineWindowTest {
protected:
    void SetUp() override {
        EngineAppTest::SetUp();
        startEngine(std::string(kLegacyAndNorth) + "[CORVANE1]\nName=North\nFileLocation=" + world.path("north") +
                    "\nDesignLocation=" + world.path("northdesigns") + "\n");
    }
    // Opens the dialog modally, lets `inside` act on it, and returns the summary shown (empty: none).
    template <class Dialog>
    QString run(const std::function<void(Dialog&)>& inside) {
        Dialog dialog;
        QString summary;
        WhenModal([&](QWidget*) { inside(dialog); });
        const QPointer<QTimer> summaryWatch = WhenModal(
            [&](QWidget* box) {
                summary = MessageText(box);
                ClickButton(box, "OK");
            },
            &dialog, "Number of");
        dialog.exec();
        delete summaryWatch.data();
        return summary;
    }
};

TEST_F(RetryDialogs, NothingToDoLeavesOnlyCancelAndTamberCannotBeUnticked) {
    TfrmDlgAbort abort;
    EXPECT_FALSE(abort.ActionButton()->isEnabled());
    EXPECT_FALSE(abort.DeleteButton()->isEnabled());
    EXPECT_TRUE(abort.CancelButton()->isEnabled());
    EXPECT_TRUE(abort.ModeCheck(TMode::Tamber)->isChecked());
    EXPECT_FALSE(abort.ModeCheck(TMode::Tamber)->isEnabled());
    EXPECT_TRUE(abort.ModeCheck(TMode::Corvane)->isEnabled());
    EXPECT_EQ(abort.windowTitle(), "Labelprint Engine");
}

TEST_F(RetryDialogs, BackupMovesOnlyTheOwnFoldersAndSumsUpEveryTickedMode) {
    for (const char* name : {"a.lbf", "b.LBF", "c.lbf"}) putFile("data/labels/Legacy", name);
    putFile("north", "n1.lbl");
    putFile("north", "n2.lbl");
    const QString summary = run<TfrmDlgAbort>([](TfrmDlgAbort& dialog) {
        EXPECT_EQ(dialog.CountLabel(TMode::Legacy)->text(), "3");
        EXPECT_EQ(dialog.CountLabel(TMode::Corvane)->text(), "2");
        dialog.ModeCheck(TMode::Manual)->setChecked(false);
        ClickButton(&dialog, "Backup");
    });
    EXPECT_EQ(summary,
              "Number of labelfiles moved to backup-location:\n\n"
              "Legacy mode: 3\nVek-Legacy mode: 0\nCorvane mode: 0\nCorvane PWB mode: 0\nTamber mode: 0\n"
              "Direct Corvane Mode: 0\nDirect ORS Mode: 0\nCorvane ORS mode: 0\n\n");
    EXPECT_EQ(filesIn("data/labels/Legacy/Error").size(), 3u);
    EXPECT_EQ(filesIn("north").size(), 2u) << "location folders are not visited by Backup";
}

TEST_F(RetryDialogs, RetryNeverOverwritesAndLeavesUntickedModesAlone) {
    putFile("data/labels/Legacy/Error", "LBFA0000001.lbf", "from error");
    putFile("data/labels/Legacy", "LBFA0000001.lbf", "waiting");
    putFile("north/Error", "far.lbl", "north");
    putFile("data/labels/Corvan/Error", "CRV1.lbl");
    const QString summary = run<TfrmDlgRetry>([](TfrmDlgRetry& dialog) {
        EXPECT_EQ(dialog.CountLabel(TMode::Corvane)->text(), "2");
        dialog.ModeCheck(TMode::Corvane)->setChecked(false);
        ClickButton(&dialog, "Retry");
    });
    EXPECT_TRUE(summary.startsWith("Number of labelfiles restored from backup-location:\n\nLegacy mode: 1\n"));
    EXPECT_FALSE(summary.contains("Corvane mode"));
    EXPECT_EQ(world.readFile("data/labels/Legacy/LBFA0000001.lbf"), "waiting");
    const auto legacy = filesIn("data/labels/Legacy");
    ASSERT_EQ(legacy.size(), 2u);
    for (const std::string& name : legacy)
        if (name != "LBFA0000001.lbf") {
            EXPECT_EQ(name.size(), std::string("A0000001.lbf").size()) << name << ": the stamp name, no prefix";
            EXPECT_EQ(world.readFile("data/labels/Legacy/" + name), "from error");
        }
    EXPECT_EQ(filesIn("north/Error").size(), 1u);
    EXPECT_EQ(filesIn("data/labels/Corvan/Error").size(), 1u);
}

TEST_F(RetryDialogs, DeleteAsksFirstAndNoKeepsEverything) {
    for (const bool yes : {false, true}) {
        putFile("data/labels/Legacy/Error", "e1.lbf");
        putFile("north/Error", "e2.lbl");
        const QString summary = run<TfrmDlgRetry>([yes](TfrmDlgRetry& dialog) {
            WhenModal([yes](QWidget* question) {
                EXPECT_EQ(MessageText(question), "Delete all current label files?");
                ClickButton(question, yes ? "Yes" : "No");
            }, &dialog);
            ClickButton(&dialog, "Delete");
        });
        if (!yes) {
            EXPECT_TRUE(summary.isEmpty()) << summary.toStdString();
            EXPECT_EQ(filesIn("data/labels/Legacy/Error").size(), 1u);
            EXPECT_EQ(filesIn("north/Error").size(), 1u);
        } else {
            EXPECT_TRUE(summary.startsWith("Number of labelfiles deleted:\n\nLegacy mode: 1\n"));
            EXPECT_TRUE(summary.contains("Corvane mode: 1\n"));
            EXPECT_TRUE(filesIn("data/labels/Legacy/Error").empty());
            EXPECT_TRUE(filesIn("north/Error").empty());
        }
    }
}

TEST_F(RetryDialogs, TheEnginePausesWhileOpenAndRescansAfterwards) {
    putFile("data/labels/Legacy", "a.lbf");
    core().Candidates().ScanIncomingFiles();
    ASSERT_EQ(core().Candidates().Count(), 1);
    TfrmEngine window(core());
    bool pausedInside = false;
    WhenModal([&](QWidget* dialog) {
        pausedInside = core().IsPaused();
        ClickButton(dialog, "Cancel");
    });
    window.btnAbortClick();
    EXPECT_TRUE(pausedInside);
    EXPECT_FALSE(core().IsPaused());
    EXPECT_EQ(core().Candidates().Count(), 0) << "the next tick scans again";
}

}  // namespace
}  // namespace quill::test
