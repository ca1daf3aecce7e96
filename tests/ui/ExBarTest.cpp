// The side-menu bar driven as a person drives it: the real widget, mouse
// moves and clicks through QtTest, the animation's own timers.
#include <gtest/gtest.h>

#include <QAction>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "support/WidgetTestSupport.h"
#include "ui/Artwork.h"
#include "ui/ExBar.h"

QUILL_TEST_WIDGET_APPLICATION("ui_tests");

namespace quill::ui {
namespace {

class ExBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar.resize(218, 600);
        bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }
    QWidget* surface() { return bar.Surface(); }
    void Paint() { bar.Surface()->Refresh(); }
    // Moving runs the event loop, where the animation's timer would tick:
    // the pointer moves only when it is not on the header already.
    void ClickHeader(TExGroup* g) {
        const QPoint p = g->HeaderRect().center();
        if (bar.HotGroup() != g || bar.HotItem()) QTest::mouseMove(surface(), p);
        QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, p);
    }
    // One 30 ms tick of the group's animation timer, run by hand.
    static void TickOnce(TExGroup* g) { g->AnimationTimerTimer(); }
    TExBar bar;
};

TEST_F(ExBarTest, LaysOutHeadersItemAreasAndGaps) {
    bar.SetAnimate(false);
    TExGroup* empty = bar.Groups().AddGroup("Empty", false);
    TExGroup* two = bar.Groups().AddGroup("Two", true);
    two->AddItem("One", "first", -1, 1);
    two->AddItem("Two", "second", -1, 2);
    TExGroup* closed = bar.Groups().AddGroup("Closed", false);
    closed->AddItem("Hidden", "", -1, 3);
    closed->Toggle();
    Paint();

    const int line = QFontMetrics(bar.font()).height() + 1;
    EXPECT_EQ(empty->FullHeight(), 16);   // 8 px space above and below, no items
    EXPECT_EQ(two->FullHeight(), 8 + 2 * (line + 4) + 8);
    EXPECT_EQ(empty->Width(), bar.viewport()->width() - 24);
    EXPECT_EQ(empty->HeaderRect(), QRect(QPoint(12, 8 + 9), QPoint(12 + empty->Width(), 8 + 32)));
    EXPECT_EQ(empty->ItemsRect().top(), 8 + 32);
    const int secondTop = 8 + 32 + 16 + 8;
    EXPECT_EQ(two->HeaderRect().top(), secondTop + 9);
    const int thirdTop = secondTop + 32 + two->FullHeight() + 8;
    EXPECT_EQ(closed->HeaderRect().top(), thirdTop + 9);
    EXPECT_TRUE(closed->ItemsRect().isNull());
    EXPECT_EQ(bar.ContentHeight(), thirdTop + 32 + 8);
    EXPECT_EQ(bar.Surface()->height(), bar.ContentHeight());
    EXPECT_FALSE(bar.verticalScrollBar()->isVisible());

    // Content taller than the bar brings the scroll bar, and the groups narrow with it.
    for (int i = 0; i < 30; ++i) closed->AddItem(QString("Item %1").arg(i), "", -1, 10 + i);
    closed->Toggle();
    EXPECT_TRUE(bar.verticalScrollBar()->isVisible());
    EXPECT_EQ(empty->Width(), bar.viewport()->width() - 24);
}

