// Design files through the designer: the samples come back byte for byte,
// a newer design opens read-only with a message and stays untouched, and
// broken designs open with their problems listed and marked.
#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "DesignerWorld.h"
#include "designer/DesignProblems.h"
#include "PanelScreenshots.h"

namespace quill::designer::test {
namespace {

class DesignerFiles : public DesignerTest {};

TEST_F(DesignerFiles, EverySampleDesignSavedUnchangedIsTheSameFileByteForByte) {
    int samples = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(QUILL_SOURCE_DIR "/examples/designs")) {
        if (entry.path().extension() != ".lbl") continue;
        SCOPED_TRACE(entry.path().string());
        const std::string original = ReadAll(entry.path().string());
        world.writeFile("designs/Sample.lbl", original);
        DesignDocument document;
        document.Open(world.path("designs/Sample.lbl"));
        ASSERT_TRUE(document.LoadProblems().empty());
        QString error;
        ASSERT_TRUE(document.Save(error)) << error.toStdString();
        EXPECT_EQ(world.readFile("designs/Sample.lbl"), original);
        ++samples;
    }
    EXPECT_GE(samples, 6);
}

TEST_F(DesignerFiles, AnEditRewritesOnlyWhatChangedAndKeepsCommentsAndUnknownKeys) {
    world.writeFile("designs/Kept.lbl", "; made by hand\n[Design]\nFormatVersion=2\nSite=Zwolle\n[Label]\nWidth=70\n"
                                        "Height=35\n[Object1]\nType=Text\nX=2\nY=2\nWidth=40\nHeight=5\n"
                                        "Contents={WearerName}\nHint=keep me\n");
    DesignDocument document;
    document.Open(world.path("designs/Kept.lbl"));
    document.EditObjects({0}, "Move", -1, [](DesignObject& o) { o.x = labelrender::Length::mm(3.5); });
    QString error;
    ASSERT_TRUE(document.Save(error));
    EXPECT_EQ(world.readFile("designs/Kept.lbl"),
              "; made by hand\n[Design]\nFormatVersion=2\nSite=Zwolle\n[Label]\nWidth=70\nHeight=35\n[Object1]\n"
              "Type=Text\nX=3.5\nY=2\nWidth=40\nHeight=5\nContents={WearerName}\nHint=keep me\n");
}

TEST_F(DesignerFiles, ANewerDesignOpensReadOnlyWithAMessageAndIsNeverWritten) {
    const std::string newer = "[Design]\nFormatVersion=3\n[Label]\nWidth=50\nHeight=30\n[Object1]\nType=Text\nX=1\n"
                              "Y=1\nWidth=40\nHeight=5\nContents=New\nGlow=1\n[Object2]\nType=Hologram\n";
    world.writeFile("designs/N01.lbl", newer);
    auto seen = quill::test::AnswerNextMessageBox(QMessageBox::Ok);
    Open(world.path("designs/N01.lbl"));
    QTest::qWait(50);
    EXPECT_TRUE(seen->shown);
    EXPECT_TRUE(seen->text.contains("newer")) << seen->text.toStdString();
    EXPECT_TRUE(seen->text.contains("read-only"));
    EXPECT_FALSE(window->Action(CommandId::Save)->isEnabled());
    window->Action(CommandId::InsertText)->trigger();
    EXPECT_EQ(document().objects().size(), 1u);
    window->close();
    EXPECT_EQ(world.readFile("designs/N01.lbl"), newer);
}

TEST_F(DesignerFiles, BrokenDesignsOpenWithTheirProblemsListedAndMarked) {
    world.writeFile("designs/B01.lbl",
                    "[Design]\nFormatVersion=2\n[Label]\nWidth=60\nHeight=30\n"
                    "[Object1]\nType=Sticker\nX=1\n"
                    "[Object2]\nType=Text\nX=two\nY=1\nWidth=30\nHeight=5\nContents={WearerName}\n"
                    "[Object3]\nType=Image\nX=35\nY=1\nWidth=20\nHeight=20\nFile=logo-missing.png\n"
                    "[Object4]\nType=Barcode\nX=1\nY=10\nWidth=30\nHeight=10\nContents={NoSuchField}\n"
                    "[Object5]\nType=Barcode\nX=1\nY=21\nWidth=30\nHeight=8\nContents=12AB\n");
    Open(world.path("designs/B01.lbl"));
    window->CheckNow();
    std::map<std::string, std::string> problems;
    for (const DesignNote& note : window->notes().notes())
        if (note.kind == DesignNote::Kind::Problem) problems[note.object] += note.text + "; ";
    EXPECT_NE(problems["Object1"].find("Sticker"), std::string::npos);
    EXPECT_NE(problems["Object2"].find("'two'"), std::string::npos);
    EXPECT_NE(problems["Object3"].find("logo-missing.png"), std::string::npos);
    EXPECT_NE(problems["Object4"].find("NoSuchField"), std::string::npos);
    EXPECT_NE(problems["Object5"].find("cannot be encoded"), std::string::npos) << problems["Object5"];
    EXPECT_EQ(document().objects().size(), 4u) << "everything but the unknown type is there to mend";
    EXPECT_TRUE(quill::test::SavePanelScreenshot(*window, "designer-warning"));
}

TEST_F(DesignerFiles, GarmentLabelAtBothScreenSizes) {
    Open(Example("Corvan", "C01"));
    QTest::qWait(50);
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, At(10, 7));
    EXPECT_TRUE(quill::test::SavePanelScreenshot(*window, "designer-garment"));
    window->resize(1920, 1080);
    window->canvasView().FitLabel();
    EXPECT_TRUE(quill::test::SavePanelScreenshot(*window, "designer-garment-1920"));
}

}  // namespace
}  // namespace quill::designer::test
