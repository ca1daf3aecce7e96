#pragma once
// The designer window opened as a program opens it: a label job with the
// mode's design variables, on a design file in a private world. Tests drive
// the real window offscreen with QtTest.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <memory>
#include <string>

#include "core/Vocabularies.h"
#include "designer/CanvasView.h"
#include "designer/LabelDesigner.h"
#include "labelrender/LabelJob.h"
#include "printing/PrintJob.h"
#include "support/TestEnv.h"
#include "support/WidgetTestSupport.h"

namespace quill::designer::test {

class DesignerTest : public quill::test::TempWorldTest {
public:
    void SetUp() override {
        // no CUPS scheduler: the printers are the built-in PDF one and the default
        setenv("CUPS_SERVER", world.path("no-cups/cups.sock").c_str(), 1);
        DefineDesignVariables(job, TMode::Corvane, BuildVocabulary(TMode::Corvane));
    }
    // Copies an example design (and its .lbp) into the world.
    std::string Example(const std::string& folder, const std::string& name) const {
        const std::string from = std::string(QUILL_SOURCE_DIR) + "/examples/designs/" + folder + "/" + name;
        world.writeFile("designs/" + name + ".lbl", ReadAll(from + ".lbl"));
        world.writeFile("designs/" + name + ".lbp", ReadAll(from + ".lbp"));
        return world.path("designs/" + name + ".lbl");
    }
    static std::string ReadAll(const std::string& path) {
        QFile file(QString::fromStdString(path));
        file.open(QIODevice::ReadOnly);
        return file.readAll().toStdString();
    }
    TfrmLabelDesigner& Open(const std::string& path) {
        window = std::make_unique<TfrmLabelDesigner>(job, path, QStringLiteral("Label Designer"));
        window->resize(1366, 768);
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(20);
        return *window;
    }
    DesignCanvas& canvas() { return window->canvasView().canvas(); }
    DesignDocument& document() { return window->document(); }
    // The canvas point of a place on the label, in millimetres.
    QPoint At(double xMm, double yMm) { return canvas().ToWidget(xMm * 1000, yMm * 1000).toPoint(); }
    // A drag with the mouse in steps, as a hand makes it.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(&canvas(), Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 5; ++step) {
            const QPoint p = from + (to - from) * step / 5;
            QMouseEvent move(QEvent::MouseMove, p, canvas().mapToGlobal(p), Qt::NoButton, Qt::LeftButton, modifiers);
            QApplication::sendEvent(&canvas(), &move);
        }
        QTest::mouseRelease(&canvas(), Qt::LeftButton, modifiers, to);
    }
    // A key typed the way a user types it, shortcuts included.
    void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(target, key, modifiers);
    }

    labelrender::LabelJob job;
    std::unique_ptr<TfrmLabelDesigner> window;
};

}  // namespace quill::designer::test