TEST_F(ExBarTest, LongCaptionsWrapAtBlanksAndOverlongWordsEndInDots) {
    TExGroup* g = bar.Groups().AddGroup("Labels", false);
    const QFontMetrics fm(bar.font());
    const int room = g->Width() + 12 - 12 - 24;
    struct Case {
        QString caption;
        int minLines;
        bool cut;
    } cases[] = {
        {"Print", 1, false},
        {"Print the labels of every mode from a text file chosen by the user", 3, false},
        {QString(60, 'W'), 1, true},
        {"Short " + QString(60, 'M') + " end", 3, true},
    };
    for (const Case& c : cases) {
        TExMenuItem* item = g->AddItem(c.caption, "", -1, 1);
        Paint();
        SCOPED_TRACE(c.caption.toStdString());
        EXPECT_GE(item->Lines().size(), c.minLines);
        bool anyCut = false;
        for (const QString& l : item->Lines()) {
            EXPECT_LE(fm.horizontalAdvance(l), room);
            anyCut = anyCut || l.endsWith("...");
        }
        EXPECT_EQ(anyCut, c.cut);
        if (!c.cut) EXPECT_EQ(item->Lines().join(' '), c.caption);
    }
    // At least one character stays, however narrow the bar.
    bar.resize(40, 600);
    TExMenuItem* narrow = g->AddItem("Wide", "", -1, 2);
    Paint();
    ASSERT_FALSE(narrow->Lines().isEmpty());
    EXPECT_EQ(narrow->Lines()[0], "W...");
}

TEST_F(ExBarTest, AnimationStepsEvery30MsAndReversesFromWhereItIs) {
    TExGroup* g = bar.Groups().AddGroup("Empty", false);   // full height 16: inc 1, step limit 7
    Paint();
    ASSERT_EQ(g->FullHeight(), 16);

    ClickHeader(g);
    EXPECT_EQ(g->State(), TExGroupState::Collapsing);
    EXPECT_EQ(g->StepLimit(), 7);
    std::vector<int> closing;
    while (g->Animating()) {
        TickOnce(g);
        closing.push_back(g->CurrentHeight());
    }
    EXPECT_EQ(closing, (std::vector<int>{16, 15, 13, 10, 6, 1, 0}));
    EXPECT_EQ(g->State(), TExGroupState::Collapsed);

    ClickHeader(g);
    EXPECT_EQ(g->State(), TExGroupState::Expanding);
    std::vector<int> opening;
    while (g->Animating()) {
        TickOnce(g);
        opening.push_back(g->CurrentHeight());
    }
    EXPECT_EQ(opening, (std::vector<int>{6, 11, 15, 16, 16, 16, 16}));
    EXPECT_EQ(g->State(), TExGroupState::Expanded);

    // A click in the middle of closing turns it round with the step it had.
    ClickHeader(g);
    for (int i = 0; i < 4; ++i) TickOnce(g);   // 16, 15, 13, 10; step now 4
    ASSERT_EQ(g->CurrentHeight(), 10);
    ClickHeader(g);
    EXPECT_EQ(g->State(), TExGroupState::Expanding);
    TickOnce(g);
    EXPECT_EQ(g->CurrentHeight(), 14);

    // A tall group steps faster: inc = full div 150 + 1.
    TExGroup* tall = bar.Groups().AddGroup("Tall", false);
    for (int i = 0; i < 7; ++i) tall->AddCustomItem(std::make_unique<TExCustomItem>(tall));
    Paint();
    ASSERT_EQ(tall->FullHeight(), 156);
    ClickHeader(tall);
    EXPECT_EQ(tall->StepLimit(), 27);
    std::vector<int> tallHeights;
    while (tall->Animating()) {
        TickOnce(tall);
        tallHeights.push_back(tall->CurrentHeight());
    }
    EXPECT_EQ(tallHeights.size(), 14u);
    EXPECT_EQ(std::vector<int>(tallHeights.begin(), tallHeights.begin() + 4), (std::vector<int>{156, 154, 150, 144}));
    EXPECT_EQ(tallHeights.back(), 0);

    // Left to the real 30 ms timer, the animation ends by itself.
    ClickHeader(tall);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tall->State() == TExGroupState::Expanded; }, 3000));
    EXPECT_EQ(tall->CurrentHeight(), 156);
}

