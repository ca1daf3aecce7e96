// Editing in the designer as a user does it, with the mouse and the keys:
// every kind of edit is one undo step that undo and redo take back and
// bring again, edits that change nothing leave no step, snapping and
// nudging are exact to the micrometre, and closing asks about changes.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <functional>

#include "DesignerWorld.h"
#include "designer/DesignerCommands.h"
#include "designer/PropertyPanel.h"
#include "designer/VariableDrag.h"

namespace quill::designer::test {
namespace {

using labelrender::DesignObject;
using labelrender::Length;
using labelrender::VariableType;

class DesignerEditing : public DesignerTest {
public:
    void Click(double xMm, double yMm, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(&canvas(), Qt::LeftButton, modifiers, At(xMm, yMm));
    }
    // Types into a property field as a user does: select what is there, type, leave.
    void TypeInto(const QString& field, const QString& text) {
        QWidget* widget = window->properties().Field(field);
        ASSERT_NE(widget, nullptr) << field.toStdString();
        QWidget* target = widget;
        if (auto* line = widget->findChild<QLineEdit*>()) target = line;
        target->setFocus();
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) spin->selectAll();
        QTest::keyClicks(target, text);
        QTest::keyClick(target, Qt::Key_Tab);
    }
    void Drop(const QString& name, VariableType type, QPoint at) {
        auto data = VariableMimeData({name, type});
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas(), &drop);
    }
    const DesignObject& Object(int i) { return document().objects()[i]; }
};

