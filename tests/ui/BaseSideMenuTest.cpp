// The side-menu main window: toolbar filter and handler slots, inner
// windows in the insert panel, the menus and the status bar.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "support/WidgetTestSupport.h"
#include "ui/AboutBox.h"
#include "ui/BaseSideMenu.h"
#include "ui/ExBar.h"

namespace quill::ui {
namespace {

constexpr TToolbarAction All[] = {TToolbarAction::First, TToolbarAction::Previous, TToolbarAction::Next,
                                  TToolbarAction::Last, TToolbarAction::Delete, TToolbarAction::Rename,
                                  TToolbarAction::Copy, TToolbarAction::DeletePrinterSettings};

// An inner window that counts how often it was shown and closed.
class CountingWindow : public TfrmBase {
public:
    explicit CountingWindow(const QString& caption) { setWindowTitle(caption); }
    int shown = 0, closed = 0;

protected:
    void showEvent(QShowEvent* e) override {
        ++shown;
        TfrmBase::showEvent(e);
    }
    void hideEvent(QHideEvent* e) override {
        ++closed;
        TfrmBase::hideEvent(e);
    }
};

class BaseSideMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QStringList ShownCommands() const {
        QCoreApplication::processEvents();   // the toolbar lays out its buttons anew
        QStringList shown;
        for (TToolbarAction a : All)
            if (window.ToolbarButton(a)->isVisibleTo(&window)) shown << window.ToolbarAction(a)->text();
        return shown;
    }
    TfrmBaseSideMenu window;
};

TEST_F(BaseSideMenuTest, ToolbarFilterShowsTheCommandsWhoseTagItDivides) {
    const QStringList all = ShownCommands();
    ASSERT_EQ(all, (QStringList{"First", "Previous", "Next", "Last", "Delete", "Rename", "Copy",
                                "Delete Printer Settings"}));
    for (TToolbarAction a : All) EXPECT_EQ(window.ToolbarAction(a)->toolTip(), window.ToolbarAction(a)->text());
    const struct {
        int filter;
        QStringList shown;
    } cases[] = {
        {2, {"First", "Previous", "Next", "Last"}},
        {5, {"First", "Previous", "Next", "Last", "Delete", "Rename", "Copy"}},
        {11, {}},
        {1, all},
    };
    for (const auto& c : cases) {
        window.SetToolbarFilter(c.filter);
        EXPECT_EQ(ShownCommands(), c.shown) << c.filter;
    }
    // The filter it already has changes nothing, not even a button shown by hand.
    window.SetToolbarFilter(11);
    window.ToolbarAction(TToolbarAction::Copy)->setVisible(true);
    window.SetToolbarFilter(11);
    EXPECT_EQ(ShownCommands(), QStringList{"Copy"});
}

TEST_F(BaseSideMenuTest, ToolbarButtonsCallTheirSlotOnlyWhileOneIsSet) {
    int next = 0, last = 0;
    window.SetActionHandler(TToolbarAction::Next, [&] { ++next; });
    window.SetActionHandler(TToolbarAction::Last, [&] { ++last; });
    QTest::mouseClick(window.ToolbarButton(TToolbarAction::Next), Qt::LeftButton);
    QTest::mouseClick(window.ToolbarButton(TToolbarAction::First), Qt::LeftButton);   // no slot: nothing
    EXPECT_EQ(next, 1);
    EXPECT_EQ(last, 0);
    window.SetActionHandler(TToolbarAction::Next, {});
    EXPECT_FALSE(window.HasActionHandler(TToolbarAction::Next));
    QTest::mouseClick(window.ToolbarButton(TToolbarAction::Next), Qt::LeftButton);
    EXPECT_EQ(next, 1);
    // A slot that clears itself while it runs.
    window.SetActionHandler(TToolbarAction::Last, [&] {
        ++last;
        window.SetActionHandler(TToolbarAction::Last, {});
    });
    QTest::mouseClick(window.ToolbarButton(TToolbarAction::Last), Qt::LeftButton);
    QTest::mouseClick(window.ToolbarButton(TToolbarAction::Last), Qt::LeftButton);
    EXPECT_EQ(last, 1);
}

TEST_F(BaseSideMenuTest, InnerWindowsTakeTheInsertPanelInTurn) {
    CountingWindow queue("Queue"), settings("Settings");
    EXPECT_EQ(window.CurrentInnerWindow(), nullptr);
    window.ShowInnerWindow(&queue);
    EXPECT_EQ(window.CurrentInnerWindow(), &queue);
    EXPECT_EQ(queue.parentWidget(), window.InsertPanel());
    EXPECT_FALSE(queue.isWindow());
    EXPECT_TRUE(queue.isVisible());
    EXPECT_EQ(window.TitleLabel()->text(), "  Queue");
    EXPECT_EQ(window.InsertPanelText(), "Loading...Queue");
    QTest::qWait(20);
    EXPECT_EQ(queue.geometry(), window.InsertPanel()->rect());

    window.ShowInnerWindow(&queue);   // already current: not closed, not shown again
    QTest::keyClick(&queue, Qt::Key_Escape);   // an inner window is no dialog to close
    EXPECT_EQ(queue.shown, 1);
    EXPECT_EQ(queue.closed, 0);
    EXPECT_TRUE(window.isVisible());

    window.ShowInnerWindow(&settings);
    EXPECT_EQ(queue.closed, 1);
    EXPECT_FALSE(queue.isVisible());
    EXPECT_TRUE(settings.isVisible());
    EXPECT_EQ(window.TitleLabel()->text(), "  Settings");
    EXPECT_EQ(window.InsertPanelText(), "Loading...Settings");

    window.ShowInnerWindow(&queue);   // back again: shown a second time
    EXPECT_EQ(queue.shown, 2);
    window.ShowInnerWindow(nullptr);
    EXPECT_EQ(window.CurrentInnerWindow(), &queue);

    // A plain window given a parent docks into it, borderless, covering it.
    QWidget panel;
    panel.resize(300, 200);
    TTamberF docked(&panel);
    panel.show();
    QTest::qWait(20);
    EXPECT_FALSE(docked.isWindow());
    EXPECT_EQ(docked.geometry(), panel.rect());
}

TEST_F(BaseSideMenuTest, MenusStatusBarAndTheAboutBox) {
    QMenu* modes = window.AddMenu("&Modes");
    QStringList titles;
    for (QAction* a : window.MenuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Modes", "&Help"}));
    EXPECT_EQ(modes->menuAction()->text(), "&Modes");
    EXPECT_TRUE(window.FileMenu()->actions().contains(window.ActionExit()));
    EXPECT_EQ(window.ActionExit()->text(), "&Exit");
    EXPECT_EQ(window.ActionAbout()->text(), "&About");
    EXPECT_TRUE(window.HelpMenu()->actions().contains(window.ActionAbout()));

    EXPECT_EQ(window.SimpleText(), "Vek");
    EXPECT_TRUE(window.StatusBar()->findChild<QLabel*>()->isVisible());
    QLabel* panel = window.AddStatusPanel(150);
    panel->setText("Engine running");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_GE(panel->width(), 150);

    // "&About" shows the order information box modally; Space closes it.
    auto seen = test::AnswerNextModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Space); });
    window.ActionAbout()->trigger();
    EXPECT_TRUE(seen->shown);
    EXPECT_EQ(seen->title, "Order Information");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Escape does not close a main window; "&Exit" does.
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    window.ActionExit()->trigger();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(BaseSideMenuTest, FitsASmallScreenAndFollowsThePalette) {
    window.resize(1366, 768 - 40);
    QTest::qWait(20);
    EXPECT_LE(window.minimumSizeHint().width(), 1366);
    EXPECT_LE(window.minimumSizeHint().height(), 768 - 40);
    EXPECT_EQ(window.ExBar()->width(), 218);
    // Toolbar images are drawn in the button text colour: a dark theme gets light ones.
    QPalette dark = window.palette();
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    dark.setColor(QPalette::Button, QColor(40, 40, 40));
    window.setPalette(dark);
    const QImage icon = window.ToolbarAction(TToolbarAction::Delete)->icon().pixmap(16, 16).toImage();
    int light = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (qAlpha(icon.pixel(x, y)) > 200 && qGray(icon.pixel(x, y)) > 200) ++light;
    EXPECT_GT(light, 10);
}

}  // namespace
}  // namespace quill::ui
