// The side-menu bar in its three skins and without one, side by side; with
// QUILL_SCREENSHOTS set to a folder the picture is saved there for the guide.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QTest>

#include "support/WidgetTestSupport.h"
#include "ui/Artwork.h"
#include "ui/ExBar.h"

namespace quill::ui {
namespace {

QImage BarPicture(const std::optional<QImage>& skin) {
    TExBar bar;
    bar.SetAnimate(false);
    bar.resize(218, 300);
    bar.SetSkin(skin);
    bar.SuspendPainting();
    TExGroup* options = bar.Groups().AddGroup("Options", true);
    options->AddItem("Show Queue", "Shows the print queue", -1, 1);
    options->AddItem("Settings of the engine and its label folders", "", -1, 2);
    TExGroup* modes = bar.Groups().AddGroup("Modes", false);
    modes->AddItem("Corvane", "", -1, 3);
    modes->AddItem("Manual", "", -1, 4)->SetEnabled(false);
    TExGroup* closed = bar.Groups().AddGroup("Help", false);
    closed->AddItem("About", "", -1, 5);
    closed->Toggle();
    bar.ResumePainting();
    bar.show();
    QTest::qWaitForWindowExposed(&bar);
    QTest::mouseMove(bar.Surface(), modes->Items()[0]->HitRect().center());
    return bar.grab().toImage();
}

TEST(SkinScreenshotTest, EachSkinLooksItsOwn) {
    const std::optional<QImage> skins[] = {SkinBitmap(TSkinKind::Blue), SkinBitmap(TSkinKind::Olive),
                                           SkinBitmap(TSkinKind::Silver), std::nullopt};
    QImage sheet(4 * 218 + 3 * 8, 300, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QList<QRgb> backgrounds;
    for (int i = 0; i < 4; ++i) {
        const QImage bar = BarPicture(skins[i]);
        backgrounds << bar.pixel(2, 2);
        p.drawImage(i * (218 + 8), 0, bar);
    }
    p.end();
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 4; ++j) EXPECT_NE(backgrounds[i], backgrounds[j]) << i << " " << j;
    if (const QByteArray folder = qgetenv("QUILL_SCREENSHOTS"); !folder.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        EXPECT_TRUE(sheet.save(QString::fromLocal8Bit(folder) + "/side-menu-skins.png"));
    }
}

}  // namespace
}  // namespace quill::ui
