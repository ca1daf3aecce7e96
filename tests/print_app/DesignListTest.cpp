// The design lists: what a fill shows, descriptions, and the file commands
// leaving the disk and the grid in step.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPixmap>
#include <QTest>
#include <QTreeView>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "PrintAppWorld.h"
#include "printing/JpegFile.h"

namespace quill::test {
namespace {

namespace fs = std::filesystem;

using DesignListTest = PrintAppTest;

constexpr const char* Manual = "data/labels/designs/User/";
constexpr const char* RedText =
    "Please check designs which are shown in red!\nUse option 'Modify Label' to check the design.\n"
    "Be sure you save it afterwards, even if the design\nlooked alright.";

const TDesignRow& RowNamed(TfrmBaseSelectDesign& l, const std::string& name) {
    const QModelIndex index = l.Model().FindFirst([&](const TDesignRow& r) { return r.Design == name; });
    if (!index.isValid()) throw std::runtime_error("no row " + name);
    return *l.Model().Row(index);
}

TEST_F(DesignListTest, FillShowsEveryDesignAndWarnsOnceOfThoseWithoutPrinterSettings) {
    putDesign(Manual, "Address");
    putDesign(Manual, "Parcel", true, "Parcels");
    putDesign(Manual, "Red", false);
    putDesign(Manual, "Draft", true, "?to be described");
    putDesign(Manual, "Größe");
    world.writeFile(std::string(Manual) + "Broken.lbl", "\x01\x02 not a design at all\n");
    world.writeFile(std::string(Manual) + "Broken.lbp", "");
    fs::create_directories(world.path(std::string(Manual) + "Folder.lbl"));
    // Put there by someone else: never read, never listed.
    ASSERT_EQ(::mkfifo(world.path(std::string(Manual) + "Pipe.lbl").c_str(), 0600), 0);
    fs::create_symlink(world.path("prog/QUILL.INI"), world.path(std::string(Manual) + "Link.lbl"));
    ASSERT_EQ(::mkfifo(world.path(std::string(Manual) + "Address.lbv").c_str(), 0600), 0);
    putDesign(Manual, "Huge");
    fs::resize_file(world.path(std::string(Manual) + "Huge.lbl"), 64 << 20);
    putDesign("data/labels/designs/Direct", "C01", false);

    auto seen = AnswerInOrder({Button(QMessageBox::Ok)});
    TfrmSideMenuPrint& w = start("[USER]\nVisible=1\n[DIRECT]\nVisible=1\n");
    ASSERT_EQ(seen->size(), 1u);
    EXPECT_EQ(seen->at(0).text, RedText);
    EXPECT_EQ(seen->at(0).icon, QMessageBox::Critical);

    TfrmBaseSelectDesign& l = list(TMode::Manual);
    EXPECT_EQ(rows(l), (std::vector<std::string>{"Address.lbl", "Broken.lbl", "Draft.lbl", "Größe.lbl", "Huge.lbl",
                                                 "Parcel.lbl", "Red.lbl"}));
    EXPECT_EQ(RowNamed(l, "Red.lbl").Status, 1);
    EXPECT_EQ(RowNamed(l, "Address.lbl").Status, 0);
    const QModelIndex red = l.Model().FindFirst([](const TDesignRow& r) { return r.Design == "Red.lbl"; });
    EXPECT_EQ(l.Model().data(red, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    EXPECT_EQ(RowNamed(l, "Draft.lbl").Description, "");
    EXPECT_EQ(RowNamed(l, "Größe.lbl").Description, "Address labels");
    // Sketches are made from the designs; a broken design just has none.
    EXPECT_FALSE(RowNamed(l, "Parcel.lbl").Sketch.IsNull());
    EXPECT_TRUE(exists(std::string(Manual) + "Parcel.bmp"));
    EXPECT_TRUE(RowNamed(l, "Broken.lbl").Sketch.IsNull());
    EXPECT_TRUE(RowNamed(l, "Huge.lbl").Sketch.IsNull());
    EXPECT_EQ(RowNamed(l, "Huge.lbl").Description, "");
    EXPECT_TRUE(RowNamed(l, "Address.lbl").Sketch.IsNull());   // its sketch is a FIFO
    focus(l, "Parcel.lbl");
    EXPECT_FALSE(l.SketchPicture()->pixmap().isNull());
    EXPECT_EQ(l.DescriptionBox()->toPlainText(), "Parcels");
    EXPECT_EQ(l.CurrentDesignName(), "Parcel.lbl");

    // The Direct list is never red and warns of nothing.
    w.FExBarGroupItemClick(6);
    EXPECT_EQ(rows(list(TMode::Direct)), std::vector<std::string>{"C01.lbl"});
    EXPECT_EQ(RowNamed(list(TMode::Direct), "C01.lbl").Status, 0);
    EXPECT_EQ(w.ToolbarFilter(), 5);
    // Shown again, the Manual list is filled and warns again, once.
    seen = AnswerInOrder({Button(QMessageBox::Ok)});
    w.FExBarMenuItemClick(1);
    settle();
    EXPECT_EQ(seen->size(), 1u);
    EXPECT_EQ(w.ToolbarFilter(), 1);
}

TEST_F(DesignListTest, TypedDescriptionsReachTheDesignFile) {
    putDesign(Manual, "Address");
    putDesign(Manual, "Parcel");
    TfrmSideMenuPrint& w = start("[USER]\nVisible=1\n[CORVANE]\nVisible=1\n");
    TfrmBaseSelectDesign& l = list(TMode::Manual);
    focus(l, "Parcel.lbl");
    const QModelIndex cell = l.dxFileList()->currentIndex().siblingAtColumn(int(TDesignColumn::Description));
    l.dxFileList()->edit(cell);
    auto* editor = l.dxFileList()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->clear();
    QTest::keyClicks(editor, "Parcels, 10 x 15");
    // still typing when the user switches to another list
    w.FExBarGroupItemClick(3);
    EXPECT_EQ(description(std::string(Manual) + "Parcel.lbl"), "Parcels, 10 x 15");
    EXPECT_EQ(description(std::string(Manual) + "Address.lbl"), "Address labels");
}

TEST_F(DesignListTest, DeleteAndRenameLeaveThePicturesAsWritten) {
    const std::string corvane = "data/labels/designs/Corvan/";
    putDesign(corvane, "C01");
    putDesign(corvane, "C05");
    TfrmSideMenuPrint& w = start("[CORVANE]\nVisible=1\n");
    w.FExBarGroupItemClick(3);
    TfrmBaseSelectDesign& l = list(TMode::Corvane);
    for (const char* file : {"C01.lbv", "C01.bmp", "C01.jpg", "C05.bmp", "C05.jpg"}) ASSERT_TRUE(exists(corvane + file));

    focus(l, "C05.lbl");
    auto seen = AnswerInOrder({Button(QMessageBox::Cancel)});
    l.FileListDelete();
    ASSERT_EQ(seen->size(), 1u);
    EXPECT_EQ(seen->at(0).title, "Warning!");
    EXPECT_EQ(seen->at(0).text, "Delete selected design (C05.lbl) ?");
    EXPECT_TRUE(exists(corvane + "C05.lbl"));
    seen = AnswerInOrder({Button(QMessageBox::Ok)});
    l.FileListDelete();
    for (const char* gone : {"C05.lbl", "C05.lbv", "C05.bmp", "C05.lbp"}) EXPECT_FALSE(exists(corvane + gone)) << gone;
    EXPECT_TRUE(exists(corvane + "C05.jpg"));
    EXPECT_EQ(rows(l), std::vector<std::string>{"C01.lbl"});
    EXPECT_EQ(l.CurrentDesignName(), "C01.lbl");

    seen = AnswerInOrder({Input("Abc"), Button(QMessageBox::Ok), Input("C07")});
    l.FileListRename();
    ASSERT_EQ(seen->size(), 3u);
    EXPECT_EQ(seen->at(0).title, "Designname");
    EXPECT_TRUE(seen->at(1).text.startsWith("Design filename must be C01.lbl ... C99.lbl"));
    for (const char* renamed : {"C07.lbl", "C07.lbv", "C07.lbp", "C01.bmp", "C01.jpg"})
        EXPECT_TRUE(exists(corvane + renamed)) << renamed;
    EXPECT_FALSE(exists(corvane + "C01.lbl"));
    EXPECT_EQ(rows(l), std::vector<std::string>{"C07.lbl"});
    EXPECT_EQ(l.CurrentDesignName(), "C07.lbl");

    seen = AnswerInOrder({Button(QMessageBox::Ok)});
    l.FileListDeletePrinterSettings();
    ASSERT_EQ(seen->size(), 1u);
    EXPECT_EQ(seen->at(0).text,
              QString("Delete printer settings of selected design (C07.lbl) ?\n\nAFTERWARDS:\n") + RedText);
    EXPECT_FALSE(exists(corvane + "C07.lbp"));
    EXPECT_EQ(RowNamed(l, "C07.lbl").Status, 1);

    // The folder is gone while the list shows it: a copy fails and says so.
    fs::remove_all(world.path(corvane));
    seen = AnswerInOrder({DesignName("C08"), Button(QMessageBox::Ok)});
    l.FileListCopy();
    ASSERT_EQ(seen->size(), 2u);
    EXPECT_EQ(seen->at(1).text, "Error during file-copy!");
    EXPECT_EQ(rows(l), std::vector<std::string>{"C07.lbl"});
}

TEST_F(DesignListTest, CopyInOneFolderRefusesTakenNames) {
    putDesign(Manual, "Address");
    putDesign(Manual, "Parcel");
    start("[USER]\nVisible=1\n");
    TfrmBaseSelectDesign& l = list(TMode::Manual);
    focus(l, "Address.lbl");
    auto seen = AnswerInOrder({DesignName("Address.lbl"), Button(QMessageBox::Ok), DesignName("parcel"),
                               Button(QMessageBox::Ok), DesignName("../Escape"), Button(QMessageBox::Ok),
                               DesignName("")});
    l.FileListCopy();
    ASSERT_EQ(seen->size(), 7u);
    EXPECT_EQ(seen->at(1).text, "Error: This name already exists!");
    EXPECT_EQ(seen->at(3).text, "Error: This name already exists!");
    EXPECT_EQ(seen->at(5).text, "Design filename contains characters that are not allowed in filenames.");
    EXPECT_FALSE(exists("data/labels/designs/Escape.lbl"));
    EXPECT_EQ(rows(l), (std::vector<std::string>{"Address.lbl", "Parcel.lbl"}));

    seen = AnswerInOrder({DesignName("Copy")});
    l.FileListCopy();
    for (const char* file : {"Copy.lbl", "Copy.lbv", "Copy.lbp", "Copy.bmp"}) EXPECT_TRUE(exists(Manual + std::string(file)));
    EXPECT_EQ(rows(l), (std::vector<std::string>{"Address.lbl", "Copy.lbl", "Parcel.lbl"}));
    EXPECT_EQ(RowNamed(l, "Copy.lbl").Description, "Address labels");
    EXPECT_FALSE(RowNamed(l, "Copy.lbl").Sketch.IsNull());
}

// A refill reuses the pictures it made, yet what changed on disk since (the
// sketch, or its JPEG) is what the next fill shows.
TEST_F(DesignListTest, ASketchChangedOnDiskShowsItsNewPictureAtTheNextFill) {
    putDesign(Manual, "Parcel");
    start("[USER]\nVisible=1\n");
    TfrmBaseSelectDesign& l = list(TMode::Manual);
    const QImage made = RowNamed(l, "Parcel.lbl").Sketch.Image();
    ASSERT_FALSE(made.isNull());
    l.DesignsFillList(false);
    EXPECT_EQ(RowNamed(l, "Parcel.lbl").Sketch.Image(), made);

    const struct {
        const char* file;
        QSize size;
        QRgb colour;
    } edits[] = {{"Parcel.lbv", {60, 30}, qRgb(255, 0, 0)}, {"Parcel.jpg", {80, 40}, qRgb(0, 0, 255)}};
    for (const auto& edit : edits) {
        for (const char* picture : {"Parcel.lbv", "Parcel.jpg", "Parcel.bmp"}) {
            const fs::path path = world.path(std::string(Manual) + picture);
            fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));
        }
        TRgbImage image;
        image.Width = edit.size.width();
        image.Height = edit.size.height();
        for (int i = 0; i < image.Width * image.Height; ++i)
            image.Pixels.insert(image.Pixels.end(), {std::uint8_t(qRed(edit.colour)), std::uint8_t(qGreen(edit.colour)),
                                                     std::uint8_t(qBlue(edit.colour))});
        std::string error;
        ASSERT_TRUE(SaveJpeg(image, world.path(std::string(Manual) + edit.file), 95, error)) << error;
        l.DesignsFillList(false);
        const QImage shown = RowNamed(l, "Parcel.lbl").Sketch.Image();
        EXPECT_EQ(shown.size(), edit.size) << edit.file;
        EXPECT_LT(std::abs(qRed(shown.pixel(5, 5)) - qRed(edit.colour)) + std::abs(qBlue(shown.pixel(5, 5)) - qBlue(edit.colour)), 16)
            << edit.file;
    }
}

class MultiFolderTest : public PrintAppTest {
protected:
    void SetUp() override {
        PrintAppTest::SetUp();
        const std::string designs = world.path("data/labels/designs/");
        putDesign("data/labels/designs/North", "C01", true, "north");
        putDesign("data/labels/designs/South", "C01", true, "south");
        world.writeFile("data/labels/designs/South/C01.lbp", "south printer");
        start("[CORVANE]\nVisible=1\n[CORVANE1]\nName=North\nDesignLocation=" + designs +
              "North\nFileLocation=" + world.path("data/labels/North") + "\n[CORVANE2]\nName=South\nDesignLocation=" +
              designs + "South\nFileLocation=" + world.path("data/labels/South") + "\n");
        window->FExBarGroupItemClick(3);
    }
    TfrmBaseSelectDesign& corvane() const { return list(TMode::Corvane); }
};

TEST_F(MultiFolderTest, CopyToSeveralLocationsOverwritesDesignsButKeepsTheirPrinterSettings) {
    EXPECT_EQ(rows(corvane()), (std::vector<std::string>{"[North]", "C01.lbl", "[South]", "C01.lbl"}));
    focus(corvane(), "C01.lbl");   // North's
    EXPECT_EQ(corvane().CurrentLabelFolder(), world.path("data/labels/North/"));
    auto seen = AnswerInOrder({Locations({0, 1}), DesignName("C01")});
    corvane().FileListCopy();
    ASSERT_EQ(seen->size(), 2u);
    EXPECT_EQ(seen->at(0).title, "Copy Design: North - C01.lbl");
    EXPECT_EQ(description("data/labels/designs/South/C01.lbl"), "north");
    EXPECT_EQ(world.readFile("data/labels/designs/South/C01.lbp"), "south printer");
    EXPECT_EQ(rows(corvane()), (std::vector<std::string>{"[North]", "C01.lbl", "[South]", "C01.lbl"}));

    seen = AnswerInOrder({Locations({1}), DesignName("C01", true)});
    corvane().FileListCopy();
    EXPECT_NE(world.readFile("data/labels/designs/South/C01.lbp"), "south printer");

    // One location, the source's own: its own name is taken.
    seen = AnswerInOrder({Locations({0}), DesignName("C01"), Button(QMessageBox::Ok), DesignName("")});
    corvane().FileListCopy();
    ASSERT_EQ(seen->size(), 4u);
    EXPECT_EQ(seen->at(2).text, "Error: This name already exists!");
}

TEST_F(MultiFolderTest, CommandsOnALocationRowDoNothing) {
    focus(corvane(), "[South]");
    EXPECT_EQ(corvane().CurrentDesignName(), "");
    EXPECT_TRUE(corvane().SketchPicture()->pixmap().isNull());
    corvane().FileListDelete();
    corvane().FileListRename();
    corvane().FileListCopy();
    corvane().FileListDeletePrinterSettings();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(rows(corvane()), (std::vector<std::string>{"[North]", "C01.lbl", "[South]", "C01.lbl"}));
    EXPECT_TRUE(exists("data/labels/designs/South/C01.lbp"));
}

}  // namespace
}  // namespace quill::test
