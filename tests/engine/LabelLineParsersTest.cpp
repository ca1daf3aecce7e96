#include "engine/LabelLineParsers.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/Vocabularies.h"

namespace quill {
namespace {

// Records point into their vocabulary, so the vocabularies live for the whole run.
const std::vector<TField>& Vocabulary(TMode mode) {
    static const auto all = [] {
        std::array<std::vector<TField>, ModeCount> vocabularies;
        for (TMode m : AllModes) vocabularies[static_cast<std::size_t>(ModeIndex(m))] = BuildVocabulary(m);
        return vocabularies;
    }();
    return all[static_cast<std::size_t>(ModeIndex(mode))];
}

TLabelRecord Parse(TMode mode, std::string_view line, char separator = ',') {
    TLabelRecord record;
    ParseLabelLine(mode, line, Vocabulary(mode), separator, record);
    return record;
}

// "v1,v2,...,v<count>"
std::string NumberedValues(int count) {
    std::string values;
    for (int i = 1; i <= count; ++i) values += (i > 1 ? ",v" : "v") + std::to_string(i);
    return values;
}

// ---- separated format -------------------------------------------------------

TEST(SeparatedLineTest, CorvaneLineGivesAmountDesignAndAllPositions) {
    const TLabelRecord record = Parse(TMode::Corvane, "2,AB,7,x,y");
    EXPECT_EQ(record.Mode, TMode::Corvane);
    EXPECT_EQ(record.Amount, 2);
    EXPECT_EQ(record.Design, "AB07");
    EXPECT_EQ(record.FieldCount(), 74);
    EXPECT_EQ(record.FieldValue(0), "x");
    EXPECT_EQ(record.FieldValue(1), "y");
    for (int i = 2; i < 74; ++i) EXPECT_EQ(record.FieldValue(i), "") << i;
    EXPECT_EQ(record.FieldName(0), "PlantCode");
    EXPECT_EQ(record.FieldName(73), "InvoiceBusinessUnitDescription");
    EXPECT_EQ(record.FieldKind(73), KindText);
    EXPECT_EQ(record.FieldName(74), "");
    EXPECT_EQ(record.FieldKind(74), '\0');
}

TEST(SeparatedLineTest, DesignNumberGetsALeadingZeroOnlyForASingleDigit) {
    const std::pair<const char*, const char*> cases[] = {
        {"1,AB,12", "AB12"}, {"1,AB,A", "ABA"}, {"1,AB,", "AB"}, {"1,AB", "AB"}, {"1,AB,0", "AB00"},
    };
    for (const auto& [line, design] : cases) EXPECT_EQ(Parse(TMode::Corvane, line).Design, design) << line;
    EXPECT_EQ(Parse(TMode::CorvanePWB, "1,P,3").Design, "P03");
    EXPECT_EQ(Parse(TMode::DirectORS, "1,H,9").Design, "H09");
}

TEST(SeparatedLineTest, AmountIsOneUnlessTheTokenIsADecimalInteger) {
    const std::pair<const char*, int> cases[] = {
        {"3x,A", 1}, {"x3,A", 1}, {",A", 1}, {" 3,A", 1}, {"0,A", 0}, {"-2,A", -2}, {"+4,A", 4},
        {"12,A", 12}, {"2147483647,A", 2147483647},
        {"99999999999,A", 2147483647},  // too many for an int is still too many: the reader refuses the line
    };
    for (const auto& [line, amount] : cases) EXPECT_EQ(Parse(TMode::Manual, line).Amount, amount) << line;
}

TEST(SeparatedLineTest, TrailingSeparatorChangesNothing) {
    const TLabelRecord plain = Parse(TMode::Corvane, "1,AB,1,x,,z");
    const TLabelRecord trailing = Parse(TMode::Corvane, "1,AB,1,x,,z,");
    ASSERT_EQ(plain.FieldCount(), trailing.FieldCount());
    for (int i = 0; i < plain.FieldCount(); ++i) EXPECT_EQ(plain.FieldValue(i), trailing.FieldValue(i)) << i;
    EXPECT_EQ(plain.FieldValue(1), "");
    EXPECT_EQ(plain.FieldValue(2), "z");
}

TEST(SeparatedLineTest, LineWithoutSeparatorIsAllAmountText) {
    const TLabelRecord record = Parse(TMode::Corvane, "hello");
    EXPECT_EQ(record.Amount, 1);
    EXPECT_EQ(record.Design, "");
    EXPECT_EQ(record.FieldCount(), 74);
    for (int i = 0; i < 74; ++i) EXPECT_EQ(record.FieldValue(i), "") << i;
    EXPECT_EQ(Parse(TMode::Corvane, "5").Amount, 5);
}

TEST(SeparatedLineTest, SurplusValuesAreIgnoredAndMissingOnesEmpty) {
    const TLabelRecord record = Parse(TMode::CorvanePWB, "1,P,1," + NumberedValues(40));
    EXPECT_EQ(record.FieldCount(), 36);
    EXPECT_EQ(record.FieldValue(35), "v36");
    EXPECT_EQ(record.FieldValue(36), "");
    EXPECT_EQ(Parse(TMode::Direct, "1,D,1," + NumberedValues(80)).FieldCount(), 74);
}

// The end-of-line mark only ends the values when nothing but the mark is left.
TEST(SeparatedLineTest, EndOfLineMarkInsideTheLineIsAnOrdinaryValue) {
    const TLabelRecord record = Parse(TMode::Corvane, "1,AB,1,QUILL_END_OF_LINE,b");
    EXPECT_EQ(record.FieldValue(0), "QUILL_END_OF_LINE");
    EXPECT_EQ(record.FieldValue(1), "b");
    EXPECT_EQ(record.FieldValue(2), "");
}

TEST(SeparatedLineTest, TheSeparatorIsTheGivenCharacter) {
    const TLabelRecord record = Parse(TMode::Corvane, "2;AB;3;a,b;c", ';');
    EXPECT_EQ(record.Amount, 2);
    EXPECT_EQ(record.Design, "AB03");
    EXPECT_EQ(record.FieldValue(0), "a,b");
    EXPECT_EQ(record.FieldValue(1), "c");
}

TEST(SeparatedLineTest, VekLegacyAndTamberFillDesignNumbersToTwoDigits) {
    const TLabelRecord vek = Parse(TMode::VekLegacy, "1,7,a");
    EXPECT_EQ(vek.Design, "07");
    EXPECT_EQ(vek.FieldCount(), 50);
    EXPECT_EQ(vek.FieldName(0), "RelationNumber");
    EXPECT_EQ(vek.FieldValue(0), "a");
    EXPECT_EQ(Parse(TMode::VekLegacy, "1,123").Design, "123");
    EXPECT_EQ(Parse(TMode::VekLegacy, "1,").Design, "00");

    const TLabelRecord tamber = Parse(TMode::Tamber, "1,T,5,a");
    EXPECT_EQ(tamber.Design, "T05");
    EXPECT_EQ(tamber.FieldCount(), 24);
    EXPECT_EQ(tamber.FieldValue(0), "a");
    EXPECT_EQ(Parse(TMode::Tamber, "1,T,").Design, "T00");
    EXPECT_EQ(Parse(TMode::Tamber, "1,T,A").Design, "T0A");
    EXPECT_EQ(Parse(TMode::Tamber, "1,T,123").Design, "T123");
}

TEST(SeparatedLineTest, ManualKeepsItsDesignAndCarriesNamelessPositions) {
    const TLabelRecord record = Parse(TMode::Manual, "1,7," + NumberedValues(20));
    EXPECT_EQ(record.Design, "7");
    EXPECT_EQ(record.FieldCount(), 496);
    EXPECT_EQ(record.FieldKind(0), KindBarcode);
    EXPECT_EQ(record.FieldKind(1), KindBarcode);
    EXPECT_EQ(record.FieldKind(2), KindText);
    EXPECT_EQ(record.FieldName(15), "Field_16");
    // past the vocabulary: the value is kept, name and kind stay unset
    EXPECT_EQ(record.FieldName(16), "");
    EXPECT_EQ(record.FieldKind(16), '\0');
    EXPECT_EQ(record.FieldValue(16), "v17");
    EXPECT_EQ(record.FieldValue(495), "");
}

// ---- ORS compaction ----------------------------------------------------------

TEST(OrsLineTest, VariantPLeavesOutHeaderTailAndRowTails) {
    const TLabelRecord record = Parse(TMode::DirectORS, "1,H,1,P," + NumberedValues(32));
    EXPECT_EQ(record.Design, "H01");
    EXPECT_EQ(record.FieldCount(), 495);
    EXPECT_EQ(record.FieldValue(0), "P");
    for (int i = 1; i <= 31; ++i) EXPECT_EQ(record.FieldValue(i), "v" + std::to_string(i)) << i;
    for (int i = 32; i <= 44; ++i) EXPECT_EQ(record.FieldValue(i), "") << i;
    EXPECT_EQ(record.FieldValue(45), "v32");
}

TEST(OrsLineTest, VariantPCarriesSevenValuesPerRow) {
    const TLabelRecord record = Parse(TMode::DirectORS, "1,H,1,P," + NumberedValues(300));
    // row 1: 45..51 carried, 52..59 left out; row 2 starts at 60
    EXPECT_EQ(record.FieldValue(51), "v38");
    for (int i = 52; i <= 59; ++i) EXPECT_EQ(record.FieldValue(i), "") << i;
    EXPECT_EQ(record.FieldValue(60), "v39");
    // row 30 starts at 480 with value 31 + 29 * 7 + 1
    EXPECT_EQ(record.FieldValue(480), "v235");
    EXPECT_EQ(record.FieldValue(486), "v241");
    EXPECT_EQ(record.FieldValue(487), "");
    EXPECT_EQ(record.FieldValue(494), "");
}

TEST(OrsLineTest, VariantP1LeavesTheHeaderFrom34) {
    const TLabelRecord record = Parse(TMode::CorvaneORS, "1,H,1,P1," + NumberedValues(60));
    EXPECT_EQ(record.FieldValue(0), "P");
    EXPECT_EQ(record.FieldValue(33), "v33");
    for (int i = 34; i <= 44; ++i) EXPECT_EQ(record.FieldValue(i), "") << i;
    EXPECT_EQ(record.FieldValue(45), "v34");
    EXPECT_EQ(record.FieldValue(51), "v40");
    EXPECT_EQ(record.FieldValue(52), "");
    EXPECT_EQ(record.FieldValue(60), "v41");
}

TEST(OrsLineTest, OtherVariantsLeaveNothingOutAndAreStoredAsP) {
    for (const char* variant : {"P2", "X", "p", ""}) {
        const TLabelRecord record = Parse(TMode::CorvaneORS, std::string("1,H,1,") + variant + "," + NumberedValues(500));
        EXPECT_EQ(record.FieldValue(0), "P") << variant;
        EXPECT_EQ(record.FieldValue(32), "v32") << variant;
        EXPECT_EQ(record.FieldValue(52), "v52") << variant;
        EXPECT_EQ(record.FieldValue(494), "v494") << variant;
        EXPECT_EQ(record.FieldCount(), 495) << variant;
    }
}

TEST(OrsLineTest, CompactionBelongsToTheOrsModesOnly) {
    const TLabelRecord record = Parse(TMode::Corvane, "1,C,1,P," + NumberedValues(40));
    EXPECT_EQ(record.FieldValue(0), "P");
    EXPECT_EQ(record.FieldValue(32), "v32");
}

// ---- fixed-width format ------------------------------------------------------

TEST(LegacyLineTest, FieldsFollowTheirWidths) {
    const TLabelRecord record = Parse(TMode::Legacy, "***0301B08   12345678/05   HELLO***");
    EXPECT_EQ(record.Amount, 3);
    EXPECT_EQ(record.Design, "01");
    ASSERT_EQ(record.FieldCount(), 2);
    EXPECT_EQ(record.FieldKind(0), 'B');
    EXPECT_EQ(record.FieldValue(0), "12345678");
    EXPECT_EQ(record.FieldName(0), "Line_01");
    EXPECT_EQ(record.FieldKind(1), '/');
    EXPECT_EQ(record.FieldValue(1), "HELLO");
    EXPECT_EQ(record.FieldName(1), "Line_02");
}

// The kind is stored as it stands; the three characters after the width are skipped.
TEST(LegacyLineTest, OddAmountKindAndEmptyWidth) {
    const TLabelRecord record = Parse(TMode::Legacy, "***x1AB?00xyz/03,,,a,c***");
    EXPECT_EQ(record.Amount, 1);
    ASSERT_EQ(record.FieldCount(), 2);
    EXPECT_EQ(record.FieldKind(0), '?');
    EXPECT_EQ(record.FieldValue(0), "");
    EXPECT_EQ(record.FieldValue(1), "a,c");
}

TEST(LegacyLineTest, LineWithoutMarkerAsksForNothing) {
    const TLabelRecord record = Parse(TMode::Legacy, "**0301B08   12345678***");
    EXPECT_EQ(record.Amount, 0);
    EXPECT_EQ(record.Design, "");
    EXPECT_EQ(record.FieldCount(), 0);
}

TEST(LegacyLineTest, MalformedLinesRaiseTheFormatError) {
    const char* lines[] = {
        "***0301/02   ab*** ",     // a blank after the closing marker
        "***0301",                 // ends right after amount and design
        "***0301***",              // closing marker right after the design
        "***03",                   // shorter still
        "***0301/x5   abcde***",   // width not decimal
        "***0301/-1   ***",        // width negative
        "***0301/08   1234***",    // ends inside the value
        "***0301/02   ab",         // no closing marker
        "***0301/02   ab/0",       // ends inside the next field's header
    };
    for (const char* line : lines) EXPECT_THROW(Parse(TMode::Legacy, line), TLabelFormatError) << line;
}

TEST(LegacyLineTest, FieldsPastTheVocabularyHaveNoName) {
    std::string line = "***0101";
    for (int i = 0; i < 17; ++i) line += "/01   " + std::string(1, static_cast<char>('a' + i));
    const TLabelRecord record = Parse(TMode::Legacy, line + "***");
    ASSERT_EQ(record.FieldCount(), 17);
    EXPECT_EQ(record.FieldName(15), "Line_16");
    EXPECT_EQ(record.FieldName(16), "");
    EXPECT_EQ(record.FieldValue(16), "q");
}

TEST(LegacyLineTest, ReadingStopsAfter496Fields) {
    std::string line = "***0101";
    for (int i = 0; i < 500; ++i) line += "/01   x";
    const TLabelRecord record = Parse(TMode::Legacy, line);  // no closing marker needed
    EXPECT_EQ(record.FieldCount(), 496);
}

}  // namespace
}  // namespace quill