TEST_F(ExBarTest, SingleGroupOpenCollapsesTheOthersAtOnce) {
    bar.SetSingleGroupOpen(true);
    TExGroup* a = bar.Groups().AddGroup("A", true);
    a->AddItem("a1", "", -1, 1);
    TExGroup* b = bar.Groups().AddGroup("B", false);
    b->AddItem("b1", "", -1, 2);
    TExGroup* c = bar.Groups().AddGroup("C", false);
    bar.CollapseAllButOne(a);
    Paint();
    EXPECT_EQ(b->State(), TExGroupState::Collapsed);
    EXPECT_EQ(c->State(), TExGroupState::Collapsed);
    EXPECT_FALSE(b->Highlighted());
    QSignalSpy groupClicks(&bar, &TExBar::OnGroupItemClick);

    ClickHeader(b);
    EXPECT_EQ(groupClicks.count(), 1);
    EXPECT_EQ(groupClicks[0][0].value<TExGroup*>(), b);
    EXPECT_EQ(a->State(), TExGroupState::Collapsed);   // at once, no animation
    EXPECT_FALSE(a->Animating());
    EXPECT_EQ(b->State(), TExGroupState::Expanding);
    EXPECT_TRUE(b->Highlighted());   // the highlight follows the open group
    EXPECT_FALSE(a->Highlighted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return b->State() == TExGroupState::Expanded; }, 3000));

    ClickHeader(b);
    EXPECT_EQ(b->State(), TExGroupState::Collapsing);
    ASSERT_TRUE(QTest::qWaitFor([&] { return b->State() == TExGroupState::Collapsed; }, 3000));
    for (TExGroup* g : {a, b, c}) EXPECT_EQ(g->State(), TExGroupState::Collapsed);
}

TEST_F(ExBarTest, HotElementGetsHandCursorHintAndClick) {
    bar.SetAnimate(false);
    TExGroup* g = bar.Groups().AddGroup("Options", false);
    TExMenuItem* show = g->AddItem("Show Queue", "Shows the print queue", -1, 7);
    TExMenuItem* off = g->AddItem("Disabled", "Not now", -1, 8);
    off->SetEnabled(false);
    QAction action("Settings");
    action.setToolTip("Opens the settings");
    TExMenuItem* linked = g->AddItem("", "", -1, 9);
    linked->SetAction(&action);
    Paint();
    QSignalSpy itemClicks(&bar, &TExBar::OnMenuItemClick);
    QSignalSpy triggered(&action, &QAction::triggered);

    QTest::mouseMove(surface(), show->HitRect().center());
    EXPECT_EQ(bar.HotItem(), show);
    EXPECT_EQ(bar.CurrentHint(), "Shows the print queue");
    EXPECT_EQ(surface()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, show->HitRect().center());
    ASSERT_EQ(itemClicks.count(), 1);
    EXPECT_EQ(itemClicks[0][0].toInt(), 7);

    QTest::mouseMove(surface(), off->HitRect().center());
    EXPECT_EQ(bar.HotItem(), off);
    EXPECT_EQ(surface()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, off->HitRect().center());
    EXPECT_EQ(itemClicks.count(), 1);

    Paint();
    EXPECT_EQ(linked->Caption(), "Settings");
    QTest::mouseMove(surface(), linked->HitRect().center());
    EXPECT_EQ(bar.CurrentHint(), "Opens the settings");
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, linked->HitRect().center());
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_EQ(itemClicks.count(), 1);   // an action's item does not raise the id click
    action.setEnabled(false);
    EXPECT_FALSE(linked->Enabled());

    QTest::mouseMove(surface(), g->HeaderRect().center());
    EXPECT_EQ(bar.HotGroup(), g);
    EXPECT_EQ(bar.HotItem(), nullptr);
    EXPECT_TRUE(bar.CurrentHint().isEmpty());
    EXPECT_EQ(surface()->cursor().shape(), Qt::PointingHandCursor);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(surface(), &leave);
    EXPECT_EQ(bar.HotGroup(), nullptr);
    EXPECT_EQ(surface()->cursor().shape(), Qt::ArrowCursor);

    // An item freed while hot is no longer hot.
    QTest::mouseMove(surface(), show->HitRect().center());
    g->RemoveItem(show);
    EXPECT_EQ(bar.HotItem(), nullptr);
}

