// The preview window on the PDF of a real preview job: the pages as they
// print, navigation and zoom by mouse and keys, no way to print or save
// from it, and the preview's file gone once the window has shown it.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <filesystem>

#include "core/UGlobals.h"
#include "labelrender/LabelJob.h"
#include "labelrender/WindowHooks.h"
#include "support/TestEnv.h"
#include "support/WidgetTestSupport.h"
#include "ui/FPreview.h"

namespace quill::ui {
namespace {

class PreviewWindowTest : public test::TempWorldTest {
protected:
    void SetUp() override {
        setenv("CUPS_SERVER", world.path("no-cups/cups.sock").c_str(), 1);
        Settings.TempLocation = world.path("temp/");
        // ten labels a page, one above the other: a tall page
        world.writeFile("designs/Sheet.lbl",
                        "[Design]\nFormatVersion=1\n[Label]\nWidth=60\nHeight=20\n[Layout]\nnRows=10\nnCols=1\n"
                        "[Object1]\nType=Text\nX=2\nY=2\nWidth=56\nHeight=10\nContents={Name}\n");
        InstallPreviewWindowHook();
    }
    void TearDown() override {
        labelrender::InstallPreviewWindow({});
        Settings = TSettings{};
    }
    // A preview job of `labels` labels; its PDF file.
    std::string preview(labelrender::LabelJob& job, int labels) {
        job.LlDefineVariableStart();
        job.LlDefineVariableExt("Name", "Label", labelrender::VariableType::Text);
        EXPECT_EQ(job.LlPrintStart(labelrender::LL_PROJECT_LABEL, world.path("designs/Sheet.lbl"),
                                   labelrender::LL_PRINT_PREVIEW), 0);
        for (int i = 0; i < labels; ++i) job.LlPrint();
        EXPECT_EQ(job.LlPrintEnd(0), 0);
        return job.PreviewFile();
    }
};

TEST_F(PreviewWindowTest, ShowsEveryPageWithNavigationAndZoomAndNoWayToPrint) {
    labelrender::LabelJob job;
    const std::string file = preview(job, 25);
    ASSERT_TRUE(std::filesystem::exists(file));
    struct Seen {
        int pages = 0;
        QStringList actions;
        std::vector<int> pagesAfterKeys, zooms;
        bool widthWiderThanPage = false;
        bool pageDrawn = false;
    } seen;
    const auto shown = test::AnswerNextModal([&](QWidget* modal) {
        auto* window = qobject_cast<TfrmPreview*>(modal);
        ASSERT_NE(window, nullptr);
        seen.pages = window->PageCount();
        for (const QAction* action : window->findChildren<QAction*>()) seen.actions << action->text();
        for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home,
                              Qt::Key_End}) {
            QTest::keyClick(window, key);
            seen.pagesAfterKeys.push_back(window->CurrentPage());
        }
        const int fitted = window->ZoomPercent();
        window->SetFit(TfrmPreview::TFit::Width);
        seen.widthWiderThanPage = window->ZoomPercent() > fitted;
        window->SetZoom(700);
        QTest::keyClick(window, Qt::Key_Plus);
        seen.zooms.push_back(window->ZoomPercent());
        QTest::keyClick(window, Qt::Key_Plus);
        seen.zooms.push_back(window->ZoomPercent());
        window->SetZoom(30);
        QTest::keyClick(window, Qt::Key_Minus);
        QTest::keyClick(window, Qt::Key_Minus);
        seen.zooms.push_back(window->ZoomPercent());
        // fitted again, the page fills much of the window, drawn white with its labels
        window->SetFit(TfrmPreview::TFit::Page);
        const QImage shot = window->grab().toImage();
        int white = 0;
        for (int y = 0; y < shot.height(); y += 4)
            for (int x = 0; x < shot.width(); x += 4) white += shot.pixelColor(x, y) == QColor(Qt::white);
        seen.pageDrawn = white * 16 > shot.width() * shot.height() / 10;
        window->close();
    });
    job.LlPreviewDisplay("Sheet.lbl", world.path("designs/"), nullptr);
    ASSERT_TRUE(shown->shown);
    EXPECT_EQ(seen.pages, 3);
    EXPECT_EQ(seen.pagesAfterKeys, (std::vector<int>{1, 2, 2, 1, 0, 2}));
    EXPECT_TRUE(seen.widthWiderThanPage);
    EXPECT_EQ(seen.zooms, (std::vector<int>{800, 800, 25}));
    EXPECT_TRUE(seen.pageDrawn);
    for (const QString& action : seen.actions)
        for (const char* banned : {"Print", "Send", "Save"}) EXPECT_FALSE(action.contains(banned)) << action.toStdString();
    job.LlPreviewDeleteFiles("Sheet.lbl", world.path("designs/"));
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace quill::ui
