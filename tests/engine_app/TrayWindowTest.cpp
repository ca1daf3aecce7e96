// The engine's main window: caption and status bar, hiding one second
// after start (minimised where there is no notification area, as offscreen),
// the end question, the settings command, and the end of the session.
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "EngineWindowWorld.h"
#include "engine_app/FEngine.h"
#include "engine_app/FSideMenuEngine.h"
#include "ui/ExBar.h"

namespace quill::test {
namespace {

constexpr const char* kCollecting = "LogMode=3\nPrintDelayMinutes=60\n[USER]\nVisible=1\n";

class TrayWindow : public EngineWindowTest {
protected:
    void SetUp() override {
        EngineAppTest::SetUp();
        startEngine(kCollecting);
        writeManualDesign("Sheet", 4);
        window = std::make_unique<TfrmSideMenuEngine>(*run, "1.2.3.4");
        window->show();
    }
    void TearDown() override {
        window.reset();
        EngineWindowTest::TearDown();
    }
    void collectOne() {
        dropManualFile("USR1.txt", "Sheet", {"a"});
        tickUntilTaken();
        ASSERT_EQ(core().CollectedCopies(), 1);
    }
    // Closes the window and answers the end question with `answer`.
    void closeAnswering(const char* answer) {
        bool asked = false;
        const QPointer<QTimer> watch = WhenModal([&](QWidget* question) {
            asked = question->findChild<QLabel*>() && question->findChild<QLabel*>()->text() == "End or Hide Application?";
            EXPECT_TRUE(core().IsPaused()) << "paused while the question is open";
            ClickButton(question, answer);
        });
        window->close();
        delete watch.data();
        EXPECT_TRUE(asked);
    }

    std::unique_ptr<TfrmSideMenuEngine> window;
};

TEST_F(TrayWindow, StartsWithItsCaptionAndPanelsAndGetsOutOfTheWayAfterASecond) {
    EXPECT_EQ(window->windowTitle(), "Quill - Labelprint Engine - 1.2.3.4");
    EXPECT_EQ(window->StatusPanel(0)->text(), "Vek");
    EXPECT_EQ(window->StatusPanel(2)->text(), "Checking for labels");
    EXPECT_EQ(window->CurrentInnerWindow(), window->EngineWindow());
    EXPECT_FALSE(window->ModesMenu()->isEnabled());
    ASSERT_EQ(window->ExBar()->Groups().Count(), 1);
    EXPECT_TRUE(window->HideTimer().isActive());
    EXPECT_FALSE(window->isMinimized());

    ASSERT_FALSE(window->Tray().Available()) << "the offscreen platform has no notification area";
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->isMinimized(); }, 3000));
    EXPECT_TRUE(window->isVisible()) << "without a tray the window must stay reachable";
    EXPECT_FALSE(window->HideTimer().isActive());
    EXPECT_TRUE(window->StatusPanel(1)->text().startsWith("No notification area"));
    EXPECT_NE(log().find("No notification area"), std::string::npos);

    core().PauseEngine();
    EXPECT_EQ(window->StatusPanel(2)->text(), "Paused");
    EXPECT_EQ(window->Tray().CurrentIcon(), TTrayIconKind::Paused);
}

TEST_F(TrayWindow, HideKeepsTheCollectedTasksAndEndPrintsThem) {
    collectOne();
    closeAnswering("Hide");
    EXPECT_FALSE(window->Ending());
    EXPECT_FALSE(core().IsPaused());
    EXPECT_EQ(core().CollectedCopies(), 1);
    EXPECT_TRUE(pdfs().empty());

    QSignalSpy ended(window.get(), &TfrmSideMenuEngine::ended);
    window->Show1Click();
    closeAnswering("End");
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(pdfs().size(), 1u);
    EXPECT_EQ(run->Core(), nullptr);
    const std::string text = log();
    EXPECT_LT(text.find("QuillEngine START"), text.find("Printed to PDF"));
    EXPECT_LT(text.find("Printed to PDF"), text.find("QuillEngine END"));
}

TEST_F(TrayWindow, SettingsPausesAndHidingFromThereBringsTheQueueBack) {
    window->FExBarMenuItemClick(TfrmSideMenuEngine::SystemSettingsCommand);
    EXPECT_EQ(window->CurrentInnerWindow(), window->SettingsWindow());
    EXPECT_EQ(window->ToolbarFilter(), 11);
    EXPECT_TRUE(core().IsPaused());
    EXPECT_TRUE(window->ModesMenu()->isEnabled());
    window->Hide1Click();
    EXPECT_EQ(window->CurrentInnerWindow(), window->EngineWindow());
    EXPECT_EQ(window->ToolbarFilter(), 2);
    EXPECT_FALSE(core().IsPaused());
    EXPECT_FALSE(window->ModesMenu()->isEnabled());
}

TEST_F(TrayWindow, EndOfSessionEndsWithoutAskingAndPrintsCollectedTasks) {
    collectOne();
    window->hide();
    QSignalSpy ended(window.get(), &TfrmSideMenuEngine::ended);
    const QPointer<QTimer> watch = WhenModal([](QWidget* unexpected) {
        ADD_FAILURE() << "asked: " << unexpected->windowTitle().toStdString();
        unexpected->close();
    });
    window->WMQueryEndSession();
    delete watch.data();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(pdfs().size(), 1u);
    EXPECT_NE(log().find("QuillEngine END"), std::string::npos);
}

TEST_F(TrayWindow, EndOfSessionWhileTheQuestionIsOpenEndsOnce) {
    collectOne();
    QSignalSpy ended(window.get(), &TfrmSideMenuEngine::ended);
    WhenModal([this](QWidget*) { window->WMQueryEndSession(); });
    window->close();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(pdfs().size(), 1u);
    EXPECT_EQ(CountOf(log(), "QuillEngine END"), 1);
}

}  // namespace
}  // namespace quill::test
