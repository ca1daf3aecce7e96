// The queue window over a running engine: red error rows and the status
// panel, "Clear Messages", navigation, "Print Now" and pausing at every showing.
#include <QAbstractItemModel>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "EngineWindowWorld.h"
#include "engine_app/FEngine.h"
#include "engine_app/QueueRowsModel.h"

namespace quill::test {
namespace {

constexpr const char* kManual = "LogMode=0\nPrintDelayMinutes=60\n[USER]\nVisible=1\n";

class QueueWindow : public EngineWindowTest {
protected:
    void SetUp() override {
        EngineAppTest::SetUp();
        startEngine(kManual);
    }
    // Three tasks: "Single" printed, "Sheet" collecting, "Missing" not printed.
    void threeTasks() {
        writeManualDesign("Single", 1);
        writeManualDesign("Sheet", 4);
        dropManualFile("USR1.txt", "Missing", {"m"});
        dropManualFile("USR2.txt", "Sheet", {"s"});
        dropManualFile("USR3.txt", "Single", {"p"});
        tickUntilTaken();
    }
    QString cell(const TfrmEngine& window, int row, int column) const {
        return window.List()->model()->index(row, column).data().toString();
    }
    QPushButton* button(TfrmEngine& window, const QString& text) const {
        for (QPushButton* b : window.findChildren<QPushButton*>())
            if (b->text() == text) return b;
        return nullptr;
    }
    // Whether row `row` is drawn with clearly red pixels.
    bool drawnRed(TfrmEngine& window, int row) const {
        QTreeView* list = window.List();
        const QRect rect = list->visualRect(list->model()->index(row, TQueueRowsModel::StatusColumn));
        const QImage image = list->viewport()->grab(rect).toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 90 && c.blue() < 90) return true;
            }
        return false;
    }
};

TEST_F(QueueWindow, ErrorRowIsRedAndItsWholeStatusShowsWhenFocused) {
    threeTasks();
    TfrmEngine window(core());
    window.resize(900, 300);
    window.show();
    ASSERT_EQ(window.List()->model()->rowCount(), 3);
    EXPECT_EQ(cell(window, 0, TQueueRowsModel::DesignColumn), "Single") << "designs in descending order";
    EXPECT_EQ(cell(window, 1, TQueueRowsModel::DesignColumn), "Sheet");
    EXPECT_EQ(cell(window, 2, TQueueRowsModel::DesignColumn), "Missing");
    EXPECT_EQ(cell(window, 1, TQueueRowsModel::AmountColumn), "1/4");
    EXPECT_TRUE(drawnRed(window, 2));
    EXPECT_FALSE(drawnRed(window, 0));
    EXPECT_FALSE(window.StatusPanelShown());
    EXPECT_FALSE(button(window, "Clear Messages")->isEnabled());

    QTreeView* list = window.List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(2, TQueueRowsModel::StatusColumn)).center());
    EXPECT_TRUE(window.StatusPanelShown());
    EXPECT_TRUE(window.StatusText().startsWith("Not printed. ")) << window.StatusText().toStdString();
    EXPECT_TRUE(window.StatusText().contains("Missing")) << window.StatusText().toStdString();
    EXPECT_TRUE(button(window, "Clear Messages")->isEnabled());
}

TEST_F(QueueWindow, ClearMessagesNoKeepsAllAndYesKeepsOnlyPrintedRows) {
    threeTasks();
    TfrmEngine window(core());
    window.show();
    window.GoLastEvent();
    for (const char* answer : {"No", "Yes"}) {
        WhenModal([answer](QWidget* box) {
            EXPECT_EQ(MessageText(box), "Clear error-messages?");
            ClickButton(box, answer);
        });
        button(window, "Clear Messages")->click();
        if (QString(answer) == "No") {
            EXPECT_EQ(window.List()->model()->rowCount(), 3);
        }
    }
    ASSERT_EQ(window.List()->model()->rowCount(), 1);
    EXPECT_EQ(cell(window, 0, TQueueRowsModel::DesignColumn), "Single");
    EXPECT_FALSE(window.StatusPanelShown());
    EXPECT_FALSE(button(window, "Clear Messages")->isEnabled());
    EXPECT_EQ(core().CollectedCopies(), 1) << "the collecting task goes on without its row";
}

TEST_F(QueueWindow, NavigationMovesTheFocusAndDoesNothingOnAnEmptyList) {
    TfrmEngine window(core());
    window.show();
    const auto focused = [&window] {
        const QModelIndex current = window.List()->currentIndex();
        return current.isValid() ? current.row() : -1;
    };
    for (auto go : {&TfrmEngine::GoFirstEvent, &TfrmEngine::GoPreviousEvent, &TfrmEngine::GoNextEvent,
                    &TfrmEngine::GoLastEvent}) {
        (window.*go)();
        EXPECT_EQ(focused(), -1);
    }
    EXPECT_FALSE(window.StatusPanelShown());
    threeTasks();
    window.GoLastEvent();
    EXPECT_EQ(focused(), 2);
    window.GoNextEvent();
    EXPECT_EQ(focused(), 2);
    window.GoPreviousEvent();
    EXPECT_EQ(focused(), 1);
    window.GoFirstEvent();
    window.GoPreviousEvent();
    EXPECT_EQ(focused(), 0);
    window.DeleteFocusedRow();
    EXPECT_EQ(window.List()->model()->rowCount(), 2);
    window.GoLastEvent();
    window.DeleteFocusedRow();
    EXPECT_EQ(focused(), 0) << "the row before the removed one";
}

TEST_F(QueueWindow, PrintNowPrintsCollectedTasksOrSaysThereAreNone) {
    TfrmEngine window(core());
    window.show();
    QString said;
    WhenModal([&said](QWidget* box) {
        said = MessageText(box);
        ClickButton(box, "OK");
    });
    button(window, "Print Now")->click();
    EXPECT_EQ(said, "There are no current printjobs...");

    writeManualDesign("Sheet", 4);
    dropManualFile("USR1.txt", "Sheet", {"a", "b"});
    tickUntilTaken();
    EXPECT_TRUE(pdfs().empty());
    core().PauseEngine();
    button(window, "Print Now")->click();
    EXPECT_EQ(pdfs().size(), 1u) << "also while paused";
    EXPECT_TRUE(cell(window, 0, TQueueRowsModel::StatusColumn).startsWith("Printed to PDF"));
}

TEST_F(QueueWindow, PauseEngineAtStartPausesAtEveryShowing) {
    TearDown();
    startEngine(std::string("PauseEngineAtStart=1\n") + kManual);
    TfrmEngine window(core());
    QPushButton* pause = button(window, "Pause");
    ASSERT_NE(pause, nullptr);
    for (int showing = 0; showing < 2; ++showing) {
        window.show();
        EXPECT_TRUE(core().IsPaused());
        EXPECT_EQ(pause->text(), "Resume");
        pause->click();
        EXPECT_FALSE(core().IsPaused());
        EXPECT_EQ(pause->text(), "Pause");
        window.hide();
    }
}

}  // namespace
}  // namespace quill::test
