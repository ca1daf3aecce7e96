// The engine tells the site about a design that will not print well: the
// print-quality check's problems go to the log the first time a design
// prints on a printer, with the first label's values, and only then.
#include <gtest/gtest.h>

#include "printing/EngineStartWorld.h"
#include "printing/PrintJob.h"

namespace quill {
namespace {

class DesignProblemsLogTest : public test::EngineStartWorldTest {
protected:
    void SetUp() override { StartEngine("[Quill]\nLogMode=1\n"); }

    std::size_t Count(const std::string& text) const {
        const std::string log = MonthlyLog();
        std::size_t count = 0;
        for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++count;
        return count;
    }
};

TEST_F(DesignProblemsLogTest, ADesignsProblemsAreLoggedOnceWhenItFirstPrints) {
    writeDesign("C01", "[Object1]\nType=Text\nX=2\nY=2\nWidth=8\nHeight=4\nFontSize=14\nContents={WearerName}\n"
                       "[Object2]\nType=Barcode\nX=2\nY=10\nWidth=3\nHeight=10\nContents={IDCode}\n");
    labelrender::LabelJob job;
    std::string errorText;
    for (const char* wearer : {"Johanna Jansen", "Bert"}) {
        TLabelRecord record = makeRecord(TMode::Corvane, "C01", 1, {{21, wearer}, {47, "12"}});
        EXPECT_TRUE(PrintLabel(job, std::span(&record, 1), quill::Mode(TMode::Corvane).Fields, false, errorText))
            << errorText;
    }
    EXPECT_EQ(Count("on PDF (300 dpi): [Object1] the text 'Johanna Jansen' does not fit its box"), 1u) << MonthlyLog();
    EXPECT_EQ(Count("[Object2] the box cuts the quiet zones"), 1u) << MonthlyLog();
    EXPECT_EQ(Count("Bert"), 0u) << "checked once, with the first label";
}

}  // namespace
}  // namespace quill