TEST_F(ExBarTest, SkinsGiveTheSevenColoursAndTheHeaderPieces) {
    bar.SetAnimate(false);
    TExGroup* plain = bar.Groups().AddGroup("Plain", false);
    TExGroup* lit = bar.Groups().AddGroup("Lit", true);
    for (const TSkinKind kind : {TSkinKind::Blue, TSkinKind::Olive, TSkinKind::Silver}) {
        const QImage skin = SkinBitmap(kind);
        ASSERT_EQ(skin.size(), QSize(268, 49));
        bar.SetSkin(skin);
        Paint();
        const TExBarColours& c = bar.Colours();
        const QColor expected[] = {c.Background, c.ItemsArea, c.ItemsBorder, c.Text,
                                   c.HotText, c.HighlightedText, c.HighlightedHotText};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(expected[i], QColor(skin.pixel(1, 1 + 6 * i))) << i;
        const QImage shown = surface()->grab().toImage();
        EXPECT_EQ(shown.pixelColor(2, 2), c.Background);
        // The middle piece of each row, the button piece of an open group.
        const int y = plain->HeaderRect().top() + 12;
        EXPECT_EQ(shown.pixelColor(plain->HeaderRect().left() + 5, y), QColor(skin.pixel(13, 1 + 12)));
        EXPECT_EQ(shown.pixelColor(lit->HeaderRect().left() + 5, lit->HeaderRect().top() + 12),
                  QColor(skin.pixel(13, 25 + 12)));
        EXPECT_EQ(shown.pixelColor(plain->HeaderRect().right() - 1, y), QColor(skin.pixel(164 + 24 - 1, 1 + 12)));
    }

    // Without a skin the bar follows the desktop's palette, also a dark one.
    bar.SetSkin(std::nullopt);
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(20, 80, 160));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    bar.setPalette(dark);
    Paint();
    EXPECT_EQ(bar.Colours().Background, QColor(30, 30, 30));
    EXPECT_EQ(bar.Colours().ItemsBorder, QColor(60, 60, 60));
    EXPECT_EQ(bar.Colours().Text, QColor(230, 230, 230));
    const QImage shown = surface()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(plain->HeaderRect().left() + 3, plain->HeaderRect().top() + 3), QColor(60, 60, 60));
    EXPECT_EQ(shown.pixelColor(lit->HeaderRect().left() + 3, lit->HeaderRect().top() + 3), QColor(20, 80, 160));
    // The open group's glyph "AR_UP" is set in the header text colour.
    const QImage& up = GlyphArUp();
    bool glyphFound = false;
    for (int gy = 0; gy < up.height(); ++gy)
        for (int gx = 0; gx < up.width(); ++gx)
            if (up.pixelIndex(gx, gy) == 0)
                glyphFound = glyphFound || shown.pixelColor(12 + plain->Width() - 24 + gx,
                                                            plain->HeaderRect().top() - 9 + 16 + gy) ==
                                               QColor(230, 230, 230);
    EXPECT_TRUE(glyphFound);
}

TEST_F(ExBarTest, SuspendedPaintingWaitsForResume) {
    bar.SetAnimate(false);
    bar.Groups().AddGroup("First", true);
    Paint();
    const int before = bar.ContentHeight();
    const QImage shownBefore = bar.Surface()->Bitmap().copy();
    bar.SuspendPainting();
    for (int i = 0; i < 5; ++i) bar.Groups().AddGroup(QString("G%1").arg(i), false)->AddItem("x", "", -1, i);
    Paint();
    EXPECT_EQ(bar.ContentHeight(), before);
    EXPECT_EQ(bar.Surface()->Bitmap(), shownBefore);
    bar.ResumePainting();
    EXPECT_GT(bar.ContentHeight(), before);
    Paint();
    EXPECT_NE(bar.Surface()->Bitmap(), shownBefore);
    // The surface paints opaquely from its own bitmap: no background erase in between.
    EXPECT_TRUE(bar.Surface()->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(bar.Surface()->grab().toImage().convertToFormat(QImage::Format_RGB888), bar.Surface()->Bitmap());
}

}  // namespace
}  // namespace quill::ui