TEST_F(DesignerEditing, EveryKindOfEditIsOneStepThatUndoAndRedoTakeBackAndBringAgain) {
    const struct {
        const char* edit;
        std::function<void(DesignerEditing&)> act;
    } cases[] = {
        {"drag an object", [](DesignerEditing& t) { t.Drag(t.At(30, 8), t.At(36, 10)); }},
        {"resize by a handle",
         [](DesignerEditing& t) {
             t.Click(60, 10);   // the DataMatrix, 51..68 x 2..19
             t.Drag(t.At(68, 19), t.At(66, 17));
         }},
        {"type a length", [](DesignerEditing& t) {
             t.Click(10, 3);
             t.TypeInto("X", "3.25");
         }},
        {"type contents", [](DesignerEditing& t) {
             t.Click(10, 13);
             t.TypeInto("Contents", "Locker {Locker} / {WearerName}");
         }},
        {"tick a property", [](DesignerEditing& t) {
             t.Click(10, 3);
             t.window->properties().Field("Italic")->setFocus();
             QTest::keyClick(t.window->properties().Field("Italic"), Qt::Key_Space);
         }},
        {"drop a variable", [](DesignerEditing& t) { t.Drop("Locker", VariableType::Text, t.At(40, 30)); }},
        {"delete", [](DesignerEditing& t) {
             t.Click(10, 13);
             t.Key(&t.canvas(), Qt::Key_Delete);
         }},
        {"rotate", [](DesignerEditing& t) {
             t.Click(60, 10);
             t.Key(&t.canvas(), Qt::Key_R, Qt::ControlModifier);
         }},
        {"bring to front", [](DesignerEditing& t) {
             t.Click(10, 3);
             t.Key(&t.canvas(), Qt::Key_BracketRight, Qt::ControlModifier | Qt::ShiftModifier);
         }},
        {"duplicate", [](DesignerEditing& t) {
             t.Click(10, 3);
             t.Key(&t.canvas(), Qt::Key_D, Qt::ControlModifier);
         }},
        {"align two objects", [](DesignerEditing& t) {
             t.Click(10, 13);
             t.Click(60, 10, Qt::ShiftModifier);
             t.Key(&t.canvas(), Qt::Key_Up, Qt::AltModifier | Qt::ShiftModifier);
         }},
        {"group two objects", [](DesignerEditing& t) {
             t.Click(10, 13);
             t.Click(60, 10, Qt::ShiftModifier);
             t.Key(&t.canvas(), Qt::Key_G, Qt::ControlModifier);
         }},
        {"lock", [](DesignerEditing& t) {
             t.Click(10, 3);
             t.Key(&t.canvas(), Qt::Key_L, Qt::ControlModifier);
         }},
        {"centre on the label", [](DesignerEditing& t) {
             t.Click(10, 3);
             t.Key(&t.canvas(), Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
         }},
        {"nudge", [](DesignerEditing& t) {
             t.Click(10, 3);
             t.Key(&t.canvas(), Qt::Key_Right);
         }},
        {"describe the design", [](DesignerEditing& t) {
             auto* description = t.window->findChild<QLineEdit*>();
             for (auto* edit : t.window->findChildren<QLineEdit*>())
                 if (edit->placeholderText() == "What the label is for") description = edit;
             description->setFocus();
             description->selectAll();
             QTest::keyClicks(description, "Garment label, blue");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        Open(Example("Corvan", "C01"));
        canvas().SetZoom(4.0);
        const labelrender::Design before = document().design();
        c.act(*this);
        const labelrender::Design after = document().design();
        EXPECT_FALSE(after.objects == before.objects && after.description == before.description);
        EXPECT_EQ(document().undoStack().count(), 1);
        window->Action(CommandId::Undo)->trigger();
        EXPECT_TRUE(document().design().objects == before.objects);
        EXPECT_EQ(document().design().description, before.description);
        window->Action(CommandId::Redo)->trigger();
        EXPECT_TRUE(document().design().objects == after.objects);
        window.reset();
    }
}

TEST_F(DesignerEditing, EditsThatChangeNothingLeaveNoStepAndFiveHundredStepsUndo) {
    Open(Example("Corvan", "C01"));
    canvas().SetZoom(4.0);
    const auto original = document().objects();
    Drag(At(30, 8), At(40, 12));   // away and back within one drag
    QTest::mousePress(&canvas(), Qt::LeftButton, Qt::NoModifier, At(30, 8));
    QMouseEvent away(QEvent::MouseMove, At(40, 12), canvas().mapToGlobal(At(40, 12)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&canvas(), &away);
    QMouseEvent back(QEvent::MouseMove, At(30, 8), canvas().mapToGlobal(At(30, 8)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&canvas(), &back);
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, At(30, 8));
    EXPECT_EQ(document().undoStack().count(), 1) << "only the first drag changed something";
    window->Action(CommandId::Undo)->trigger();
    document().undoStack().clear();

    Click(10, 3);
    TypeInto("X", "2");   // the value it has
    EXPECT_EQ(document().undoStack().count(), 0);
    ASSERT_TRUE(document().objects() == original);

    canvas().setFocus();
    for (int i = 0; i < 600; ++i) Key(&canvas(), i % 2 ? Qt::Key_Down : Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Object(0).x, Length::mm(2 + 300));
    EXPECT_GE(document().undoStack().count(), 500);
    while (document().undoStack().canUndo()) document().undoStack().undo();
    EXPECT_TRUE(document().objects() == original);
}

TEST_F(DesignerEditing, SnapsToEdgesWithAGuideUnlessShiftIsHeldAndNudgesByTenthsAndMillimetres) {
    Open(Example("Corvan", "C01"));
    canvas().SetZoom(8.0);
    window->Action(CommandId::SnapToGrid)->trigger();   // edges and centres only: the grid off
    window->Action(CommandId::SnapToGrid)->trigger();
    canvas().SetGrid(1.0, true, false);
    // the DataMatrix (left edge 51 mm) dragged so that its left edge comes near the texts' left edge at 2 mm
    Click(60, 10);
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, At(60, 10));
    const QPoint to = At(60 - 48.9, 10 + 5.0);   // left edge 2.1 mm, top 7 mm
    QMouseEvent move(QEvent::MouseMove, to, canvas().mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&canvas(), &move);
    const auto& guides = canvas().guides();
    const auto vertical = std::find_if(guides.begin(), guides.end(), [](const Guide& g) { return g.vertical; });
    ASSERT_NE(vertical, guides.end());
    EXPECT_EQ(vertical->position, 2000);
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, to);
    const int matrix = document().selection().front();
    EXPECT_EQ(Object(matrix).x, Length::mm(2)) << "snapped to the texts' left edge";

    // with Shift the object goes exactly where the mouse takes it
    const Length y = Object(matrix).y;
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, At(10, 10));
    const QPoint shifted = At(10 + 0.25, 10);
    QMouseEvent free(QEvent::MouseMove, shifted, canvas().mapToGlobal(shifted), Qt::NoButton, Qt::LeftButton,
                     Qt::ShiftModifier);
    QApplication::sendEvent(&canvas(), &free);
    QTest::mouseRelease(&canvas(), Qt::LeftButton, Qt::ShiftModifier, shifted);
    EXPECT_TRUE(canvas().guides().empty());
    EXPECT_NEAR(static_cast<double>(Object(matrix).x.um()), 2250, 1000 / (canvas().PixelsPerUm() * 1000));
    EXPECT_EQ(Object(matrix).y, y);

    const Length x = Object(matrix).x;
    Key(&canvas(), Qt::Key_Right);
    Key(&canvas(), Qt::Key_Right);
    Key(&canvas(), Qt::Key_Right);
    EXPECT_EQ(Object(matrix).x, x + Length::um(300));
    Key(&canvas(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Object(matrix).y, y - Length::mm(1));
}

TEST_F(DesignerEditing, ClosingWithChangesAsksWhetherToSave) {
    const std::string path = Example("Corvan", "C01");
    const std::string original = world.readFile("designs/C01.lbl");
    const struct {
        QMessageBox::StandardButton answer;
        bool closes;
        bool saved;
    } cases[] = {{QMessageBox::Cancel, false, false}, {QMessageBox::No, true, false}, {QMessageBox::Yes, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        world.writeFile("designs/C01.lbl", original);
        Open(path);
        canvas().SetZoom(4.0);
        Click(10, 13);
        Key(&canvas(), Qt::Key_Right, Qt::ShiftModifier);
        auto seen = quill::test::AnswerNextMessageBox(c.answer);
        // the print check finds no problem in the sample, so saving asks nothing more
        window->close();
        EXPECT_TRUE(seen->shown);
        EXPECT_EQ(seen->text, "You've changed something! Save changes?");
        EXPECT_EQ(window->isVisible(), !c.closes);
        const std::string now = world.readFile("designs/C01.lbl");
        EXPECT_EQ(now != original, c.saved);
        if (c.saved) EXPECT_NE(now.find("X=3\n"), std::string::npos) << "the Locker text moved 1 mm: " << now;
        window.reset();
    }
}

TEST_F(DesignerEditing, CopiedObjectsPasteIntoAnotherDesign) {
    Open(Example("Corvan", "C01"));
    canvas().SetZoom(4.0);
    Click(60, 10);
    Click(40, 27, Qt::ShiftModifier);   // the DataMatrix and the barcode
    Key(&canvas(), Qt::Key_C, Qt::ControlModifier);
    const std::vector<DesignObject> copied = {Object(5), Object(6)};
    window.reset();

    Open(world.path("designs/New.lbl"));
    Key(&canvas(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(document().objects().size(), 2u);
    for (int i = 0; i < 2; ++i) {
        DesignObject pasted = Object(i);
        pasted.name = copied[i].name;
        EXPECT_TRUE(pasted == copied[i]) << i;
    }
    EXPECT_EQ(document().undoStack().count(), 1);
}

TEST(DesignerCommandTable, UserGuideShowsTheShortcutsOfTheCommandTable) {
    QFile guide(QStringLiteral(QUILL_SOURCE_DIR "/docs/user-guide.md"));
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(guide.readAll());
    EXPECT_TRUE(text.contains(ShortcutReference()))
        << "docs/user-guide.md needs the table of build/tests/designer_tests --print-shortcuts:\n"
        << ShortcutReference().toStdString();
    // every shortcut leads to one command
    std::set<QString> keys;
    for (const DesignerCommand& c : DesignerCommands())
        if (*c.shortcut) EXPECT_TRUE(keys.insert(QKeySequence(c.shortcut).toString()).second) << c.shortcut;
}

}  // namespace
}  // namespace quill::designer::test
