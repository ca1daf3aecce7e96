#include "engine/LabelFileReader.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/Logging.h"
#include "core/Vocabularies.h"
#include "engine/LabelLineParsers.h"
#include "support/TestEnv.h"

namespace quill {
namespace {

using namespace std::string_literals;

// The print queue as the reader sees it: answers AddToTask with scripted
// outcomes (Queued once the script runs out) and records every call.
class ScriptedSink : public TLabelSink {
public:
    std::deque<TAddResult> outcomes;
    std::deque<bool> printResults;
    std::vector<TLabelRecord> copies;
    std::vector<std::string> calls;

    TAddResult AddToTask(const TLabelRecord& record) override {
        copies.push_back(record);
        calls.push_back("add " + record.Design);
        if (outcomes.empty()) return {TAddOutcome::Queued, 0};
        const TAddResult result = outcomes.front();
        outcomes.pop_front();
        return result;
    }
    bool PrintTask(int task) override {
        calls.push_back("print " + std::to_string(task));
        if (printResults.empty()) return true;
        const bool result = printResults.front();
        printResults.pop_front();
        return result;
    }
};

class LabelFileReaderTest : public test::TempWorldTest {
protected:
    bool Read(TMode mode, const std::string& bytes) {
        world.writeFile("labels/work.txt", bytes);
        return ReadLabelFile(mode, "North", vocabulary(mode), "/designs/", world.path("labels/work.txt"), sink);
    }
    const std::vector<TField>& vocabulary(TMode mode) {
        return vocabularies.emplace_back(BuildVocabulary(mode));
    }
    std::vector<std::string> designs() const {
        std::vector<std::string> names;
        for (const TLabelRecord& copy : sink.copies) names.push_back(copy.Design);
        return names;
    }

