#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "labelrender/Design.h"
#include "labelrender/LabelJob.h"
#include "platform/FileOps.h"

namespace quill::labelrender {
namespace {

using test::Object;
using test::Tpl;

Design EveryKindOfObject() {
    Design design = test::LabelDesign(69, 36.5, 8, 3);
    design.description = "  Locker label, with blanks  ";
    design.geometry.pageWidth = Length::mm(210);
    design.geometry.pageHeight = Length::mm(297);
    design.geometry.marginLeft = Length::mm(0.5);
    design.geometry.marginTop = Length::mm(2.25);
    design.geometry.gapX = Length::mm(0.001);
    design.geometry.gapY = Length::mm(0);
    TextObject text = test::Text("Locker {Locker} - {{x}} {WearerName}", 12.5);
    text.fontFamily = "DejaVu Serif";
    text.bold = true;
    text.italic = true;
    text.colour = Colour{0x123456};
    text.align = HAlign::Right;
    text.valign = VAlign::Bottom;
    text.wordWrap = true;
    text.shrinkToFit = true;
    design.objects.push_back(Object(text, 1, 2, 30, 10, 90));
    design.objects.push_back(Object(test::Barcode("{Barcode}", Symbology::Ean13, false), 1, 12, 40, 15, 180));
    design.objects.push_back(
        Object(DataMatrixObject{Tpl("[8004]{DataMatrixIDCode}"), Colour{0xFF0000}, true, 12}, 50, 2, 12, 12, 270));
    design.objects.push_back(Object(QrCodeObject{Tpl("Q {A}"), Colour{}, false, 3, 5}, 50, 20, 12, 12));
    design.objects.push_back(Object(ImageObject{"logo dir/logo.png"}, 60, 0, 10, 5));
    design.objects.push_back(Object(LineObject{Stroke{Length::mm(0.5), Colour{0x00FF00}}}, 0, 35, 70, -35));
    design.objects.push_back(
        Object(RectangleObject{Stroke{Length::mm(0.2), Colour{}}, Colour{0xEEEEEE}, Length::mm(1.5)}, 0, 0, 70, 36.5));
    design.objects.push_back(Object(EllipseObject{Stroke{Length::mm(0), Colour{}}, std::nullopt}, 5, 5, 3, 3));
    return design;
}

TEST(DesignFileTest, WhatIsSavedLoadsBackUnchanged) {
    quill::test::TempWorld world;
    const Design original = EveryKindOfObject();
    const std::string path = world.path("AB07.lbl");
    ASSERT_TRUE(original.Save(path));

    Design loaded;
    const Status status = Design::Load(path, loaded);
    ASSERT_TRUE(status.ok()) << status.message;
    EXPECT_EQ(loaded.ToBytes(), original.ToBytes());
    EXPECT_EQ(loaded.description, original.description);
    ASSERT_EQ(loaded.objects.size(), 8u);
    const auto& text = std::get<TextObject>(loaded.objects[0].kind);
    EXPECT_EQ(text.contents.Source(), "Locker {Locker} - {{x}} {WearerName}");
    EXPECT_EQ(text.fontSizePt, 12.5);
    EXPECT_EQ(loaded.objects[0].rotation, 90);
    EXPECT_EQ(std::get<BarcodeObject>(loaded.objects[1].kind).symbology, Symbology::Ean13);
    EXPECT_TRUE(std::get<DataMatrixObject>(loaded.objects[2].kind).gs1);
    EXPECT_EQ(std::get<QrCodeObject>(loaded.objects[3].kind).errorCorrection, 3);
    EXPECT_EQ(std::get<ImageObject>(loaded.objects[4].kind).file, "logo dir/logo.png");
    EXPECT_EQ(loaded.objects[5].height, Length::mm(-35));
    EXPECT_FALSE(std::get<EllipseObject>(loaded.objects[7].kind).fill);
    EXPECT_EQ(loaded.geometry.gapX, Length::um(1));
    EXPECT_EQ(loaded.VariableNames(), (std::vector<std::string>{"Locker", "WearerName", "Barcode", "DataMatrixIDCode", "A"}));
}

// What a person types: any case, blanks, quotes, CR LF, comments, objects
// numbered with gaps and out of order (painted in number order).
TEST(DesignFileTest, HandWrittenFileReads) {
    const std::string text =
        "; locker label\r\n"
        "[design]\r\nformatversion = 1\r\n"
        "[Description]\r\nText=\"  Lockers  \"\r\n"
        "[LABEL]\r\nwidth=70\r\nheight = 36\r\n"
        "[Layout]\r\nnRows=8\r\nnCols=3\r\n"
        "[PageLayout]\r\nLayout.Count.x=2\r\n"
        "[Page]\r\nWidth=210\r\nHeight=297\r\n"
        "[Object10]\r\nType=rectangle\r\nX=0\r\nY=0\r\nWidth=70\r\nHeight=36\r\n"
        "[Object2]\r\nType=Barcode\r\nContents={BarcodeIDCode}\r\nX=5\r\nY=5\r\nWidth=40\r\nHeight=12\r\n"
        "[Notes]\r\nanything=goes\r\n";
    Design design;
    const Status status = Design::Parse(text, design);
    ASSERT_TRUE(status.ok()) << status.message;
    EXPECT_EQ(design.description, "  Lockers  ");
    EXPECT_EQ(design.geometry.rows, 8);
    EXPECT_EQ(design.geometry.cols, 2) << "PageLayout overrides Layout";
    EXPECT_EQ(design.geometry.LabelsPerPage(), 16);
    ASSERT_EQ(design.objects.size(), 2u);
    EXPECT_EQ(design.objects[0].name, "Object2");
    const auto& barcode = std::get<BarcodeObject>(design.objects[0].kind);
    EXPECT_EQ(barcode.symbology, Symbology::Interleaved2of5) << "the default symbology of barcode variables";
    EXPECT_TRUE(barcode.humanReadable);
    EXPECT_EQ(design.objects[1].name, "Object10");
    EXPECT_TRUE(design.UsesVariable("barcodeidcode"));
}

// The example of the format's documentation is a design this program reads.
TEST(DesignFileTest, DocumentedExampleReads) {
    const auto doc = platform::ReadWholeFile(std::string(QUILL_SOURCE_DIR) + "/docs/design-format.md");
    ASSERT_TRUE(doc);
    const std::size_t heading = doc->find("## Example");
    ASSERT_NE(heading, std::string::npos);
    const std::size_t begin = doc->find("```ini\n", heading);
    const std::size_t end = doc->find("```", begin + 7);
    ASSERT_NE(end, std::string::npos);
    Design design;
    const Status status = Design::Parse(doc->substr(begin + 7, end - begin - 7), design);
    ASSERT_TRUE(status.ok()) << status.message;
    EXPECT_EQ(design.geometry.LabelsPerPage(), 24);
    EXPECT_EQ(design.objects.size(), 4u);
    EXPECT_EQ(design.VariableNames(),
              (std::vector<std::string>{"Locker", "WearerName", "BarcodeIDCode", "DataMatrixIDCode"}));
}

TEST(DesignFileTest, PageDefaultsToTheLabelsWithMarginsAndGaps) {
    Design design;
    ASSERT_TRUE(Design::Parse("[Design]\nFormatVersion=1\n[Label]\nWidth=50\nHeight=20\n[Layout]\nnRows=2\nnCols=3\n"
                              "[Page]\nMarginLeft=5\nMarginTop=4\nGapX=2\nGapY=1\n",
                              design)
                    .ok());
    EXPECT_EQ(design.geometry.PageWidth(), Length::mm(5 + 3 * 50 + 2 * 2 + 5));
    EXPECT_EQ(design.geometry.PageHeight(), Length::mm(4 + 2 * 20 + 1 + 4));
    EXPECT_EQ(design.geometry.LabelX(5), Length::mm(5 + 2 * 52));
    EXPECT_EQ(design.geometry.LabelY(5), Length::mm(4 + 21));
}

TEST(DesignFileTest, InvalidDesignsAreRefusedWithACode) {
    const std::string head = "[Design]\nFormatVersion=1\n[Label]\nWidth=50\nHeight=20\n";
    const std::string object = "[Object1]\nX=1\nY=1\nWidth=10\nHeight=10\n";
    struct Case {
        std::string bytes;
        int code;
        const char* says;
    };
    const Case cases[] = {
        {"", LL_ERR_BAD_DESIGN, "not a design file"},
        {std::string("\x00\xff\xfe[[[==\n\x01garbage", 16), LL_ERR_BAD_DESIGN, "not a design file"},
        {"[Label]\nWidth=50\n", LL_ERR_BAD_DESIGN, "FormatVersion"},
        {"[Design]\nFormatVersion=3\n", LL_ERR_BAD_DESIGN, "newer"},
        {"[Design]\nFormatVersion=one\n", LL_ERR_BAD_DESIGN, "FormatVersion"},
        {"[Design]\nFormatVersion=1\n[Label]\nWidth=0\nHeight=20\n", LL_ERR_BAD_DESIGN, "Width"},
        {"[Design]\nFormatVersion=1\n[Label]\nWidth=50\nHeight=-3\n", LL_ERR_BAD_DESIGN, "Height"},
        {head + "[Layout]\nnRows=100000\nnCols=100000\n", LL_ERR_BAD_DESIGN, "nRows"},
        {head + "[PageLayout]\nLayout.Count.x=100000\n", LL_ERR_BAD_DESIGN, "Layout.Count.x"},
        {head + "[Layout]\nnCols=0\n", LL_ERR_BAD_DESIGN, "nCols"},
        {head + "[Layout]\nnCols=3\n[Page]\nWidth=100\nHeight=100\n", LL_ERR_BAD_DESIGN, "columns"},
        {head + "[Layout]\nnRows=1000\nnCols=1000\n", LL_ERR_BAD_DESIGN, "larger"},
        {head + "[Page]\nMarginLeft=abc\n", LL_ERR_BAD_DESIGN, "MarginLeft"},
        {head + object + "Type=Hologram\n", LL_ERR_BAD_OBJECTTYPE, "Hologram"},
        {head + object, LL_ERR_BAD_OBJECTTYPE, "Type"},
        {head + object + "Type=Text\nRotation=45\n", LL_ERR_BAD_DESIGN, "Rotation"},
        {head + object + "Type=Text\nContents=Locker {Locker\n", LL_ERR_EXPRESSION, "unclosed"},
        {head + object + "Type=Barcode\nContents=a}b\n", LL_ERR_EXPRESSION, "Contents"},
        {head + object + "Type=Barcode\nSymbology=Morse\n", LL_ERR_BAD_DESIGN, "Morse"},
        {head + object + "Type=Image\n", LL_ERR_BAD_DESIGN, "File"},
        {head + object + "Type=Text\nFontSize=0\n", LL_ERR_BAD_DESIGN, "FontSize"},
        {head + object + "Type=Text\nColor=red\n", LL_ERR_BAD_DESIGN, "Color"},
        {head + object + "Type=Text\nBold=maybe\n", LL_ERR_BAD_DESIGN, "Bold"},
        {head + "[Object1]\nType=Rectangle\nWidth=-5\n", LL_ERR_BAD_DESIGN, "Width"},
        {head + "[Object1]\nType=Text\nX=1e300\n", LL_ERR_BAD_DESIGN, "X"},
    };
    for (const Case& c : cases) {
        Design design;
        const Status status = Design::Parse(c.bytes, design);
        EXPECT_EQ(status.code, c.code) << c.bytes;
        EXPECT_NE(status.message.find(c.says), std::string::npos) << c.bytes << "\n-> " << status.message;
    }
}

TEST(DesignFileTest, MissingFileIsNotFound) {
    quill::test::TempWorld world;
    Design design;
    const Status status = Design::Load(world.path("nothing.lbl"), design);
    EXPECT_EQ(status.code, LL_ERR_CFGNOTFOUND);
    EXPECT_NE(status.message.find("nothing.lbl"), std::string::npos);
    EXPECT_EQ(Design::Load(world.root(), design).code, LL_ERR_CFGNOTFOUND) << "a folder is no design";
}

}  // namespace
}  // namespace quill::labelrender
