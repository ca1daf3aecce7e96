// QuillPrint's splash picture; with QUILL_SCREENSHOTS set to a folder it is
// saved there for the guide (the splash shows too briefly to be caught on
// the screen).
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <cstdlib>

#include "support/WidgetTestSupport.h"
#include "ui/Splash.h"

namespace quill::test {
namespace {

TEST(SplashScreenshotTest, SplashShowsItsPicture) {
    ui::TfrmSplash splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    const QImage picture = splash.grab().toImage();
    EXPECT_EQ(picture.size(), QSize(477, 355));
    if (const char* folder = std::getenv("QUILL_SCREENSHOTS"))
        EXPECT_TRUE(picture.save(QDir(folder).absoluteFilePath("print-splash.png")));
}

}  // namespace
}  // namespace quill::test
