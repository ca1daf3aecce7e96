// quill-engine --calibration-page PRINTER prints the page a site measures
// its printer's calibration on, and says so when it cannot.
#include <gtest/gtest.h>

#include "EngineAppWorld.h"

namespace quill::test {
namespace {

class CalibrationPage : public EngineAppTest {};

TEST_F(CalibrationPage, PrintsOnThePrinterNamedOrSaysWhy) {
    const EngineResult printed = run({"--calibration-page", "PDF"});
    EXPECT_EQ(printed.code, 0) << printed.error;
    EXPECT_EQ(pdfs().size(), 1u);

    const EngineResult missing = run({"--calibration-page", "no-such-printer"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.error.find("no-such-printer"), std::string::npos) << missing.error;
    EXPECT_EQ(pdfs().size(), 1u);
}

}  // namespace
}  // namespace quill::test
