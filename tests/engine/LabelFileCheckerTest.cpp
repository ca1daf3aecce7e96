#include "engine/LabelFileChecker.h"

#include <gtest/gtest.h>

#include <sstream>

#include "engine/ModeNames.h"
#include "support/TestEnv.h"

namespace quill {
namespace {

class LabelFileCheckerTest : public test::TempWorldTest {
protected:
    int Check(TMode mode, const std::string& bytes) {
        world.writeFile("check.lbl", bytes);
        return CheckLabelFile(mode, world.path("check.lbl"), out);
    }
    std::ostringstream out;
};

TEST_F(LabelFileCheckerTest, ValidFileListsEveryRequestWithItsNamedValues) {
    EXPECT_EQ(Check(TMode::Corvane, "2,AB,7,x,,z\r\n\r\n0,CD,1\r\n"), 0);
    EXPECT_EQ(out.str(),
              "line 1: amount 2, design \"AB07\"\n"
              "  PlantCode=x\n"
              "  BusinessUnitCode=z\n"
              "line 3: amount 0, design \"CD01\" (nothing is printed)\n"
              "valid: 2 label lines, 2 labels\n");
}

TEST_F(LabelFileCheckerTest, FormatErrorNamesItsLineAndEndsTheCheck) {
    EXPECT_EQ(Check(TMode::Legacy, "***0101/02   ok***\n***0102/x2   ab***\n***0103/02   ok***\n"), 1);
    EXPECT_NE(out.str().find("line 1: amount 1, design \"01\"\n  Line_01=ok\n"), std::string::npos);
    EXPECT_NE(out.str().find("format error at line 2: field 1: width \"x2\" is not a decimal number"),
              std::string::npos)
        << out.str();
    EXPECT_EQ(out.str().find("line 3"), std::string::npos);
}

TEST_F(LabelFileCheckerTest, UnreadableFileIsReported) {
    EXPECT_EQ(CheckLabelFile(TMode::Corvane, world.path("none.lbl"), out), 2);
    EXPECT_NE(out.str().find("none.lbl"), std::string::npos);
}

TEST(ModeNamesTest, ModeWordsAndDisplayNamesInAnyCase) {
    EXPECT_EQ(ParseModeName("Corvane"), TMode::Corvane);
    EXPECT_EQ(ParseModeName("directors"), TMode::DirectORS);
    EXPECT_EQ(ParseModeName("Direct ORS"), TMode::DirectORS);
    EXPECT_EQ(ParseModeName("VEK-LEGACY"), TMode::VekLegacy);
    EXPECT_EQ(ParseModeName("Direct"), TMode::Direct);
    EXPECT_EQ(ParseModeName("CorvaneORS"), TMode::CorvaneORS);
    EXPECT_EQ(ParseModeName("Corvan"), std::nullopt);
    EXPECT_EQ(ParseModeName(""), std::nullopt);
}

}  // namespace
}  // namespace quill
