#include "engine/LabelFileWriter.h"

#include <gtest/gtest.h>

#include "core/Vocabularies.h"
#include "engine/LabelLineParsers.h"

namespace quill {
namespace {

const std::vector<TField>& ManualVocabulary() {
    static const std::vector<TField> vocabulary = BuildVocabulary(TMode::Manual);
    return vocabulary;
}

// A record as the print application builds it: sixteen Manual entries.
TLabelRecord ManualRecord(int amount, const std::string& design, const std::vector<std::string>& values) {
    TLabelRecord record;
    record.Mode = TMode::Manual;
    record.Amount = amount;
    record.Design = design;
    for (std::size_t i = 0; i < ManualVocabulary().size(); ++i) {
        const TField& field = ManualVocabulary()[i];
        record.AppendField(&field.Name, field.Type == "Text" ? KindText : KindBarcode, i < values.size() ? values[i] : "");
    }
    return record;
}

TEST(LabelFileWriterTest, EveryValueIsFollowedByTheSeparator) {
    EXPECT_EQ(FormatManualLine(ManualRecord(2, "A01", {"ABC", "", "12"}), ','),
              "2,A01,ABC,,12,,,,,,,,,,,,,,\r\n");
    EXPECT_EQ(FormatManualLine(ManualRecord(1, "B", {"x"}), ';'), "1;B;x;;;;;;;;;;;;;;;;\r\n");
}

TEST(LabelFileWriterTest, WrittenLineReadsBackAsTheSameRequest) {
    const TLabelRecord written = ManualRecord(3, "Shirt", {"00012345", "", "Smith", "", "", "", "", "", "", "", "", "", "", "", "", "last"});
    std::string line = FormatManualLine(written, ',');
    line.resize(line.size() - 2);  // the reader splits lines before parsing
    TLabelRecord read;
    ParseManualLine(line, ManualVocabulary(), ',', read);
    EXPECT_EQ(read.Amount, 3);
    EXPECT_EQ(read.Design, "Shirt");
    for (int i = 0; i < written.FieldCount(); ++i) EXPECT_EQ(read.FieldValue(i), written.FieldValue(i)) << i;
    EXPECT_EQ(read.FieldKind(0), KindBarcode);
    EXPECT_EQ(read.FieldValue(16), "");
}

// Unprinted copies are written back in their own mode's format: each reads
// back as the request it was.
TEST(LabelFileWriterTest, EveryModesLineReadsBackAsTheSameRequest) {
    const std::vector<std::pair<TMode, std::string>> lines = {
        {TMode::Legacy, "***0301B08   12345678/05   HELLO***"},
        {TMode::VekLegacy, "2,7,Jos\x82,box\xC9"},  // OEM bytes
        {TMode::Manual, "1,Shirt,00012345,,Smith"},
        {TMode::Corvane, "2,AB,7,x,y"},
        {TMode::CorvanePWB, "1,R,12,a,b"},
        {TMode::Tamber, "1,T,5,a,b"},
        {TMode::Direct, "1,C,01,x"},
        {TMode::DirectORS, "1,H,1,P,a,b"},
        {TMode::CorvaneORS, "1,H,01,P1,a,b,c"},
    };
    for (const auto& [mode, line] : lines) {
        SCOPED_TRACE(line);
        const std::vector<TField> vocabulary = BuildVocabulary(mode);
        TLabelRecord read;
        ParseLabelLine(mode, line, vocabulary, ',', read);
        std::string written = FormatLabelLine(read, ',');
        ASSERT_EQ(written.substr(written.size() - 2), "\r\n");
        written.resize(written.size() - 2);
        TLabelRecord again;
        ParseLabelLine(mode, written, vocabulary, ',', again);
        EXPECT_EQ(again.Amount, read.Amount);
        EXPECT_EQ(again.Design, read.Design);
        ASSERT_EQ(again.FieldCount(), read.FieldCount()) << written;
        for (int i = 0; i < read.FieldCount(); ++i) {
            EXPECT_EQ(again.FieldValue(i), read.FieldValue(i)) << i;
            EXPECT_EQ(again.FieldKind(i), read.FieldKind(i)) << i;
        }
    }
}

}  // namespace
}  // namespace quill
