// The about box: version label, the customer's logo and how it closes.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTest>

#include "core/Logging.h"
#include "core/UGlobals.h"
#include "support/TestEnv.h"
#include "support/WidgetTestSupport.h"
#include "ui/AboutBox.h"

namespace quill::ui {
namespace {

TEST(AboutBoxTest, VersionLabelHasFourPartsAndATrailingBlank) {
    const QString saved = QCoreApplication::applicationVersion();
    const struct {
        QString version, label;
    } cases[] = {
        {"1.2.3.4", "Version: 1.2.3.4 "},
        {"0.1.0", "Version: 0.1.0.0 "},
        {"", "Version: 0.0.0.0 "},
    };
    for (const auto& c : cases) {
        QCoreApplication::setApplicationVersion(c.version);
        TAboutF about;
        EXPECT_EQ(about.lblVersion()->text(), c.label);
        EXPECT_EQ(about.windowTitle(), "About Vek");
        EXPECT_EQ(about.size(), QSize(366, 276));
    }
    QCoreApplication::setApplicationVersion(saved);
}

class OrderInfoTest : public test::TempWorldTest {
protected:
    void SetUp() override {
        QDir().mkpath(QString::fromStdString(world.path("Quill/Bin")));
        Folders.LogFolder = world.path("Log/");
        Folders.ComputerName = "PC1";
    }
    QString bin() const { return QString::fromStdString(world.path("Quill/Bin/")); }
    QString logo() const { return QString::fromStdString(world.path("Quill/Data/logo.bmp")); }
    void WriteLogo(QSize size, QColor colour) {
        QDir().mkpath(QString::fromStdString(world.path("Quill/Data")));
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(logo(), "BMP"));
    }
    QColor Shown(const TOrderInfoF& box) { return box.imgVek()->pixmap().toImage().pixelColor(180, 20); }
};

TEST_F(OrderInfoTest, CustomerLogoOfExactlyTheRightSizeReplacesThePicture) {
    EXPECT_EQ(CustomerLogoFolder(bin()), QString::fromStdString(world.path("Quill/Data/")));
    const QColor builtIn = Shown(TOrderInfoF(nullptr, bin()));
    EXPECT_EQ(TOrderInfoF(nullptr, bin()).windowTitle(), "Order Information");

    WriteLogo({360, 270}, Qt::magenta);
    EXPECT_EQ(Shown(TOrderInfoF(nullptr, bin())), QColor(Qt::magenta));

    WriteLogo({361, 270}, Qt::magenta);
    EXPECT_EQ(Shown(TOrderInfoF(nullptr, bin())), builtIn);

    world.writeFile("Quill/Data/logo.bmp", "not a bitmap");
    EXPECT_EQ(Shown(TOrderInfoF(nullptr, bin())), builtIn);
    const std::string log = world.readFile("Log/PC1QuillException_" + MonthStamp() + ".txt");
    EXPECT_NE(log.find("Source: OrderInfoFRM, Proc: FormCreate"), std::string::npos) << log;
}

TEST(AboutBoxTest, PictureClickEnterOrSpaceClosesIt) {
    const std::function<void(TAboutF&)> closers[] = {
        [](TAboutF& box) { QTest::mouseClick(box.imgVek(), Qt::LeftButton); },
        [](TAboutF& box) { QTest::keyClick(&box, Qt::Key_Return); },
        [](TAboutF& box) { QTest::keyClick(&box, Qt::Key_Space); },
    };
    for (const auto& close : closers) {
        TAboutF box;
        auto seen = test::AnswerNextModal([&](QWidget*) { close(box); });
        box.exec();
        EXPECT_TRUE(seen->shown);
        EXPECT_FALSE(box.isVisible());
    }
}

}  // namespace
}  // namespace quill::ui