    std::deque<std::vector<TField>> vocabularies;  // outlive the queued copies
    ScriptedSink sink;
};

using Designs = std::vector<std::string>;

TEST_F(LabelFileReaderTest, EveryLineIsQueuedAmountTimesWithItsOrigin) {
    EXPECT_TRUE(Read(TMode::Corvane, "2,AB,7,x\r\n1,CD,1,y\r\n"));
    EXPECT_EQ(designs(), (Designs{"AB07", "AB07", "CD01"}));
    const TLabelRecord& copy = sink.copies.back();
    EXPECT_EQ(copy.Mode, TMode::Corvane);
    EXPECT_EQ(copy.DesignFolder, "/designs/");
    EXPECT_EQ(copy.LocationName, "North");
    EXPECT_EQ(copy.FieldName(0), "PlantCode");
    EXPECT_EQ(copy.FieldValue(0), "y");
}

TEST_F(LabelFileReaderTest, LinesEndAtCrLfLoneCrOrLoneLfAndEmptyLinesAreSkipped) {
    EXPECT_TRUE(Read(TMode::Manual, "1,A\r\n1,B\r1,C\n\n1,D\r\n\r\n\r\r1,E"));
    EXPECT_EQ(designs(), (Designs{"A", "B", "C", "D", "E"}));
}

TEST_F(LabelFileReaderTest, NulEndsTheText) {
    EXPECT_TRUE(Read(TMode::Manual, "1,A,x\n1,B,y\0z\n1,C\n"s));
    EXPECT_EQ(designs(), (Designs{"A", "B"}));
    EXPECT_EQ(sink.copies.back().FieldValue(0), "y");
}

TEST_F(LabelFileReaderTest, ZeroOrNegativeAmountsQueueNothingAndStillSucceed) {
    EXPECT_TRUE(Read(TMode::Corvane, "0,A,1\n-3,B,1\n3x,C,1\n"));
    EXPECT_EQ(designs(), (Designs{"C01"}));
}

TEST_F(LabelFileReaderTest, FullTaskPrintsAtOnceAndTheLastPrintDecides) {
    sink.outcomes = {{TAddOutcome::Queued, 4}, {TAddOutcome::QueuedPrintNow, 4}, {TAddOutcome::QueuedPrintNow, 4}};
    sink.printResults = {true, false};
    EXPECT_FALSE(Read(TMode::Manual, "3,A\n"));
    EXPECT_EQ(sink.calls, (Designs{"add A", "add A", "print 4", "add A", "print 4"}));

    sink.calls.clear();
    sink.outcomes = {{TAddOutcome::QueuedPrintNow, 2}, {TAddOutcome::QueuedPrintNow, 5}};
    sink.printResults = {false, true};
    EXPECT_TRUE(Read(TMode::Manual, "2,A\n"));
}

TEST_F(LabelFileReaderTest, HeldSlotIsPrintedAndTheSameCopyHandedAgain) {
    sink.outcomes = {{TAddOutcome::SlotHeld, 0}};
    EXPECT_TRUE(Read(TMode::Manual, "2,A\n"));
    EXPECT_EQ(sink.calls, (Designs{"add A", "print 0", "add A", "add A"}));
}

TEST_F(LabelFileReaderTest, LegacyFormatErrorStopsTheFileAndKeepsQueuedCopies) {
    const std::string good = "***0201/02   ok***\r\n";
    try {
        Read(TMode::Legacy, good + "***0102/02   ab*** \r\n" + "***0103/02   ok***\r\n");
        FAIL() << "no format error";
    } catch (const TLabelFormatError& error) {
        EXPECT_STREQ(error.what(), "line 2: field 2: text after the closing ***: \"*** \"");
    }
    EXPECT_EQ(designs(), (Designs{"01", "01"}));
}

TEST_F(LabelFileReaderTest, LegacyLineWithoutMarkerIsNoError) {
    EXPECT_TRUE(Read(TMode::Legacy, "header text\n***0101/02   ok***\n"));
    EXPECT_EQ(designs(), (Designs{"01"}));
}

TEST_F(LabelFileReaderTest, UnreadableFileFailsAndIsLoggedAsException) {
    const TFolders saved = Folders;
    Folders.LogFolder = world.path("Log");
    Folders.ComputerName = "PC1";
    const bool result = ReadLabelFile(TMode::Corvane, "", vocabulary(TMode::Corvane), "/designs/",
                                      world.path("labels/missing.txt"), sink);
    const std::string log = world.readFile("Log/PC1QuillException_" + MonthStamp() + ".txt");
    Folders = saved;
    EXPECT_FALSE(result);
    EXPECT_TRUE(sink.calls.empty());
    EXPECT_NE(log.find("Source: FEngine, Proc: ReadLabelFile, Class: std::system_error, Message: Cannot read label file"),
              std::string::npos)
        << log;
}

TEST_F(LabelFileReaderTest, VekLegacyLinesAreConvertedFromOemFirst) {
    EXPECT_TRUE(Read(TMode::VekLegacy, "1,7,M\x81ller\xE1\n"));  // "Müllerß" in code page 850
    EXPECT_EQ(sink.copies.at(0).Design, "07");
    EXPECT_EQ(sink.copies.at(0).FieldValue(0), "M\xFCller\xDF");
}

TEST_F(LabelFileReaderTest, OtherModesKeepTheirBytes) {
    EXPECT_TRUE(Read(TMode::Tamber, "1,T,1,M\x81ller\n"));
    EXPECT_EQ(sink.copies.at(0).FieldValue(0), "M\x81ller");
}

TEST_F(LabelFileReaderTest, SeparatorComesFromTheSettings) {
    const std::string saved = Settings.Separator;
    Settings.Separator = ";";
    const bool result = Read(TMode::Corvane, "2;AB;3;x,y;z\n");
    Settings.Separator = saved;
    EXPECT_TRUE(result);
    ASSERT_EQ(sink.copies.size(), 2u);
    EXPECT_EQ(sink.copies[0].Design, "AB03");
    EXPECT_EQ(sink.copies[0].FieldValue(0), "x,y");
    EXPECT_EQ(sink.copies[0].FieldValue(1), "z");
}

}  // namespace
}  // namespace quill
