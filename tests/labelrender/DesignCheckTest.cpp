// The print-quality check, as the designer and the engine see it: what it
// reports of each symbol on a 203 dpi printer, and each kind of problem.
#include "labelrender/DesignCheck.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"

namespace quill::labelrender {
namespace {

using test::Object;

class DesignCheckTest : public test::RenderTest {};

TEST_F(DesignCheckTest, ReportsModulesAndEveryKindOfProblem) {
    constexpr double kDpi = 203;
    Design design = test::LabelDesign(100, 60);
    design.objects.push_back(Object(QrCodeObject{test::Tpl("{Set}"), {}}, 2, 2, 20, 20));                  // fine
    design.objects.push_back(Object(test::Barcode("{Code}", Symbology::Code128, false), 25, 2, 12, 8));     // 1-dot modules
    design.objects.push_back(Object(test::Barcode("{Letters}", Symbology::Interleaved2of5), 25, 12, 40, 10));
    design.objects.push_back(Object(DataMatrixObject{test::Tpl("{Set}"), {}}, 92, 40, 12, 12));            // off the edge
    design.objects.push_back(Object(test::Text("{Long}"), 2, 30, 15, 4));
    design.objects.push_back(Object(test::Barcode("{Code}", Symbology::Code128), 2, 40, 5, 10));            // too narrow
    design.objects.push_back(Object(test::Barcode("{Code}", Symbology::Code128), 2, 52, 40, 6));            // too low for text
    VariableSet values;
    values.Define("Set", "STERILE-SET 4711", VariableType::Text);
    values.Define("Code", "AB1234", VariableType::Text);
    values.Define("Letters", "12AB", VariableType::Text);
    values.Define("Long", "A text far too long for its box", VariableType::Text);

    Design loaded;   // objects are named by their sections
    ASSERT_TRUE(Design::Load(Save(design, "CHECK"), loaded).ok());
    const DesignCheck check = CheckDesign(loaded, values, {}, kDpi);

    const std::pair<std::string, std::string> expected[] = {
        {"Object2", "the module of 0.125 mm is below the 0.19 mm Code128 needs"},
        {"Object2", "the box cuts the quiet zones"},
        {"Object3", "the value cannot be encoded: Interleaved 2 of 5 takes digits only"},
        {"Object4", "the label's edge cuts the symbol or its quiet zones"},
        {"Object5", "the text 'A text far too long for its box' does not fit its box"},
        {"Object6", "Code128 needs a box at least 11.262 mm wide at 203 dpi (one printer dot per module); the box is 5 mm wide"},
        {"Object7", "the box is too low for readable text under the bars"},
    };
    ASSERT_EQ(check.problems.size(), std::size(expected));
    for (std::size_t i = 0; i < check.problems.size(); ++i) {
        EXPECT_EQ(check.problems[i].object, expected[i].first);
        EXPECT_EQ(check.problems[i].text.substr(0, expected[i].second.size()), expected[i].second)
            << check.problems[i].ToString();
    }

    ASSERT_GE(check.symbols.size(), 2u);
    const SymbolReport& qr = check.symbols[0];
    EXPECT_EQ(qr.object, "Object1");
    EXPECT_EQ(qr.symbology, "QRCode");
    EXPECT_GE(qr.moduleDots, 2);
    EXPECT_NEAR(qr.moduleMm, qr.moduleDots * 25.4 / kDpi, 1e-6);
    EXPECT_GE(qr.quietZoneMm, 4 * qr.moduleMm - 1e-6) << "a QR code keeps four modules of quiet zone";
    EXPECT_EQ(check.symbols[1].moduleDots, 1);
}

// GS1 contents are held to the GS1 rules by the encoder, whose reason the
// check passes on; printing such a label fails the same way.
TEST_F(DesignCheckTest, Gs1ContentsThatBreakTheGs1RulesAreRefusedWithTheEncodersReason) {
    struct Case {
        ObjectKind kind;
        const char* value;
        const char* reason;
    };
    DataMatrixObject gs1Matrix{test::Tpl("{V}"), {}, true, 0};
    const Case cases[] = {
        {test::Barcode("{V}", Symbology::Gs1_128), "[01]09501101530004", "checksum"},
        {gs1Matrix, "09501101530003", "does not start with an AI"},
        {test::Barcode("{V}", Symbology::Gs1QRCode), "[01]0950110153000", "length"},
        {test::Barcode("{V}", Symbology::Gs1DataMatrix), "[01]09501101530003[17]261399", "month"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Design design = test::LabelDesign(60, 40);
        design.objects.push_back(Object(c.kind, 5, 5, 50, 30));
        Design loaded;
        ASSERT_TRUE(Design::Load(Save(design, "GS1"), loaded).ok());
        VariableSet values;
        values.Define("V", c.value, VariableType::Text);
        const DesignCheck check = CheckDesign(loaded, values, {}, 300);
        ASSERT_EQ(check.problems.size(), 1u);
        EXPECT_NE(check.problems[0].text.find("cannot be encoded"), std::string::npos) << check.problems[0].text;
        EXPECT_NE(check.problems[0].text.find(c.reason), std::string::npos) << check.problems[0].text;
    }
}

}  // namespace
}  // namespace quill::labelrender
